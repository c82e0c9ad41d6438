#pragma once
// One ReadImage: check the area, then for each rotation pass cut the turned area into bands,
// sample and binarise each band, extract its candidates, close finished results and collect
// the new ones.

#include "corvane.h"
#include "reader/OrientedArea.h"
#include "reader/OwnedBitmap.h"

namespace corvane {

// How the turned orientations are read. Both give the same results; the turned copy is the
// plain form that the in-place reading is checked against.
enum class ScanMethod {
    InPlace,     // sample each pass's bands straight from the caller's bitmap
    TurnedCopy,  // copy the area, turn the copy a quarter before each pass
};

// The body of the exported ReadImage; not locked. Returns the number of results.
int ReadImageUnlocked(CorvaneBitmap* bitmap, int x, int y, int height, int width, int scanLines,
                      int rotations, ScanMethod method = ScanMethod::InPlace);

}  // namespace corvane
