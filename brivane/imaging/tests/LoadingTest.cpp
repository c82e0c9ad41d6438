#include "Fixtures.h"

#include "imaging/CImageViewer.h"
#include "imaging/ImagingControl.h"

#include <Magick++.h>

#include <QElapsedTimer>
#include <QImage>
#include <QRegularExpression>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    const char* extension;
    const char* coder;  // written by ImageMagick with this coder
    bool keepsColour;   // false for bilevel and grey-only formats
};

// The formats the file dialogs offer that a library on the system can read.
constexpr FormatCase kFormats[] = {
    {"jpg", "JPEG", true}, {"png", "PNG", true},   {"bmp", "BMP", true},   {"gif", "GIF", true},
    {"tif", "TIFF", true}, {"tga", "TGA", true},   {"pcx", "PCX", true},   {"pnm", "PNM", true},
    {"ras", "SUN", true},  {"ico", "ICO", true},   {"wbmp", "WBMP", false}, {"jp2", "JP2", true},
    {"j2k", "J2K", true},  {"j2c", "J2K", true},   {"psd", "PSD", true},   {"mng", "MNG", true},
    {"jng", "JNG", true},  {"pgx", "PGX", false},
};

bool Near(QColor a, QColor b)
{
    constexpr int tolerance = 48;  // lossy codecs
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

void ExpectEmpty(CImageViewer& viewer)
{
    EXPECT_FALSE(viewer.HasImage());
    EXPECT_TRUE(viewer.ImageSize().isEmpty());
    EXPECT_TRUE(viewer.DisplayedSize().isEmpty());
    EXPECT_EQ(viewer.ExifCount(), 0);
    EXPECT_EQ(viewer.Document(), nullptr);
}

}  // namespace

TEST(ImagingLoad, EveryOfferedFormatLoadsAtItsSize)
{
    Fixtures files;
    CImageViewer viewer;
    const QSize size(40, 30);
    for (const FormatCase& f : kFormats) {
        SCOPED_TRACE(f.extension);
        const QString path = files.WriteImage(QString("picture.") + f.extension, f.coder, size);
        viewer.SetImageFile(path);
        ASSERT_TRUE(viewer.HasImage());
        EXPECT_EQ(viewer.GetImageFile(), path);
        EXPECT_EQ(viewer.ImageSize(), size);
        const QImage pixels = viewer.Document()->ToQImage();
        ASSERT_EQ(pixels.size(), size);
        if (f.keepsColour) {
            EXPECT_TRUE(Near(pixels.pixelColor(5, 15), kLeft)) << pixels.pixelColor(5, 15).name().toStdString();
            EXPECT_TRUE(Near(pixels.pixelColor(34, 15), kRight)) << pixels.pixelColor(34, 15).name().toStdString();
        }
    }
}

TEST(ImagingLoad, MetafileAndPdfLoad)
{
    Fixtures files;
    CImageViewer viewer;

    viewer.SetImageFile(files.WriteWmf("drawing.wmf", QSize(96, 48)));
    ASSERT_TRUE(viewer.HasImage());
    EXPECT_EQ(viewer.ImageSize().width(), 2 * viewer.ImageSize().height());
    EXPECT_TRUE(Near(viewer.Document()->ToQImage().pixelColor(viewer.ImageSize().width() / 2, viewer.ImageSize().height() / 2), kLeft));

    // Page 1 at 150 dpi: 144 x 72 points is 2 x 1 inches.
    viewer.SetImageFile(files.WritePdf("doc.pdf", {QSize(144, 72), QSize(72, 72)}));
    ASSERT_TRUE(viewer.HasImage());
    EXPECT_EQ(viewer.ImageSize(), QSize(300, 150));
    const QImage page = viewer.Document()->ToQImage();
    EXPECT_TRUE(Near(page.pixelColor(50, 75), kLeft));
    EXPECT_TRUE(Near(page.pixelColor(250, 75), kRight));
}

