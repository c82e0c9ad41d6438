#pragma once
// Reads one decoded image with the plain reader or the try-harder reader, as the arguments ask.

#include "FoundBarcodes.h"
#include "ImageFile.h"
#include "ReadArguments.h"

#include <string>
#include <vector>

struct ReadOutcome {
    std::vector<Found> found;  // named `file`
    std::string error;         // why the library refused; "" when it read
};

ReadOutcome ReadOne(const std::string& file, const DecodedImage& image, const ReadArguments& a);
