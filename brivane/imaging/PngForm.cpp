#include "imaging/PngForm.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <stdexcept>

namespace {

using MagickCore::PixelPacket;
using MagickCore::Quantum;

// The coder writes a palette (or packed grey) when the image, its background colour included,
// has at most this many distinct colours.
constexpr int kPaletteColours = 256;
// Below this many grey levels the coder may pack samples into 1, 2 or 4 bits.
constexpr int kFewestGreyLevels = 17;
constexpr size_t kStripRows = 16;
constexpr Quantum kOpaque = 0;  // ImageMagick 6 stores opacity, not alpha

// Distinct colours as the coder counts them: opaque pixels by RGB, others by RGB and opacity.
// Counting stops once there are more than a palette holds.
class ColourSet {
public:
    // True when `key` was not there yet.
    bool Insert(std::uint64_t key)
    {
        std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> (64 - kSlotBits));
        while (used_[slot]) {
            if (keys_[slot] == key)
                return false;
            slot = (slot + 1) & (kSlots - 1);
        }
        used_[slot] = true;
        keys_[slot] = key;
        ++size_;
        return true;
    }
    int Size() const { return size_; }
    bool Full() const { return size_ > kPaletteColours; }

private:
    static constexpr int kSlotBits = 10;  // at most a quarter used, so probe runs stay short
    static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;
    std::array<std::uint64_t, kSlots> keys_{};
    std::bitset<kSlots> used_;
    int size_ = 0;
};

std::uint64_t Key(Quantum r, Quantum g, Quantum b, Quantum opacity)
{
    return std::uint64_t{r} | std::uint64_t{g} << 16 | std::uint64_t{b} << 32 | std::uint64_t{opacity} << 48;
}

bool HasColour(Quantum r, Quantum g, Quantum b) { return r != g || r != b; }

// True when 16 bits hold nothing 8 would lose, which makes the coder write 8.
bool FitsEightBits(Quantum q) { return MagickCore::ScaleQuantumToChar(q) * 257 == q; }

struct Census {
    ColourSet colours;
    int transparent = 0;      // distinct fully transparent colours
    int semitransparent = 0;  // distinct partly transparent colours
    bool pixelColour = false;
    bool backgroundColour = false;
    bool fitsEightBits = true;
};

Census Survey(const Magick::Image& image, bool checkDepth)
{
    Census census;
    const bool matte = image.matte();
    const PixelPacket& bg = image.constImage()->background_color;
    census.colours.Insert(Key(bg.red, bg.green, bg.blue, kOpaque));
    census.backgroundColour = HasColour(bg.red, bg.green, bg.blue);
    if (checkDepth)
        census.fitsEightBits = FitsEightBits(bg.red) && FitsEightBits(bg.green) && FitsEightBits(bg.blue);

    const std::size_t w = image.columns(), h = image.rows();
    std::uint64_t last = 0;
    bool haveLast = false;
    for (std::size_t y = 0; y < h; y += kStripRows) {
        const std::size_t rows = std::min(kStripRows, h - y);
        const PixelPacket* p = image.getConstPixels(0, static_cast<ssize_t>(y), w, rows);
        if (p == nullptr)
            throw std::runtime_error("the pixels cannot be read");
        for (const PixelPacket* end = p + w * rows; p != end; ++p) {
            const Quantum opacity = matte ? p->opacity : kOpaque;
            if (!census.colours.Full()) {
                const std::uint64_t key = Key(p->red, p->green, p->blue, opacity);
                if ((!haveLast || key != last) && census.colours.Insert(key)) {
                    census.transparent += opacity == QuantumRange;
                    census.semitransparent += opacity != kOpaque && opacity != QuantumRange;
                }
                last = key;
                haveLast = true;
            }
            census.pixelColour = census.pixelColour || HasColour(p->red, p->green, p->blue);
            if (checkDepth && census.fitsEightBits)
                census.fitsEightBits = FitsEightBits(p->red) && FitsEightBits(p->green) && FitsEightBits(p->blue) &&
                                       FitsEightBits(opacity);
        }
        // Nothing later rows hold can change the answer any more.
        if (census.colours.Full() && census.pixelColour && !(checkDepth && census.fitsEightBits))
            break;
    }
    return census;
}

}  // namespace

int PngChannels(PngColourType type)
{
    switch (type) {
    case PngColourType::Grey: return 1;
    case PngColourType::GreyAlpha: return 2;
    case PngColourType::Rgb: return 3;
    case PngColourType::Rgba: return 4;
    }
    return 0;
}

std::optional<PngForm> ChoosePngForm(const Magick::Image& image)
{
    const MagickCore::ImageInfo* info = image.constImageInfo();
    const Magick::ColorspaceType space = image.colorSpace();
    const Magick::ImageType asked = info->type;  // what ApplyDepth set; the coder follows it
    if (image.depth() < 8 || info->interlace != Magick::NoInterlace || image.classType() != Magick::DirectClass ||
        (space != Magick::sRGBColorspace && space != Magick::GRAYColorspace) || asked == Magick::PaletteType ||
        asked == Magick::PaletteMatteType)
        return std::nullopt;

    const bool deep = image.depth() > 8;
    const Census census = Survey(image, deep);
    const int bitDepth = deep && !census.fitsEightBits ? 16 : 8;
    const bool translucent = image.matte() && census.transparent + census.semitransparent > 0;

    if (!census.colours.Full()) {
        // A palette, unless every colour and the background are grey: then grey levels.
        if (asked == Magick::TrueColorType || asked == Magick::TrueColorMatteType || census.pixelColour ||
            census.backgroundColour || census.colours.Size() < kFewestGreyLevels || bitDepth != 8)
            return std::nullopt;
        if (!translucent)
            return PngForm{PngColourType::Grey, 8};
        // One transparent colour and no partial alpha may become a tRNS colour key.
        if (census.transparent == 1 && census.semitransparent == 0)
            return std::nullopt;
        return PngForm{PngColourType::GreyAlpha, 8};
    }
    if (asked == Magick::TrueColorType)
        return translucent ? std::nullopt : std::optional(PngForm{PngColourType::Rgb, bitDepth});
    if (asked == Magick::TrueColorMatteType)
        return PngForm{PngColourType::Rgba, bitDepth};
    if (image.matte())
        return PngForm{census.pixelColour ? PngColourType::Rgba : PngColourType::GreyAlpha, bitDepth};
    return PngForm{census.pixelColour ? PngColourType::Rgb : PngColourType::Grey, bitDepth};
}