TEST(ImagingLoad, CmykAndDeepPicturesShowTheirColours)
{
    Fixtures files;
    CImageViewer viewer;
    const auto write = [&](const QString& name, const std::string& coder, auto adjust) {
        Magick::Image image(Magick::Geometry(20, 10), Magick::ColorRGB(1, 0, 0));
        adjust(image);
        image.write(coder + ":" + files.Path(name).toStdString());
        return files.Path(name);
    };
    viewer.SetImageFile(write("cmyk.jpg", "JPEG", [](Magick::Image& i) { i.colorSpace(Magick::CMYKColorspace); }));
    ASSERT_TRUE(viewer.HasImage());
    EXPECT_TRUE(Near(viewer.Document()->ToQImage().pixelColor(10, 5), kLeft));

    viewer.SetImageFile(write("deep.png", "PNG", [](Magick::Image& i) { i.depth(16); }));
    ASSERT_TRUE(viewer.HasImage());
    EXPECT_TRUE(Near(viewer.Document()->ToQImage().pixelColor(10, 5), kLeft));

    viewer.SetImageFile(write("clear.png", "PNG", [](Magick::Image& i) {
        using MagickCore::Quantum;  // QuantumRange expands to a cast to it
        i.matte(true);
        i.opacity(QuantumRange);  // fully transparent
    }));
    ASSERT_TRUE(viewer.HasImage());
    EXPECT_EQ(viewer.Document()->ToQImage().pixelColor(10, 5).alpha(), 0);
}

TEST(ImagingLoad, ContentDecidesTheDecoderNotTheName)
{
    Fixtures files;
    CImageViewer viewer;
    // A PNG saved under another extension still loads.
    viewer.SetImageFile(files.WriteImage("really-a-png.jpg", "PNG", QSize(12, 8)));
    EXPECT_EQ(viewer.ImageSize(), QSize(12, 8));
    // Text that ImageMagick would render as a drawing, a script or an SVG is never decoded.
    for (const char* text : {"viewbox 0 0 40 30\nfill red\nrectangle 0,0 40,30\n",
                             "<?xml version=\"1.0\"?><svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" "
                             "height=\"30\"><rect width=\"40\" height=\"30\" fill=\"red\"/></svg>",
                             "plain text\n"}) {
        viewer.SetImageFile(files.WriteBytes("script.png", text));
        ExpectEmpty(viewer);
        viewer.SetImageFile(files.WriteBytes("script.mvg", text));
        ExpectEmpty(viewer);
    }
}

TEST(ImagingLoad, UnreadableFilesLeaveTheControlEmpty)
{
    Fixtures files;
    CImageViewer viewer;
    const QString good = files.WriteImage("good.png", "PNG", QSize(20, 10));
    QFile png(good);
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    const QByteArray pngBytes = png.readAll();
    const QString jpeg = files.WriteImage("good.jpg", "JPEG", QSize(20, 10));
    QFile jpg(jpeg);
    ASSERT_TRUE(jpg.open(QIODevice::ReadOnly));
    const QByteArray jpgBytes = jpg.readAll();

    // Files with no page to find at all, and damaged ones whose header still names a page.
    const QString unreadable[] = {
        files.WriteBytes("empty.png", {}),
        files.WriteBytes("noise.jpg", QByteArray(500, '\x5a')),
        files.WriteBytes("broken.pdf", "%PDF-1.4\n1 0 obj << /Type /Catalog >> endobj\n"),
        files.Path("missing.png"),
        files.Path(""),  // a folder
    };
    const QString damaged[] = {
        files.WriteBytes("header-only.png", pngBytes.left(30)),
        files.WriteBytes("cut.jpg", jpgBytes.left(120)),
        files.WriteBytes("noise.tga", QByteArray("\x00\x00\x63\x00", 4) + QByteArray(7, '\xff')),
        files.WriteBytes("broken.tif", QByteArray("II*\0\x08\0\0\0", 8) + QByteArray(16, '\xff')),
    };
    const auto check = [&](const QString& path) {
        SCOPED_TRACE(path.toStdString());
        viewer.SetImageFile(good);
        ASSERT_TRUE(viewer.HasImage());
        viewer.SetImageFile(path);  // replaces the previous picture with nothing
        ExpectEmpty(viewer);
        EXPECT_EQ(viewer.GetImageFile(), path);
        EXPECT_EQ(viewer.LoadPage(path, 1), 0);
        ExpectEmpty(viewer);
    };
    for (const QString& path : unreadable) {
        check(path);
        EXPECT_EQ(viewer.PageCount(), 0);
    }
    for (const QString& path : damaged)
        check(path);
    viewer.SetImageFile("");
    ExpectEmpty(viewer);
    EXPECT_EQ(viewer.GetImageFile(), "");
}

