#pragma once
// Bar and space edges of one scan line at sub-pixel positions, found against a threshold that
// follows the local contrast, so that shading across a photo does not swallow a symbol.

#include <vector>

namespace corvane::tryharder {

// Alternating runs along a line. Edge positions are in samples (sample i is centred on i); the
// line runs from -0.5 to length - 0.5.
struct EdgeList {
    std::vector<float> edges;
    bool startsDark = false;  // colour of the run before the first edge
    float begin = -0.5f;
    float end = -0.5f;
};

struct EdgeOptions {
    int window = 12;            // half width of the window the local minimum and maximum come from
    float minContrast = 24.0f;  // a window with less range than this holds no edge
    bool betweenExtremes = false;  // FindEdgesBetweenExtremes instead of the local threshold
    float minSwing = 0.2f;      // share of the local range a light or dark extreme must stand out by
    bool noiseFloor = false;    // minContrast raised above the line's own noise (NoiseFloor)
};

// A contrast that the line's noise alone rarely reaches within a window: a multiple of the
// median step between neighbouring samples, which in plain paper is noise and on a symbol is
// mostly inside its bars and spaces.
float NoiseFloor(const std::vector<float>& samples);

// Edges where the line crosses the mean of its local minimum and maximum, placed by linear
// interpolation between the two samples either side.
void FindEdges(const std::vector<float>& samples, const EdgeOptions& options, EdgeList& out);

// Edges halfway between each light extreme of the line and the dark one after it (and back).
// Blur lowers a narrow space between wide bars below any fixed threshold, but it still shows as
// a local maximum: this keeps it, and places its edges by its own contrast.
void FindEdgesBetweenExtremes(const std::vector<float>& samples, const EdgeOptions& options, EdgeList& out);

}  // namespace corvane::tryharder
