#pragma once
// Which scan lines each front-end level reads, cheapest first.

#include <vector>

#include "tryharder/FrontEnd.h"
#include "tryharder/frontend/EdgeFinder.h"
#include "tryharder/frontend/LineSampler.h"

namespace corvane::tryharder {

inline constexpr int kFrontEndLevels = 3;

struct PlannedLine {
    ScanLineGeometry geometry;
    int across = 3;  // pixels averaged across the line
    EdgeOptions edgeOptions;
    int id = 0;
    bool angled = false;
};

// Level 1: rows and columns, sparse, from the centre outwards. Level 2: the rows and columns
// between them. Level 3: tilted lines. No line of one level repeats one of another.
std::vector<PlannedLine> PlanLines(const GreyView& image, int level);

}  // namespace corvane::tryharder
