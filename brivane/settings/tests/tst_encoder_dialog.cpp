// The Encoder Setting dialog as a whole: its pages, switching between them, and what OK and
// Cancel hand back.
#include "PageTestSupport.h"

#include "res/CColorButton.h"
#include "settings/CBmpPage.h"
#include "settings/CGifPage.h"
#include "settings/CJpegPage.h"
#include "settings/CPdfPage.h"
#include "settings/CResizePage.h"
#include "settings/CTiffPage.h"

#include <QColorDialog>
#include <QMessageBox>
#include <QtTest>

using namespace test;

class EncoderDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnResizeWithEveryPageInsideTheFrame();
    void pageButtonsShowOnePageAtATime();
    void untouchedOkGivesBackTheSameValues();
    void listPositionOutsideItsListComesBackAsMinusOne();
    void cancelAfterChangesOnTwoPagesChangesNothing();
    void changesSurvivePageSwitchesAndReachTheProfileThroughOk();
    void nonIntegerKeepsTheDialogOpenOnItsPage_data();
    void nonIntegerKeepsTheDialogOpenOnItsPage();
    void disabledNumberBoxIsNotChecked();
    void pickedColourCountsOnlyThroughOk();
};

void EncoderDialogTest::opensOnResizeWithEveryPageInsideTheFrame()
{
    auto dialog = OpenDialog(ConversionProfile{});
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Encoder Setting"));
    QCOMPARE(dialog->CurrentPage(), &dialog->Resize());

    const QRect frame = dialog->Controls().Get(res::IDC_PAGE_FRAME)->geometry();
    const CSettingPage* pages[] = {&dialog->Resize(), &dialog->Bmp(), &dialog->Jpeg(),
                                   &dialog->Tiff(),   &dialog->Gif(), &dialog->Pdf()};
    for (const CSettingPage* page : pages) {
        QCOMPARE(page->parentWidget(), dialog.get());
        QCOMPARE(page->pos(), frame.topLeft() + QPoint(5, 10));
        QVERIFY2(page->isWindow() == false, "a page is a child, not a window of its own");
        QVERIFY2(frame.contains(page->geometry()), page->metaObject()->className());
        for (const DialogControls::Control& control : page->Controls().All())
            QVERIFY2(page->rect().contains(control.widget->geometry()), qPrintable(control.widget->objectName()));
    }
    // The PDF page is laid out in a 7-point font, the others in 8 points.
    QCOMPARE(dialog->Pdf().font().pointSize(), 7);
    QCOMPARE(dialog->Bmp().font().pointSize(), 8);

    // Whatever page was shown last time, a new dialog opens on Resize.
    ShowPageOf(*dialog, res::IDC_PAGE_PDF);
    dialog.reset();
    auto again = OpenDialog(ConversionProfile{});
    QCOMPARE(again->CurrentPage(), &again->Resize());
}

void EncoderDialogTest::pageButtonsShowOnePageAtATime()
{
    auto dialog = OpenDialog(ConversionProfile{});
    const std::pair<int, CSettingPage*> buttons[] = {
        {res::IDC_PAGE_BMP, &dialog->Bmp()},   {res::IDC_PAGE_JPEG, &dialog->Jpeg()},
        {res::IDC_PAGE_TIFF, &dialog->Tiff()}, {res::IDC_PAGE_GIF, &dialog->Gif()},
        {res::IDC_PAGE_PDF, &dialog->Pdf()},   {res::IDC_PAGE_RESIZE, &dialog->Resize()},
    };
    for (const auto& [id, page] : buttons) {
        ShowPageOf(*dialog, id);
        QCOMPARE(dialog->CurrentPage(), page);
        int visible = 0;
        for (QObject* child : dialog->children())
            if (auto* other = qobject_cast<CSettingPage*>(child); other && other->isVisible())
                ++visible;
        QCOMPARE(visible, 1);
    }
}

void EncoderDialogTest::untouchedOkGivesBackTheSameValues()
{
    const ConversionProfile stored = UnusualProfile();
    ConversionProfile profile = stored;
    auto dialog = OpenDialog(profile);
    QVERIFY(PressOk(*dialog, profile));
    QVERIFY(profile == stored);

    // The same with the defaults, and with the security choice left unset.
    ConversionProfile plain;
    plain.OutputPDFAType = -1;
    ConversionProfile copy = plain;
    auto second = OpenDialog(copy);
    QVERIFY(PressOk(*second, copy));
    QVERIFY(copy == plain);
}

