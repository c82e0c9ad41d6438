#pragma once
// The readers of the benchmark behind one signature: a grey page in, what was read out.
// Each peer lives in its own file because their headers do not mix.

#include "Symbologies.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bench {

// 8 bits a pixel, rows packed.
struct Grey {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    std::uint8_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};

struct Decoded {
    std::string text;  // UTF-8
    int score = -1;    // Corvane's 60..100; -1 for readers that give none
};

using Reader = std::function<std::vector<Decoded>(Grey&)>;

// ReadImage with 20 scan lines and 3 rotations.
std::vector<Decoded> ReadWithCorvane(Grey& page);
// The try-harder reader at one effort.
Reader TryHarderReader(int effort);
// Linear codes; tryHarder and tryRotate both on or both off; never downscaled.
Reader ZXingReader(bool tryHarder);
// Every symbology enabled.
Reader ZBarReader();

struct BenchReader {
    const char* label;   // a short column heading
    const char* legend;  // what it is
    Reader read;
    ReaderFamily family;
    int repeats;    // the time is the best of this many runs
    bool isolated;  // run in a child process, as it may abort
};

}  // namespace bench
