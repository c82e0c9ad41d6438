#include "imaging/PaletteBuilders.h"

#include <Magick++.h>
#include <gd.h>
#include <libimagequant.h>

#include <memory>

namespace {

std::uint8_t Level(int index, int levels)
{
    return static_cast<std::uint8_t>(levels <= 1 ? 0 : (index * 255 + (levels - 1) / 2) / (levels - 1));
}

// Tree quantizer of ImageMagick, without dithering: only the colours it picks are wanted.
std::optional<std::vector<PaletteColor>> OctreePalette(const RgbaPixels& pixels, int colors)
{
    try {
        Magick::Image image;
        image.read(static_cast<size_t>(pixels.width), static_cast<size_t>(pixels.height), "RGBA",
                   Magick::CharPixel, pixels.data.data());
        image.matte(false);
        image.quantizeColors(static_cast<size_t>(colors));
        image.quantizeDither(false);
        image.quantize();
        std::vector<PaletteColor> palette;
        for (size_t i = 0; i < image.colorMapSize(); ++i) {
            const Magick::ColorRGB c = image.colorMap(i);
            palette.push_back({static_cast<std::uint8_t>(c.red() * 255 + 0.5), static_cast<std::uint8_t>(c.green() * 255 + 0.5),
                               static_cast<std::uint8_t>(c.blue() * 255 + 0.5)});
        }
        return palette;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

struct LiqAttrDeleter { void operator()(liq_attr* p) const { liq_attr_destroy(p); } };
struct LiqImageDeleter { void operator()(liq_image* p) const { liq_image_destroy(p); } };
struct LiqResultDeleter { void operator()(liq_result* p) const { liq_result_destroy(p); } };

// libimagequant: a median cut refined by local optimisation.
std::optional<std::vector<PaletteColor>> MedianCutPalette(const RgbaPixels& pixels, int colors)
{
    std::unique_ptr<liq_attr, LiqAttrDeleter> attr(liq_attr_create());
    if (!attr || liq_set_max_colors(attr.get(), std::max(colors, 2)) != LIQ_OK)
        return std::nullopt;
    // Opaque copies: the alpha channel of the source decides transparency elsewhere.
    std::vector<std::uint8_t> opaque = pixels.data;
    for (std::size_t i = 3; i < opaque.size(); i += 4)
        opaque[i] = 255;
    std::unique_ptr<liq_image, LiqImageDeleter> image(
        liq_image_create_rgba(attr.get(), opaque.data(), pixels.width, pixels.height, 0));
    liq_result* raw = nullptr;
    if (!image || liq_image_quantize(image.get(), attr.get(), &raw) != LIQ_OK)
        return std::nullopt;
    std::unique_ptr<liq_result, LiqResultDeleter> result(raw);
    const liq_palette* found = liq_get_palette(result.get());
    std::vector<PaletteColor> palette;
    for (unsigned i = 0; i < found->count && static_cast<int>(palette.size()) < colors; ++i)
        palette.push_back({found->entries[i].r, found->entries[i].g, found->entries[i].b});
    return palette;
}

struct GdImageDeleter { void operator()(gdImagePtr p) const { gdImageDestroy(p); } };

// libgd reports its notices on stderr; a batch has no use for them.
void SilenceGd(int, const char*, va_list) {}

// NeuQuant (a self-organising map) from libgd.
std::optional<std::vector<PaletteColor>> NeuralNetPalette(const RgbaPixels& pixels, int colors)
{
    gdSetErrorMethod(SilenceGd);
    std::unique_ptr<gdImage, GdImageDeleter> image(gdImageCreateTrueColor(pixels.width, pixels.height));
    if (!image)
        return std::nullopt;
    gdImageSaveAlpha(image.get(), 0);
    const std::uint8_t* p = pixels.data.data();
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x, p += 4)
            image->tpixels[y][x] = gdTrueColorAlpha(p[0], p[1], p[2], gdAlphaOpaque);
    constexpr int kSpeed = 3;  // 1 best .. 10 fastest
    if (!gdImageTrueColorToPaletteSetMethod(image.get(), GD_QUANT_NEUQUANT, kSpeed) ||
        !gdImageTrueColorToPalette(image.get(), 0, std::max(colors, 2)))
        return std::nullopt;
    std::vector<PaletteColor> palette;
    for (int i = 0; i < gdImageColorsTotal(image.get()) && static_cast<int>(palette.size()) < colors; ++i)
        palette.push_back({static_cast<std::uint8_t>(gdImageRed(image.get(), i)),
                           static_cast<std::uint8_t>(gdImageGreen(image.get(), i)),
                           static_cast<std::uint8_t>(gdImageBlue(image.get(), i))});
    return palette;
}

}  // namespace

std::vector<PaletteColor> UniformPalette(int colors)
{
    // The most levels whose product fits, kept near balance: green gets up to twice the levels
    // of red (the eye is most sensitive to it), blue down to half of them.
    int best[3] = {1, 1, 1};
    for (int r = 1; r <= colors; ++r)
        for (int g = r; g <= 2 * r && r * g <= colors; ++g)
            for (int b = (r + 1) / 2; b <= r && r * g * b <= colors; ++b)
                if (r * g * b > best[0] * best[1] * best[2])
                    best[0] = r, best[1] = g, best[2] = b;
    std::vector<PaletteColor> palette;
    for (int r = 0; r < best[0]; ++r)
        for (int g = 0; g < best[1]; ++g)
            for (int b = 0; b < best[2]; ++b)
                palette.push_back({Level(r, best[0]), Level(g, best[1]), Level(b, best[2])});
    return palette;
}

std::optional<std::vector<PaletteColor>> BuildPalette(GifQuantizer quantizer, const RgbaPixels& pixels, int colors)
{
    switch (quantizer) {
    case GifQuantizer::Basic: return UniformPalette(colors);
    case GifQuantizer::MedianCut: return MedianCutPalette(pixels, colors);
    case GifQuantizer::NeuralNet: return NeuralNetPalette(pixels, colors);
    case GifQuantizer::Octree: break;
    }
    return OctreePalette(pixels, colors);
}
