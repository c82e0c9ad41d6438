#pragma once
// One scan line to the module strings of every stretch on it that a decoder would take.

#include <string>
#include <vector>

#include "tryharder/FrontEnd.h"
#include "tryharder/frontend/EdgeFinder.h"
#include "tryharder/frontend/LineSampler.h"

namespace corvane::tryharder {

struct LineCandidate {
    std::u16string modules;  // in reading order: a stretch read from its far end is reversed
    float firstEdge = 0;     // outer edge of the first bar read, in samples along the line
    float lastEdge = 0;      // outer edge of the last bar read
    float marginBefore = 0;  // light before the first bar read, in narrow elements (0 at the line's end)
    float marginAfter = 0;   // and after the last
};

// Samples the line, finds its edges and stretches, fits module strings in both reading directions
// and keeps those whose start and stop patterns name a symbology.
void ReadLineCandidates(const GreyView& image, const ScanLineGeometry& line, int across,
                        const EdgeOptions& options, std::vector<LineCandidate>& out);

}  // namespace corvane::tryharder
