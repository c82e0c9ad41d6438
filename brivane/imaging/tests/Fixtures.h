#pragma once
// Test files made on the spot: every format is written by the libraries the engine reads with
// (or by hand where no writer exists), in a fresh folder per test.

#include <QColor>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <string>
#include <utility>
#include <vector>

// A picture whose left half is red and right half blue, so size, orientation and colour can be
// checked after loading.
inline const QColor kLeft(255, 0, 0);
inline const QColor kRight(0, 0, 255);

class Fixtures {
public:
    Fixtures();
    QString Path(const QString& name) const { return dir_.filePath(name); }

    // Writes the two-colour picture with ImageMagick's `coder` ("PNG", "J2K", ...).
    QString WriteImage(const QString& name, const std::string& coder, QSize size);
    // One page per size; for TIFF and GIF.
    QString WritePages(const QString& name, const std::string& coder, const std::vector<QSize>& sizes);
    // One page per size given in points, via Qt's PDF writer.
    QString WritePdf(const QString& name, const std::vector<QSize>& pagePoints);
    // A placeable Windows metafile filling `size` (at 96 units per inch) with red.
    QString WriteWmf(const QString& name, QSize size);
    // A two-colour JPEG carrying the given EXIF keys ("Exif.Image.Make") and values, written with exiv2.
    QString WriteJpegWithExif(const QString& name, const std::vector<std::pair<std::string, std::string>>& tags,
                              QSize size = QSize(64, 48));
    // A photo-like JPEG (smooth gradients, thousands of colours) carrying an sRGB ICC profile
    // and EXIF with the camera make "Brivane Test Camera".
    QString WritePhoto(const QString& name, QSize size);
    // A PNG whose left half is fully transparent and right half opaque blue.
    QString WriteTransparentPng(const QString& name, QSize size);
    // A valid, tiny PNG that declares `size` pixels of 1-bit grey: a decompression bomb.
    QString WritePngBomb(const QString& name, QSize size);
    QString WriteBytes(const QString& name, const QByteArray& bytes);
    // A PNG signature followed by these chunks (type, data) with correct CRCs, as given.
    QString WritePngChunks(const QString& name, const std::vector<std::pair<const char*, QByteArray>>& chunks);
    static QByteArray Deflate(const QByteArray& data);

private:
    QTemporaryDir dir_;
};
