#pragma once
// The band reader on a prepared grey image: its records become readings, placed on the caller's
// bitmap, with the quiet zones around them looked up in the image.

#include "reader/BarcodeResults.h"
#include "tryharder/Acceptance.h"
#include "tryharder/PlacedImage.h"

#include <vector>

namespace corvane::tryharder {

struct BandLine {
    double x0, y0, x1, y1;  // first and last bar, in the image's pixels
};

// Where a band record lies in the image it was read from: its pass turns the image, its row
// and bar columns are in the turned image.
BandLine LineOfRecord(const BarcodesInfo& record, int imageWidth, int imageHeight);

// Light beyond each end of the line, in modules of the symbol (`modules` of them along the
// line), up to kQuietZoneModules; light is what is lighter than the middle of the symbol's grey.
std::pair<Margin, Margin> MarginsOf(const GreyImage& image, const BandLine& line, std::size_t modules);

// Reads `placed` with 3 turns and `scanLines` bands and offers every record. A band's line id
// comes from its turn and row, the same in every copy of the image, counting down from -1 so
// that it never meets the front end's ids.
void OfferBandReadings(const PlacedImage& placed, int scanLines, int step, Acceptance& acceptance);

}  // namespace corvane::tryharder
