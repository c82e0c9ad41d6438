// PNG output: the fast writer against ImageMagick's coder for every kind of source. Files are
// decoded by ImageMagick and by Qt, neither of which shares code with the writer.
#include "imaging/DepthConversion.h"
#include "imaging/ImageEncoder.h"
#include "imaging/PngEncoder.h"

#include <Magick++.h>

#include <QColorSpace>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using Samples = std::vector<std::uint16_t>;  // RGBA, 16 bits a sample, row by row

struct Chunk {
    std::string type;
    QByteArray data;
};

std::vector<Chunk> Chunks(const QByteArray& png)
{
    std::vector<Chunk> chunks;
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const auto length = static_cast<qsizetype>(static_cast<quint8>(png[at]) << 24 | static_cast<quint8>(png[at + 1]) << 16 |
                                                   static_cast<quint8>(png[at + 2]) << 8 | static_cast<quint8>(png[at + 3]));
        chunks.push_back({png.mid(at + 4, 4).toStdString(), png.mid(at + 8, length)});
        at += 12 + length;
    }
    return chunks;
}

struct Form {
    int colourType = -1;
    int bitDepth = -1;
    bool operator==(const Form&) const = default;
};

Form HeaderForm(const QByteArray& png)
{
    const std::vector<Chunk> chunks = Chunks(png);
    if (chunks.empty() || chunks[0].type != "IHDR" || chunks[0].data.size() != 13)
        return {};
    return {static_cast<quint8>(chunks[0].data[9]), static_cast<quint8>(chunks[0].data[8])};
}

// The chunks that say something about the image besides its pixels, in file order.
std::vector<std::pair<std::string, QByteArray>> Metadata(const QByteArray& png)
{
    std::vector<std::pair<std::string, QByteArray>> out;
    for (const Chunk& c : Chunks(png))
        if (c.type != "IHDR" && c.type != "IDAT" && c.type != "IEND" && c.type != "PLTE" && c.type != "tRNS")
            out.emplace_back(c.type, c.data);
    return out;
}

// The pixels at the image's own depth: an 8-bit image's samples rounded to 8 bits, as any
// 8-bit file of it holds them.
Samples MagickSamples(const Magick::Image& image)
{
    const size_t count = image.columns() * image.rows() * 4;
    Magick::Image copy = image;  // writing pixels out is non-const in Magick++
    if (image.depth() > 8) {
        Samples out(count);
        copy.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::ShortPixel, out.data());
        return out;
    }
    std::vector<std::uint8_t> bytes(count);
    copy.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::CharPixel, bytes.data());
    Samples out;
    for (const std::uint8_t v : bytes)
        out.push_back(static_cast<std::uint16_t>(v * 257));
    return out;
}

// Whether every sample is within one 8-bit step (257 in 16 bits) of the other's.
bool WithinOneStep(const Samples& a, const Samples& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](std::uint16_t x, std::uint16_t y) {
               return std::abs(int(x) - int(y)) <= 257;
           });
}

// Qt forgets the colour of fully transparent pixels, which nobody sees; the alpha stays.
Samples Visible(Samples samples)
{
    for (size_t i = 0; i + 3 < samples.size(); i += 4)
        if (samples[i + 3] == 0)
            samples[i] = samples[i + 1] = samples[i + 2] = 0;
    return samples;
}

Samples DecodedByMagick(const QByteArray& png)
{
    Magick::Image image;
    image.read(Magick::Blob(png.constData(), static_cast<size_t>(png.size())));
    return MagickSamples(image);
}

Samples DecodedByQt(const QByteArray& png)
{
    const QImage image = QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGBA64);
    Samples out;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgba64*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            out.insert(out.end(), {row[x].red(), row[x].green(), row[x].blue(), row[x].alpha()});
    }
    return out;
}

QByteArray CoderPng(Magick::Image image)
{
    image.magick("PNG");
    Magick::Blob blob;
    image.write(&blob);
    return {static_cast<const char*>(blob.data()), static_cast<qsizetype>(blob.length())};
}

