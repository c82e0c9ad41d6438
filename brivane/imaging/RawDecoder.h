#pragma once
// Camera raw files (CR2, NEF, CRW) through LibRaw: demosaiced with the camera's white balance
// into 8-bit RGB.

#include <Magick++.h>

#include <QByteArray>
#include <QString>

#include <optional>

std::optional<Magick::Image> DecodeRaw(const QByteArray& data, QString* error = nullptr);
