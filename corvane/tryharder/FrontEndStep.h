#pragma once
// The fine front end on the grey area: each module string it finds is decoded and offered.

#include "tryharder/Acceptance.h"
#include "tryharder/PlacedImage.h"

namespace corvane::tryharder {

// Reads `placed` with the front end's `level` and offers every decoded reading. `lineIds`
// numbers scan lines across the whole read.
void OfferFrontEndReadings(const PlacedImage& placed, int level, Acceptance& acceptance, long& lineIds);

}  // namespace corvane::tryharder
