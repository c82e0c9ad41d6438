#pragma once
// The PNG colour type and bit depth ImageMagick's PNG coder gives an image, worked out ahead of
// writing for the forms the fast writer produces: 8- or 16-bit grey, grey + alpha, RGB and RGBA
// without a palette or a transparent colour key. For any other outcome (a palette, packed grey
// levels below 8 bits, a tRNS colour key, depths below 8, colour spaces the coder converts) the
// answer is "none", and the coder itself must write the file.

#include <Magick++.h>

#include <optional>
#include <type_traits>

// The form choice and the sample packing read 16-bit integer quanta (Debian's Q16 build).
static_assert(std::is_same_v<MagickCore::Quantum, unsigned short> && MAGICKCORE_QUANTUM_DEPTH == 16);

enum class PngColourType : int { Grey = 0, Rgb = 2, GreyAlpha = 4, Rgba = 6 };

struct PngForm {
    PngColourType colourType;
    int bitDepth;  // 8 or 16
    bool operator==(const PngForm&) const = default;
};

int PngChannels(PngColourType type);

std::optional<PngForm> ChoosePngForm(const Magick::Image& image);
