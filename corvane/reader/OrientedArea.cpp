#include "reader/OrientedArea.h"

#include "reader/OwnedBitmap.h"

namespace corvane {

namespace {

// Grey level of a pixel as a 24-bit row would give it: the mean of blue, green and red, rounded
// down; a grey pixel is its own level (three equal channels average to it).
template <int Bpp>
int GreyAt(const std::uint8_t* p)
{
    if constexpr (Bpp == 1)
        return p[0];
    else
        return (p[0] + p[1] + p[2]) / 3;
}

// Per-column sums of `rows` rows; pixel (c, r) is at first + c * columnStep + r * rowStep.
template <int Bpp>
void SumBand(const std::uint8_t* first, std::ptrdiff_t columnStep, std::ptrdiff_t rowStep, int columns, int rows,
             std::vector<int>& sums)
{
    sums.assign(static_cast<std::size_t>(columns), 0);
    int* sum = sums.data();
    if (columnStep == Bpp || columnStep == -Bpp) {
        // The band's rows lie along memory: add them one after the other.
        for (int r = 0; r < rows; ++r) {
            const std::uint8_t* row = first + r * rowStep;
            if (columnStep > 0)
                for (int c = 0; c < columns; ++c)
                    sum[c] += GreyAt<Bpp>(row + static_cast<std::ptrdiff_t>(c) * Bpp);
            else
                for (int c = 0; c < columns; ++c)
                    sum[c] += GreyAt<Bpp>(row - static_cast<std::ptrdiff_t>(c) * Bpp);
        }
        return;
    }
    // The band's rows run across memory: each column's pixels lie side by side.
    // Each address is computed from the column's first pixel: stepping a pointer on past the
    // last row could take it before the start of the caller's buffer.
    for (int c = 0; c < columns; ++c) {
        const std::uint8_t* column = first + static_cast<std::ptrdiff_t>(c) * columnStep;
        int total = 0;
        for (int r = 0; r < rows; ++r)
            total += GreyAt<Bpp>(column + static_cast<std::ptrdiff_t>(r) * rowStep);
        sum[c] = total;
    }
}

}  // namespace

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

    std::vector<int> sums;
    switch (bytesPerPixel_) {
    case 1: SumBand<1>(first, columnStep, rowStep, Width(), rows, sums); break;
    case 3: SumBand<3>(first, columnStep, rowStep, Width(), rows, sums); break;
    default: SumBand<4>(first, columnStep, rowStep, Width(), rows, sums); break;
    }
    FinishBand(sums, rows, out);
}

}  // namespace corvane
