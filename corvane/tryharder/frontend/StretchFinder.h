#pragma once
// Stretches of a scan line's runs that may hold one symbol: from a bar after a light run that is
// wide against the elements that follow, to a bar before one wide against those before it.

#include <cstddef>
#include <span>
#include <vector>

namespace corvane::tryharder {

struct Stretch {
    std::size_t first = 0;  // index of the first bar among the runs
    std::size_t last = 0;   // index of the last bar
};

// `runs` are the widths of the line's runs in order, colours alternating, the first dark when
// `firstDark`. The runs at either end of the line count as light margins whatever their width,
// and a bar at either end may begin or end a stretch.
void FindStretches(std::span<const float> runs, bool firstDark, std::vector<Stretch>& out);

}  // namespace corvane::tryharder
