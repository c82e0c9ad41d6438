#pragma once
// The ancillary PNG chunks ImageMagick's coder writes for an image (resolution, ICC profile or
// sRGB intent, gamma, chromaticities, time, text and EXIF), taken from what the coder writes for
// a one-pixel crop of it, so the fast writer's files carry exactly the metadata the coder's do.

#include "imaging/PngForm.h"

#include <Magick++.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

struct PngChunk {
    std::array<char, 4> type;
    std::string data;
};

struct PngMetadata {
    std::vector<PngChunk> beforeData;  // between IHDR and IDAT, in the coder's order
    std::vector<PngChunk> afterData;   // between IDAT and IEND
};

// What the coder writes for `image` in `form`; nullopt when it writes a chunk whose content
// depends on more than the image's attributes (canvas offsets, say): then only the coder can
// write the file.
std::optional<PngMetadata> CoderMetadata(const Magick::Image& image, PngForm form);
