#include "imaging/PngScanlines.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

using MagickCore::PixelPacket;
using MagickCore::Quantum;

constexpr std::array<PngFilter, 5> kFilters{PngFilter::None, PngFilter::Sub, PngFilter::Up, PngFilter::Average,
                                            PngFilter::Paeth};

std::uint8_t Paeth(int a, int b, int c)
{
    const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
    return static_cast<std::uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// Sum of the filtered bytes read as signed: small means many values near zero.
std::uint64_t Cost(const std::uint8_t* bytes, std::size_t n)
{
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < n; ++i)
        sum += static_cast<std::uint64_t>(std::abs(static_cast<int>(static_cast<std::int8_t>(bytes[i]))));
    return sum;
}

// Samples of one pixel in PNG channel order; alpha is opaque when the image has none.
template <int Channels>
std::array<Quantum, Channels> Samples(const PixelPacket& p, bool matte)
{
    const Quantum alpha = matte ? static_cast<Quantum>(QuantumRange - p.opacity) : QuantumRange;
    if constexpr (Channels == 1)
        return {p.red};
    else if constexpr (Channels == 2)
        return {p.red, alpha};
    else if constexpr (Channels == 3)
        return {p.red, p.green, p.blue};
    else
        return {p.red, p.green, p.blue, alpha};
}

// One row of pixels as PNG samples: 8 bits rounded the way the coder rounds, or 16 bits
// big-endian.
template <int Channels, int Depth>
void PackRow(const PixelPacket* pixels, std::size_t width, bool matte, std::uint8_t* out)
{
    for (std::size_t x = 0; x < width; ++x) {
        for (const Quantum q : Samples<Channels>(pixels[x], matte)) {
            if constexpr (Depth == 8) {
                *out++ = MagickCore::ScaleQuantumToChar(q);
            } else {
                *out++ = static_cast<std::uint8_t>(q >> 8);
                *out++ = static_cast<std::uint8_t>(q & 0xFF);
            }
        }
    }
}

using PackFunction = void (*)(const PixelPacket*, std::size_t, bool, std::uint8_t*);

template <int Depth>
PackFunction PackerFor(int channels)
{
    switch (channels) {
    case 1: return PackRow<1, Depth>;
    case 2: return PackRow<2, Depth>;
    case 3: return PackRow<3, Depth>;
    default: return PackRow<4, Depth>;
    }
}

}  // namespace

void ApplyPngFilter(PngFilter filter, std::span<const std::uint8_t> row, std::span<const std::uint8_t> above,
                    std::size_t bytesPerPixel, std::uint8_t* out)
{
    // The first pixel has no left neighbour; the loops after it have no branch, so that the
    // compiler can vectorize them.
    const std::size_t n = row.size(), bpp = std::min(bytesPerPixel, row.size());
    const std::uint8_t* x = row.data();
    const std::uint8_t* b = above.data();
    switch (filter) {
    case PngFilter::None:
        std::memcpy(out, x, n);
        break;
    case PngFilter::Sub:
        std::memcpy(out, x, bpp);
        for (std::size_t i = bpp; i < n; ++i)
            out[i] = static_cast<std::uint8_t>(x[i] - x[i - bpp]);
        break;
    case PngFilter::Up:
        for (std::size_t i = 0; i < n; ++i)
            out[i] = static_cast<std::uint8_t>(x[i] - b[i]);
        break;
    case PngFilter::Average:
        for (std::size_t i = 0; i < bpp; ++i)
            out[i] = static_cast<std::uint8_t>(x[i] - (b[i] >> 1));
        for (std::size_t i = bpp; i < n; ++i)
            out[i] = static_cast<std::uint8_t>(x[i] - ((x[i - bpp] + b[i]) >> 1));
        break;
    case PngFilter::Paeth:
        for (std::size_t i = 0; i < bpp; ++i)
            out[i] = static_cast<std::uint8_t>(x[i] - b[i]);
        for (std::size_t i = bpp; i < n; ++i)
            out[i] = static_cast<std::uint8_t>(x[i] - Paeth(x[i - bpp], b[i], b[i - bpp]));
        break;
    }
}

ByteBuffer FilteredScanlines(const Magick::Image& image, PngForm form)
{
    const std::size_t width = image.columns(), height = image.rows();
    const std::size_t bytesPerPixel = static_cast<std::size_t>(PngChannels(form.colourType) * form.bitDepth / 8);
    const std::size_t rowBytes = width * bytesPerPixel;
    const PackFunction pack = form.bitDepth == 8 ? PackerFor<8>(PngChannels(form.colourType))
                                                 : PackerFor<16>(PngChannels(form.colourType));
    const bool matte = image.matte();

    ByteBuffer out((rowBytes + 1) * height);
    std::vector<std::uint8_t> above(rowBytes, 0), row(rowBytes);
    std::vector<std::uint8_t> trial(rowBytes * kFilters.size());
    for (std::size_t y = 0; y < height; ++y) {
        const PixelPacket* pixels = image.getConstPixels(0, static_cast<ssize_t>(y), width, 1);
        if (pixels == nullptr)
            throw std::runtime_error("the pixels cannot be read");
        pack(pixels, width, matte, row.data());
        std::size_t best = 0;
        std::uint64_t bestCost = UINT64_MAX;
        for (std::size_t f = 0; f < kFilters.size(); ++f) {
            std::uint8_t* filtered = trial.data() + f * rowBytes;
            ApplyPngFilter(kFilters[f], row, above, bytesPerPixel, filtered);
            if (const std::uint64_t cost = Cost(filtered, rowBytes); cost < bestCost) {
                best = f;
                bestCost = cost;
            }
        }
        std::uint8_t* line = out.data.get() + y * (rowBytes + 1);
        line[0] = static_cast<std::uint8_t>(kFilters[best]);
        std::memcpy(line + 1, trial.data() + best * rowBytes, rowBytes);
        std::swap(above, row);
    }
    return out;
}
