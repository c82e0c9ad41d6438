// The main window's Encoder Setting button: the dialog edits the profile's encoder fields, and
// what OK keeps is what the settings file holds afterwards.
#include "app/CMainDlg.h"
#include "res/CColorButton.h"
#include "res/ResourceIds.h"
#include "settings/CEncoderSettingDlg.h"
#include "settings/CGifPage.h"
#include "settings/CJpegPage.h"
#include "TestSupport.h"

#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

class EncoderButtonTest : public QObject {
    Q_OBJECT
private slots:
    void okStoresEncoderFieldsAndLeavesTheRest();
    void cancelLeavesTheProfile();
};

namespace {

QString IniText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

void EncoderButtonTest::okStoresEncoderFieldsAndLeavesTheRest()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("mysetting.ini");
    ConversionProfile stored;
    stored.Prefix = "pre_";
    stored.OverWrite = 1;
    stored.GIFTranColor = 0x00FF0000;
    stored.PDFSubject = "kept";
    QVERIFY(SaveProfile(stored, ini.toStdString()));

    auto window = std::make_unique<CMainDlg>(ini.toStdString());
    bool opened = false;
    test::OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CEncoderSettingDlg*>(modal);
        QVERIFY(dialog);
        opened = true;
        dialog->Controls().Get<QPushButton>(res::IDC_PAGE_JPEG)->click();
        dialog->Jpeg().Controls().Get<QLineEdit>(res::IDC_JPEG_QUALITY)->setText("55");
        dialog->Controls().Get<QPushButton>(res::IDC_PAGE_GIF)->click();
        test::OnNextModal([](QWidget* chooser) {
            auto* colours = qobject_cast<QColorDialog*>(chooser);
            QVERIFY(colours);
            colours->setCurrentColor(QColor(12, 34, 56));
            colours->accept();
        });
        dialog->Gif().ColorPicker()->click();
        dialog->Controls().Get<QPushButton>(res::IDOK)->click();
    });
    window->Controls().Get<QPushButton>(res::IDC_ENCODER)->click();
    QVERIFY(opened);

    ConversionProfile expected = stored;
    expected.OutputFolder = window->Profile().OutputFolder;  // the window fills in a default folder
    expected.JPEGQuality = 55;
    expected.GIFTranColor = 12u | (34u << 8) | (56u << 16);
    QVERIFY(window->Profile() == expected);

    window.reset();  // the window writes the profile when it goes
    const QString text = IniText(ini);
    QVERIFY(text.contains("GIFcolorTranColorR=12\n"));
    QVERIFY(text.contains("GIFcolorTranColorG=34\n"));
    QVERIFY(text.contains("GIFcolorTranColorB=56\n"));
    QVERIFY(text.contains("JPEGQuality=55\n"));
}

void EncoderButtonTest::cancelLeavesTheProfile()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("mysetting.ini");
    QVERIFY(SaveProfile(ConversionProfile{}, ini.toStdString()));
    CMainDlg window(ini.toStdString());
    const ConversionProfile before = window.Profile();
    test::OnNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<CEncoderSettingDlg*>(modal);
        QVERIFY(dialog);
        dialog->Jpeg().Controls().Get<QLineEdit>(res::IDC_JPEG_QUALITY)->setText("5");
        dialog->reject();
    });
    window.Controls().Get<QPushButton>(res::IDC_ENCODER)->click();
    QVERIFY(window.Profile() == before);
}

QTEST_MAIN(EncoderButtonTest)
#include "tst_encoder_button.moc"