namespace {

QByteArray Header(quint32 width, quint32 height, char depth, char colourType)
{
    char data[13] = {};
    qToBigEndian(width, data);
    qToBigEndian(height, data + 4);
    data[8] = depth;
    data[9] = colourType;
    return {data, 13};
}

// Rows of `width` 3-byte pixels, each behind a "no filter" byte, from a fixed pseudo-random
// sequence: they compress poorly, so half the stream is half the picture.
QByteArray NoisyRgbRows(int width, int height)
{
    QByteArray rows;
    quint32 state = 12345;
    for (int y = 0; y < height; ++y) {
        rows.append('\0');
        for (int i = 0; i < width * 3; ++i) {
            state = state * 1103515245u + 12345u;
            rows.append(static_cast<char>(state >> 24));
        }
    }
    return rows;
}

// Loads `path` in the conversion control and saves it as `format`; the reason when either fails.
QString ConvertReason(const QString& path, const QString& base, const QString& format = QStringLiteral("bmp"))
{
    const std::unique_ptr<IImagingControl> control = CreateHeadlessImagingControl();
    control->SetImageFile(path);
    if (!control->LastError().isEmpty())
        return control->LastError();
    return control->SaveImage(base, format) == 1 ? QString() : control->LastError();
}

}  // namespace

TEST(ImagingLoad, DamagedPngsFailWithAReasonInPlainWords)
{
    Fixtures files;
    const QByteArray palette("\xff\0\0\0\0\xff", 6);  // two entries
    QByteArray indexRows;
    for (int y = 0; y < 4; ++y)
        indexRows.append(QByteArray("\0", 1) + QByteArray("\1\1\1\5\1\1\1\1", 8));  // index 5 of 2
    const QByteArray noisy = Fixtures::Deflate(NoisyRgbRows(64, 64));
    const QByteArray rgbHeader = Header(64, 64, 8, 2);

    struct Case {
        QString path;
        QString words;  // what the reason must say, in any letter case
    };
    const Case cases[] = {
        {files.WritePngChunks("index.png", {{"IHDR", Header(8, 4, 8, 3)}, {"PLTE", palette},
                                            {"IDAT", Fixtures::Deflate(indexRows)}, {"IEND", {}}}),
         "colormap index"},
        {files.WritePngChunks("short.png", {{"IHDR", rgbHeader}, {"IDAT", noisy.left(noisy.size() / 2)}, {"IEND", {}}}),
         "not a readable PNG image"},
        {files.WritePngChunks("no-data.png", {{"IHDR", rgbHeader}, {"IEND", {}}}), "insufficient image data"},
        {files.WritePngChunks("bad-depth.png", {{"IHDR", Header(8, 8, 7, 2)}, {"IDAT", noisy}, {"IEND", {}}}),
         "not a readable PNG image"},
        {files.WriteBytes("words.png", "These are words, not pixels.\n"), "image"},
    };
    const QRegularExpression clientPrefix(QStringLiteral("^[A-Za-z0-9_.-]+: "));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const QString reason = ConvertReason(c.path, files.Path("out"));
        EXPECT_TRUE(reason.contains(c.words, Qt::CaseInsensitive)) << reason.toStdString();
        // No empty file-name quotes, library source locations or program-name prefix.
        EXPECT_FALSE(reason.contains(QLatin1Char('`'))) << reason.toStdString();
        EXPECT_FALSE(reason.contains(QStringLiteral(" @ "))) << reason.toStdString();
        EXPECT_FALSE(reason.contains(QStringLiteral("error/"))) << reason.toStdString();
        EXPECT_FALSE(reason.contains(QStringLiteral("No image was loaded"), Qt::CaseInsensitive)) << reason.toStdString();
        EXPECT_FALSE(clientPrefix.match(reason).hasMatch()) << reason.toStdString();
        EXPECT_FALSE(reason.trimmed().endsWith(QLatin1Char(':'))) << reason.toStdString();
        EXPECT_FALSE(QFile::exists(files.Path("out.bmp")));
    }
}

