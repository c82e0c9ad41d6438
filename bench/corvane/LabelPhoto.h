#pragma once
// A zint symbol printed on a paper label and photographed: the label is laid on a flat, tilted,
// perspective or cylindrical surface over a background, lit unevenly, and seen through a blurred,
// noisy camera that may save a JPEG.

#include "Readers.h"
#include "Symbologies.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace bench {

struct Symbol {
    std::vector<std::uint8_t> modules;  // 1 for a bar module, first module first, no quiet zone
    std::string zintText;               // the human-readable text, check characters included
};

// Encodes `data` with zint; false (and a reason in `error`) when zint refuses it.
bool EncodeSymbol(const Symbology& symbology, const std::string& data, Symbol& symbol, std::string& error);

struct Surface {
    double module = 2;       // pixels a module at the label's centre
    double barHeight = 40;   // modules
    double inkSpread = 0;    // modules each bar grows by (negative: shrinks), as ink bleeds
    double tilt = 0;         // radians
    double perspective = 0;  // corner shift of the view, as a share of the label's size
    double curve = 0;        // half the label's length over the cylinder's radius; 0 is flat
};

struct Lighting {
    double paper = 0.9, ink = 0.1, background = 0.4;  // reflectances, 0..1
    double gradient = 0;  // share of the light lost from one side of the picture to the other
    double shadow = 0;    // share lost under a soft shadow edge over part of the label
    double glare = 0;     // peak of a specular spot, as a share of full white
};

struct Camera {
    double sigma = 0.5;    // lens and sensor blur, pixels
    double defocus = 0;    // disk radius, pixels
    double motion = 0;     // path length, pixels
    double noise = 2;      // read noise on 0..255
    int jpegQuality = 0;   // 0: no JPEG
};

struct PhotoConditions {
    Surface surface;
    Lighting light;
    Camera camera;
};

// The photograph, on a canvas a random margin larger than the label.
Grey PhotographLabel(const Symbol& symbol, const PhotoConditions& conditions, std::mt19937& rng);

}  // namespace bench
