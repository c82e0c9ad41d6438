#pragma once
// Which scan lines each front-end level reads, cheapest first.

#include <vector>

#include "tryharder/FrontEnd.h"
#include "tryharder/frontend/EdgeFinder.h"
#include "tryharder/frontend/LineSampler.h"

namespace corvane::tryharder {

inline constexpr int kFrontEndLevels = 4;

struct PlannedLine {
    ScanLineGeometry geometry;
    int across = 3;  // pixels averaged across the line
    EdgeOptions edgeOptions;
    int id = 0;
    bool angled = false;
    float degrees = 0;  // from the rows, as LineThrough takes it
};

// Level 1: rows and columns, sparse, from the centre outwards, against a local threshold. Level 2:
// the same and the rows and columns between them, with edges between extremes. Level 3: lines
// tilted either way from rows and columns. Level 4, for noise: the rows and columns of level 2 averaged
// across a wider band and the tilted lines of level 3 across three pixels, edges only above the
// line's own noise. A line keeps its id at every level that reads it.
std::vector<PlannedLine> PlanLines(const GreyView& image, int level);

}  // namespace corvane::tryharder
