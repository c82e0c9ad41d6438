#pragma once
// What a save needs besides the pixels: the encoder settings the host put into the control and
// the depth the loaded image was converted to.

#include <QByteArray>
#include <QString>

#include <array>

// ConvertTo...Bpp: the depth asked for the loaded image; Keep until one of them is called.
enum class ColorDepth { Keep, Bpp1, Bpp4, Bpp8, Bpp8Gray, Bpp16, Bpp24, Bpp32 };

enum class TiffCoding { Lzw = 0, Ccitt3 = 1, Ccitt4 = 2, PackBits = 3, None = 4 };

enum class GifQuantizer { Basic = 0, Octree = 1, MedianCut = 2, NeuralNet = 3 };

// PDF encryption of one save, chosen by the permissions call made for it.
struct PdfSecurity {
    enum class Kind { None, Rc4Bits40, Rc4Bits128 };
    Kind kind = Kind::None;
    QString owner;
    QString user;
    // 40-bit: print, modify, extract, annotate. 128-bit: print, high-quality print, edit,
    // extract, annotate, fill forms, extract text, assemble.
    std::array<bool, 8> allow{};
};

struct PdfInfo {
    QString title, author, subject, keywords, creator, producer;
};

struct EncoderSettings {
    int jpegQuality = 75;  // as given; the encoder clamps it to 1..100
    bool keepExif = true;
    long tiffCompression = static_cast<long>(TiffCoding::Lzw);
    int bmpDpiX = 96;
    int bmpDpiY = 96;
    int gifMaxColors = 256;
    int gifQuantizer = static_cast<int>(GifQuantizer::Octree);
    bool gifErrorDiffusion = true;
    long gifTransparentColor = -1;  // 0x00BBGGRR; a value with any high bit set matches nothing
    PdfInfo pdfInfo;
    bool pdfA = false;
    PdfSecurity pdfSecurity;
};

// The bytes of one output file, or why there are none.
struct EncodeResult {
    QByteArray bytes;
    QString error;  // "" on success
    bool written = false;  // the encoder wrote the file itself instead of returning its bytes
    bool Ok() const { return error.isEmpty(); }
};
