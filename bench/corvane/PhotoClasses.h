#pragma once
// The classes of the generated corpus: each a set of ranges the conditions of a photograph are
// drawn from, so that read rates can be told apart by what makes a label hard.

#include "LabelPhoto.h"

#include <cstddef>
#include <random>

namespace bench {

struct Range {
    double lo = 0, hi = 0;
};

struct PhotoClass {
    const char* name;
    Range module;       // pixels a module; drawn away from whole numbers
    Range tilt;         // degrees either way
    Range paper, contrast;  // reflectance of the paper, and how much darker the ink is
    Range perspective;  // corner shift, share of the label's size
    Range curve;        // half length over radius; with perspective set too, one of the two
    double shapeShare;  // share of labels seen in perspective or curved
    Range defocus;      // disk radius in modules
    Range motion;       // path length in modules; with defocus set too, one of the two
    double blurShare;   // share of pictures blurred
    Range gradient, shadow, glare;
    Range noise;        // read noise on 0..255
    Range jpeg;         // quality
    double jpegShare;   // share saved as JPEG
};

extern const PhotoClass kPhotoClasses[8];
constexpr std::size_t kPhotoClassCount = 8;

// One picture's conditions for a symbol of `modules` modules.
PhotoConditions DrawConditions(const PhotoClass& photoClass, std::size_t modules, std::mt19937& rng);

}  // namespace bench
