#pragma once
// A symbol as a camera would see it: rendered by zint at many pixels a module, then resampled to
// a non-whole module width, tilted, blurred and given a grey, unevenly lit ground.

#include "TestPage.h"

namespace corvane::test {

struct Warp {
    double pixelsPerModule = 2.3;
    double degrees = 10.0;  // clockwise tilt
    int blur = 1;           // box blur radius in pixels (0: none)
    int dark = 40;          // grey of the bars and of the ground
    int light = 210;
    double lightSlope = 0.0;  // change of the ground's grey per pixel, left to right
};

TestPage WarpedSymbol(int symbology, const std::string& data, const Warp& warp, int margin = 40);

}  // namespace corvane::test
