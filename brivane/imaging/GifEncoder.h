#pragma once
// GIF output: a palette of at most GifMaxColors entries chosen by one of four quantizers,
// optional Floyd-Steinberg dithering, and a transparent index for the pixels of the transparent
// colour (matched before quantizing, so no palette change can make it miss) and for pixels that
// were transparent in the source.

#include "imaging/EncoderSettings.h"
#include "imaging/ImageEncoder.h"

#include <Magick++.h>

EncodeResult EncodeGif(Magick::Image& image, const EncoderSettings& settings);
