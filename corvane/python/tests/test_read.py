# corvane.read must give what corvane-read gives for the same pixels, whatever form they come in.

import pathlib
import threading
import time

import numpy as np
import pytest
from PIL import Image

import corvane
from corvane import _corvane
from conftest import as_tuples, cli, pixels


@pytest.mark.parametrize("name, shape", [("grey", 2), ("rgb", 3), ("rgba", 4)])
def test_array_reads_as_the_command_line(images, name, shape):
    array = pixels(images[name])
    assert array.ndim == 2 if shape == 2 else array.shape[2] == shape
    expected = cli(images[name])
    assert expected, "the symbol must be readable for the comparison to mean anything"
    assert as_tuples(corvane.read(array)) == expected


def _transposed(a):
    return a.swapaxes(0, 1)


def _flipped(a):
    return a[::-1, ::-1]


def _embedded(a):
    # The symbol inside a bigger noisy canvas, read through a slice of it.
    rng = np.random.default_rng(7)
    canvas = rng.integers(0, 256, (a.shape[0] + 30, a.shape[1] + 50) + a.shape[2:], dtype=np.uint8)
    canvas[13 : 13 + a.shape[0], 21 : 21 + a.shape[1]] = a
    return canvas[13 : 13 + a.shape[0], 21 : 21 + a.shape[1]]


def _every_other_channel(a):
    # Channels two bytes apart: the pixels interleaved with a copy of themselves.
    wide = np.repeat(a, 2, axis=2)
    return wide[..., ::2]


@pytest.mark.parametrize(
    "name, view",
    [(n, v) for n in ("grey", "rgb", "rgba") for v in (_embedded, _transposed, _flipped)]
    + [("rgb", _every_other_channel), ("rgba", _every_other_channel)],
)
def test_strided_arrays_read_as_their_packed_copy(images, tmp_path, name, view):
    strided = view(pixels(images[name]))
    assert not strided.flags.c_contiguous
    # corvane-read reads the same pixels, packed, from a file of their own.
    path = tmp_path / "view.png"
    Image.fromarray(np.ascontiguousarray(strided)).save(path)
    expected = cli(path)
    assert expected
    assert as_tuples(corvane.read(strided)) == expected


@pytest.mark.parametrize(
    "shape, format_name, order",
    [
        ((5, 7), "PIXEL_FORMAT_GREY", None),
        ((5, 7, 1), "PIXEL_FORMAT_GREY", [0]),
        ((5, 7, 3), "PIXEL_FORMAT_BGR", [2, 1, 0]),
        ((5, 7, 4), "PIXEL_FORMAT_BGRA", [2, 1, 0, 3]),
    ],
)
@pytest.mark.parametrize("view", [lambda a: a, _embedded, _transposed, _flipped])
def test_the_library_gets_packed_rows_in_its_channel_order(shape, format_name, order, view):
    # The library greys colour as the mean of three channels, so a wrong channel order would not
    # change what it reads; check the bytes it is handed instead.
    array = view(np.random.default_rng(1).integers(0, 256, shape, dtype=np.uint8))
    data, pixel_format, stride = _corvane._packed(array)
    expected = array if order is None else array[..., order]
    assert pixel_format == getattr(_corvane, format_name)
    assert stride == array.shape[1] * (1 if order is None else len(order))
    assert data == np.ascontiguousarray(expected).tobytes()


@pytest.mark.parametrize("name", ["grey", "rgb", "rgba", "palette", "grey-alpha", "bilevel", "grey16"])
def test_pil_images_and_paths_read_as_the_command_line(images, name):
    expected = cli(images[name])
    assert expected
    with Image.open(images[name]) as image:
        assert as_tuples(corvane.read(image)) == expected
    assert as_tuples(corvane.read(str(images[name]))) == expected
    assert as_tuples(corvane.read(pathlib.Path(images[name]))) == expected


@pytest.mark.parametrize("effort", [1, 2, 3])
@pytest.mark.parametrize("name", ["tilted", "rgb"])
def test_effort_reads_as_the_command_line(images, name, effort):
    expected = cli(images[name], "--effort", str(effort))
    assert expected
    if name == "tilted":
        assert expected != cli(images[name]), "the image must tell the two readers apart"
    assert as_tuples(corvane.read(pixels(images[name]), effort=effort)) == expected
    assert as_tuples(corvane.read(images[name], effort=effort)) == expected


# Without a turn the vertical symbol is not read, so ignored numbers would show.
@pytest.mark.parametrize("scan_lines, rotations, found", [(20, 0, False), (5, 1, True), (40, 3, True), (1, 2, True)])
def test_scan_lines_and_rotations_reach_the_plain_read(images, scan_lines, rotations, found):
    expected = cli(images["vertical"], "--scan-lines", str(scan_lines), "--rotations", str(rotations))
    assert bool(expected) == found
    result = corvane.read(images["vertical"], scan_lines=scan_lines, rotations=rotations)
    assert as_tuples(result) == expected


@pytest.mark.parametrize("effort", [0, 2])
def test_threads_each_get_their_own_results(images, effort):
    # The plain read's results live in the library until the next read from any thread.
    names = ["grey", "rgb", "rgba"]
    arrays = {n: pixels(images[n]) for n in names}
    expected = {n: as_tuples(corvane.read(arrays[n], effort=effort)) for n in names}
    assert len({tuple(e) for e in expected.values()}) == len(names)
    failures = []

    def work(name):
        for _ in range(15):
            got = as_tuples(corvane.read(arrays[name], effort=effort))
            if got != expected[name]:
                failures.append((name, got))

    threads = [threading.Thread(target=work, args=(n,)) for n in names * 3]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert failures == []



def test_other_threads_run_while_the_library_reads():
    # Noise keeps effort 3 busy through every step (a few hundred ms); holding the GIL that long
    # would stop the loop below until the read is over.
    noise = np.random.default_rng(3).integers(0, 256, (2000, 2000), dtype=np.uint8)
    started = threading.Event()

    def work():
        started.set()
        corvane.read(noise, effort=3)

    reader = threading.Thread(target=work)
    reader.start()
    started.wait()
    ticks = 0
    while reader.is_alive():
        ticks += 1
        time.sleep(0.001)
    reader.join()
    assert ticks >= 20
