// libFuzzer target: CorvaneReadTryHarder on arbitrary bitmaps, strides, pixel formats, areas and
// efforts. Nothing may crash, leak or overrun; a call succeeds exactly when its arguments are
// valid; every result is whole; effort 0 gives exactly what ReadImage gives.
#include "FuzzBitmap.h"
#include "corvane_tryharder.h"
#include "reader/OwnedBitmap.h"
#include "reader/ScanDriver.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr std::size_t kHeader = 12;

std::size_t Length(const char16_t* text)
{
    std::size_t n = 0;
    while (text[n] != 0)
        ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kHeader)
        return 0;
    auto [width, height, format, stride, x, y, areaWidth, areaHeight, pixels] =
        corvane::fuzz::BitmapFromBytes(data, size, kHeader, 160);
    const int effort = static_cast<int>(data[8] % 6) - 1;  // one below and one above the range
    const bool nullPixels = data[9] == 0xFF;
    const bool nullResults = data[10] == 0xFF;

    const CorvaneBitmap bitmap{width, height, stride, format, nullPixels ? nullptr : pixels.data(), CorvaneOk};
    CorvaneResults* results = nullptr;
    const int rc = CorvaneReadTryHarder(&bitmap, x, y, areaHeight, areaWidth, effort, nullResults ? nullptr : &results);
    const bool valid = !nullResults && effort >= CORVANE_EFFORT_MIN && effort <= CORVANE_EFFORT_MAX &&
                       corvane::IsValidArea(bitmap, x, y, areaWidth, areaHeight);
    if ((rc == CorvaneOk) != valid || (rc == CorvaneOk) != (results != nullptr))
        __builtin_trap();
    if (results == nullptr)
        return 0;

    using Record = std::tuple<std::u16string, std::u16string, int>;
    std::vector<Record> found;
    for (int i = 0; i < results->count; ++i) {
        const CorvaneResult& r = results->items[i];
        if (r.score < 60 || r.score > 100 || r.step < CorvaneStepBands || r.step > CorvaneStepAngled ||
            Length(r.type) == 0 || Length(r.text) == 0)
            __builtin_trap();
        found.emplace_back(r.type, r.text, r.score);
    }
    CorvaneFreeResults(results);

    if (effort == 0) {
        CorvaneBitmap copy = bitmap;
        corvane::ReadContext context;
        corvane::ReadImageInto(context, &copy, x, y, areaHeight, areaWidth, 20, 3);
        std::vector<Record> expected;
        for (const auto& r : context.barcodes)
            expected.emplace_back(r.typeName, r.value, r.score);
        if (found != expected)
            __builtin_trap();
    }
    return 0;
}
