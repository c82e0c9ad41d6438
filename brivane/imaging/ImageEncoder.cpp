#include "imaging/ImageEncoder.h"

#include "imaging/DepthConversion.h"
#include "imaging/GifEncoder.h"
#include "imaging/MagickCodec.h"
#include "imaging/PdfEncoder.h"
#include "imaging/PngEncoder.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace {

constexpr int kIconSide = 32;

// Each format either tunes the image for an ImageMagick coder or encodes it itself; a format
// may also have a faster writer of its own that handles some images and leaves the rest to the
// coder.
using Prepare = void (*)(Magick::Image&, const EncoderSettings&, ColorDepth);
using Encode = EncodeResult (*)(Magick::Image&, const EncoderSettings&, ColorDepth);
using EncodeFast = std::optional<QByteArray> (*)(Magick::Image&);

struct OutputFormat {
    std::string_view name;
    std::string_view coder;  // ImageMagick coder; empty when `encode` does the work
    Prepare prepare;
    Encode encode;
    EncodeFast fast;  // tried after `prepare`, before the coder
};

void PrepareDefault(Magick::Image& image, const EncoderSettings&, ColorDepth depth)
{
    ApplyDepth(image, depth);
}

// Formats without an alpha channel: transparent areas become white instead of whatever colour
// the hidden pixels happen to hold.
void PrepareOpaque(Magick::Image& image, const EncoderSettings&, ColorDepth depth)
{
    ApplyDepth(image, depth);
    FlattenOnWhite(image);
}

void PrepareBmp(Magick::Image& image, const EncoderSettings& s, ColorDepth depth)
{
    ApplyDepth(image, depth);
    // Palette images are written uncompressed: RLE is optional and some readers refuse it.
    image.compressType(Magick::NoCompression);
    if (depth == ColorDepth::Bpp16)
        image.defineValue("bmp", "subtype", "RGB565");
    image.resolutionUnits(Magick::PixelsPerInchResolution);
    image.density(Magick::Geometry(static_cast<size_t>(std::max(1, s.bmpDpiX)),
                                   static_cast<size_t>(std::max(1, s.bmpDpiY))));
}

void PrepareJpeg(Magick::Image& image, const EncoderSettings& s, ColorDepth depth)
{
    PrepareOpaque(image, s, depth);
    image.quality(static_cast<size_t>(std::clamp(s.jpegQuality, 1, 100)));
    if (!s.keepExif)
        image.profile("EXIF", Magick::Blob());  // an empty profile removes it; ICC and XMP stay
}

struct TiffCompression {
    TiffCoding coding;
    Magick::CompressionType compression;
};
constexpr std::array<TiffCompression, 5> kTiffCompressions{{
    {TiffCoding::Lzw, Magick::LZWCompression},
    {TiffCoding::Ccitt3, Magick::FaxCompression},
    {TiffCoding::Ccitt4, Magick::Group4Compression},
    {TiffCoding::PackBits, Magick::RLECompression},
    {TiffCoding::None, Magick::NoCompression},
}};

void PrepareTiff(Magick::Image& image, const EncoderSettings& s, ColorDepth depth)
{
    // An unknown index falls back to LZW, the lossless default.
    const auto* entry = std::find_if(kTiffCompressions.begin(), kTiffCompressions.end(),
                                     [&](const TiffCompression& c) { return static_cast<long>(c.coding) == s.tiffCompression; });
    const TiffCompression& compression = entry == kTiffCompressions.end() ? kTiffCompressions[0] : *entry;
    const bool fax = compression.coding == TiffCoding::Ccitt3 || compression.coding == TiffCoding::Ccitt4;
    // The fax codings only exist for bilevel images.
    const ColorDepth applied = fax ? ColorDepth::Bpp1 : depth;
    ApplyDepth(image, applied);
    image.compressType(compression.compression);
    if (applied == ColorDepth::Bpp1)
        image.depth(1);  // otherwise a bilevel image is stored 8 bits per sample
    else if (applied == ColorDepth::Bpp16)
        image.depth(5);  // RGB 5-5-5: TIFF has no 16-bit colour form of its own
    image.resolutionUnits(Magick::PixelsPerInchResolution);
}

