#include "tryharder/frontend/ModuleFit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace corvane::tryharder {

namespace {

// A run of `elements` consecutive elements that together span `modules` modules.
struct Group {
    int elements;
    int modules;
};

constexpr int kMaxElementModules = 4;
constexpr int kCharacterModules = 7;  // an EAN/UPC digit

// Guard, characters, centre guard, characters, guard.
constexpr std::array<Group, 15> kEan13Groups{{{3, 3},
                                              {4, 7}, {4, 7}, {4, 7}, {4, 7}, {4, 7}, {4, 7},
                                              {5, 5},
                                              {4, 7}, {4, 7}, {4, 7}, {4, 7}, {4, 7}, {4, 7},
                                              {3, 3}}};
constexpr std::array<Group, 11> kEan8Groups{{{3, 3}, {4, 7}, {4, 7}, {4, 7}, {4, 7}, {5, 5},
                                             {4, 7}, {4, 7}, {4, 7}, {4, 7}, {3, 3}}};
constexpr std::array<Group, 8> kUpcEGroups{{{3, 3}, {4, 7}, {4, 7}, {4, 7}, {4, 7}, {4, 7}, {4, 7}, {6, 6}}};

constexpr Group kCode128Symbol{6, 11};
constexpr Group kCode128Stop{7, 13};

// Rounds `real` module counts to whole ones, at least 1 and at most kMaxElementModules, that sum
// to `total`: the elements nearest to rounding the other way give way first.
bool RoundToTotal(std::span<const float> real, int total, std::span<int> out)
{
    int sum = 0;
    for (std::size_t k = 0; k < real.size(); ++k) {
        out[k] = std::clamp(static_cast<int>(std::lround(real[k])), 1, kMaxElementModules);
        sum += out[k];
    }
    while (sum != total) {
        const int step = sum < total ? 1 : -1;
        std::size_t best = real.size();
        float bestScore = -1e9f;
        for (std::size_t k = 0; k < real.size(); ++k) {
            const int next = out[k] + step;
            if (next < 1 || next > kMaxElementModules) {
                continue;
            }
            const float score = step * (real[k] - static_cast<float>(out[k]));
            if (score > bestScore) {
                bestScore = score;
                best = k;
            }
        }
        if (best == real.size()) {
            return false;
        }
        out[best] += step;
        sum += step;
    }
    return true;
}

// Perspective and curved labels change the module width gradually along a symbol; text, pictures
// and pieces of other symbols that happen to have the right element count do not fit one width.
// The widths of neighbouring characters (the groups of 4 or 6 elements) may differ by this ratio.
constexpr float kMaxUnitStep = 1.42f;

bool UnitsChangeSmoothly(std::span<const float> widths, std::span<const Group> groups)
{
    std::size_t at = 0;
    float previous = 0;
    for (const Group& g : groups) {
        const auto n = static_cast<std::size_t>(g.elements);
        if (g.modules == kCharacterModules || g.modules == kCode128Symbol.modules) {
            const float span = std::accumulate(widths.begin() + static_cast<std::ptrdiff_t>(at),
                                               widths.begin() + static_cast<std::ptrdiff_t>(at + n), 0.0f);
            const float unit = span / static_cast<float>(g.modules);
            if (previous > 0 && (unit > kMaxUnitStep * previous || previous > kMaxUnitStep * unit)) {
                return false;
            }
            previous = unit;
        }
        at += n;
    }
    return true;
}

// Fits the groups in order, each to its own module width. A second pass takes off the mean
// amount by which bars came out wider than spaces (ink spread, blur against the threshold).
bool FitGroups(std::span<const float> widths, std::span<const Group> groups, std::u16string& modules)
{
    if (!UnitsChangeSmoothly(widths, groups)) {
        return false;
    }
    thread_local std::vector<float> real;
    thread_local std::vector<int> whole;
    real.resize(widths.size());
    whole.resize(widths.size());
    float barGrowth = 0;
    for (int pass = 0; pass < 2; ++pass) {
        std::size_t at = 0;
        float barExcess = 0;
        float spaceExcess = 0;
        int bars = 0;
        int spaces = 0;
        for (const Group& g : groups) {
            const auto n = static_cast<std::size_t>(g.elements);
            const float span = std::accumulate(widths.begin() + static_cast<std::ptrdiff_t>(at),
                                               widths.begin() + static_cast<std::ptrdiff_t>(at + n), 0.0f);
            if (span <= 0) {
                return false;
            }
            const float unit = span / static_cast<float>(g.modules);
            for (std::size_t k = at; k < at + n; ++k) {
                // Elements alternate from a bar at index 0.
                const bool bar = k % 2 == 0;
                real[k] = widths[k] / unit + (bar ? -barGrowth : barGrowth);
            }
            if (!RoundToTotal(std::span(real).subspan(at, n), g.modules, std::span(whole).subspan(at, n))) {
                return false;
            }
            for (std::size_t k = at; k < at + n; ++k) {
                const float excess = widths[k] / unit - static_cast<float>(whole[k]);
                if (k % 2 == 0) {
                    barExcess += excess;
                    ++bars;
                } else {
                    spaceExcess += excess;
                    ++spaces;
                }
            }
            at += n;
        }
        barGrowth = 0.5f * (barExcess / static_cast<float>(std::max(bars, 1))
                            - spaceExcess / static_cast<float>(std::max(spaces, 1)));
    }
    modules.clear();
    for (std::size_t k = 0; k < widths.size(); ++k) {
        modules.append(static_cast<std::size_t>(whole[k]), k % 2 == 0 ? u'1' : u'0');
    }
    return true;
}

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

void FitModuleStrings(std::span<const float> widths, std::vector<std::u16string>& out)
{
    const std::size_t n = widths.size();
    std::u16string modules;
    const auto tryGroups = [&](std::span<const Group> groups) {
        if (FitGroups(widths, groups, modules)) {
            out.push_back(modules);
        }
    };
    if (n == 59) {
        tryGroups(kEan13Groups);
    } else if (n == 43) {
        tryGroups(kEan8Groups);
    } else if (n == 33) {
        tryGroups(kUpcEGroups);
    }
    if (n >= 25 && (n - 7) % 6 == 0) {
        std::vector<Group> groups((n - 7) / 6, kCode128Symbol);
        groups.push_back(kCode128Stop);
        tryGroups(groups);
    }
    if (TwoWidthCount(n)) {
        if (TwoWidths(widths, modules)) {
            out.push_back(modules);
        }
    }
}

}  // namespace corvane::tryharder
