#include "imaging/DepthConversion.h"

#include <vector>

namespace {

// Palette entries a palette depth stands for; 0 for the others.
int PaletteEntries(ColorDepth depth)
{
    switch (depth) {
    case ColorDepth::Bpp4: return 16;
    case ColorDepth::Bpp8: return 256;
    default: return 0;
    }
}

void ReduceToPalette(Magick::Image& image, int entries)
{
    FlattenOnWhite(image);
    image.quantizeColors(static_cast<size_t>(entries));
    image.quantizeDither(true);
    image.quantizeDitherMethod(Magick::FloydSteinbergDitherMethod);
    image.quantize();
    image.type(Magick::PaletteType);
    // Encoders size the index by the colour map, so an image with few colours would otherwise
    // come out shallower than asked; unused entries are harmless. Growing the map rebuilds all
    // of it as a grey ramp, so the colours in use are put back.
    const size_t used = image.colorMapSize();
    if (used < static_cast<size_t>(entries)) {
        std::vector<Magick::Color> colours;
        for (size_t i = 0; i < used; ++i)
            colours.push_back(image.colorMap(i));
        image.colorMapSize(static_cast<size_t>(entries));
        for (size_t i = 0; i < used; ++i)
            image.colorMap(i, colours[i]);
    }
}

}  // namespace

void FlattenOnWhite(Magick::Image& image)
{
    if (!image.matte())
        return;
    image.backgroundColor(Magick::Color("white"));
    image.alphaChannel(MagickCore::RemoveAlphaChannel);
    image.matte(false);
}

void ApplyDepth(Magick::Image& image, ColorDepth depth)
{
    if (image.colorSpace() == Magick::CMYKColorspace)
        image.colorSpace(Magick::sRGBColorspace);
    switch (depth) {
    case ColorDepth::Keep:
        break;
    case ColorDepth::Bpp1:
        FlattenOnWhite(image);
        image.type(Magick::BilevelType);
        break;
    case ColorDepth::Bpp4:
    case ColorDepth::Bpp8:
        ReduceToPalette(image, PaletteEntries(depth));
        break;
    case ColorDepth::Bpp8Gray:
        FlattenOnWhite(image);
        image.type(Magick::GrayscaleType);
        image.depth(8);
        break;
    case ColorDepth::Bpp16:
    case ColorDepth::Bpp24:
        FlattenOnWhite(image);
        image.type(Magick::TrueColorType);
        image.depth(8);
        break;
    case ColorDepth::Bpp32:
        image.type(Magick::TrueColorMatteType);
        image.depth(8);
        break;
    }
}
