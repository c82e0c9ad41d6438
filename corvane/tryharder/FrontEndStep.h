#pragma once
// The fine front end on the grey area: each module string it finds is decoded and offered.

#include "tryharder/Acceptance.h"
#include "tryharder/PlacedImage.h"

namespace corvane::tryharder {

// Reads `placed` with the front end's `level` and offers every decoded reading. A scan line
// keeps the front end's id (the same line read by two levels is one line); ids are never
// negative.
// `lines` > 0 reads only that many of the level's lines, those nearest the middle.
void OfferFrontEndReadings(const PlacedImage& placed, int level, int lines, Acceptance& acceptance);

}  // namespace corvane::tryharder
