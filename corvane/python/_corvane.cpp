// corvane._corvane: the compiled half of the Python module. It packs a uint8 NumPy array (any
// strides) into a bitmap the library takes and reads it with the GIL released; corvane/__init__.py
// turns PIL images and paths into arrays and results into Result objects.

#include <corvane.h>
#include <corvane_tryharder.h>

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

namespace py = pybind11;

namespace {

constexpr int kDefaultScanLines = 20;
constexpr int kDefaultRotations = 3;

// A packed copy of the caller's pixels in a layout the library takes.
struct Packed {
    int width = 0;
    int height = 0;
    int bytesPerPixel = 1;
    int pixelFormat = CorvanePixelFormat8bppGray;
    std::vector<unsigned char> pixels;  // rows packed, top row first

    CorvaneBitmap Bitmap() const
    {
        return {width, height, width * bytesPerPixel, pixelFormat, pixels.data(), CorvaneOk};
    }
};

// Grey (H x W or H x W x 1) stays 8-bit grey; RGB becomes 24-bit and RGBA 32-bit, both in the
// blue, green, red (, alpha) order the library reads. Strides are followed as they are, so
// slices, transposes and negative steps need no copy on the Python side.
Packed Pack(const py::array& array)
{
    if (array.dtype().kind() != 'u' || array.dtype().itemsize() != 1)
        throw py::type_error("corvane.read wants a uint8 array, not " + std::string(py::str(array.dtype())));
    const py::ssize_t ndim = array.ndim();
    if (ndim != 2 && ndim != 3)
        throw py::value_error("corvane.read wants an H x W (grey) or H x W x 3 / 4 (RGB / RGBA) array, not " +
                              std::to_string(ndim) + "-D");
    const py::ssize_t channels = ndim == 3 ? array.shape(2) : 1;
    if (channels != 1 && channels != 3 && channels != 4)
        throw py::value_error("corvane.read wants 1 (grey), 3 (RGB) or 4 (RGBA) channels, not " +
                              std::to_string(channels));
    const py::ssize_t height = array.shape(0), width = array.shape(1);
    if (height == 0 || width == 0)
        throw py::value_error("corvane.read got an empty image (" + std::to_string(height) + " x " +
                              std::to_string(width) + ")");
    // The bitmap counts in int, stride included.
    if (height > INT_MAX || width > INT_MAX / 4)
        throw py::value_error("corvane.read got an image too large for the library (" + std::to_string(height) +
                              " x " + std::to_string(width) + ")");

    Packed out;
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.bytesPerPixel = channels == 1 ? 1 : static_cast<int>(channels);
    out.pixelFormat = channels == 1   ? CorvanePixelFormat8bppGray
                      : channels == 3 ? CorvanePixelFormat24bppRGB
                                      : CorvanePixelFormat32bppARGB;
    out.pixels.resize(static_cast<std::size_t>(height) * static_cast<std::size_t>(width) *
                      static_cast<std::size_t>(out.bytesPerPixel));

    const auto* base = static_cast<const unsigned char*>(array.data());
    const py::ssize_t rowStep = array.strides(0), columnStep = array.strides(1);
    const py::ssize_t channelStep = ndim == 3 ? array.strides(2) : 0;
    // Where each output byte of a pixel comes from: red and blue trade places.
    const py::ssize_t from[4] = {channels == 1 ? 0 : 2 * channelStep, channelStep, 0, 3 * channelStep};
    unsigned char* to = out.pixels.data();
    for (py::ssize_t r = 0; r < height; ++r) {
        const unsigned char* row = base + r * rowStep;
        for (py::ssize_t c = 0; c < width; ++c) {
            const unsigned char* pixel = row + c * columnStep;
            for (int b = 0; b < out.bytesPerPixel; ++b)
                *to++ = pixel[from[b]];
        }
    }
    return out;
}

struct Reading {
    std::u16string type, text;
    int score = 0;
};

py::str Str(const std::u16string& text)
{
    // Explicit byte order, so a leading U+FEFF is kept rather than taken for a byte order mark;
    // lone surrogates pass through instead of failing the whole read.
    int byteOrder = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? -1 : 1;
    PyObject* s = PyUnicode_DecodeUTF16(reinterpret_cast<const char*>(text.data()),
                                        static_cast<py::ssize_t>(text.size() * sizeof(char16_t)), "surrogatepass",
                                        &byteOrder);
    if (!s)
        throw py::error_already_set();
    return py::reinterpret_steal<py::str>(s);
}

// ReadImage keeps its results in the library until the next ReadImage from any thread, so the
// read and the getters after it must not interleave with another thread's read.
std::mutex g_plainReadMutex;

std::vector<Reading> ReadPlain(const Packed& image, int scanLines, int rotations, int& status)
{
    CorvaneBitmap bitmap = image.Bitmap();
    std::lock_guard lock(g_plainReadMutex);
    const int count = ReadImage(&bitmap, 0, 0, image.height, image.width, scanLines, rotations);
    status = bitmap.lastStatus;
    std::vector<Reading> out;
    for (int i = 0; i < count; ++i)
        out.push_back({GetBarCodeType(i), GetBarCodeValue(i), GetBarCodeScore(i)});
    return out;
}

struct FreeResults {
    void operator()(CorvaneResults* r) const { CorvaneFreeResults(r); }
};

std::vector<Reading> ReadHarder(const Packed& image, int effort, int& status)
{
    const CorvaneBitmap bitmap = image.Bitmap();
    CorvaneResults* raw = nullptr;
    status = CorvaneReadTryHarder(&bitmap, 0, 0, image.height, image.width, effort, &raw);
    const std::unique_ptr<CorvaneResults, FreeResults> results(raw);
    std::vector<Reading> out;
    if (status == CorvaneOk && results)
        for (int i = 0; i < results->count; ++i)
            out.push_back({results->items[i].type, results->items[i].text, results->items[i].score});
    return out;
}

void CheckNumbers(int effort, int scanLines, int rotations)
{
    if (effort < CORVANE_EFFORT_MIN || effort > CORVANE_EFFORT_MAX)
        throw py::value_error("effort must be " + std::to_string(CORVANE_EFFORT_MIN) + " to " +
                              std::to_string(CORVANE_EFFORT_MAX) + ", not " + std::to_string(effort));
    if (scanLines < 1)
        throw py::value_error("scan_lines must be at least 1, not " + std::to_string(scanLines));
    if (rotations < 0 || rotations > 3)
        throw py::value_error("rotations must be 0 to 3, not " + std::to_string(rotations));
    // The try-harder reader picks its own lines and turns; silently ignoring them would mislead.
    if (effort > 0 && (scanLines != kDefaultScanLines || rotations != kDefaultRotations))
        throw py::value_error("scan_lines and rotations tune only the plain read (effort 0); leave them out "
                              "with effort " + std::to_string(effort));
}

// [(type, text, score), ...]
py::list Read(const py::array& array, int effort, int scanLines, int rotations)
{
    CheckNumbers(effort, scanLines, rotations);
    const Packed image = Pack(array);
    int status = CorvaneOk;
    std::vector<Reading> readings;
    {
        py::gil_scoped_release release;
        readings = effort > 0 ? ReadHarder(image, effort, status) : ReadPlain(image, scanLines, rotations, status);
    }
    if (status == CorvaneOutOfMemory)
        throw std::bad_alloc();
    if (status != CorvaneOk)  // the checks above leave nothing the library should refuse
        throw std::runtime_error("the library refused the image (status " + std::to_string(status) + ")");
    py::list out;
    for (const Reading& r : readings)
        out.append(py::make_tuple(Str(r.type), Str(r.text), r.score));
    return out;
}

// The bytes, pixel format and stride the library is handed for `array`, for the tests.
py::tuple PackedForTests(const py::array& array)
{
    const Packed image = Pack(array);
    return py::make_tuple(py::bytes(reinterpret_cast<const char*>(image.pixels.data()), image.pixels.size()),
                          image.pixelFormat, image.width * image.bytesPerPixel);
}

}  // namespace

