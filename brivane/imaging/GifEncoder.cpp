#include "imaging/GifEncoder.h"

#include "imaging/PaletteBuilders.h"

#include <gd.h>

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace {

constexpr int kMinColors = 2;
constexpr int kMaxColors = 256;  // a GIF colour table holds no more
constexpr std::uint8_t kOpaqueFrom = 128;  // source alpha at or above counts as opaque

struct Key {
    bool active = false;
    PaletteColor color;
};

// 0x00BBGGRR; a value with any of the top bits set names no colour.
Key TransparentKey(long colorRef)
{
    if (colorRef < 0 || colorRef > 0xFFFFFF)
        return {};
    const auto v = static_cast<unsigned long>(colorRef);
    return {true, {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>((v >> 8) & 0xFF),
                   static_cast<std::uint8_t>((v >> 16) & 0xFF)}};
}

RgbaPixels ExportRgba(Magick::Image image)  // by value: export is not const
{
    RgbaPixels pixels{static_cast<int>(image.columns()), static_cast<int>(image.rows()), {}};
    pixels.data.resize(static_cast<std::size_t>(pixels.width) * static_cast<std::size_t>(pixels.height) * 4);
    image.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::CharPixel, pixels.data.data());
    return pixels;
}

// Marks the pixels that become transparent, and gives each of them the colour of an opaque
// neighbour so that neither the palette nor the dithering sees the colour that is dropped.
std::vector<bool> TakeTransparentPixels(RgbaPixels& pixels, const Key& key)
{
    const std::size_t count = pixels.data.size() / 4;
    std::vector<bool> mask(count);
    std::uint8_t* p = pixels.data.data();
    for (std::size_t i = 0; i < count; ++i, p += 4) {
        mask[i] = p[3] < kOpaqueFrom || (key.active && p[0] == key.color.r && p[1] == key.color.g && p[2] == key.color.b);
        p[3] = 255;
    }
    const auto firstOpaque = std::find(mask.begin(), mask.end(), false);
    if (firstOpaque == mask.end())
        return mask;
    std::size_t donor = static_cast<std::size_t>(firstOpaque - mask.begin());
    for (std::size_t i = 0; i < count; ++i) {
        if (!mask[i])
            donor = i;
        else
            std::copy_n(&pixels.data[donor * 4], 3, &pixels.data[i * 4]);
    }
    return mask;
}

Magick::Image PaletteImage(const std::vector<PaletteColor>& palette)
{
    std::vector<std::uint8_t> rgb;
    for (const PaletteColor& c : palette)
        rgb.insert(rgb.end(), {c.r, c.g, c.b});
    Magick::Image image;
    image.read(palette.size(), 1, "RGB", Magick::CharPixel, rgb.data());
    return image;
}

std::uint32_t Pack(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b; }

int Nearest(const std::vector<PaletteColor>& palette, const std::uint8_t* p)
{
    int best = 0;
    int bestDistance = INT32_MAX;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = palette[i].r - p[0], dg = palette[i].g - p[1], db = palette[i].b - p[2];
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance)
            best = static_cast<int>(i), bestDistance = d;
    }
    return best;
}

struct GdImageDeleter { void operator()(gdImagePtr p) const { gdImageDestroy(p); } };
struct GdFree { void operator()(void* p) const { gdFree(p); } };

}  // namespace

EncodeResult EncodeGif(Magick::Image& image, const EncoderSettings& s)
{
    if (image.colorSpace() != Magick::sRGBColorspace)
        image.colorSpace(Magick::sRGBColorspace);
    RgbaPixels pixels = ExportRgba(image);
    const Key key = TransparentKey(s.gifTransparentColor);
    const std::vector<bool> mask = TakeTransparentPixels(pixels, key);
    const bool anyTransparent = std::find(mask.begin(), mask.end(), true) != mask.end();

    const int colors = std::clamp(s.gifMaxColors, kMinColors, kMaxColors);
    const int paletteColors = anyTransparent ? colors - 1 : colors;  // one entry is the transparent one
    const auto quantizer = static_cast<GifQuantizer>(s.gifQuantizer);
    std::optional<std::vector<PaletteColor>> palette = BuildPalette(quantizer, pixels, paletteColors);
    if (!palette)
        return {{}, QStringLiteral("the colour quantizer failed")};
    if (palette->empty())
        palette->push_back({});  // every pixel is transparent

    // One dithering step for every quantizer: map the pixels onto the chosen palette.
    Magick::Image mapped;
    mapped.read(static_cast<size_t>(pixels.width), static_cast<size_t>(pixels.height), "RGBA", Magick::CharPixel,
                pixels.data.data());
    mapped.matte(false);
    mapped.quantizeDitherMethod(Magick::FloydSteinbergDitherMethod);
    mapped.map(PaletteImage(*palette), s.gifErrorDiffusion);
    const RgbaPixels result = ExportRgba(mapped);

    std::unique_ptr<gdImage, GdImageDeleter> gif(gdImageCreate(pixels.width, pixels.height));
    if (!gif)
        return {{}, QStringLiteral("out of memory for a %1 x %2 GIF").arg(pixels.width).arg(pixels.height)};
    std::unordered_map<std::uint32_t, int> indexOf;
    for (const PaletteColor& c : *palette) {
        const int index = gdImageColorAllocate(gif.get(), c.r, c.g, c.b);
        indexOf.emplace(Pack(c.r, c.g, c.b), index);
    }
    int transparent = -1;
    if (anyTransparent) {
        const PaletteColor c = key.active ? key.color : PaletteColor{};
        transparent = gdImageColorAllocate(gif.get(), c.r, c.g, c.b);
        gdImageColorTransparent(gif.get(), transparent);
    }
    const std::uint8_t* p = result.data.data();
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x, p += 4) {
            int index = transparent;
            if (!mask[static_cast<std::size_t>(y) * static_cast<std::size_t>(pixels.width) + static_cast<std::size_t>(x)]) {
                const auto found = indexOf.find(Pack(p[0], p[1], p[2]));
                index = found != indexOf.end() ? found->second : Nearest(*palette, p);
            }
            gif->pixels[y][x] = static_cast<unsigned char>(index);
        }
    }
    int size = 0;
    const std::unique_ptr<void, GdFree> bytes(gdImageGifPtr(gif.get(), &size));
    if (!bytes || size <= 0)
        return {{}, QStringLiteral("the GIF encoder failed")};
    return {QByteArray(static_cast<const char*>(bytes.get()), size), {}};
}