// A source made from a sample function: `map` as Magick++ reads pixels ("RGB", "RGBA", "I",
// "IA"), 16-bit samples; 8-bit sources use multiples of 257.
Magick::Image Made(size_t w, size_t h, const char* map, int depth, const std::function<std::uint16_t(size_t x, size_t y, size_t c)>& sample)
{
    const size_t channels = std::string(map).size();
    Samples data;
    for (size_t y = 0; y < h; ++y)
        for (size_t x = 0; x < w; ++x)
            for (size_t c = 0; c < channels; ++c)
                data.push_back(sample(x, y, c));
    Magick::Image image;
    image.read(w, h, map, Magick::ShortPixel, data.data());
    if (map[0] == 'I')
        image.colorSpace(Magick::GRAYColorspace);
    image.depth(static_cast<size_t>(depth));
    return image;
}

// Rows built so that each PNG filter in turn predicts them exactly (none, left, above, the
// average of the two, Paeth's choice), so the writer picks every filter and a reader undoing
// any of them wrongly sees other pixels. `map` as for Made, 8 bits a sample.
Magick::Image FilterMix(size_t w, size_t h, const char* map)
{
    const size_t bpp = std::string(map).size(), n = w * bpp;
    std::vector<std::uint8_t> bytes(n * h);
    unsigned seed = 12345;
    const auto random = [&seed] { return static_cast<std::uint8_t>((seed = seed * 1103515245U + 12345U) >> 16); };
    for (size_t y = 0; y < h; ++y) {
        std::uint8_t* row = &bytes[y * n];
        const std::uint8_t* above = y > 0 ? row - n : nullptr;
        for (size_t i = 0; i < n; ++i) {
            const int a = i >= bpp ? row[i - bpp] : 0, b = above ? above[i] : 0, c = above && i >= bpp ? above[i - bpp] : 0;
            const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
            switch (y % 5) {
            case 0: row[i] = random() % 4; break;
            case 1: row[i] = static_cast<std::uint8_t>(a + 1); break;
            case 2: row[i] = static_cast<std::uint8_t>(b); break;
            case 3: row[i] = i < bpp ? random() : static_cast<std::uint8_t>((a + b) / 2); break;
            default: row[i] = i < bpp ? random() : static_cast<std::uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c); break;
            }
        }
    }
    Magick::Image image;
    image.read(w, h, map, Magick::CharPixel, bytes.data());
    if (map[0] == 'I')
        image.colorSpace(Magick::GRAYColorspace);
    return image;
}

std::uint16_t Eight(size_t v) { return static_cast<std::uint16_t>((v % 256) * 257); }

// Grain that makes every PNG filter the best one for some rows.
size_t Grain(size_t x, size_t y, size_t c) { return ((x * 2654435761U + y * 40503U + c * 97U) >> 13) % 23; }

// Gradients with grain, like a photo: thousands of colours.
std::uint16_t Photo8(size_t x, size_t y, size_t c) { return Eight(x * (3 + c) + y * (5 + 2 * c) + Grain(x, y, c) * (y % 3)); }
std::uint16_t Photo16(size_t x, size_t y, size_t c) { return static_cast<std::uint16_t>(x * 731 + y * 977 + c * 4099 + (x ^ y) * 13); }
std::uint16_t Fade8(size_t x, size_t y, size_t) { return Eight((x + 2 * y) * 255 / 300); }

struct Case {
    const char* name;
    Magick::Image source;
    ColorDepth depth;
    std::optional<Form> fast;  // what the fast writer must write; nullopt: it must leave the image to the coder
};

