// Saving through the headless control: every output format from every kind of source, and each
// encoder setting checked in the written file by a reader other than the writer.
#include "Fixtures.h"
#include "OutputProbe.h"

#include "imaging/ImagingControl.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <array>
#include <functional>

namespace {

constexpr std::array<std::string_view, 15> kFormats{"bmp", "jpg", "tif", "pdf", "wbmp", "gif", "pcx", "tga",
                                                    "ico", "jp2", "jpc", "ras", "pgx", "pnm", "png"};

QString Q(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

struct Saved {
    QString path;
    QByteArray bytes;
};

class ImagingSave : public testing::Test {
protected:
    // Loads `source`, lets `prepare` set up the control, saves as `format`; fails the test when
    // the save does not succeed.
    Saved Save(const QString& source, std::string_view format, const std::function<void(IImagingControl&)>& prepare = {})
    {
        control_->SetImageFile(source);
        EXPECT_EQ(control_->LastError(), QString()) << source.toStdString();
        if (prepare)
            prepare(*control_);
        const QString base = files_.Path(QStringLiteral("out-%1").arg(++count_));
        EXPECT_EQ(control_->SaveImage(base, Q(format)), 1) << control_->LastError().toStdString();
        const QString path = base + QLatin1Char('.') + Q(format);
        return {path, ReadFileBytes(path)};
    }

    Fixtures files_;
    std::unique_ptr<IImagingControl> control_ = CreateHeadlessImagingControl();
    int count_ = 0;
};

QSet<QRgb> Colours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

// Mean absolute difference of the red, green and blue samples of two pictures of one size.
double MeanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB888), y = b.convertToFormat(QImage::Format_RGB888);
    if (x.size() != y.size() || x.isNull())
        return 255.0;
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const uchar* p = x.constScanLine(row);
        const uchar* q = y.constScanLine(row);
        for (int i = 0; i < x.width() * 3; ++i)
            sum += std::abs(p[i] - q[i]);
    }
    return sum / (x.width() * x.height() * 3.0);
}

TEST_F(ImagingSave, EveryFormatFromEverySourceHasTheSourceSize)
{
    struct Source {
        QString path;
        QSize size;
    };
    const std::array<Source, 4> sources{{
        {files_.WritePhoto(QStringLiteral("photo.jpg"), QSize(120, 80)), QSize(120, 80)},
        {files_.WriteTransparentPng(QStringLiteral("alpha.png"), QSize(90, 60)), QSize(90, 60)},
        {files_.WritePages(QStringLiteral("pages.tif"), "TIFF", {QSize(40, 30), QSize(50, 40), QSize(60, 50)}), QSize(40, 30)},
        {files_.WritePdf(QStringLiteral("doc.pdf"), {QSize(72, 48)}), QSize(150, 100)},  // page 1 at 150 dpi
    }};
    for (const Source& source : sources) {
        for (std::string_view format : kFormats) {
            SCOPED_TRACE(source.path.toStdString() + " -> " + std::string(format));
            const Saved out = Save(source.path, format);
            const QSize expected = format == "ico" ? QSize(32, 32) : source.size;
            if (format == "tif") {
                const ToolRun info = RunTool(QStringLiteral("tiffinfo"), {out.path});
                EXPECT_EQ(info.exitCode, 0) << info.output.toStdString();
                EXPECT_TRUE(info.output.contains(QStringLiteral("Image Width: %1 Image Length: %2").arg(expected.width()).arg(expected.height())))
                    << info.output.toStdString();
                EXPECT_EQ(info.output.count(QStringLiteral("TIFF Directory at")), 1);  // the first page only
            } else if (format == "pdf") {
                const ToolRun info = RunTool(QStringLiteral("pdfinfo"), {out.path});
                EXPECT_EQ(info.exitCode, 0) << info.output.toStdString();
                EXPECT_EQ(ReportValue(info.output, QStringLiteral("Pages")), QStringLiteral("1"));
            } else {
                EXPECT_EQ(HeaderSize(format, out.bytes), expected);
            }
            if (format == "pgx") {  // one 8-bit grey component: header line plus one byte a pixel
                EXPECT_EQ(out.bytes.size() - out.bytes.indexOf('\n') - 1, qsizetype(expected.width()) * expected.height());
            }
        }
    }
}

