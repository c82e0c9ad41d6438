// The Resize, BMP, JPEG, TIFF and GIF pages: list entries, enable rules, the quality arrows.
#include "PageTestSupport.h"

#include "res/CSpinButton.h"
#include "settings/CBmpPage.h"
#include "settings/CGifPage.h"
#include "settings/CJpegPage.h"
#include "settings/CResizePage.h"
#include "settings/CTiffPage.h"

#include <QtTest>

using namespace test;

namespace {

QStringList Entries(const QComboBox* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

}  // namespace

class EncoderPagesTest : public QObject {
    Q_OBJECT
private slots:
    void listsHoldTheirEntriesInOrder();
    void storedPositionsShowTheirEntries();
    void keepOriginalSizeGatesWidthAndHeight();
    void tiffDepthFollowsLzw();
    void typedQualityIsStoredAsTyped();
    void qualityArrowsStayWithinOneToHundred();
};

void EncoderPagesTest::listsHoldTheirEntriesInOrder()
{
    auto dialog = OpenDialog(ConversionProfile{});
    QCOMPARE(Entries(List(dialog->Bmp(), res::IDC_BMP_BPP)),
             (QStringList{"1 bpp", "4 bpp", "8 bpp", "16 bpp", "24 bpp", "32 bpp"}));
    QCOMPARE(Entries(List(dialog->Tiff(), res::IDC_TIFF_COMPRESSION)),
             (QStringList{"LZW", "CCITT3", "CCITT4", "Packbits", "None"}));
    QCOMPARE(Entries(List(dialog->Tiff(), res::IDC_TIFF_BPP)),
             (QStringList{"1 bpp", "4 bpp", "8 bpp", "8 bpp (GrayScale)", "16 bpp", "24 bpp"}));
    QCOMPARE(Entries(List(dialog->Gif(), res::IDC_GIF_MAX_COLOR)), (QStringList{"16", "32", "64", "128", "256"}));
    QCOMPARE(Entries(List(dialog->Gif(), res::IDC_GIF_QUANTIZER)),
             (QStringList{"Basic", "Octree", "Mediancut", "NeuralNet"}));
    for (const QComboBox* list : dialog->findChildren<QComboBox*>())
        QVERIFY2(!list->isEditable(), "lists take no typing");
}

void EncoderPagesTest::storedPositionsShowTheirEntries()
{
    ConversionProfile profile;
    profile.BmpBppIndex = 3;
    profile.TIFBppIndex = 3;
    profile.GIFMaxColorIndex = 4;
    profile.GIFQuanIndex = 3;
    auto dialog = OpenDialog(profile);
    QCOMPARE(List(dialog->Bmp(), res::IDC_BMP_BPP)->currentText(), QStringLiteral("16 bpp"));
    QCOMPARE(List(dialog->Tiff(), res::IDC_TIFF_BPP)->currentText(), QStringLiteral("8 bpp (GrayScale)"));
    QCOMPARE(List(dialog->Gif(), res::IDC_GIF_MAX_COLOR)->currentText(), QStringLiteral("256"));
    QCOMPARE(List(dialog->Gif(), res::IDC_GIF_QUANTIZER)->currentText(), QStringLiteral("NeuralNet"));
}

void EncoderPagesTest::keepOriginalSizeGatesWidthAndHeight()
{
    ConversionProfile profile;
    profile.ResizeKeepOrg = 1;
    profile.ResizeWidth = 640;
    profile.ResizeHeight = 480;
    auto dialog = OpenDialog(profile);
    CResizePage& page = dialog->Resize();
    QLineEdit* width = Edit(page, res::IDC_RESIZE_WIDTH);
    QLineEdit* height = Edit(page, res::IDC_RESIZE_HEIGHT);
    QVERIFY(!width->isEnabled());
    QVERIFY(!height->isEnabled());
    QCOMPARE(width->text(), QStringLiteral("640"));
    QCOMPARE(height->text(), QStringLiteral("480"));

    Check(page, res::IDC_RESIZE_KEEP_ORG)->click();
    QVERIFY(width->isEnabled());
    QVERIFY(height->isEnabled());
    width->setText("800");

    Check(page, res::IDC_RESIZE_KEEP_ORG)->click();
    QVERIFY(!width->isEnabled());
    QVERIFY(!height->isEnabled());
    QVERIFY(PressOk(*dialog, profile));
    QCOMPARE(profile.ResizeKeepOrg, 1);
    QCOMPARE(profile.ResizeWidth, 800);  // disabled boxes are still read back
    QCOMPARE(profile.ResizeHeight, 480);

    profile.ResizeKeepOrg = 0;
    auto unchecked = OpenDialog(profile);
    QVERIFY(Edit(unchecked->Resize(), res::IDC_RESIZE_WIDTH)->isEnabled());
}

void EncoderPagesTest::tiffDepthFollowsLzw()
{
    ConversionProfile profile;
    profile.TIFCompIndex = 0;
    profile.TIFBppIndex = 4;
    auto dialog = OpenDialog(profile);
    QComboBox* compression = List(dialog->Tiff(), res::IDC_TIFF_COMPRESSION);
    QComboBox* depth = List(dialog->Tiff(), res::IDC_TIFF_BPP);
    QVERIFY(depth->isEnabled());

    for (int other = 1; other < compression->count(); ++other) {
        compression->setCurrentIndex(other);
        QVERIFY2(!depth->isEnabled(), qPrintable(compression->currentText()));
        QCOMPARE(depth->currentIndex(), 4);
    }
    compression->setCurrentIndex(0);
    QVERIFY(depth->isEnabled());
    QCOMPARE(depth->currentText(), QStringLiteral("16 bpp"));

    compression->setCurrentIndex(3);
    QVERIFY(PressOk(*dialog, profile));
    QCOMPARE(profile.TIFCompIndex, 3);
    QCOMPARE(profile.TIFBppIndex, 4);  // kept while disabled

    // Opened on a compression other than LZW, or on none, the list starts disabled.
    profile.TIFCompIndex = 4;
    QVERIFY(!List(OpenDialog(profile)->Tiff(), res::IDC_TIFF_BPP)->isEnabled());
    profile.TIFCompIndex = 7;
    QVERIFY(!List(OpenDialog(profile)->Tiff(), res::IDC_TIFF_BPP)->isEnabled());
}

void EncoderPagesTest::typedQualityIsStoredAsTyped()
{
    for (const int typed : {0, 150, -3}) {
        ConversionProfile profile;
        auto dialog = OpenDialog(profile);
        Edit(dialog->Jpeg(), res::IDC_JPEG_QUALITY)->setText(QString::number(typed));
        QVERIFY(PressOk(*dialog, profile));
        QCOMPARE(profile.JPEGQuality, typed);
    }
}

void EncoderPagesTest::qualityArrowsStayWithinOneToHundred()
{
    ConversionProfile profile;
    profile.JPEGQuality = 99;
    auto dialog = OpenDialog(profile);
    auto* spin = Control<CSpinButton>(dialog->Jpeg(), res::IDC_JPEG_SPIN);
    QLineEdit* quality = Edit(dialog->Jpeg(), res::IDC_JPEG_QUALITY);
    QCOMPARE(spin->Buddy(), quality);
    QCOMPARE(spin->Lower(), 1);
    QCOMPARE(spin->Upper(), 100);

    spin->Step(1);
    QCOMPARE(quality->text(), QStringLiteral("100"));
    spin->Step(1);
    QCOMPARE(quality->text(), QStringLiteral("100"));

    // Typed values outside the range stay until an arrow is used; then the arrow starts from
    // the nearest end.
    quality->setText("150");
    spin->Step(-1);
    QCOMPARE(quality->text(), QStringLiteral("99"));
    quality->setText("0");
    spin->Step(-1);
    QCOMPARE(quality->text(), QStringLiteral("1"));

    // The arrow keys in the box step it too; text that is no number steps from the last position.
    ShowPageOf(*dialog, res::IDC_PAGE_JPEG);
    quality->setText("1000000");
    QTest::keyClick(quality, Qt::Key_Down);
    QCOMPARE(quality->text(), QStringLiteral("99"));
    QTest::keyClick(quality, Qt::Key_Up);
    QCOMPARE(quality->text(), QStringLiteral("100"));
    quality->setText("abc");
    QTest::keyClick(quality, Qt::Key_Down);
    QCOMPARE(quality->text(), QStringLiteral("99"));

    QVERIFY(PressOk(*dialog, profile));
    QCOMPARE(profile.JPEGQuality, 99);
}

QTEST_MAIN(EncoderPagesTest)
#include "tst_encoder_pages.moc"
