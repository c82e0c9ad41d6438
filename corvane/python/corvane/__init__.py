"""Finds and decodes 1-D barcodes (Code 128, Code 39, Codabar, Code 11, 2 of 5, EAN/UPC) in images.

    >>> import corvane
    >>> corvane.read("label.png")
    [Result(type='EAN 13', text='5901234123457', score=100)]

``read`` takes a NumPy array, a PIL image or a path and reads it with libcorvane, giving the
same results as ``corvane-read`` for the same pixels (JPEG files aside: PIL and corvane-read
decode them with different decoders, which may differ by a level here and there).
"""

from __future__ import annotations

import operator
import os
from dataclasses import dataclass
from typing import Any, List, Union

import numpy as np

from . import _corvane

__all__ = ["Result", "read", "EFFORT_MIN", "EFFORT_MAX", "EFFORT_DEFAULT"]

EFFORT_MIN: int = _corvane.EFFORT_MIN
EFFORT_MAX: int = _corvane.EFFORT_MAX
EFFORT_DEFAULT: int = _corvane.EFFORT_DEFAULT

# PIL modes that are already grey, or grey with alpha (which the library would ignore anyway);
# everything else with colour, palettes included, is read as RGB (RGBA stays RGBA).
_GREY_MODES = {"1", "L", "LA", "La", "F"}


@dataclass(frozen=True)
class Result:
    """One barcode read: its symbology, its text ("?" per unread character) and its score
    (60 to 100; 100 when every character was read)."""

    type: str
    text: str
    score: int


def _whole_number(name: str, value: Any) -> int:
    if isinstance(value, bool):
        raise TypeError(f"{name} must be a whole number, not {value!r}")
    try:
        return operator.index(value)
    except TypeError:
        raise TypeError(f"{name} must be a whole number, not {type(value).__name__}") from None


def _pil_pixels(image: Any) -> np.ndarray:
    mode = image.mode
    if mode == "I" or mode.startswith("I;16"):
        # PIL opens 16-bit grey files as "I": keep the high byte, as corvane-read's decoder does.
        return (np.clip(np.asarray(image), 0, 65535) >> 8).astype(np.uint8)
    if mode in _GREY_MODES:
        return np.asarray(image if mode == "L" else image.convert("L"))
    if mode in ("RGB", "RGBA"):
        return np.asarray(image)
    return np.asarray(image.convert("RGB"))


def _load(path: Union[str, os.PathLike]) -> np.ndarray:
    from PIL import Image  # only paths and PIL images need it

    with Image.open(path) as image:
        image.load()
        return _pil_pixels(image)


def _is_pil_image(image: Any) -> bool:
    # Without importing PIL for callers that never use it.
    return any(c.__module__ == "PIL.Image" and c.__name__ == "Image" for c in type(image).__mro__)


def read(
    image: Any,
    effort: int = 0,
    scan_lines: int = _corvane.DEFAULT_SCAN_LINES,
    rotations: int = _corvane.DEFAULT_ROTATIONS,
) -> List[Result]:
    """Reads the 1-D barcodes in ``image`` and returns them as a list of Result.

    ``image`` is one of:

    - a uint8 NumPy array: H x W or H x W x 1 (grey), H x W x 3 (RGB) or H x W x 4 (RGBA,
      alpha ignored); any strides (slices, transposes, negative steps);
    - a PIL image: grey modes ("1", "L", "LA", "F") are read as grey, 16-bit grey ("I",
      "I;16", as PIL opens 16-bit files) by its high byte, RGB and RGBA as such, and every
      other mode (palettes, CMYK, ...) as RGB, the way corvane-read reads files;
    - a path (str or os.PathLike) to an image file, opened with PIL.

    ``effort`` 0 is the plain read, scanning ``scan_lines`` horizontal bands in ``rotations``
    (0 to 3) extra quarter turns. Efforts 1 to 3 use the try-harder reader, for photographs and
    scans (EFFORT_DEFAULT is a good start); it chooses its own scan lines and turns, so
    ``scan_lines`` and ``rotations`` other than their defaults raise ValueError there.

    The GIL is released while the library reads. Try-harder reads run in parallel; plain reads
    take turns, as the library keeps their results for the whole process until the next one.

    Raises TypeError for an array that is not uint8, for numbers that are not whole and for an
    object that is none of the above; ValueError for an array of the wrong shape or an empty
    one and for numbers out of range; FileNotFoundError for a missing file (and PIL's errors
    for a file it cannot read).
    """
    effort = _whole_number("effort", effort)
    scan_lines = _whole_number("scan_lines", scan_lines)
    rotations = _whole_number("rotations", rotations)

    if isinstance(image, np.ndarray):
        pixels = image
    elif isinstance(image, (str, os.PathLike)):
        pixels = _load(image)
    elif _is_pil_image(image):
        pixels = _pil_pixels(image)
    else:
        raise TypeError(
            "corvane.read wants a uint8 NumPy array, a PIL image or a path, not " + type(image).__name__
        )
    return [Result(*found) for found in _corvane.read(pixels, effort, scan_lines, rotations)]