TEST_F(ImagingSave, BmpCarriesTheDepthAndResolutionAsked)
{
    struct Depth {
        void (IImagingControl::*convert)();
        int bitCount;
        int compression;  // BI_RGB 0, BI_BITFIELDS 3 (5-6-5, and the masks that include alpha)
    };
    const std::array<Depth, 6> depths{{
        {&IImagingControl::ConvertTo1Bpp, 1, 0},   {&IImagingControl::ConvertTo4Bpp, 4, 0},
        {&IImagingControl::ConvertTo8Bpp, 8, 0},   {&IImagingControl::ConvertTo16Bpp, 16, 3},
        {&IImagingControl::ConvertTo24Bpp, 24, 0}, {&IImagingControl::ConvertTo32Bpp, 32, 3},
    }};
    // A photo has too many colours for any palette; two colours would fit the smallest.
    const QString photo = files_.WritePhoto(QStringLiteral("photo.jpg"), QSize(64, 48));
    const QString twoColours = files_.WriteImage(QStringLiteral("two.png"), "PNG", QSize(64, 48));
    for (const QString& source : {photo, twoColours}) {
        for (const Depth& depth : depths) {
            SCOPED_TRACE(source.toStdString() + " " + std::to_string(depth.bitCount));
            const Saved out = Save(source, "bmp", [&](IImagingControl& c) {
                (c.*depth.convert)();
                c.SetBmpDpiX(300);
                c.SetBmpDpiY(150);
            });
            const auto header = ParseBmp(out.bytes);
            ASSERT_TRUE(header);
            EXPECT_EQ(header->bitCount, depth.bitCount);
            EXPECT_EQ(header->compression, depth.compression);
            EXPECT_NEAR(header->pelsPerMeterX, 11811, 1);  // 300 dpi
            EXPECT_NEAR(header->pelsPerMeterY, 5906, 1);   // 150 dpi
            EXPECT_EQ(HeaderSize("bmp", out.bytes), QSize(64, 48));
            // The palette depths keep the colours: two colours exactly, a photo within dithering.
            if (depth.bitCount == 4 || depth.bitCount == 8) {
                const double error = MeanDifference(QImage::fromData(out.bytes, "BMP"), QImage(source));
                EXPECT_LT(error, source == twoColours ? 0.01 : depth.bitCount == 4 ? 40.0 : 20.0);
            }
        }
    }
}

TEST_F(ImagingSave, JpegQualityIsClampedAndOnlyExifIsDropped)
{
    const QString photo = files_.WritePhoto(QStringLiteral("photo.jpg"), QSize(64, 48));
    for (const auto& [given, written] : std::array<std::pair<short, int>, 5>{{{40, 40}, {90, 90}, {0, 1}, {-7, 1}, {500, 100}}}) {
        const Saved out = Save(photo, "jpg", [given](IImagingControl& c) { c.SetJpegQuality(given); });
        EXPECT_EQ(JpegQuality(out.bytes), written) << "quality " << given;
    }

    const Saved kept = Save(photo, "jpg", [](IImagingControl& c) { c.SetKeepExif(true); });
    const ToolRun keptTags = RunTool(QStringLiteral("exiv2"), {QStringLiteral("-pa"), kept.path});
    EXPECT_TRUE(keptTags.output.contains(QStringLiteral("Brivane Test Camera"))) << keptTags.output.toStdString();
    EXPECT_TRUE(JpegHasSegment(kept.bytes, 0xE2, std::string_view("ICC_PROFILE\0", 12)));

    const Saved dropped = Save(photo, "jpg", [](IImagingControl& c) { c.SetKeepExif(false); });
    const ToolRun droppedTags = RunTool(QStringLiteral("exiv2"), {QStringLiteral("-pa"), dropped.path});
    EXPECT_FALSE(droppedTags.output.contains(QStringLiteral("Exif."))) << droppedTags.output.toStdString();
    EXPECT_FALSE(JpegHasSegment(dropped.bytes, 0xE1, std::string_view("Exif\0\0", 6)));
    EXPECT_TRUE(JpegHasSegment(dropped.bytes, 0xE2, std::string_view("ICC_PROFILE\0", 12)));
}

