#pragma once
// The clean corpus: symbols rendered by libzint with 1 to 4 pixels a module and about 120 pixels
// high, each turned by a random quarter turn and placed at a random spot of a white page; the
// plain reader against ZXing-C++ (with and without tryHarder) and ZBar, per page size.

#include <random>

namespace bench {

void RunCleanCorpus(int width, int height, int placements, std::mt19937& rng, bool corvaneOnly, bool verbose);

}  // namespace bench
