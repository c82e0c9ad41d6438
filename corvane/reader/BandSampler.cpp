#include "reader/BandSampler.h"

#include <algorithm>

namespace corvane {

void SampleRows(const std::uint8_t* scan0, std::size_t stride, int width, int rows, BandSamples& out)
{
    const std::size_t w = width > 0 ? static_cast<std::size_t>(width) : 0;
    std::vector<int> sums(w, 0);
    for (int r = 0; r < rows; ++r) {
        const std::uint8_t* p = scan0 + static_cast<std::size_t>(r) * stride;
        for (std::size_t c = 0; c < w; ++c, p += 3)
            sums[c] += (p[0] + p[1] + p[2]) / 3;
    }
    FinishBand(sums, rows, out);
}

void FinishBand(const std::vector<int>& sums, int rows, BandSamples& out)
{
    const std::size_t w = sums.size();
    out.samples.resize(w);
    // A band lower than four rows averages over the rows it has; dividing by 4 is exactly the
    // multiplication by 0.25 of the full-height case. Sums of grey levels are exact in a float.
    const float divisor = static_cast<float>(rows);
    float* samples = out.samples.data();
    for (std::size_t c = 0; c < w; ++c)
        samples[c] = static_cast<float>(sums[c]) / divisor;
    float max = 0.0f;
    float min = 255.0f;
    for (std::size_t c = 0; c < w; ++c) {
        max = std::max(max, samples[c]);
        min = std::min(min, samples[c]);
    }
    // Half the band's range of grey, not its midpoint: pale bars on a bright ground read light.
    out.threshold = static_cast<double>(max - min) * 0.5;
}

bool SampleBand(COwnedBitmap& copy, int y0, int y1, BandSamples& out)
{
    const int rows = RowsSampled(y0, y1);
    if (rows <= 0)
        return false;
    const auto locked = copy.LockRows24(y0, rows);
    if (!locked)
        return false;
    SampleRows(locked->scan0, locked->stride, copy.Width(), rows, out);
    return true;
}

std::u16string Binarise(const BandSamples& band)
{
    const std::size_t n = band.samples.size();
    std::u16string s(n, u'y');
    const float* samples = band.samples.data();
    static_assert(u'x' + 1 == u'y');  // so that the choice is a subtraction, without a branch
    for (std::size_t i = 0; i < n; ++i)
        s[i] = static_cast<char16_t>(u'y' - (static_cast<double>(samples[i]) <= band.threshold ? 1 : 0));
    return s;
}

}  // namespace corvane