std::vector<Case> Cases()
{
    const auto greyPhoto = [](size_t x, size_t y, size_t) { return Eight((x * 3 + y * 5) % 200); };
    const auto greyAlpha = [&](size_t x, size_t y, size_t c) { return c == 0 ? greyPhoto(x, y, c) : Fade8(x, y, c); };
    const auto rgbaPhoto = [](size_t x, size_t y, size_t c) { return c == 3 ? Fade8(x, y, c) : Photo8(x, y, c); };
    const auto rgba16 = [](size_t x, size_t y, size_t c) { return c == 3 ? static_cast<std::uint16_t>(x * 1111 + y * 3) : Photo16(x, y, c); };
    const auto wide = [](size_t x, size_t, size_t c) { return Eight(x * 7 / (c + 1) + x / 256); };
    std::vector<Case> cases{
        {"rgb", Made(71, 53, "RGB", 8, Photo8), ColorDepth::Keep, Form{2, 8}},
        {"rgba", Made(71, 53, "RGBA", 8, rgbaPhoto), ColorDepth::Keep, Form{6, 8}},
        // An alpha channel stays even when every pixel is opaque, once there is no palette.
        {"rgba, all opaque", Made(71, 53, "RGBA", 8, [](size_t x, size_t y, size_t c) { return c == 3 ? std::uint16_t{65535} : Photo8(x, y, c); }),
         ColorDepth::Keep, Form{6, 8}},
        {"grey", Made(71, 53, "I", 8, greyPhoto), ColorDepth::Keep, Form{0, 8}},
        {"grey+alpha", Made(71, 53, "IA", 8, greyAlpha), ColorDepth::Keep, Form{4, 8}},
        {"rgb, every filter", FilterMix(97, 60, "RGB"), ColorDepth::Keep, Form{2, 8}},
        {"rgba, every filter", FilterMix(97, 60, "RGBA"), ColorDepth::Keep, Form{6, 8}},
        {"grey, every filter", FilterMix(97, 60, "I"), ColorDepth::Keep, Form{0, 8}},
        {"grey+alpha, every filter", FilterMix(97, 60, "IA"), ColorDepth::Keep, Form{4, 8}},
        {"rgb 16-bit", Made(71, 53, "RGB", 16, Photo16), ColorDepth::Keep, Form{2, 16}},
        {"rgba 16-bit", Made(71, 53, "RGBA", 16, rgba16), ColorDepth::Keep, Form{6, 16}},
        {"grey 16-bit", Made(71, 53, "I", 16, Photo16), ColorDepth::Keep, Form{0, 16}},
        // 16 bits of which 8 say everything: the coder writes 8.
        {"rgb 16-bit of 8-bit values", Made(71, 53, "RGB", 16, Photo8), ColorDepth::Keep, Form{2, 8}},
        {"palette", Made(71, 53, "RGB", 8, [](size_t x, size_t y, size_t c) { return Eight(((x / 8 + y / 8) % 40) * (c + 1) * 5); }),
         ColorDepth::Keep, std::nullopt},
        {"eight grey levels", Made(71, 53, "I", 8, [](size_t x, size_t, size_t) { return Eight(x % 8 * 36); }), ColorDepth::Keep, std::nullopt},
        // Grey levels plus one fully transparent grey found nowhere else: a tRNS colour key.
        {"grey with a transparent colour", Made(71, 53, "IA", 8, [&](size_t x, size_t y, size_t c) {
             return x < 10 ? (c == 0 ? Eight(250) : std::uint16_t{0}) : c == 0 ? greyPhoto(x, y, c) : std::uint16_t{65535}; }),
         ColorDepth::Keep, std::nullopt},
        {"rgb as 24 bpp", Made(71, 53, "RGBA", 8, rgbaPhoto), ColorDepth::Bpp24, Form{2, 8}},
        {"rgb as 32 bpp", Made(71, 53, "RGB", 8, Photo8), ColorDepth::Bpp32, Form{6, 8}},
        {"rgb as 8 bpp grey", Made(71, 53, "RGB", 8, Photo8), ColorDepth::Bpp8Gray, Form{0, 8}},
        {"rgb as 8 bpp palette", Made(71, 53, "RGB", 8, Photo8), ColorDepth::Bpp8, std::nullopt},
        {"rgb as 1 bpp", Made(71, 53, "RGB", 8, Photo8), ColorDepth::Bpp1, std::nullopt},
        {"1 x 1", Made(1, 1, "RGB", 8, Photo8), ColorDepth::Keep, std::nullopt},  // two colours with the background
        {"1 x 400", Made(1, 400, "RGB", 8, [](size_t, size_t y, size_t c) { return Eight(y * (c + 1) + y / 256); }), ColorDepth::Keep, Form{2, 8}},
        {"400 x 1", Made(400, 1, "RGBA", 8, [](size_t x, size_t, size_t c) { return Eight(x * (c + 1) + x / 256); }), ColorDepth::Keep, Form{6, 8}},
        {"9000 x 2", Made(9000, 2, "RGB", 8, wide), ColorDepth::Keep, Form{2, 8}},
    };
    // ImageMagick reads an 8-bit grey PNG as a palette image; the writer must see through that.
    Magick::Image paletteGrey;
    const QByteArray greyPng = CoderPng(Made(71, 53, "I", 8, greyPhoto));
    paletteGrey.read(Magick::Blob(greyPng.constData(), static_cast<size_t>(greyPng.size())));
    EXPECT_EQ(paletteGrey.classType(), Magick::PseudoClass);
    cases.push_back({"grey read from a PNG", paletteGrey, ColorDepth::Keep, Form{0, 8}});
    return cases;
}

