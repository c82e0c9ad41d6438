#include "Fixtures.h"

#include <Magick++.h>
#include <exiv2/exiv2.hpp>
#include <zlib.h>

#include <QColorSpace>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QtEndian>

#include <gtest/gtest.h>

#include <list>

namespace {

Magick::Image TwoColours(QSize size)
{
    Magick::Image image(Magick::Geometry(size.width(), size.height()), Magick::ColorRGB(1, 0, 0));
    image.fillColor(Magick::ColorRGB(0, 0, 1));
    image.strokeColor(Magick::ColorRGB(0, 0, 1));
    image.draw(Magick::DrawableRectangle(size.width() / 2.0, 0, size.width() - 1, size.height() - 1));
    return image;
}

void AppendLe16(QByteArray& out, int v)
{
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

void AppendLe32(QByteArray& out, quint32 v)
{
    AppendLe16(out, static_cast<int>(v & 0xFFFF));
    AppendLe16(out, static_cast<int>(v >> 16));
}

void AppendBe32(QByteArray& out, quint32 v)
{
    char b[4];
    qToBigEndian(v, b);
    out.append(b, 4);
}

void AppendPngChunk(QByteArray& out, const char* type, const QByteArray& data)
{
    AppendBe32(out, static_cast<quint32>(data.size()));
    const QByteArray typed = QByteArray(type, 4) + data;
    out.append(typed);
    AppendBe32(out, static_cast<quint32>(
                        crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), static_cast<uInt>(typed.size()))));
}

}  // namespace

Fixtures::Fixtures()
{
    EXPECT_TRUE(dir_.isValid());
    Magick::InitializeMagick(nullptr);
}

QString Fixtures::WriteImage(const QString& name, const std::string& coder, QSize size)
{
    const QString path = Path(name);
    Magick::Image image = TwoColours(size);
    image.write(coder + ":" + path.toStdString());
    return path;
}

QString Fixtures::WritePages(const QString& name, const std::string& coder, const std::vector<QSize>& sizes)
{
    const QString path = Path(name);
    std::list<Magick::Image> pages;
    for (const QSize& s : sizes)
        pages.push_back(TwoColours(s));
    Magick::writeImages(pages.begin(), pages.end(), coder + ":" + path.toStdString());
    return path;
}

QString Fixtures::WritePdf(const QString& name, const std::vector<QSize>& pagePoints)
{
    const QString path = Path(name);
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    for (std::size_t i = 0; i < pagePoints.size(); ++i) {
        const QSize points = pagePoints[i];
        writer.setPageSize(QPageSize(QSizeF(points), QPageSize::Point, QString(), QPageSize::ExactMatch));
        if (i == 0)
            EXPECT_TRUE(painter.begin(&writer));
        else
            writer.newPage();
        painter.fillRect(QRect(0, 0, points.width() / 2, points.height()), kLeft);
        painter.fillRect(QRect(points.width() / 2, 0, points.width() - points.width() / 2, points.height()), kRight);
    }
    painter.end();
    return path;
}

QString Fixtures::WriteWmf(const QString& name, QSize size)
{
    QByteArray records;
    const auto record = [&records](int function, std::initializer_list<int> params) {
        AppendLe32(records, static_cast<quint32>(3 + params.size()));
        AppendLe16(records, function);
        for (int p : params)
            AppendLe16(records, p);
    };
    record(0x020B, {0, 0});                                // SetWindowOrg
    record(0x020C, {size.height(), size.width()});         // SetWindowExt
    record(0x02FC, {0, 0x00FF, 0x0000, 0});                // CreateBrushIndirect: solid red
    record(0x012D, {0});                                   // SelectObject
    record(0x041B, {size.height(), size.width(), 0, 0});   // Rectangle
    record(0x0000, {});                                    // end of file

    QByteArray header;  // placeable header, checksum over its first ten words
    AppendLe32(header, 0x9AC6CDD7);
    for (int word : {0, 0, 0, size.width(), size.height(), 96, 0, 0})
        AppendLe16(header, word);
    int checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= static_cast<unsigned char>(header[i]) | (static_cast<unsigned char>(header[i + 1]) << 8);
    AppendLe16(header, checksum);

    QByteArray meta;  // standard header: memory metafile, 18 bytes
    for (int word : {1, 9, 0x0300})
        AppendLe16(meta, word);
    AppendLe32(meta, static_cast<quint32>((18 + records.size()) / 2));
    AppendLe16(meta, 1);
    AppendLe32(meta, 7);
    AppendLe16(meta, 0);
    return WriteBytes(name, header + meta + records);
}

