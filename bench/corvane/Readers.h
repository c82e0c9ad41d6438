#pragma once
// The three readers of the benchmark behind one signature: a grey page in, the texts read out.
// Each peer lives in its own file because their headers do not mix.

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

using Reader = std::function<std::vector<std::string>(Grey&)>;

// ReadImage with 20 scan lines and 3 rotations.
std::vector<std::string> ReadWithCorvane(Grey& page);
// Linear codes; tryHarder and tryRotate both on or both off; never downscaled.
Reader ZXingReader(bool tryHarder);
// Every symbology enabled.
Reader ZBarReader();

}  // namespace bench