void EncoderDialogTest::listPositionOutsideItsListComesBackAsMinusOne()
{
    ConversionProfile profile = UnusualProfile();
    profile.BmpBppIndex = 6;  // the list has six entries, 0 to 5
    profile.TIFCompIndex = -3;
    profile.GIFMaxColorIndex = 5;
    profile.GIFQuanIndex = 99;
    profile.OutputPDFAType = 5;
    auto dialog = OpenDialog(profile);
    QCOMPARE(List(dialog->Bmp(), res::IDC_BMP_BPP)->currentText(), QString());
    QVERIFY(PressOk(*dialog, profile));
    QCOMPARE(profile.BmpBppIndex, -1);
    QCOMPARE(profile.TIFCompIndex, -1);
    QCOMPARE(profile.GIFMaxColorIndex, -1);
    QCOMPARE(profile.GIFQuanIndex, -1);
    QCOMPARE(profile.OutputPDFAType, -1);
    QCOMPARE(profile.TIFBppIndex, UnusualProfile().TIFBppIndex);
}

void EncoderDialogTest::cancelAfterChangesOnTwoPagesChangesNothing()
{
    const ConversionProfile stored = UnusualProfile();
    ConversionProfile profile = stored;
    bool seen = false;
    OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CEncoderSettingDlg*>(modal);
        QVERIFY(dialog);
        seen = true;
        Edit(dialog->Resize(), res::IDC_RESIZE_WIDTH)->setText("10");
        ShowPageOf(*dialog, res::IDC_PAGE_GIF);
        List(dialog->Gif(), res::IDC_GIF_QUANTIZER)->setCurrentIndex(0);
        dialog->Gif().ColorPicker()->SetColor(Qt::green);
        dialog->Controls().Get<QPushButton>(res::IDCANCEL)->click();
    });
    QVERIFY(!RunEncoderSettings(profile, nullptr));
    QVERIFY(seen);
    QVERIFY(profile == stored);
}

void EncoderDialogTest::changesSurvivePageSwitchesAndReachTheProfileThroughOk()
{
    ConversionProfile profile = UnusualProfile();
    OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CEncoderSettingDlg*>(modal);
        QVERIFY(dialog);
        ShowPageOf(*dialog, res::IDC_PAGE_BMP);
        Edit(dialog->Bmp(), res::IDC_BMP_DPI_X)->setText("600");
        List(dialog->Bmp(), res::IDC_BMP_BPP)->setCurrentIndex(5);
        ShowPageOf(*dialog, res::IDC_PAGE_PDF);
        Edit(dialog->Pdf(), res::IDC_PDF_TITLE)->setText("New title");
        ShowPageOf(*dialog, res::IDC_PAGE_JPEG);
        Check(dialog->Jpeg(), res::IDC_JPEG_KEEP_EXIF)->click();
        ShowPageOf(*dialog, res::IDC_PAGE_RESIZE);
        dialog->Controls().Get<QPushButton>(res::IDOK)->click();
    });
    QVERIFY(RunEncoderSettings(profile, nullptr));
    ConversionProfile expected = UnusualProfile();
    expected.BmpDPIX = 600;
    expected.BmpBppIndex = 5;
    expected.PDFTitle = "New title";
    expected.KeepEXIF = 1;
    QVERIFY(profile == expected);
}

void EncoderDialogTest::nonIntegerKeepsTheDialogOpenOnItsPage_data()
{
    QTest::addColumn<int>("pageButton");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("width") << res::IDC_PAGE_RESIZE << res::IDC_RESIZE_WIDTH << "12a";
    QTest::newRow("height, empty") << res::IDC_PAGE_RESIZE << res::IDC_RESIZE_HEIGHT << "";
    QTest::newRow("dpi y") << res::IDC_PAGE_BMP << res::IDC_BMP_DPI_Y << "7.5";
    QTest::newRow("quality, too big for an int") << res::IDC_PAGE_JPEG << res::IDC_JPEG_QUALITY << "99999999999";
}