TEST_F(ImagingSave, TiffCompressionAndDepthAsTiffinfoReadsThem)
{
    struct Case {
        long compression;
        void (IImagingControl::*convert)();  // nullptr: the source's depth
        const char* scheme;
        int bitsPerSample;
        const char* photometric;
    };
    const std::array<Case, 10> cases{{
        {0, &IImagingControl::ConvertTo1Bpp, "LZW", 1, "min-is-black"},
        {0, &IImagingControl::ConvertTo4Bpp, "LZW", 4, "palette color (RGB from colormap)"},
        {0, &IImagingControl::ConvertTo8Bpp, "LZW", 8, "palette color (RGB from colormap)"},
        {0, &IImagingControl::ConvertTo8BppGray, "LZW", 8, "min-is-black"},
        {0, &IImagingControl::ConvertTo16Bpp, "LZW", 5, "RGB color"},
        {0, nullptr, "LZW", 8, "RGB color"},
        {1, nullptr, "CCITT Group 3", 1, "min-is-white"},
        {2, nullptr, "CCITT Group 4", 1, "min-is-white"},
        {3, nullptr, "PackBits", 8, "RGB color"},
        {4, nullptr, "None", 8, "RGB color"},
    }};
    const QString photo = files_.WritePhoto(QStringLiteral("photo.jpg"), QSize(64, 48));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.scheme) + " " + std::to_string(c.bitsPerSample));
        const Saved out = Save(photo, "tif", [&](IImagingControl& control) {
            control.SetTiffCompression(c.compression);
            if (c.convert)
                (control.*c.convert)();
        });
        const ToolRun info = RunTool(QStringLiteral("tiffinfo"), {out.path});
        EXPECT_EQ(ReportValue(info.output, QStringLiteral("Compression Scheme")), QString::fromLatin1(c.scheme));
        EXPECT_EQ(ReportValue(info.output, QStringLiteral("Bits/Sample")), QString::number(c.bitsPerSample));
        EXPECT_EQ(ReportValue(info.output, QStringLiteral("Photometric Interpretation")), QString::fromLatin1(c.photometric));
        // Whatever was written, the engine reads it back.
        control_->SetImageFile(out.path);
        EXPECT_EQ(control_->LastError(), QString());
    }
}

// A photo with a block of one colour the palette would never hold on its own.
QString PhotoWithBlock(Fixtures& files, QRgb block)
{
    QImage image(96, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x)
            image.setPixel(x, y, x < 24 && y < 16 ? block : qRgb(x * 255 / 96, y * 255 / 64, 128));
    const QString path = files.Path(QStringLiteral("block.png"));
    EXPECT_TRUE(image.save(path));
    return path;
}

long ColorRef(QRgb c) { return qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16); }

TEST_F(ImagingSave, GifPaletteSizeAndTransparentColourForEveryQuantizer)
{
    const QRgb odd = qRgb(201, 17, 133);
    const QString source = PhotoWithBlock(files_, odd);
    for (short quantizer = 0; quantizer < 4; ++quantizer) {
        for (short colors : {16, 256}) {
            for (bool dither : {false, true}) {
                SCOPED_TRACE("quantizer " + std::to_string(quantizer) + ", " + std::to_string(colors) + " colours, dither " + std::to_string(dither));
                const Saved out = Save(source, "gif", [&](IImagingControl& c) {
                    c.SetGifQuantizer(quantizer);
                    c.SetGifMaxColors(colors);
                    c.SetGifErrorDiffusion(dither);
                    c.SetGifTransparentColor(ColorRef(odd));
                });
                const auto header = ParseGif(out.bytes);
                ASSERT_TRUE(header);
                EXPECT_LE(header->globalColors, colors);
                EXPECT_GE(header->transparentIndex, 0);
                const QImage read(out.path);  // Qt's own GIF reader
                ASSERT_FALSE(read.isNull());
                EXPECT_LE(Colours(read).size(), colors);
                EXPECT_EQ(qAlpha(read.pixel(5, 5)), 0);     // inside the block
                EXPECT_EQ(qAlpha(read.pixel(23, 15)), 0);
                EXPECT_EQ(qAlpha(read.pixel(24, 15)), 255);  // just outside it
                EXPECT_EQ(qAlpha(read.pixel(60, 40)), 255);
            }
        }
    }
}

