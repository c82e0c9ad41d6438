#pragma once
// Prepared copies of a grey image for the band reader, whose threshold is half of each band's
// range of grey: on a photograph the darkest bar is rarely black, nor the light even, nor the
// edges sharp.

#include "tryharder/GreyImage.h"

namespace corvane::tryharder {

// Maps the darkest and lightest percent of the image to 0 and 255, linearly between.
GreyImage StretchGlobal(const GreyImage& image);

// The same per region: the dark and light levels of a grid of `tile`-pixel squares, blended
// between neighbouring squares. Regions with little contrast turn light rather than noisy.
GreyImage StretchLocal(const GreyImage& image, int tile);

// Unsharp masking with a 3x3 box: steepens blurred bar edges.
GreyImage Sharpen(const GreyImage& image);

}  // namespace corvane::tryharder
