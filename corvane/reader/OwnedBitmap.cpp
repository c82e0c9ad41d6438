#include "reader/OwnedBitmap.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace corvane {

namespace {

struct FormatInfo {
    int format;
    int bytesPerPixel;
};

constexpr FormatInfo kFormats[] = {
    {CorvanePixelFormat24bppRGB, 3},
    {CorvanePixelFormat32bppRGB, 4},
    {CorvanePixelFormat32bppARGB, 4},
    {CorvanePixelFormat8bppGray, 1},
};

}  // namespace

int BytesPerPixel(int pixelFormat)
{
    for (const auto& f : kFormats)
        if (f.format == pixelFormat)
            return f.bytesPerPixel;
    return 0;
}

COwnedBitmap::COwnedBitmap(int width, int height, int format)
    : width_(width), height_(height), format_(format), bytesPerPixel_(BytesPerPixel(format))
{
}

bool IsValidArea(const CorvaneBitmap& source, int x, int y, int width, int height)
{
    const int bpp = BytesPerPixel(source.pixelFormat);
    // All bounds are checked in 64-bit so that no sum or product can wrap.
    const std::int64_t x0 = x, y0 = y, w = width, h = height;
    return source.scan0 != nullptr && bpp != 0 && source.width > 0 && source.height > 0 && w > 0 && h > 0 &&
           x0 >= 0 && y0 >= 0 && x0 + w <= source.width && y0 + h <= source.height &&
           std::int64_t{source.stride} >= std::int64_t{source.width} * bpp;
}

std::optional<COwnedBitmap> COwnedBitmap::CloneArea(CorvaneBitmap& source, int x, int y, int width,
                                                    int height)
{
    const int pixelFormat = source.pixelFormat;
    const int bpp = BytesPerPixel(pixelFormat);
    const std::int64_t x0 = x, y0 = y, w = width, h = height;
    if (!IsValidArea(source, x, y, width, height)) {
        source.lastStatus = CorvaneInvalidParameter;
        return std::nullopt;
    }
    try {
        COwnedBitmap copy(width, height, pixelFormat);
        const std::size_t rowBytes = static_cast<std::size_t>(w) * bpp;
        copy.pixels_.resize(rowBytes * static_cast<std::size_t>(h));
        for (std::int64_t row = 0; row < h; ++row) {
            const std::uint8_t* from =
                source.scan0 + static_cast<std::size_t>(y0 + row) * static_cast<std::size_t>(source.stride) +
                static_cast<std::size_t>(x0) * bpp;
            std::memcpy(copy.pixels_.data() + static_cast<std::size_t>(row) * rowBytes, from, rowBytes);
        }
        return copy;
    } catch (const std::bad_alloc&) {
        source.lastStatus = CorvaneOutOfMemory;
        return std::nullopt;
    }
}

bool COwnedBitmap::RotateQuarterClockwise()
{
    try {
        const std::size_t bpp = bytesPerPixel_;
        const std::size_t w = width_, h = height_;
        std::vector<std::uint8_t> turned(pixels_.size());
        // Source pixel (c, r) lands at column h - 1 - r of row c.
        for (std::size_t r = 0; r < h; ++r) {
            const std::uint8_t* from = pixels_.data() + r * w * bpp;
            const std::size_t toColumn = h - 1 - r;
            for (std::size_t c = 0; c < w; ++c)
                std::memcpy(turned.data() + (c * h + toColumn) * bpp, from + c * bpp, bpp);
        }
        pixels_.swap(turned);
        std::swap(width_, height_);
        return true;
    } catch (const std::bad_alloc&) {
        lastStatus = CorvaneOutOfMemory;
        return false;
    }
}

std::optional<COwnedBitmap::Rows24> COwnedBitmap::LockRows24(int y0, int count)
{
    if (y0 < 0 || count <= 0 || y0 > height_ - count) {
        lastStatus = CorvaneInvalidParameter;
        return std::nullopt;
    }
    const std::size_t w = width_;
    const std::size_t rowBytes = w * bytesPerPixel_;
    const std::uint8_t* first = pixels_.data() + static_cast<std::size_t>(y0) * rowBytes;
    if (bytesPerPixel_ == 3)
        return Rows24{first, rowBytes};

    try {
        converted_.resize(w * 3 * static_cast<std::size_t>(count));
    } catch (const std::bad_alloc&) {
        lastStatus = CorvaneOutOfMemory;
        return std::nullopt;
    }
    std::uint8_t* to = converted_.data();
    const std::size_t pixels = w * static_cast<std::size_t>(count);
    const std::uint8_t* from = first;
    if (bytesPerPixel_ == 1) {
        for (std::size_t i = 0; i < pixels; ++i, to += 3)
            to[0] = to[1] = to[2] = from[i];
    } else {  // 4 bytes: blue, green, red and an unused or alpha byte, which is ignored
        for (std::size_t i = 0; i < pixels; ++i, to += 3, from += 4)
            std::memcpy(to, from, 3);
    }
    return Rows24{converted_.data(), w * 3};
}

}  // namespace corvane
