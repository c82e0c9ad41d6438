// libFuzzer target: ReadImage on arbitrary bitmaps, strides, pixel formats and areas. The first
// bytes choose the shape, the rest fill the pixels; nothing may crash, leak or overrun, and
// reading in place must find exactly what reading turned copies of the area finds.
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

constexpr int kFormats[] = {CorvanePixelFormat24bppRGB, CorvanePixelFormat32bppRGB, CorvanePixelFormat32bppARGB,
                            CorvanePixelFormat8bppGray, 0x12345};  // the last one is invalid
constexpr std::size_t kHeader = 12;

int BytesPerPixel(int format)
{
    switch (format) {
    case CorvanePixelFormat24bppRGB: return 3;
    case CorvanePixelFormat8bppGray: return 1;
    default: return 4;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kHeader)
        return 0;
    const int width = 1 + data[0] % 200;
    const int height = 1 + data[1] % 200;
    const int format = kFormats[data[2] % std::size(kFormats)];
    const int stride = width * BytesPerPixel(format) + data[3] % 8;
    // Areas reach past every edge, and can be negative or empty.
    const int x = static_cast<std::int8_t>(data[4]) * 2;
    const int y = static_cast<std::int8_t>(data[5]) * 2;
    const int areaWidth = static_cast<std::int8_t>(data[6]) * 3;
    const int areaHeight = static_cast<std::int8_t>(data[7]) * 3;
    const int scanLines = static_cast<std::int8_t>(data[8]) % 50;
    const int rotations = static_cast<std::int8_t>(data[9]) % 6;
    const bool nullPixels = data[10] == 0xFF;

    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
    const std::size_t payload = size - kHeader;
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = payload ? data[kHeader + i % payload] : 0;

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
