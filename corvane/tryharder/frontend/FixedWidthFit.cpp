#include "tryharder/frontend/FixedWidthFit.h"

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
// UPC-E read from its end: the groups above laid over these widths are three elements out of
// step with the characters, and some such readings still decode with a passing check.
constexpr std::array<Group, 8> kUpcEGroupsMirrored{{{6, 6}, {4, 7}, {4, 7}, {4, 7}, {4, 7}, {4, 7}, {4, 7}, {3, 3}}};

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

// A symbol's elements sit near whole modules once each character has its own width; a stretch of
// junk with the right element count can be forced into a module string that passes the decoder
// and the check digit, but its elements are then this far from whole modules on average.
constexpr float kMaxMeanDeviation = 0.25f;

// Fits the groups in order, each to its own module width. A second pass takes off the mean
// amount by which bars came out wider than spaces (ink spread, blur against the threshold).
bool FitGroups(std::span<const float> widths, std::span<const Group> groups, std::u16string& modules,
               float& deviation)
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
    deviation = 0;
    for (std::size_t k = 0; k < widths.size(); ++k) {
        deviation += std::fabs(real[k] - static_cast<float>(whole[k]));
    }
    if (deviation > kMaxMeanDeviation * static_cast<float>(widths.size())) {
        return false;
    }
    modules.clear();
    for (std::size_t k = 0; k < widths.size(); ++k) {
        modules.append(static_cast<std::size_t>(whole[k]), k % 2 == 0 ? u'1' : u'0');
    }
    return true;
}

}  // namespace

void FitFixedWidths(std::span<const float> widths, std::vector<std::u16string>& out)
{
    const std::size_t n = widths.size();
    std::u16string modules;
    float deviation = 0;
    const auto tryGroups = [&](std::span<const Group> groups) {
        if (FitGroups(widths, groups, modules, deviation)) {
            out.push_back(modules);
        }
    };
    if (n == 59) {
        tryGroups(kEan13Groups);
    } else if (n == 43) {
        tryGroups(kEan8Groups);
    } else if (n == 33) {
        // Only the direction whose characters sit nearer whole modules is a UPC-E.
        std::u16string mirrored;
        float mirroredDeviation = 0;
        const bool mirrorFits = FitGroups(widths, kUpcEGroupsMirrored, mirrored, mirroredDeviation);
        if (FitGroups(widths, kUpcEGroups, modules, deviation) && (!mirrorFits || deviation < mirroredDeviation)) {
            out.push_back(modules);
        }
    }
    if (n >= 25 && (n - 7) % 6 == 0) {
        thread_local std::vector<Group> groups;
        groups.assign((n - 7) / 6, kCode128Symbol);
        groups.push_back(kCode128Stop);
        tryGroups(groups);
    }
}

}  // namespace corvane::tryharder
