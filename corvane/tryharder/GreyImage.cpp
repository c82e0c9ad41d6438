#include "tryharder/GreyImage.h"

#include "reader/OwnedBitmap.h"

#include <algorithm>

namespace corvane::tryharder {

GreyImage::GreyImage(int w, int h, std::uint8_t fill)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill)
{
}

CorvaneBitmap GreyImage::Bitmap() const
{
    return CorvaneBitmap{width, height, width, CorvanePixelFormat8bppGray, pixels.data(), CorvaneOk};
}

GreyView GreyImage::View() const { return GreyView{pixels.data(), width, height, width}; }

GreyImage GreyFromArea(const CorvaneBitmap& bitmap, int x, int y, int width, int height)
{
    GreyImage grey(width, height);
    const std::size_t bpp = static_cast<std::size_t>(BytesPerPixel(bitmap.pixelFormat));
    for (int r = 0; r < height; ++r) {
        const std::uint8_t* p = bitmap.scan0 + static_cast<std::size_t>(y + r) * static_cast<std::size_t>(bitmap.stride) +
                                static_cast<std::size_t>(x) * bpp;
        std::uint8_t* out = &grey.At(0, r);
        if (bpp == 1)
            std::copy(p, p + width, out);
        else
            for (int c = 0; c < width; ++c, p += bpp)
                out[c] = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
    }
    return grey;
}

}  // namespace corvane::tryharder
