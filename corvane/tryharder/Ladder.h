#pragma once
// The try-harder read: the steps each effort takes, cheapest first, and the loop that runs them
// until the results cannot get better.

#include "corvane.h"
#include "tryharder/Findings.h"

#include <vector>

namespace corvane::tryharder {

// How a prepared copy of the area is made before the band reader reads it.
enum class Preparation {
    Grey,            // the area as it is
    GlobalStretch,   // dark and light levels of the whole area to black and white
    LocalStretch,    // the same per region, for uneven light
    SharpStretch,    // local stretch of a sharpened copy, for blur
};

struct LadderStep {
    enum Kind { Prepared, FrontEnd } kind = Prepared;
    Preparation preparation = Preparation::Grey;  // Prepared: the copy read
    int scanLines = 20;                           // Prepared: bands per orientation
    int level = 1;                                // FrontEnd: its level
    int lines = 0;                                // FrontEnd: only this many of its lines; 0 all
};

// The steps of `effort` (1..CORVANE_EFFORT_MAX) in the order they run; each effort's steps
// include those of the effort below.
std::vector<LadderStep> StepsFor(int effort);

// The area (valid) read exactly as ReadImage(bitmap, x, y, height, width, 20, 3) reads it.
std::vector<Finding> ReadAsBands(const CorvaneBitmap& bitmap, int x, int y, int height, int width);

// The area (valid) read by `steps`, keeping only readings that hold up; stops after the first
// step that leaves the findings complete. May throw std::bad_alloc.
std::vector<Finding> ReadWithSteps(const CorvaneBitmap& bitmap, int x, int y, int height, int width,
                                   const std::vector<LadderStep>& steps);

}  // namespace corvane::tryharder
