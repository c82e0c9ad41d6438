#include "reader/BandSampler.h"

#include <algorithm>

namespace corvane {

void SampleRows(const std::uint8_t* scan0, std::size_t stride, int width, int rows, BandSamples& out)
{
    const std::size_t w = width > 0 ? static_cast<std::size_t>(width) : 0;
    std::vector<float> accumulator(w, 0.0f);
    for (int r = 0; r < rows; ++r) {
        const std::uint8_t* p = scan0 + static_cast<std::size_t>(r) * stride;
        for (std::size_t c = 0; c < w; ++c, p += 3)
            accumulator[c] += static_cast<float>((p[0] + p[1] + p[2]) / 3);
    }
    FinishBand(accumulator, rows, out);
}

void FinishBand(const std::vector<float>& sums, int rows, BandSamples& out)
{
    const std::size_t w = sums.size();
    float max = 0.0f;
    float min = 255.0f;
    out.samples.assign(w, 0.0f);
    for (std::size_t c = 0; c < w; ++c) {
        // A band lower than four rows averages over the rows it has; dividing by 4 is exactly
        // the multiplication by 0.25 of the full-height case.
        const float s = sums[c] / static_cast<float>(rows);
        out.samples[c] = s;
        max = std::max(max, s);
        min = std::min(min, s);
    }
    // Half the band's range of grey, not its midpoint: pale bars on a bright ground read light.
    out.threshold = static_cast<double>(max - min) * 0.5;
}

bool SampleBand(COwnedBitmap& copy, int y0, int y1, BandSamples& out)
{
    const int rows = std::min(kRowsSampledPerBand, y1 - y0);
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
    std::u16string s;
    s.reserve(band.samples.size());
    for (float v : band.samples)
        s.push_back(static_cast<double>(v) <= band.threshold ? u'x' : u'y');
    return s;
}

}  // namespace corvane