void PrepareIcon(Magick::Image& image, const EncoderSettings&, ColorDepth depth)
{
    ApplyDepth(image, depth);
    if (image.columns() != kIconSide || image.rows() != kIconSide) {
        Magick::Geometry size(kIconSide, kIconSide);
        size.aspect(true);
        image.resize(size);
    }
}

void PrepareGrey(Magick::Image& image, const EncoderSettings& s, ColorDepth depth)
{
    PrepareOpaque(image, s, depth);
    image.type(Magick::GrayscaleType);  // a PGX file holds a single component
    image.depth(8);
}

EncodeResult EncodeGifImage(Magick::Image& image, const EncoderSettings& s, ColorDepth depth)
{
    ApplyDepth(image, depth);
    return EncodeGif(image, s);
}

EncodeResult EncodePdfImage(Magick::Image& image, const EncoderSettings& s, ColorDepth depth)
{
    ApplyDepth(image, depth);
    return EncodePdf(image, s.pdfInfo, s.pdfA, s.pdfSecurity);
}

constexpr std::array<OutputFormat, 15> kOutputFormats{{
    {"bmp", "BMP", PrepareBmp, nullptr, nullptr},
    {"jpg", "JPEG", PrepareJpeg, nullptr, nullptr},
    {"tif", "TIFF", PrepareTiff, nullptr, nullptr},
    {"pdf", "", nullptr, EncodePdfImage, nullptr},
    {"wbmp", "WBMP", PrepareOpaque, nullptr, nullptr},
    {"gif", "", nullptr, EncodeGifImage, nullptr},
    {"pcx", "PCX", PrepareDefault, nullptr, nullptr},
    {"tga", "TGA", PrepareDefault, nullptr, nullptr},
    {"ico", "ICO", PrepareIcon, nullptr, nullptr},
    {"jp2", "JP2", PrepareDefault, nullptr, nullptr},
    {"jpc", "J2K", PrepareDefault, nullptr, nullptr},  // the bare codestream; "JPC" would write a JP2 box
    {"ras", "SUN", PrepareDefault, nullptr, nullptr},
    {"pgx", "PGX", PrepareGrey, nullptr, nullptr},
    {"pnm", "PNM", PrepareOpaque, nullptr, nullptr},
    {"png", "PNG", PrepareDefault, nullptr, EncodePngFast},
}};

}  // namespace

EncodeResult EncodeImage(Magick::Image image, std::string_view format, const EncoderSettings& settings,
                         ColorDepth depth, const std::string& outputPath)
{
    const auto* entry = std::find_if(kOutputFormats.begin(), kOutputFormats.end(),
                                     [&](const OutputFormat& f) { return f.name == format; });
    if (entry == kOutputFormats.end())
        return {{}, QStringLiteral("unknown output format \"%1\"").arg(QString::fromLatin1(format.data(), static_cast<qsizetype>(format.size())))};
    try {
        image.quiet(true);  // warnings (an odd tag, say) must not fail a save
        if (entry->encode != nullptr)
            return entry->encode(image, settings, depth);
        entry->prepare(image, settings, depth);
        if (entry->fast != nullptr) {
            if (std::optional<QByteArray> bytes = entry->fast(image))
                return {*std::move(bytes), {}};
        }
        if (!outputPath.empty()) {
            image.write(std::string(entry->coder) + ":" + outputPath);
            return {{}, {}, true};
        }
        image.magick(std::string(entry->coder));
        Magick::Blob blob;
        image.write(&blob);
        if (blob.length() == 0)
            return {{}, QStringLiteral("the encoder produced no data")};
        return {QByteArray(static_cast<const char*>(blob.data()), static_cast<qsizetype>(blob.length())), {}};
    } catch (const std::exception& e) {
        return {{}, DescribeMagickError(e)};
    }
}
