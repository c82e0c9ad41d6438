#pragma once
// Turns one page into the bytes of an output file: the format table, every encoder setting and
// the depth asked by ConvertTo...Bpp. Nothing here touches the file system.

#include "imaging/EncoderSettings.h"

#include <Magick++.h>

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

// Encodes `image` (taken by value: the encoders change their copy) as `format`. Given the name
// of an empty file in `outputPath`, the ImageMagick coders write into it themselves (the result
// says `written`) instead of building the file in memory first.
EncodeResult EncodeImage(Magick::Image image, std::string_view format, const EncoderSettings& settings,
                         ColorDepth depth, const std::string& outputPath = {});
