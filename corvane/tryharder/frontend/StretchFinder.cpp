#include "tryharder/frontend/StretchFinder.h"

#include <algorithm>
#include <array>

namespace corvane::tryharder {

namespace {

// The fewest elements any symbol has: Interleaved 2 of 5 with one pair of digits.
constexpr std::size_t kMinElements = 17;
// A light run at least this many times the typical element beside it ends a symbol. The typical
// element is one or two modules wide and a quiet zone is about ten, so 5 leaves room for tight
// margins without cutting at a symbol's own widest space (four modules at most).
constexpr float kQuietFactor = 5.0f;
// Elements looked at beside a margin to judge its width.
constexpr std::size_t kNeighbours = 12;
// Each start is tried up to this many following ends, so one false margin does not lose a symbol.
constexpr int kEndsPerStart = 2;

// Whether `margin` is at least kQuietFactor times the median width of up to kNeighbours runs from
// `from` going `direction` (+1 or -1).
bool WideAgainst(float margin, std::span<const float> runs, std::size_t from, int direction)
{
    std::array<float, kNeighbours> near{};
    std::size_t count = 0;
    float smallest = 1e30f;
    for (auto k = static_cast<std::ptrdiff_t>(from);
         count < kNeighbours && k >= 0 && k < static_cast<std::ptrdiff_t>(runs.size()); k += direction) {
        near[count] = runs[static_cast<std::size_t>(k)];
        smallest = std::min(smallest, near[count++]);
    }
    // Most margins inside a symbol fail against the smallest neighbour already; sorting is for
    // the few that pass.
    if (margin < kQuietFactor * smallest) {
        return false;
    }
    auto middle = near.begin() + static_cast<std::ptrdiff_t>(count / 2);
    std::nth_element(near.begin(), middle, near.begin() + static_cast<std::ptrdiff_t>(count));
    return margin >= kQuietFactor * *middle;
}

}  // namespace

void FindStretches(std::span<const float> runs, bool firstDark, std::vector<Stretch>& out)
{
    out.clear();
    const std::size_t n = runs.size();
    const auto isBar = [&](std::size_t k) { return (k % 2 == 0) == firstDark; };
    std::vector<std::size_t> starts;
    std::vector<std::size_t> ends;
    // A bar touching an end of the line may still be a symbol's first or last bar: a symbol that
    // fills the picture has no margin to show.
    for (std::size_t k = 0; k < n; ++k) {
        if (!isBar(k)) {
            continue;
        }
        if (k <= 1 || WideAgainst(runs[k - 1], runs, k, +1)) {
            starts.push_back(k);
        }
        if (k + 2 >= n || WideAgainst(runs[k + 1], runs, k, -1)) {
            ends.push_back(k);
        }
    }
    auto end = ends.begin();
    for (std::size_t start : starts) {
        end = std::lower_bound(end, ends.end(), start + kMinElements - 1);
        int taken = 0;
        for (auto e = end; e != ends.end() && taken < kEndsPerStart; ++e, ++taken) {
            out.push_back({start, *e});
        }
    }
}

}  // namespace corvane::tryharder