PYBIND11_MODULE(_corvane, m)
{
    m.doc() = "Reads 1-D barcodes in uint8 NumPy arrays with libcorvane; use corvane.read.";
    m.def("read", &Read, py::arg("array"), py::arg("effort"), py::arg("scan_lines"), py::arg("rotations"),
          "Reads a uint8 array (H x W, H x W x 3 RGB or H x W x 4 RGBA, any strides); returns "
          "[(type, text, score), ...].");
    m.def("_packed", &PackedForTests, py::arg("array"));
    m.attr("EFFORT_MIN") = CORVANE_EFFORT_MIN;
    m.attr("EFFORT_MAX") = CORVANE_EFFORT_MAX;
    m.attr("EFFORT_DEFAULT") = CORVANE_EFFORT_DEFAULT;
    m.attr("DEFAULT_SCAN_LINES") = kDefaultScanLines;
    m.attr("DEFAULT_ROTATIONS") = kDefaultRotations;
    m.attr("PIXEL_FORMAT_GREY") = static_cast<int>(CorvanePixelFormat8bppGray);
    m.attr("PIXEL_FORMAT_BGR") = static_cast<int>(CorvanePixelFormat24bppRGB);
    m.attr("PIXEL_FORMAT_BGRA") = static_cast<int>(CorvanePixelFormat32bppARGB);
}