void EncoderDialogTest::nonIntegerKeepsTheDialogOpenOnItsPage()
{
    QFETCH(int, pageButton);
    QFETCH(int, box);
    QFETCH(QString, text);

    const ConversionProfile stored = UnusualProfile();
    ConversionProfile profile = stored;
    auto dialog = OpenDialog(profile);
    ShowPageOf(*dialog, pageButton);
    CSettingPage* page = dialog->CurrentPage();
    QLineEdit* bad = Edit(*page, box);
    bad->setText(text);
    // Valid changes on other pages, made before and after the bad one, must wait for it too.
    Edit(dialog->Resize(), res::IDC_RESIZE_WIDTH == box ? res::IDC_RESIZE_HEIGHT : res::IDC_RESIZE_WIDTH)->setText("-40");
    Edit(dialog->Pdf(), res::IDC_PDF_AUTHOR)->setText("Someone");
    ShowPageOf(*dialog, res::IDC_PAGE_PDF);

    QString prompt;
    OnNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        prompt = box->text();
        box->accept();
    });
    dialog->Controls().Get<QPushButton>(res::IDOK)->click();
    QTRY_COMPARE(prompt, QStringLiteral("Please enter an integer."));
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->CurrentPage(), page);
    QCOMPARE(dialog->focusWidget(), bad);
    QCOMPARE(bad->selectedText(), text);
    QCOMPARE(bad->text(), text);
    // Nothing was read back: not even the pages before the bad one.
    QCOMPARE(dialog->Resize().m_width, stored.ResizeWidth);
    QCOMPARE(dialog->Resize().m_height, stored.ResizeHeight);
    QCOMPARE(dialog->Pdf().m_author, QString::fromStdString(stored.PDFAuthor));

    // Corrected, OK stores every page, integers outside any sensible range included.
    bad->setText(" 42 ");
    QVERIFY(PressOk(*dialog, profile));
    ConversionProfile expected = stored;
    const std::pair<int, int ConversionProfile::*> fields[] = {
        {res::IDC_RESIZE_WIDTH, &ConversionProfile::ResizeWidth},
        {res::IDC_RESIZE_HEIGHT, &ConversionProfile::ResizeHeight},
        {res::IDC_BMP_DPI_Y, &ConversionProfile::BmpDPIY},
        {res::IDC_JPEG_QUALITY, &ConversionProfile::JPEGQuality},
    };
    for (const auto& [id, member] : fields)
        if (id == box)
            expected.*member = 42;
    if (box == res::IDC_RESIZE_WIDTH)
        expected.ResizeHeight = -40;
    else
        expected.ResizeWidth = -40;
    expected.PDFAuthor = "Someone";
    QVERIFY(profile == expected);
}

void EncoderDialogTest::disabledNumberBoxIsNotChecked()
{
    const ConversionProfile stored = UnusualProfile();
    ConversionProfile profile = stored;
    auto dialog = OpenDialog(profile);
    QLineEdit* width = Edit(dialog->Resize(), res::IDC_RESIZE_WIDTH);
    QLineEdit* height = Edit(dialog->Resize(), res::IDC_RESIZE_HEIGHT);
    width->setText("abc");
    height->setText("99");
    Check(dialog->Resize(), res::IDC_RESIZE_KEEP_ORG)->click();
    QVERIFY(!width->isEnabled());
    ShowPageOf(*dialog, res::IDC_PAGE_GIF);  // the Resize page hidden changes nothing either

    QString prompt;
    OnNextModal(
        [&prompt](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                prompt = box->text();
                box->accept();
            }
        },
        5);
    const bool closed = PressOk(*dialog, profile);
    QTest::qWait(100);  // a prompt that never came must not be looked for in the next test
    QCOMPARE(prompt, QString());
    QVERIFY(closed);
    ConversionProfile expected = stored;
    expected.ResizeKeepOrg = 1;
    expected.ResizeHeight = 99;  // disabled boxes are read back like the others...
    QVERIFY(profile == expected);  // ...but the width, not an integer, keeps its stored value

    // Enabled again, the same text holds the dialog as any other.
    auto again = OpenDialog(stored);
    Edit(again->Resize(), res::IDC_RESIZE_WIDTH)->setText("abc");
    Check(again->Resize(), res::IDC_RESIZE_KEEP_ORG)->click();
    Check(again->Resize(), res::IDC_RESIZE_KEEP_ORG)->click();
    OnNextModal([&prompt](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            prompt = box->text();
            box->accept();
        }
    });
    again->Controls().Get<QPushButton>(res::IDOK)->click();
    QTRY_COMPARE(prompt, QStringLiteral("Please enter an integer."));
    QVERIFY(again->isVisible());
}

void EncoderDialogTest::pickedColourCountsOnlyThroughOk()
{
    ConversionProfile profile = UnusualProfile();
    auto dialog = OpenDialog(profile);
    ShowPageOf(*dialog, res::IDC_PAGE_GIF);
    CColorButton* picker = dialog->Gif().ColorPicker();
    QCOMPARE(picker->Color(), QColor(0, 0, 255));

    OnNextModal([](QWidget* modal) {
        auto* chooser = qobject_cast<QColorDialog*>(modal);
        QVERIFY(chooser);
        chooser->setCurrentColor(QColor(12, 34, 56));
        chooser->accept();
    });
    picker->click();
    QCOMPARE(picker->Color(), QColor(12, 34, 56));
    QCOMPARE(dialog->Gif().m_transColor, 0x00FF0000u);  // the page does not follow the picker

    // A chooser left with Cancel keeps the colour already shown.
    OnNextModal([](QWidget* modal) {
        auto* chooser = qobject_cast<QColorDialog*>(modal);
        QVERIFY(chooser);
        chooser->setCurrentColor(Qt::red);
        chooser->reject();
    });
    picker->click();
    QCOMPARE(picker->Color(), QColor(12, 34, 56));

    QVERIFY(PressOk(*dialog, profile));
    QCOMPARE(profile.GIFTranColor, 12u | (34u << 8) | (56u << 16));
}

QTEST_MAIN(EncoderDialogTest)
#include "tst_encoder_dialog.moc"
