#include "imaging/FormatSniffer.h"

#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

struct Signature {
    std::string_view bytes;
    std::string_view coder;
};

using namespace std::string_view_literals;

// Signatures at offset 0, most specific first.
constexpr std::array<Signature, 21> kSignatures{{
    {"\x89PNG\r\n\x1a\n"sv, "PNG"},
    {"\x8aMNG\r\n\x1a\n"sv, "MNG"},
    {"\x8bJNG\r\n\x1a\n"sv, "JNG"},
    {"\xff\xd8\xff"sv, "JPEG"},
    {"GIF87a"sv, "GIF"},
    {"GIF89a"sv, "GIF"},
    {"II*\0"sv, "TIFF"},
    {"MM\0*"sv, "TIFF"},
    {"II+\0"sv, "TIFF"},  // BigTIFF
    {"MM\0+"sv, "TIFF"},
    {"\0\0\0\x0cjP  \r\n\x87\n"sv, "JP2"},
    {"\xff\x4f\xff\x51"sv, "J2K"},
    {"8BPS"sv, "PSD"},
    {"\x59\xa6\x6a\x95"sv, "SUN"},
    {"\xd7\xcd\xc6\x9a"sv, "WMF"},  // placeable metafile
    {"\1\0\x09\0"sv, "WMF"},
    {"\2\0\x09\0"sv, "WMF"},
    {"\xb1\x68\xde\x3a"sv, "DCX"},
    {"PG ML"sv, "PGX"},
    {"PG LM"sv, "PGX"},
    {"BM"sv, "BMP"},
}};

// Short signatures that files of the extension-only formats can start with too (a TGA header
// often begins 00 00 02 00); consulted after the extensions.
constexpr std::array<Signature, 3> kWeakSignatures{{
    {"\0\0\1\0"sv, "ICO"},
    {"\0\0\2\0"sv, "CUR"},
    {"\x0a"sv, "PCX"},  // checked further below
}};

// Formats without a signature, by extension (lower case).
struct Extension {
    std::string_view ext;
    std::string_view coder;
};
constexpr std::array<Extension, 6> kExtensions{{
    {"tga", "TGA"},
    {"vda", "TGA"},
    {"icb", "TGA"},
    {"vst", "TGA"},
    {"wbmp", "WBMP"},
    {"wbm", "WBMP"},
}};

constexpr std::array<std::string_view, 3> kRawExtensions{"cr2", "nef", "crw"};

constexpr qsizetype kPdfHeaderWindow = 1024;  // readers accept junk before "%PDF-"

bool StartsWith(const QByteArray& head, std::string_view bytes)
{
    return head.size() >= static_cast<qsizetype>(bytes.size()) &&
           std::string_view(head.constData(), bytes.size()) == bytes;
}

bool IsPcx(const QByteArray& head)
{
    // Manufacturer 10, version 0/2/3/4/5, encoding 0/1, 1/2/4/8 bits per plane.
    if (head.size() < 4)
        return false;
    const auto version = static_cast<unsigned char>(head[1]);
    const auto encoding = static_cast<unsigned char>(head[2]);
    const auto bits = static_cast<unsigned char>(head[3]);
    return (version <= 5 && version != 1) && encoding <= 1 && (bits == 1 || bits == 2 || bits == 4 || bits == 8);
}

bool IsPnm(const QByteArray& head)
{
    return head.size() >= 3 && head[0] == 'P' &&
           ((head[1] >= '1' && head[1] <= '7') || head[1] == 'F' || head[1] == 'f') &&
           (head[2] == '\n' || head[2] == '\r' || head[2] == ' ' || head[2] == '\t' || head[2] == '#');
}

}  // namespace

SourceFormat SniffFormat(const QByteArray& head, const QString& path)
{
    // Camera raw files look like TIFF (or nothing known) and hold a thumbnail ImageMagick would
    // show instead of the picture, so their extension decides first.
    const QByteArray ext = QFileInfo(path).suffix().toLower().toLatin1();
    const std::string_view extension(ext.constData(), static_cast<std::size_t>(ext.size()));
    if (std::find(kRawExtensions.begin(), kRawExtensions.end(), extension) != kRawExtensions.end())
        return {SourceFormat::Decoder::Raw, {}};
    for (const Signature& s : kSignatures) {
        if (StartsWith(head, s.bytes))
            return {SourceFormat::Decoder::Magick, s.coder};
    }
    if (IsPnm(head))
        return {SourceFormat::Decoder::Magick, "PNM"};
    if (head.left(kPdfHeaderWindow).contains("%PDF-"))
        return {SourceFormat::Decoder::Pdf, {}};
    for (const Extension& e : kExtensions) {
        if (extension == e.ext)
            return {SourceFormat::Decoder::Magick, e.coder};
    }
    for (const Signature& s : kWeakSignatures) {
        if (StartsWith(head, s.bytes) && (s.coder != "PCX" || IsPcx(head)))
            return {SourceFormat::Decoder::Magick, s.coder};
    }
    return {};
}