TEST_F(ImagingSave, GifWithoutTheColourOrWithSourceAlpha)
{
    const QString source = PhotoWithBlock(files_, qRgb(0, 200, 0));
    const Saved none = Save(source, "gif", [](IImagingControl& c) { c.SetGifTransparentColor(ColorRef(qRgb(1, 2, 3))); });
    EXPECT_EQ(ParseGif(none.bytes)->transparentIndex, -1);

    const QString alpha = files_.WriteTransparentPng(QStringLiteral("alpha.png"), QSize(40, 20));
    const Saved fromAlpha = Save(alpha, "gif", [](IImagingControl& c) { c.SetGifTransparentColor(-1); });
    const QImage read(fromAlpha.path);
    EXPECT_EQ(qAlpha(read.pixel(2, 2)), 0);
    EXPECT_EQ(read.pixel(30, 10), qRgba(0, 0, 255, 255));
}

TEST_F(ImagingSave, GifQuantizersDifferAndDitheringFollowsTheSwitch)
{
    // Shades of red only: a fixed palette has few of them, the adaptive quantizers many.
    QImage reds(256, 32, QImage::Format_RGB32);
    for (int y = 0; y < reds.height(); ++y)
        for (int x = 0; x < reds.width(); ++x)
            reds.setPixel(x, y, qRgb(x, 0, 0));
    const QString source = files_.Path(QStringLiteral("reds.png"));
    ASSERT_TRUE(reds.save(source));

    for (short quantizer = 0; quantizer < 4; ++quantizer) {
        SCOPED_TRACE("quantizer " + std::to_string(quantizer));
        const auto save = [&](bool dither) {
            return QImage(Save(source, "gif", [&](IImagingControl& c) {
                       c.SetGifQuantizer(quantizer);
                       c.SetGifMaxColors(16);
                       c.SetGifErrorDiffusion(dither);
                       c.SetGifTransparentColor(-1);
                   }).path);
        };
        const QImage plain = save(false);
        const QImage dithered = save(true);
        if (quantizer == 0)
            EXPECT_LE(Colours(plain).size(), 2);  // two red levels in the uniform 16-colour palette
        else
            EXPECT_GE(Colours(plain).size(), 8);
        // Without dithering every column maps to one colour, so all rows are equal; error
        // diffusion spreads the error downwards too, so rows differ.
        bool rowsEqual = true, ditheredRowsEqual = true;
        for (int y = 1; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                rowsEqual &= plain.pixel(x, y) == plain.pixel(x, 0);
                ditheredRowsEqual &= dithered.pixel(x, y) == dithered.pixel(x, 0);
            }
        }
        EXPECT_TRUE(rowsEqual);
        EXPECT_FALSE(ditheredRowsEqual);
    }
}

TEST_F(ImagingSave, ResizeIsExactAndOutOfRangeSizesFail)
{
    const QString photo = files_.WritePhoto(QStringLiteral("photo.jpg"), QSize(64, 48));
    control_->SetImageFile(photo);
    const QString base = files_.Path(QStringLiteral("resized"));
    ASSERT_EQ(control_->SaveResized(base, QStringLiteral("png"), 123, 45), 1);
    EXPECT_EQ(HeaderSize("png", ReadFileBytes(base + ".png")), QSize(123, 45));

    for (const auto& [w, h] : std::array<std::pair<int, int>, 4>{{{70000, 45}, {45, 32768}, {0, 10}, {10, -3}}}) {
        const QString wrong = files_.Path(QStringLiteral("wrong-%1-%2").arg(w).arg(h));
        EXPECT_EQ(control_->SaveResized(wrong, QStringLiteral("png"), w, h), 0);
        EXPECT_TRUE(control_->LastError().contains(QStringLiteral("32767"))) << control_->LastError().toStdString();
        EXPECT_FALSE(QFileInfo::exists(wrong + ".png"));
    }
}

