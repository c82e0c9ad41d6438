#include "reader/OrientedArea.h"

#include "reader/OwnedBitmap.h"

namespace corvane {

std::optional<COrientedArea> COrientedArea::Open(CorvaneBitmap& source, int x, int y, int width, int height)
{
    if (!IsValidArea(source, x, y, width, height)) {
        source.lastStatus = CorvaneInvalidParameter;
        return std::nullopt;
    }
    const int bpp = BytesPerPixel(source.pixelFormat);
    const std::uint8_t* origin = source.scan0 + static_cast<std::size_t>(y) * static_cast<std::size_t>(source.stride) +
                                 static_cast<std::size_t>(x) * static_cast<std::size_t>(bpp);
    return COrientedArea(origin, source.stride, bpp, width, height);
}

COrientedArea::COrientedArea(const std::uint8_t* origin, std::ptrdiff_t stride, int bytesPerPixel, int width,
                             int height)
    : origin_(origin), stride_(stride), bytesPerPixel_(bytesPerPixel), width_(width), height_(height)
{
}

void COrientedArea::SetTurns(int turns) { turns_ = ((turns % 4) + 4) % 4; }

void COrientedArea::SampleRows(int y0, int rows, BandSamples& out) const
{
    // Pixel (c, r) of the turned area is at first + c * columnStep + r * rowStep in the caller's
    // bitmap. A quarter turn clockwise brings the area's left column to the top row, read
    // bottom-up.
    const std::ptrdiff_t bpp = bytesPerPixel_;
    const std::ptrdiff_t right = static_cast<std::ptrdiff_t>(width_ - 1) * bpp;
    const std::ptrdiff_t bottom = static_cast<std::ptrdiff_t>(height_ - 1) * stride_;
    const std::uint8_t* first = origin_;
    std::ptrdiff_t columnStep = bpp;
    std::ptrdiff_t rowStep = stride_;
    switch (turns_) {
    case 1: first += bottom, columnStep = -stride_, rowStep = bpp; break;
    case 2: first += bottom + right, columnStep = -bpp, rowStep = -stride_; break;
    case 3: first += right, columnStep = stride_, rowStep = -bpp; break;
    default: break;
    }
    first += static_cast<std::ptrdiff_t>(y0) * rowStep;

    const int columns = Width();
    std::vector<float> sums(static_cast<std::size_t>(columns), 0.0f);
    const std::uint8_t* column = first;
    for (int c = 0; c < columns; ++c, column += columnStep) {
        // Sums of at most four grey levels are exact in a float, whatever the order of adding.
        int sum = 0;
        const std::uint8_t* p = column;
        for (int r = 0; r < rows; ++r, p += rowStep)
            sum += bpp == 1 ? p[0] : (p[0] + p[1] + p[2]) / 3;
        sums[static_cast<std::size_t>(c)] = static_cast<float>(sum);
    }
    FinishBand(sums, rows, out);
}

}  // namespace corvane
