#pragma once
// Grey values along one scan line, each averaged with its neighbours across the line so that a
// single noisy pixel cannot split a bar.

#include <vector>

#include "tryharder/FrontEnd.h"

namespace corvane::tryharder {

// A straight scan line: `length` samples one pixel apart from (x, y) (a pixel centre) along
// (dx, dy), a unit vector.
struct ScanLineGeometry {
    float x = 0, y = 0;
    float dx = 1, dy = 0;
    int length = 0;
};

// The line from border to border through the centre (cx, cy) at `degrees` from the rows
// (positive turns towards +y); length 0 when it misses the image.
ScanLineGeometry LineThrough(const GreyView& image, float cx, float cy, float degrees);

// Samples the line; each value is the mean of `across` pixels (1 or 3) centred on it across the
// line. Rows and columns are read directly, other angles by bilinear interpolation.
void SampleLine(const GreyView& image, const ScanLineGeometry& line, int across, std::vector<float>& out);

}  // namespace corvane::tryharder
