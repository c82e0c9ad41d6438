#pragma once
// ConvertTo...Bpp on a Magick image: the pixel change each depth implies. How a depth is then
// stored (palette size, bit fields, bits per sample) is up to each format's encoder.

#include "imaging/EncoderSettings.h"

#include <Magick++.h>

void ApplyDepth(Magick::Image& image, ColorDepth depth);

// Drops an alpha channel by laying the image on white, for encoders that cannot store one.
void FlattenOnWhite(Magick::Image& image);
