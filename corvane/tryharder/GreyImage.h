#pragma once
// An owned 8-bit grey image: the caller's area converted once, and the prepared copies made
// from it. The band reader and the front end both read it.

#include "corvane.h"
#include "tryharder/FrontEnd.h"

#include <cstdint>
#include <vector>

namespace corvane::tryharder {

struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // rows packed, width bytes each

    GreyImage() = default;
    GreyImage(int w, int h, std::uint8_t fill = 255);

    std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint8_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }

    // Views for the band reader (8-bit grey format) and for the front end.
    CorvaneBitmap Bitmap() const;
    GreyView View() const;
};

// The area (x, y, width, height) of a valid bitmap in grey, each pixel the mean of blue, green
// and red rounded down, as the band reader converts it.
GreyImage GreyFromArea(const CorvaneBitmap& bitmap, int x, int y, int width, int height);

}  // namespace corvane::tryharder
