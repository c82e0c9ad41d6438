#pragma once
// Grey pictures of symbols printed at any module width, as a camera would see them: area-sampled
// pixels, blur, noise, low contrast, a tilt.

#include <cstdint>
#include <string>
#include <vector>

#include "tryharder/FrontEnd.h"

namespace corvane::tryharder::test {

struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    GreyView View() const { return {pixels.data(), width, height, width}; }
};

struct Print {
    float moduleWidth = 2.0f;  // pixels a module, any real number
    float wideRatio = 2.0f;    // width of a wide element of a two-width symbology, in modules
    float quietLeft = 12.0f;   // light margins, in modules
    float quietRight = 12.0f;
    int barHeight = 40;        // pixels
    int margin = 8;            // pixels of light around the margins and bars
    float blurSigma = 0.0f;    // Gaussian blur, pixels
    float noise = 0.0f;        // standard deviation of added noise, grey levels
    std::uint8_t dark = 30;
    std::uint8_t light = 220;
    float tiltDegrees = 0.0f;  // turns the symbol about the picture's centre
    float inkSpread = 0.0f;    // every bar printed this many modules wider, its spaces narrower
    float shading = 0.0f;      // light falls off by this share from the left edge to the right
};

// `modules` in the decoders' form; with `twoWidth`, runs of two modules are wide elements printed
// `wideRatio` modules wide.
GreyImage PrintSymbol(const std::u16string& modules, bool twoWidth, const Print& print);

}  // namespace corvane::tryharder::test
