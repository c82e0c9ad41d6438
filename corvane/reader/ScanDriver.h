#pragma once
// One ReadImage: copy the area, then for each rotation pass cut the (turned) copy into bands,
// sample and binarise each band, extract its candidates, close finished results and collect
// the new ones.

#include "corvane.h"
#include "reader/OwnedBitmap.h"

namespace corvane {

// Runs one pass over the copy as it is now turned.
void RunPass(COwnedBitmap& copy, int scanLines);

// The body of the exported ReadImage; not locked. Returns the number of results.
int ReadImageUnlocked(CorvaneBitmap* bitmap, int x, int y, int height, int width, int scanLines,
                      int rotations);

}  // namespace corvane