TEST(ImagingLoad, BrokenMetadataIsDroppedWhileThePictureConverts)
{
    Fixtures files;
    QByteArray rows;
    for (int y = 0; y < 6; ++y)
        rows.append(QByteArray("\0", 1) + QByteArray("\xc8\x64\x32", 3).repeated(10));
    // Text chunks whose keyword is empty or only blanks: no PNG writer accepts them back.
    const QString source = files.WritePngChunks(
        "empty-keyword.png", {{"IHDR", Header(10, 6, 8, 2)}, {"tEXt", QByteArray("\0no keyword", 11)},
                              {"tEXt", QByteArray("  \0blank keyword", 16)}, {"tEXt", QByteArray("Title\0kept", 10)},
                              {"IDAT", Fixtures::Deflate(rows)}, {"IEND", {}}});
    for (const char* format : {"png", "bmp", "jpg"}) {
        SCOPED_TRACE(format);
        const QString base = files.Path(QStringLiteral("out-%1").arg(QLatin1String(format)));
        EXPECT_EQ(ConvertReason(source, base, QLatin1String(format)).toStdString(), "");
        const QImage written(base + QLatin1Char('.') + QLatin1String(format));
        ASSERT_EQ(written.size(), QSize(10, 6));
        const QColor colour = written.pixelColor(4, 3);
        EXPECT_NEAR(colour.red(), 200, 8);
        EXPECT_NEAR(colour.green(), 100, 8);
        EXPECT_NEAR(colour.blue(), 50, 8);
    }
    // The sound text survives into a PNG.
    EXPECT_EQ(QImage(files.Path("out-png.png")).text(QStringLiteral("Title")), QStringLiteral("kept"));
}

TEST(ImagingLoad, DecompressionBombFailsAloneAndQuickly)
{
    Fixtures files;
    CImageViewer viewer;
    QElapsedTimer timer;
    timer.start();
    for (const QSize declared : {QSize(100'000, 16), QSize(12'000, 12'000)}) {
        viewer.SetImageFile(files.WritePngBomb("bomb.png", declared));
        ExpectEmpty(viewer);
    }
    EXPECT_LT(timer.elapsed(), 20'000);
    // The next ordinary file loads as usual.
    viewer.SetImageFile(files.WriteImage("after.png", "PNG", QSize(20, 10)));
    EXPECT_EQ(viewer.ImageSize(), QSize(20, 10));
}

TEST(ImagingPages, TiffAndPdfPagesCountAndLoadOneByOne)
{
    Fixtures files;
    const std::vector<QSize> sizes{QSize(10, 10), QSize(20, 15), QSize(30, 25)};
    const QString tif = files.WritePages("three.tif", "TIFF", sizes);
    const QString pdf = files.WritePdf("three.pdf", {QSize(72, 72), QSize(144, 72), QSize(216, 72)});
    const std::vector<QSize> pdfSizes{QSize(150, 150), QSize(300, 150), QSize(450, 150)};

    CImageViewer viewer;
    for (const auto& [path, expected] : {std::pair{tif, sizes}, std::pair{pdf, pdfSizes}}) {
        SCOPED_TRACE(path.toStdString());
        viewer.SetImageFile(path);
        EXPECT_EQ(viewer.ImageSize(), expected[0]);  // the first page
        EXPECT_EQ(viewer.PageCount(), 3);
        for (short page : {short(2), short(3), short(1), short(3)}) {
            EXPECT_EQ(viewer.LoadPage(path, page), 1);
            EXPECT_EQ(viewer.ImageSize(), expected[static_cast<std::size_t>(page - 1)]) << "page " << page;
            EXPECT_EQ(viewer.GetImageFile(), path);
            EXPECT_EQ(viewer.PageCount(), 3);
        }
        for (short outside : {short(0), short(4), short(-1)}) {
            EXPECT_EQ(viewer.LoadPage(path, outside), 0);
            EXPECT_FALSE(viewer.HasImage());
        }
    }

    // A single-page file has one page; so has a GIF with one frame, while frames count as pages.
    viewer.SetImageFile(files.WriteImage("one.png", "PNG", QSize(8, 8)));
    EXPECT_EQ(viewer.PageCount(), 1);
    const QString gif = files.WritePages("frames.gif", "GIF", sizes);
    EXPECT_EQ(viewer.LoadPage(gif, 2), 1);
    EXPECT_EQ(viewer.PageCount(), 3);
}
