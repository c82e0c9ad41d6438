#include "tryharder/frontend/TwoWidthFit.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace corvane::tryharder {

namespace {

// Threshold between narrow and wide among `values` (Otsu's split of the sorted widths); above all
// of them when they do not fall into two clearly different sizes, so that all read narrow.
float NarrowWideThreshold(std::vector<float>& values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    constexpr float kAllNarrow = 1e9f;
    if (n < 2) {
        return kAllNarrow;
    }
    const float total = std::accumulate(values.begin(), values.end(), 0.0f);
    float below = 0;
    float bestScore = -1;
    std::size_t bestSplit = 0;
    for (std::size_t k = 1; k < n; ++k) {
        below += values[k - 1];
        const float m0 = below / static_cast<float>(k);
        const float m1 = (total - below) / static_cast<float>(n - k);
        const float score = static_cast<float>(k) * static_cast<float>(n - k) * (m1 - m0) * (m1 - m0);
        if (score > bestScore) {
            bestScore = score;
            bestSplit = k;
        }
    }
    const float narrow = std::accumulate(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(bestSplit), 0.0f)
                         / static_cast<float>(bestSplit);
    const float wide = (total - narrow * static_cast<float>(bestSplit)) / static_cast<float>(n - bestSplit);
    // Wide elements are at least twice the narrow ones when printed; blur brings them closer.
    constexpr float kMinRatio = 1.5f;
    if (wide < kMinRatio * narrow) {
        return kAllNarrow;
    }
    return 0.5f * (values[bestSplit - 1] + values[bestSplit]);
}

bool TwoWidthCount(std::size_t n)
{
    // Code 39 10k-1, Codabar 8k-1, Code 11 and Matrix 2 of 5 6k+5, Interleaved 10k+7,
    // Industrial 10k+1.
    return n % 10 == 9 || n % 8 == 7 || n % 6 == 5 || n % 10 == 7 || n % 10 == 1;
}

// Narrow elements of one colour vary by print and blur, but not by this factor: a reading whose
// narrow spaces or bars differ more took slivers of a picture, or modules of 3 and 4 widths, for
// a two-width symbol. Spaces are tighter than bars, whose narrow ones a threshold can thin a lot.
constexpr float kMaxNarrowSpaceSpread = 6.0f;
constexpr float kMaxNarrowBarSpread = 25.0f;

float NarrowSpread(std::span<const float> widths, std::size_t first, float split)
{
    float lo = 1e9f;
    float hi = 0;
    for (std::size_t k = first; k < widths.size(); k += 2) {
        if (widths[k] <= split) {
            lo = std::min(lo, widths[k]);
            hi = std::max(hi, widths[k]);
        }
    }
    return hi > 0 ? hi / lo : 1.0f;
}

bool TwoWidths(std::span<const float> widths, std::u16string& modules)
{
    thread_local std::vector<float> bars;
    thread_local std::vector<float> spaces;
    bars.clear();
    spaces.clear();
    for (std::size_t k = 0; k < widths.size(); ++k) {
        (k % 2 == 0 ? bars : spaces).push_back(widths[k]);
    }
    const float barSplit = NarrowWideThreshold(bars);
    const float spaceSplit = NarrowWideThreshold(spaces);
    if (NarrowSpread(widths, 0, barSplit) > kMaxNarrowBarSpread
        || NarrowSpread(widths, 1, spaceSplit) > kMaxNarrowSpaceSpread) {
        return false;
    }
    modules.clear();
    for (std::size_t k = 0; k < widths.size(); ++k) {
        const bool bar = k % 2 == 0;
        const bool wide = widths[k] > (bar ? barSplit : spaceSplit);
        modules.append(wide ? 2 : 1, bar ? u'1' : u'0');
    }
    return true;
}

}  // namespace

bool FitTwoWidths(std::span<const float> widths, std::u16string& modules)
{
    return TwoWidthCount(widths.size()) && TwoWidths(widths, modules);
}

}  // namespace corvane::tryharder
