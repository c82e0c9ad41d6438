#pragma once
// The four ways a GIF palette can be chosen. Each looks at the pixels to keep (RGBA, 8 bits per
// channel, alpha ignored) and returns at most `colors` opaque colours; dithering is applied
// afterwards, the same way whatever made the palette.

#include "imaging/EncoderSettings.h"

#include <cstdint>
#include <optional>
#include <vector>

struct PaletteColor {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const PaletteColor&) const = default;
};

struct RgbaPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> data;  // width * height * 4
};

// nullopt when the quantizer failed; an unknown quantizer index uses the tree quantizer.
std::optional<std::vector<PaletteColor>> BuildPalette(GifQuantizer quantizer, const RgbaPixels& pixels, int colors);

// A fixed palette of evenly spaced levels per channel, independent of the image.
std::vector<PaletteColor> UniformPalette(int colors);
