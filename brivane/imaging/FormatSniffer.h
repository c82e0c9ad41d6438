#pragma once
// Decides which decoder may read a file, from its first bytes and, for formats that carry no
// signature, its extension. Only the formats listed here are ever handed to a decoder, so a file
// can never reach one of ImageMagick's script-like coders (MSL, MVG, SVG, TEXT...) by its content.

#include <QByteArray>
#include <QString>

#include <string_view>

struct SourceFormat {
    enum class Decoder { None, Magick, Pdf, Raw };
    Decoder decoder = Decoder::None;
    std::string_view coder;  // ImageMagick coder name when decoder is Magick
};

SourceFormat SniffFormat(const QByteArray& head, const QString& path);
