#pragma once
// PNG output without ImageMagick's coder: the same colour type, bit depth, pixels and metadata,
// compressed with libdeflate, several times faster on photos.

#include <Magick++.h>

#include <QByteArray>

#include <optional>

// The PNG file for `image`; nullopt when the image needs a form only ImageMagick's coder
// writes (see PngForm.h), and the caller must use the coder. Like the coder, it turns a
// palette image into a direct-colour one first.
std::optional<QByteArray> EncodePngFast(Magick::Image& image);
