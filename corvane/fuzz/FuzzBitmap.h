#pragma once
// How both reader fuzz targets turn their input into a bitmap and an area: bytes 0 to 7 choose
// the shape, the pixel format (an invalid one included), the stride and an area that reaches past
// every edge and can be negative or empty; the bytes after the target's own header fill the pixels.

#include "corvane.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

namespace corvane::fuzz {

inline constexpr int kFormats[] = {CorvanePixelFormat24bppRGB, CorvanePixelFormat32bppRGB,
                                   CorvanePixelFormat32bppARGB, CorvanePixelFormat8bppGray,
                                   0x12345};  // the last one is invalid

struct FuzzBitmap {
    int width, height, format, stride;
    int x, y, areaWidth, areaHeight;
    std::vector<std::uint8_t> pixels;
};

inline int BytesPerPixel(int format)
{
    switch (format) {
    case CorvanePixelFormat24bppRGB: return 3;
    case CorvanePixelFormat8bppGray: return 1;
    default: return 4;
    }
}

// `size` must be at least `header` (which is at least 8); sides are 1 to `maxSide` pixels.
inline FuzzBitmap BitmapFromBytes(const std::uint8_t* data, std::size_t size, std::size_t header, int maxSide)
{
    FuzzBitmap b{};
    b.width = 1 + data[0] % maxSide;
    b.height = 1 + data[1] % maxSide;
    b.format = kFormats[data[2] % std::size(kFormats)];
    b.stride = b.width * BytesPerPixel(b.format) + data[3] % 8;
    b.x = static_cast<std::int8_t>(data[4]) * 2;
    b.y = static_cast<std::int8_t>(data[5]) * 2;
    b.areaWidth = static_cast<std::int8_t>(data[6]) * 3;
    b.areaHeight = static_cast<std::int8_t>(data[7]) * 3;
    b.pixels.resize(static_cast<std::size_t>(b.stride) * static_cast<std::size_t>(b.height));
    const std::size_t payload = size - header;
    for (std::size_t i = 0; i < b.pixels.size(); ++i)
        b.pixels[i] = payload ? data[header + i % payload] : 0;
    return b;
}

}  // namespace corvane::fuzz