TEST_F(ImagingSave, FailedSavesSayWhyAndLeaveNoFile)
{
    const QString photo = files_.WritePhoto(QStringLiteral("photo.jpg"), QSize(64, 48));
    control_->SetImageFile(photo);
    EXPECT_EQ(control_->SaveImage(QStringLiteral("/nonexistent-folder/out"), QStringLiteral("png")), 0);
    EXPECT_TRUE(control_->LastError().contains(QStringLiteral("cannot write"))) << control_->LastError().toStdString();
    EXPECT_EQ(control_->SaveImage(files_.Path(QStringLiteral("x")), QStringLiteral("xyz")), 0);
    EXPECT_TRUE(control_->LastError().contains(QStringLiteral("unknown output format")));

    control_->SetImageFile(QString());
    EXPECT_EQ(control_->SaveImage(files_.Path(QStringLiteral("empty")), QStringLiteral("png")), 0);
    EXPECT_FALSE(QFileInfo::exists(files_.Path(QStringLiteral("empty.png"))));
}

TEST_F(ImagingSave, OutputsTakeAnyNameAndTheUsualPermissions)
{
    // Characters an encoder could read as instructions in a file name (%d, [n], a "coder:"
    // prefix), in the folder and in the name.
    const QString photo = files_.WritePhoto(QStringLiteral("photo.jpg"), QSize(64, 48));
    const QDir folder(files_.Path(QStringLiteral("o%d[1] x:y")));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    const QString base = folder.filePath(QStringLiteral("a%03d[2]*é"));
    control_->SetImageFile(photo);
    const mode_t umask = ::umask(027);
    for (const char* format : {"tif", "bmp", "png", "pdf", "gif", "jp2"})
        EXPECT_EQ(control_->SaveImage(base, QString::fromLatin1(format)), 1) << format << control_->LastError().toStdString();
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden).size(), 6);  // no temporary file left
    EXPECT_EQ(QImage(base + QStringLiteral(".bmp")).size(), QSize(64, 48));
    EXPECT_EQ(QFileInfo(base + QStringLiteral(".tif")).permissions(),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);

    // A replaced file keeps its permissions; a failed save keeps the file itself.
    const QString bmp = base + QStringLiteral(".bmp");
    ASSERT_TRUE(QFile::setPermissions(bmp, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser));
    EXPECT_EQ(control_->SaveImage(base, QStringLiteral("bmp")), 1);
    EXPECT_EQ(QFileInfo(bmp).permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    const QString other = files_.WriteBytes(QStringLiteral("o%d[1] x:y/a%03d[2]*é.xyz"), "kept");
    EXPECT_EQ(control_->SaveImage(base, QStringLiteral("xyz")), 0);  // fails once the file is open
    EXPECT_EQ(ReadFileBytes(other), QByteArray("kept"));
    ::umask(umask);
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden).size(), 7);
}

TEST_F(ImagingSave, BrokenSourcesFailWithTheirReason)
{
    const QString photo = files_.WritePhoto(QStringLiteral("photo.jpg"), QSize(64, 48));
    const QByteArray whole = ReadFileBytes(photo);
    struct Broken {
        QString path;
        QString reason;  // a word the reason must hold
    };
    const std::array<Broken, 5> broken{{
        // A TIFF signature does not hand a camera raw name to the TIFF reader.
        {files_.WriteBytes(QStringLiteral("camera.cr2"), QByteArray("II*\0", 4) + QByteArray(200, '\0')), QStringLiteral("camera raw")},
        {files_.WriteBytes(QStringLiteral("truncated.jpg"), whole.left(whole.size() * 2 / 3)), QStringLiteral("damaged")},
        {files_.WriteBytes(QStringLiteral("garbage.png"), QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(100, 'x')), QString()},
        {files_.WritePngBomb(QStringLiteral("bomb.png"), QSize(50000, 50000)), QStringLiteral("limit")},
        {files_.Path(QStringLiteral("missing.png")), QStringLiteral("not found")},
    }};
    for (const Broken& b : broken) {
        SCOPED_TRACE(b.path.toStdString());
        control_->SetImageFile(b.path);
        const QString base = files_.Path(QStringLiteral("out"));
        const bool saved = control_->LastError().isEmpty() && control_->SaveImage(base, QStringLiteral("png")) == 1;
        EXPECT_FALSE(saved);
        EXPECT_FALSE(control_->LastError().isEmpty());
        EXPECT_TRUE(control_->LastError().contains(b.reason)) << control_->LastError().toStdString();
        EXPECT_FALSE(QFileInfo::exists(base + ".png"));
    }
}

}  // namespace
