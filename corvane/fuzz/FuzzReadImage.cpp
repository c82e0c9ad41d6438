// libFuzzer target: ReadImage on arbitrary bitmaps, strides, pixel formats and areas. The first
// bytes choose the shape, the rest fill the pixels; nothing may crash, leak or overrun, and
// reading in place must find exactly what reading turned copies of the area finds.
#include "FuzzBitmap.h"
#include "corvane.h"
#include "reader/BarcodeResults.h"
#include "reader/ScanDriver.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr std::size_t kHeader = 12;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kHeader)
        return 0;
    auto [width, height, format, stride, x, y, areaWidth, areaHeight, pixels] =
        corvane::fuzz::BitmapFromBytes(data, size, kHeader, 200);
    const int scanLines = static_cast<std::int8_t>(data[8]) % 50;
    const int rotations = static_cast<std::int8_t>(data[9]) % 6;
    const bool nullPixels = data[10] == 0xFF;

    CorvaneBitmap bitmap{width, height, stride, format, nullPixels ? nullptr : pixels.data(), CorvaneOk};
    const int count = ReadImage(&bitmap, x, y, areaHeight, areaWidth, scanLines, rotations);
    for (int i = 0; i < count; ++i) {
        // Every result must be readable to its end.
        for (const char16_t* p = GetBarCodeValue(i); p && *p; ++p) {
        }
        for (const char16_t* p = GetBarCodeType(i); p && *p; ++p) {
        }
        const int score = GetBarCodeScore(i);
        if (score < 0 || score > 100)
            __builtin_trap();
    }

    using Record = std::tuple<std::u16string, std::u16string, int, int, bool>;
    const auto snapshot = [](const corvane::ReadContext& context) {
        std::vector<Record> records;
        for (const auto& r : context.barcodes)
            records.emplace_back(r.typeName, r.value, r.score, r.pass, r.closed);
        return records;
    };
    CorvaneBitmap inPlaceBitmap{width, height, stride, format, bitmap.scan0, CorvaneOk};
    corvane::ReadContext inPlace;
    corvane::ReadImageInto(inPlace, &inPlaceBitmap, x, y, areaHeight, areaWidth, scanLines, rotations);
    CorvaneBitmap copyBitmap{width, height, stride, format, bitmap.scan0, CorvaneOk};
    corvane::ReadContext copied;
    const int copyCount = corvane::ReadImageInto(copied, &copyBitmap, x, y, areaHeight, areaWidth, scanLines,
                                                 rotations, corvane::ScanMethod::TurnedCopy);
    if (copyCount != count || copyBitmap.lastStatus != bitmap.lastStatus || snapshot(copied) != snapshot(inPlace))
        __builtin_trap();
    return 0;
}
