#pragma once
// Magick++ plumbing shared by the engine: one-time start-up with resource limits, reading one
// frame of an in-memory file with an explicit coder, counting frames, and pixel exchange with Qt.

#include <Magick++.h>

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>
#include <string_view>

// Starts Magick++ once per process and caps what one file may take, so that a file declaring
// enormous dimensions (a decompression bomb) fails on its own instead of exhausting the machine.
void EnsureMagickStarted();

// What a Magick++ exception says, without the library's source location.
QString DescribeMagickError(const std::exception& error);

// Frame `index` (from 0) of `data`, decoded by `coder`; nullopt when it cannot be read, with the
// reason in `error` when given. A damaged file (a truncated JPEG, say) gives what could be
// decoded, and says what is wrong in `damage`.
std::optional<Magick::Image> ReadMagickFrame(const QByteArray& data, std::string_view coder, int index,
                                             QString* error = nullptr, QString* damage = nullptr);

// The same frame decoded for showing at a reduced size: a JPEG at the smallest of libjpeg's DCT
// scales (n/8) that still covers `atLeast` in both directions, which skips most of its decoding
// work. Other coders, and JPEGs less than twice that size, are decoded in full.
// `fullSize` receives the frame's size in the file either way.
std::optional<Magick::Image> ReadMagickFrameReduced(const QByteArray& data, std::string_view coder, int index,
                                                    QSize atLeast, QSize* fullSize, QString* error = nullptr,
                                                    QString* damage = nullptr);

// Number of frames (TIFF directories, GIF frames, ...) of `data`; 0 when it cannot be read.
int CountMagickFrames(const QByteArray& data, std::string_view coder);

// 8-bit RGBA copies; a null QImage / nullopt when memory runs out.
QImage MagickToQImage(const Magick::Image& image);
std::optional<Magick::Image> QImageToMagick(const QImage& image);
