#include "Fixtures.h"

#include "imaging/CImageViewer.h"

#include <QImageReader>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

QColor At(QWidget& w, int x, int y)
{
    return w.grab().toImage().pixelColor(x, y);
}

bool Near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) <= 8 && std::abs(a.green() - b.green()) <= 8 &&
           std::abs(a.blue() - b.blue()) <= 8;
}

QScrollBar* Horizontal(CImageViewer& v)
{
    return v.findChild<QScrollArea*>()->horizontalScrollBar();
}

}  // namespace

TEST(ImagingDisplay, FitModeScalesIntoTheControlKeepingTheAspect)
{
    Fixtures files;
    CImageViewer viewer;
    viewer.resize(200, 100);
    viewer.show();
    viewer.SetImageFile(files.WriteImage("square.png", "PNG", QSize(400, 400)));
    viewer.SetDisplayMode(9);
    EXPECT_EQ(viewer.DisplayedSize(), QSize(100, 100));
    // Drawn centred: 50 px of background on each side of the picture's two halves.
    const QColor background = At(viewer, 10, 50);
    EXPECT_FALSE(Near(background, kLeft));
    EXPECT_TRUE(Near(At(viewer, 60, 50), kLeft));
    EXPECT_TRUE(Near(At(viewer, 140, 50), kRight));
    EXPECT_TRUE(Near(At(viewer, 190, 50), background));
    EXPECT_EQ(Horizontal(viewer)->maximum(), 0);

    // A small picture is enlarged to fit; the fit follows the control's size.
    viewer.SetImageFile(files.WriteImage("wide.png", "PNG", QSize(20, 5)));
    EXPECT_EQ(viewer.DisplayedSize(), QSize(200, 50));
    viewer.resize(100, 100);
    EXPECT_EQ(viewer.DisplayedSize(), QSize(100, 25));
    EXPECT_TRUE(Near(At(viewer, 25, 50), kLeft));
    EXPECT_TRUE(Near(At(viewer, 75, 50), kRight));
}

