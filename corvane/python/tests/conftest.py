# Symbols rendered with zint and saved in the layouts the tests read, and corvane-read (the
# built binary, named by $CORVANE_READ) as the reference the module must match.

import json
import os
import subprocess

import numpy as np
import pytest
from PIL import Image, ImageFilter


def _corvane_read():
    path = os.environ.get("CORVANE_READ")
    if not path or not os.access(path, os.X_OK):
        raise RuntimeError("set CORVANE_READ to the corvane-read program built beside the module")
    return path


def cli(path, *options):
    """corvane-read's results for `path` as [(type, text, score), ...]."""
    done = subprocess.run([_corvane_read(), "--json", *options, os.fspath(path)], capture_output=True, text=True)
    assert done.returncode in (0, 1), done.stderr
    return [(r["type"], r["value"], r["score"]) for r in json.loads(done.stdout)]


def as_tuples(results):
    return [(r.type, r.text, r.score) for r in results]


def _zint(directory, name, symbology, data, *options):
    path = directory / f"{name}-zint.png"
    subprocess.run(["zint", "-b", str(symbology), "-d", data, "--scale=2", *options, "-o", str(path)], check=True)
    return Image.open(path)


@pytest.fixture(scope="session")
def images(tmp_path_factory):
    """name -> path of an image file; each holds one real symbol."""
    directory = tmp_path_factory.mktemp("symbols")
    code128 = _zint(directory, "code128", 20, "CORVANE-128")
    ean13 = _zint(directory, "ean13", 13, "590123412345", "--fg=00A000")  # green bars on white
    # Red-brown bars on light blue, so every channel carries a different picture.
    coloured = _zint(directory, "coloured", 20, "Py-4711", "--fg=A03010", "--bg=C0E0FF")

    made = {"palette": directory / "code128-zint.png"}  # zint writes palette PNGs

    def save(name, image):
        made[name] = directory / f"{name}.png"
        image.save(made[name])

    save("grey", code128.convert("L"))
    save("rgb", ean13.convert("RGB"))
    rgba = np.dstack([np.asarray(coloured.convert("RGB")), _alpha(coloured.size)])
    save("rgba", Image.fromarray(rgba, "RGBA"))
    save("grey-alpha", Image.fromarray(np.dstack([np.asarray(code128.convert("L")), _alpha(code128.size)]), "LA"))
    save("bilevel", code128.convert("1"))
    # 16 bits a sample: corvane-read keeps the high byte.
    save("grey16", Image.fromarray(np.asarray(code128.convert("L")).astype(np.uint16) * 257))
    # Tilted and blurred: the plain read and the try-harder reader give different lists here.
    tilted = code128.convert("L").rotate(8, resample=Image.BICUBIC, expand=True, fillcolor=255)
    save("tilted", tilted.filter(ImageFilter.GaussianBlur(1.5)))
    # Vertical bars: only the turned passes read it.
    save("vertical", code128.convert("L").transpose(Image.Transpose.ROTATE_90))
    return made


def _alpha(size):
    # Alpha that varies across the image: the library ignores it, so it must not reach the
    # colour channels.
    width, height = size
    return np.add.outer(np.arange(height) * 7, np.arange(width) * 3).astype(np.uint8)


def pixels(path):
    """The file's pixels as PIL gives them: H x W, H x W x 3 or H x W x 4."""
    with Image.open(path) as image:
        return np.asarray(image)
