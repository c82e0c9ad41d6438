#pragma once
// One ReadImage: check the area, then for each rotation pass cut the turned area into bands,
// sample and binarise each band, extract its candidates, close finished results and collect
// the new ones.

#include "corvane.h"
#include "reader/BarcodeResults.h"
#include "reader/OrientedArea.h"
#include "reader/OwnedBitmap.h"

namespace corvane {

// How the turned orientations are read. Both give the same results; the turned copy is the
// plain form that the in-place reading is checked against.
enum class ScanMethod {
    InPlace,     // sample each pass's bands straight from the caller's bitmap
    TurnedCopy,  // copy the area, turn the copy a quarter before each pass
};

// Passes beyond this many extra quarter turns would only repeat orientations already read twice.
inline constexpr int kMaxRotations = 7;

// Reads the area into `context` (emptied first) and returns the number of results. A bad
// bitmap or area records CorvaneInvalidParameter in bitmap->lastStatus; running out of memory
// records CorvaneOutOfMemory and keeps what was found until then. Never throws.
int ReadImageInto(ReadContext& context, CorvaneBitmap* bitmap, int x, int y, int height, int width, int scanLines,
                  int rotations, ScanMethod method = ScanMethod::InPlace);

}  // namespace corvane