TEST(ImagingDisplay, OriginalSizeScrollsAndZoomStepsBy125)
{
    Fixtures files;
    CImageViewer viewer;
    viewer.resize(200, 100);
    viewer.show();
    viewer.SetImageFile(files.WriteImage("big.png", "PNG", QSize(400, 400)));
    viewer.SetDisplayMode(5);
    EXPECT_EQ(viewer.DisplayedSize(), QSize(400, 400));
    EXPECT_GT(Horizontal(viewer)->maximum(), 0);
    EXPECT_TRUE(Near(At(viewer, 10, 50), kLeft));  // unscaled top-left corner first

    Horizontal(viewer)->setValue(Horizontal(viewer)->maximum());
    EXPECT_TRUE(Near(At(viewer, 150, 50), kRight));  // scrolled to the right half

    viewer.ZoomIn();
    EXPECT_EQ(viewer.DisplayedSize(), QSize(500, 500));
    viewer.ZoomOut();
    viewer.ZoomOut();
    EXPECT_EQ(viewer.DisplayedSize(), QSize(320, 320));
    viewer.SetDisplayMode(5);  // "Original" drops the zoom
    EXPECT_EQ(viewer.DisplayedSize(), QSize(400, 400));

    // Zoom persists across pages of the same document and applies on top of fitting.
    viewer.SetDisplayMode(9);
    viewer.ZoomIn();
    EXPECT_EQ(viewer.DisplayedSize(), QSize(125, 125));
    viewer.SetImageFile(files.WriteImage("next.png", "PNG", QSize(400, 400)));
    EXPECT_EQ(viewer.DisplayedSize(), QSize(125, 125));

    // Zooming is bounded: far more steps than allowed neither overflow nor collapse.
    for (int i = 0; i < 100; ++i)
        viewer.ZoomIn();
    EXPECT_LE(viewer.DisplayedSize().width(), 32'767);
    for (int i = 0; i < 200; ++i)
        viewer.ZoomOut();
    EXPECT_GE(viewer.DisplayedSize().width(), 1);
}

TEST(ImagingDisplay, ClickAndDoubleClickSignals)
{
    Fixtures files;
    CImageViewer viewer;
    viewer.resize(200, 100);
    viewer.show();
    viewer.SetImageFile(files.WriteImage("p.png", "PNG", QSize(40, 40)));
    QSignalSpy clicks(&viewer, &CImageViewer::Click);
    QSignalSpy doubles(&viewer, &CImageViewer::DblClick);

    // On the picture (a child widget) and on the empty margin beside it.
    QWidget* picture = viewer.childAt(100, 50);
    ASSERT_NE(picture, nullptr);
    QTest::mouseClick(picture, Qt::LeftButton, {}, picture->mapFrom(&viewer, QPoint(100, 50)));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(&viewer, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);

    QTest::mouseDClick(picture, Qt::LeftButton, {}, picture->mapFrom(&viewer, QPoint(100, 50)));
    EXPECT_EQ(doubles.count(), 1);

    // An empty control reports clicks as well: the host decides what they mean.
    viewer.SetImageFile("");
    QTest::mouseDClick(&viewer, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(doubles.count(), 2);
}

TEST(ImagingExif, NamesAndValuesAsExiv2PrintsThem)
{
    Fixtures files;
    const QString jpeg = files.WriteJpegWithExif("camera.jpg", {{"Exif.Image.Make", "Brivane Test"},
                                                                {"Exif.Image.Orientation", "1"},
                                                                {"Exif.Photo.ExposureTime", "1/60"},
                                                                {"Exif.Photo.FNumber", "56/10"},
                                                                {"Exif.Photo.ISOSpeedRatings", "200"}});
    CImageViewer viewer;
    viewer.SetImageFile(jpeg);
    ASSERT_TRUE(viewer.HasImage());

    std::map<QString, QString> entries;
    const short n = viewer.ExifCount();
    for (short i = 0; i < n; ++i) {
        EXPECT_FALSE(viewer.ExifName(i).contains('.')) << "group must be left out";
        entries[viewer.ExifName(i)] = viewer.ExifValue(i);
    }
    EXPECT_EQ(entries["Make"], "Brivane Test");
    EXPECT_EQ(entries["Orientation"], "top, left");
    EXPECT_EQ(entries["ExposureTime"], "1/60 s");
    EXPECT_EQ(entries["FNumber"], "F5.6");
    EXPECT_EQ(entries["ISOSpeedRatings"], "200");
    EXPECT_GE(n, 5);
    EXPECT_EQ(static_cast<std::size_t>(n), entries.size());
    EXPECT_EQ(viewer.ExifName(n), "");
    EXPECT_EQ(viewer.ExifValue(-1), "");

    // The list belongs to the loaded file: another page of it keeps it, another file replaces it.
    EXPECT_EQ(viewer.LoadPage(jpeg, 1), 1);
    EXPECT_EQ(viewer.ExifCount(), n);
    viewer.SetImageFile(files.WriteImage("plain.png", "PNG", QSize(8, 8)));
    EXPECT_TRUE(viewer.HasImage());
    EXPECT_EQ(viewer.ExifCount(), 0);
    viewer.SetImageFile(files.WriteImage("plain.bmp", "BMP", QSize(8, 8)));  // a format exiv2 cannot read
    EXPECT_TRUE(viewer.HasImage());
    EXPECT_EQ(viewer.ExifCount(), 0);
}

namespace {

// A left-button drag from `from` to `to` (viewer coordinates), delivered where a user's mouse
// would: to the widget under the pointer.
void Drag(CImageViewer& viewer, QPoint from, QPoint to)
{
    QWidget* target = viewer.childAt(from);
    ASSERT_NE(target, nullptr);
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(target->mapFrom(&viewer, at)), QPointF(viewer.mapToGlobal(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

}  // namespace

TEST(ImagingSelection, DraggedRectangleIsKeptInImagePixelsAndSaved)
{
    Fixtures files;
    CImageViewer viewer;
    viewer.resize(300, 300);
    viewer.show();
    viewer.SetImageFile(files.WriteImage("pic.png", "PNG", QSize(200, 100)));
    viewer.SetDisplayMode(5);
    const QString base = files.Path("cut");
    EXPECT_NE(viewer.SaveSelection(base, "png"), 1);  // nothing drawn yet

    // Without the selection style a drag selects nothing.
    Drag(viewer, {60, 110}, {100, 140});
    EXPECT_TRUE(viewer.Selection().isEmpty());

    viewer.SetDisplayStyle(1);
    viewer.SetDisplayFlag(true);
    // The page is centred: image pixel (0, 0) is at (50, 100) in the control.
    Drag(viewer, {60, 110}, {100, 140});
    EXPECT_EQ(viewer.Selection(), QRect(10, 10, 40, 30));
    ASSERT_EQ(viewer.SaveSelection(base, "png"), 1) << viewer.LastError().toStdString();
    EXPECT_EQ(QImage(base + ".png").size(), QSize(40, 30));

    // Zooming does not move it; a drag while zoomed in is measured in image pixels.
    viewer.ZoomIn();
    EXPECT_EQ(viewer.Selection(), QRect(10, 10, 40, 30));
    viewer.SetDisplayMode(5);
    viewer.ZoomIn();
    viewer.ZoomIn();  // 1.5625 times: the page is 312 x 156, wider than the control
    Drag(viewer, {150, 150}, {150 + 50, 150 + 25});  // 50 x 25 screen pixels
    EXPECT_EQ(viewer.Selection().size(), QSize(32, 16));  // 50 / 1.5625, 25 / 1.5625
    ASSERT_EQ(viewer.SaveSelection(base, "bmp"), 1);
    EXPECT_EQ(QImage(base + ".bmp").size(), QSize(32, 16));

    // A new file clears it.
    viewer.SetImageFile(files.WriteImage("other.png", "PNG", QSize(50, 50)));
    EXPECT_TRUE(viewer.Selection().isEmpty());
}

namespace {

constexpr QSize kBigPage(4000, 3000);
constexpr QSize kPreviewBox(230, 170);  // the main window's preview

bool Covers(QSize picture, QSize box)
{
    return picture.width() >= box.width() && picture.height() >= box.height();
}

}  // namespace

TEST(ImagingPreview, JpegIsDecodedAtAScaleThatStillCoversTheBox)
{
    Fixtures files;
    const QString big = files.WriteImage("big.jpg", "JPEG", kBigPage);
    const std::unique_ptr<IImageEngine> engine = CreateImageEngine();
    // Up to the largest box that still halves the page: each side stays at least the box's and
    // the aspect ratio is kept.
    for (const QSize box : {kPreviewBox, QSize(1600, 1100), QSize(2000, 1500)}) {
        QSize page;
        const auto doc = engine->LoadReduced(big, 1, box, &page);
        ASSERT_NE(doc, nullptr);
        const QSize picture = doc->Size();
        EXPECT_EQ(page, kBigPage);
        EXPECT_TRUE(Covers(picture, box)) << box.width() << " x " << box.height();
        EXPECT_LE(picture.width(), kBigPage.width() / 2);
        EXPECT_NEAR(double(picture.width()) / picture.height(), 4.0 / 3.0, 0.01);
    }

    // No reduction: a box over half the page, a box larger than the page (never enlarged), no
    // box, and formats without a cheap reduced decode.
    const QString small = files.WriteImage("small.jpg", "JPEG", QSize(100, 80));
    const QString png = files.WriteImage("big.png", "PNG", QSize(2000, 1500));
    const std::pair<QString, QSize> whole[] = {
        {big, QSize(2001, 1000)}, {small, kPreviewBox}, {big, QSize()}, {png, kPreviewBox}};
    for (const auto& [path, box] : whole) {
        QSize size;
        const auto doc = engine->LoadReduced(path, 1, box, &size);
        ASSERT_NE(doc, nullptr);
        EXPECT_EQ(doc->Size(), size) << path.toStdString();
        EXPECT_EQ(size, QImageReader(path).size()) << path.toStdString();
    }
}

TEST(ImagingPreview, ReducedPictureShowsAndReportsTheWholeFile)
{
    Fixtures files;
    const QString jpeg = files.WriteJpegWithExif(
        "big.jpg", {{"Exif.Image.Make", "Brivane Test"}, {"Exif.Photo.FNumber", "56/10"}}, kBigPage);
    // As the viewer window and the converter have it: no maximum, decoded in full.
    CImageViewer whole;
    whole.resize(kPreviewBox);
    whole.SetImageFile(jpeg);
    whole.SetDisplayMode(9);
    EXPECT_EQ(whole.DecodedSize(), kBigPage);

    CImageViewer preview;
    preview.resize(kPreviewBox);
    preview.SetMaxShownSize(kPreviewBox);
    preview.show();
    preview.SetImageFile(jpeg);
    preview.SetDisplayMode(9);
    ASSERT_TRUE(preview.HasImage()) << preview.LastError().toStdString();
    const QSize needed = (QSizeF(kPreviewBox) * preview.devicePixelRatioF()).toSize();
    EXPECT_TRUE(Covers(preview.DecodedSize(), needed));
    EXPECT_LE(preview.DecodedSize().width(), kBigPage.width() / 4);

    // Everything it reports is the file's.
    EXPECT_EQ(preview.ImageSize(), kBigPage);
    EXPECT_EQ(preview.DisplayedSize(), whole.DisplayedSize());
    EXPECT_EQ(preview.PageCount(), 1);
    ASSERT_GE(preview.ExifCount(), 2);
    ASSERT_EQ(preview.ExifCount(), whole.ExifCount());
    for (short i = 0; i < preview.ExifCount(); ++i) {
        EXPECT_EQ(preview.ExifName(i), whole.ExifName(i));
        EXPECT_EQ(preview.ExifValue(i), whole.ExifValue(i));
    }
    // Drawn as the whole page would be: fit to 227 x 170, red left of the middle, blue right.
    EXPECT_TRUE(Near(At(preview, 60, 85), kLeft));
    EXPECT_TRUE(Near(At(preview, 170, 85), kRight));

    // A selection is kept in the page's pixels, and a save writes the whole page.
    preview.SetSelection(QRect(1000, 1000, 1500, 1000));
    // Its frame is drawn where those page pixels are shown: x = 1 + 1000 * 227 / 4000.
    const QImage shot = preview.grab().toImage();
    EXPECT_TRUE(Near(shot.pixelColor(50, 85), kLeft));
    bool framed = false;
    for (int x = 56; x <= 60; ++x)
        framed = framed || !Near(shot.pixelColor(x, 85), kLeft);
    EXPECT_TRUE(framed);
    ASSERT_EQ(preview.SaveSelection(files.Path("cut"), "jpg"), 1) << preview.LastError().toStdString();
    EXPECT_EQ(QImageReader(files.Path("cut.jpg")).size(), QSize(1500, 1000));
    ASSERT_EQ(preview.SaveImage(files.Path("copy"), "jpg"), 1) << preview.LastError().toStdString();
    EXPECT_EQ(QImageReader(files.Path("copy.jpg")).size(), kBigPage);

    // Shown larger than the maximum, the page is decoded in full rather than blown up.
    preview.SetImageFile(jpeg);
    EXPECT_LT(preview.DecodedSize().width(), kBigPage.width());
    preview.SetDisplayMode(5);
    preview.grab();
    EXPECT_EQ(preview.DecodedSize(), kBigPage);
    EXPECT_TRUE(Near(At(preview, 115, 85), kLeft));  // the top-left corner at original size
}