class PngOutput : public testing::Test {
protected:
    static void SetUpTestSuite() { Magick::InitializeMagick(nullptr); }
};

TEST_F(PngOutput, FastWhereTheCoderWritesTheSameFormAndEveryFileHoldsTheSourcePixels)
{
    for (Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        Magick::Image prepared = c.source;
        ApplyDepth(prepared, c.depth);
        const Samples expected = MagickSamples(prepared);
        const QByteArray coder = CoderPng(prepared);
        Magick::Image forFast = prepared;
        const std::optional<QByteArray> fast = EncodePngFast(forFast);
        const EncodeResult saved = EncodeImage(c.source, "png", EncoderSettings{}, c.depth);
        ASSERT_TRUE(saved.Ok()) << saved.error.toStdString();

        ASSERT_EQ(fast.has_value(), c.fast.has_value());
        if (fast) {
            EXPECT_EQ(HeaderForm(*fast), *c.fast);
            EXPECT_EQ(HeaderForm(*fast), HeaderForm(coder));
            EXPECT_EQ(Metadata(*fast), Metadata(coder));
            EXPECT_EQ(saved.bytes, *fast);  // the save took the fast path
        } else {
            EXPECT_EQ(saved.bytes, coder);
        }
        if (c.depth == ColorDepth::Bpp8) {
            // The coder writes its own palette at 8 bits and may round an entry one step the
            // other way.
            EXPECT_TRUE(WithinOneStep(DecodedByMagick(saved.bytes), expected));
            EXPECT_TRUE(WithinOneStep(Visible(DecodedByQt(saved.bytes)), Visible(expected)));
            continue;
        }
        EXPECT_EQ(DecodedByMagick(saved.bytes), expected);
        EXPECT_EQ(Visible(DecodedByQt(saved.bytes)), Visible(expected));
    }
}

TEST_F(PngOutput, KeepsResolutionAndColourProfile)
{
    const QByteArray icc = QColorSpace(QColorSpace::DisplayP3).iccProfile();
    struct Resolution {
        Magick::ResolutionType units;
        double x, y;
        int metresX, metresY;  // pixels per metre as read back; the coder truncates
    };
    for (const Resolution& r : std::array<Resolution, 2>{{{Magick::PixelsPerInchResolution, 300, 150, 11811, 5905},
                                                          {Magick::PixelsPerCentimeterResolution, 40, 20, 4000, 2000}}}) {
        for (const char* map : {"RGB", "RGBA"}) {
            SCOPED_TRACE(std::string(map) + " " + std::to_string(r.x));
            Magick::Image image = Made(64, 48, map, 8, Photo8);
            image.resolutionUnits(r.units);
            image.density(Magick::Geometry(static_cast<size_t>(r.x), static_cast<size_t>(r.y)));
            image.profile("ICC", Magick::Blob(icc.constData(), static_cast<size_t>(icc.size())));
            Magick::Image forFast = image;
            const std::optional<QByteArray> fast = EncodePngFast(forFast);
            ASSERT_TRUE(fast);
            EXPECT_EQ(Metadata(*fast), Metadata(CoderPng(image)));
            const QImage read = QImage::fromData(*fast, "PNG");
            EXPECT_EQ(read.dotsPerMeterX(), r.metresX);
            EXPECT_EQ(read.dotsPerMeterY(), r.metresY);
            EXPECT_EQ(read.colorSpace().iccProfile(), icc);
        }
    }
}

}  // namespace
