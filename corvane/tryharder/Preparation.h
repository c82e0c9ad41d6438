#pragma once
// Prepared copies of a grey image for the band reader, whose threshold is half of each band's
// range of grey: on a photograph the darkest bar is rarely black, nor the light even, nor the
// edges sharp, nor the modules whole pixels.

#include "tryharder/GreyImage.h"

namespace corvane::tryharder {

// Maps the darkest and lightest percent of the image to 0 and 255, linearly between.
GreyImage StretchGlobal(const GreyImage& image);

// The same per region: the dark and light levels of a grid of `tile`-pixel squares, blended
// between neighbouring squares. Regions with little contrast turn light rather than noisy.
GreyImage StretchLocal(const GreyImage& image, int tile);

// Unsharp masking with a 3x3 box: steepens blurred bar edges.
GreyImage Sharpen(const GreyImage& image);

// Resampled by `factor` (bilinear when enlarging, box-averaged when shrinking).
GreyImage Scaled(const GreyImage& image, double factor);

}  // namespace corvane::tryharder
