#pragma once
// Pictures without a barcode, of the kinds that fool readers: noise, textures, printed text,
// stripes that follow no symbology, and cluttered scenes.

#include "Readers.h"

#include <cstddef>
#include <random>

namespace bench {

extern const char* const kNegativeKinds[5];
constexpr std::size_t kNegativeKindCount = 5;

// One picture of kind `kind` (an index into kNegativeKinds), through the same camera as the
// labels: a little blur, noise, and sometimes JPEG.
Grey MakeNegative(std::size_t kind, std::mt19937& rng);

}  // namespace bench
