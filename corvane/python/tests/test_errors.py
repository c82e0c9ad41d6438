# Bad input raises the exception its kind calls for, with a message naming what was wrong.

import pathlib

import numpy as np
import pytest

import corvane


@pytest.mark.parametrize("dtype", [np.uint16, np.int8, np.float32, np.bool_, np.int64])
def test_arrays_that_are_not_uint8_raise_type_error(dtype):
    with pytest.raises(TypeError, match="uint8"):
        corvane.read(np.zeros((40, 60, 3), dtype=dtype))


@pytest.mark.parametrize(
    "shape, message",
    [
        ((), "0-D"),
        ((100,), "1-D"),
        ((10, 10, 3, 1), "4-D"),
        ((10, 10, 2), "not 2"),
        ((10, 10, 5), "not 5"),
        ((0, 10), "empty"),
        ((10, 0), "empty"),
        ((0, 10, 3), "empty"),
        ((10, 0, 4), "empty"),
    ],
)
def test_arrays_of_the_wrong_shape_raise_value_error(shape, message):
    with pytest.raises(ValueError, match=message):
        corvane.read(np.zeros(shape, dtype=np.uint8))


@pytest.mark.parametrize(
    "options, message",
    [
        ({"effort": -1}, "effort"),
        ({"effort": 4}, "effort"),
        ({"scan_lines": 0}, "scan_lines"),
        ({"scan_lines": -5}, "scan_lines"),
        ({"rotations": -1}, "rotations"),
        ({"rotations": 4}, "rotations"),
        ({"effort": 2, "scan_lines": 10}, "only the plain read"),
        ({"effort": 1, "rotations": 0}, "only the plain read"),
    ],
)
def test_numbers_out_of_range_raise_value_error(options, message):
    with pytest.raises(ValueError, match=message):
        corvane.read(np.full((40, 60), 255, dtype=np.uint8), **options)


@pytest.mark.parametrize("options", [{"effort": 1.5}, {"effort": "2"}, {"scan_lines": 20.0}, {"rotations": True}])
def test_numbers_that_are_not_whole_raise_type_error(options):
    with pytest.raises(TypeError, match="whole number"):
        corvane.read(np.full((40, 60), 255, dtype=np.uint8), **options)


def test_numpy_integers_are_whole_numbers():
    assert corvane.read(np.full((40, 60), 255, dtype=np.uint8), effort=np.int64(0), scan_lines=np.int32(5), rotations=np.uint8(1)) == []


@pytest.mark.parametrize("as_path", [str, pathlib.Path])
def test_a_missing_file_raises_file_not_found(tmp_path, as_path):
    with pytest.raises(FileNotFoundError):
        corvane.read(as_path(tmp_path / "missing.png"))


@pytest.mark.parametrize("image", [42, None, [[0, 255], [255, 0]], b"label.png", memoryview(b"\0" * 16), {}])
def test_other_objects_raise_type_error(image):
    with pytest.raises(TypeError, match="NumPy array, a PIL image or a path"):
        corvane.read(image)