QString Fixtures::WriteJpegWithExif(const QString& name, const std::vector<std::pair<std::string, std::string>>& tags,
                                    QSize size)
{
    const QString path = WriteImage(name, "JPEG", size);
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(path.toStdString());
    Exiv2::ExifData exif;
    for (const auto& [key, value] : tags)
        exif[key] = value;
    image->setExifData(exif);
    image->writeMetadata();
    return path;
}

QString Fixtures::WritePhoto(const QString& name, QSize size)
{
    const QString path = Path(name);
    QImage pixels(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            pixels.setPixel(x, y, qRgb(255 * x / size.width(), 255 * y / size.height(), (x * y) % 256));
    Magick::Image image;
    const QImage rgb = pixels.convertToFormat(QImage::Format_RGB888);
    std::vector<unsigned char> packed;
    for (int y = 0; y < rgb.height(); ++y)
        packed.insert(packed.end(), rgb.constScanLine(y), rgb.constScanLine(y) + 3 * rgb.width());
    image.read(static_cast<size_t>(size.width()), static_cast<size_t>(size.height()), "RGB", Magick::CharPixel, packed.data());
    const QByteArray icc = QColorSpace(QColorSpace::SRgb).iccProfile();
    image.profile("ICC", Magick::Blob(icc.constData(), static_cast<size_t>(icc.size())));
    image.quality(95);
    image.write("JPEG:" + path.toStdString());

    Exiv2::Image::AutoPtr file = Exiv2::ImageFactory::open(path.toStdString());
    file->readMetadata();
    Exiv2::ExifData exif;
    exif["Exif.Image.Make"] = "Brivane Test Camera";
    exif["Exif.Photo.FNumber"] = Exiv2::URational(28, 10);
    file->setExifData(exif);
    file->writeMetadata();
    return path;
}

QString Fixtures::WriteTransparentPng(const QString& name, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < size.height(); ++y)
        for (int x = size.width() / 2; x < size.width(); ++x)
            image.setPixel(x, y, qRgba(0, 0, 255, 255));
    const QString path = Path(name);
    EXPECT_TRUE(image.save(path, "PNG"));
    return path;
}

QString Fixtures::WritePngBomb(const QString& name, QSize size)
{
    QByteArray ihdr;
    AppendBe32(ihdr, static_cast<quint32>(size.width()));
    AppendBe32(ihdr, static_cast<quint32>(size.height()));
    ihdr.append("\x01\x00\x00\x00\x00", 5);  // 1-bit grey, no interlace

    // All-zero rows compress to almost nothing.
    const QByteArray row(1 + (size.width() + 7) / 8, '\0');
    z_stream z{};
    EXPECT_EQ(deflateInit(&z, 9), Z_OK);
    QByteArray idat;
    char buffer[1 << 16];
    for (int y = 0; y <= size.height(); ++y) {
        const bool last = y == size.height();
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(row.constData()));
        z.avail_in = last ? 0 : static_cast<uInt>(row.size());
        do {
            z.next_out = reinterpret_cast<Bytef*>(buffer);
            z.avail_out = sizeof buffer;
            deflate(&z, last ? Z_FINISH : Z_NO_FLUSH);
            idat.append(buffer, static_cast<qsizetype>(sizeof buffer - z.avail_out));
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    AppendPngChunk(png, "IHDR", ihdr);
    AppendPngChunk(png, "IDAT", idat);
    AppendPngChunk(png, "IEND", {});
    return WriteBytes(name, png);
}

QString Fixtures::WriteBytes(const QString& name, const QByteArray& bytes)
{
    const QString path = Path(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QString Fixtures::WritePngChunks(const QString& name, const std::vector<std::pair<const char*, QByteArray>>& chunks)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    for (const auto& [type, data] : chunks)
        AppendPngChunk(png, type, data);
    return WriteBytes(name, png);
}

QByteArray Fixtures::Deflate(const QByteArray& data)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    QByteArray out(static_cast<qsizetype>(size), '\0');
    EXPECT_EQ(compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.constData()),
                       static_cast<uLong>(data.size())),
              Z_OK);
    out.resize(static_cast<qsizetype>(size));
    return out;
}
