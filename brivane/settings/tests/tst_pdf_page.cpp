// The PDF page: the PDF/A switch gates the five security choices, and the checked choice gates
// the password and permission boxes.
#include "PageTestSupport.h"

#include "settings/CPdfPage.h"

#include <QLabel>
#include <QRadioButton>
#include <QtTest>

using namespace test;

namespace {

constexpr int kChoices[] = {res::IDC_PDF_NO_PASSWORD, res::IDC_PDF_SECURE_40_USER, res::IDC_PDF_SECURE_128_USER,
                            res::IDC_PDF_SECURE_40, res::IDC_PDF_SECURE_128};
constexpr int kPasswords[] = {res::IDC_PDF_OWNER_PASSWORD, res::IDC_PDF_USER_PASSWORD};
constexpr int kPermissions40[] = {res::IDC_PDF40_PRINT, res::IDC_PDF40_EDIT, res::IDC_PDF40_EXTRACT,
                                  res::IDC_PDF40_ANNOTATE};
constexpr int kPermissions128[] = {res::IDC_PDF128_PRINT,   res::IDC_PDF128_HIGH_PRINT,  res::IDC_PDF128_EDIT,
                                   res::IDC_PDF128_EXTRACT, res::IDC_PDF128_ANNOTATE,    res::IDC_PDF128_FILL_FORMS,
                                   res::IDC_PDF128_EXTRACT_TEXT, res::IDC_PDF128_ASSEMBLE};

// Enabled state of each group: the five choices, the passwords, the 40-bit and 128-bit boxes.
// A group whose members disagree shows as 'mixed'.
QString Groups(const CPdfPage& page)
{
    const auto state = [&](std::span<const int> ids) {
        int on = 0;
        for (int id : ids)
            on += Control(page, id)->isEnabled() ? 1 : 0;
        return on == 0 ? QStringLiteral("off") : on == static_cast<int>(ids.size()) ? QStringLiteral("on") : QStringLiteral("mixed");
    };
    return QStringList{state(kChoices), state(kPasswords), state(kPermissions40), state(kPermissions128)}.join(' ');
}

QAbstractButton* Choice(const CPdfPage& page, int choice) { return Check(page, kChoices[choice]); }

}  // namespace

class PdfPageTest : public QObject {
    Q_OBJECT
private slots:
    void storedChoiceRowAppliesAtCreation_data();
    void storedChoiceRowAppliesAtCreation();
    void switchOffFreezesTheSecurityArea();
    void switchOnEnablesOnlyTheChoices();
    void changingChoiceKeepsTheChecksOfDisabledBoxes();
    void noStoredChoiceStaysNone();
    void captionsKeepTheirTrailingSpaces();
    void passwordsAreShownAsTyped();
};

void PdfPageTest::storedChoiceRowAppliesAtCreation_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("groups");
    QTest::newRow("no password") << 0 << "on off off off";
    QTest::newRow("40 bit, user password") << 1 << "on on on off";
    QTest::newRow("128 bit, user password") << 2 << "on on off on";
    QTest::newRow("40 bit, no password") << 3 << "on off on off";
    QTest::newRow("128 bit, no password") << 4 << "on off off on";
}

void PdfPageTest::storedChoiceRowAppliesAtCreation()
{
    QFETCH(int, choice);
    QFETCH(QString, groups);
    ConversionProfile profile;
    profile.OutputPDFA = 1;
    profile.OutputPDFAType = choice;
    auto dialog = OpenDialog(profile);
    QCOMPARE(Groups(dialog->Pdf()), groups);
    QVERIFY(Choice(dialog->Pdf(), choice)->isChecked());

    // Clicking a choice applies its row, whichever choice was there before.
    for (int other = 0; other < 5; ++other) {
        Choice(dialog->Pdf(), other)->click();
        Choice(dialog->Pdf(), choice)->click();
        QCOMPARE(Groups(dialog->Pdf()), groups);
    }
}

void PdfPageTest::switchOffFreezesTheSecurityArea()
{
    ConversionProfile stored = UnusualProfile();
    stored.OutputPDFA = 0;
    stored.OutputPDFAType = 1;
    ConversionProfile profile = stored;
    auto dialog = OpenDialog(profile);
    CPdfPage& page = dialog->Pdf();
    QCOMPARE(Groups(page), QStringLiteral("off off off off"));
    QVERIFY(Choice(page, 1)->isChecked());
    QCOMPARE(Edit(page, res::IDC_PDF_USER_PASSWORD)->text(), QStringLiteral("user"));
    QVERIFY(PressOk(*dialog, profile));
    QVERIFY(profile == stored);

    // Switching off later disables everything again.
    profile.OutputPDFA = 1;
    auto on = OpenDialog(profile);
    Check(on->Pdf(), res::IDC_PDF_OUTPUT_PDFA)->click();
    QCOMPARE(Groups(on->Pdf()), QStringLiteral("off off off off"));
}

void PdfPageTest::switchOnEnablesOnlyTheChoices()
{
    ConversionProfile profile;
    profile.OutputPDFA = 0;
    profile.OutputPDFAType = 2;
    auto dialog = OpenDialog(profile);
    CPdfPage& page = dialog->Pdf();
    Check(page, res::IDC_PDF_OUTPUT_PDFA)->click();
    QCOMPARE(Groups(page), QStringLiteral("on off off off"));
    // The boxes of the checked choice come on only when it is clicked again.
    Choice(page, 2)->click();
    QCOMPARE(Groups(page), QStringLiteral("on on off on"));

    // Off and on again: the boxes stay off until a choice is clicked.
    Check(page, res::IDC_PDF_OUTPUT_PDFA)->click();
    Check(page, res::IDC_PDF_OUTPUT_PDFA)->click();
    QCOMPARE(Groups(page), QStringLiteral("on off off off"));
    Choice(page, 4)->click();
    QCOMPARE(Groups(page), QStringLiteral("on off off on"));
    Choice(page, 0)->click();
    QCOMPARE(Groups(page), QStringLiteral("on off off off"));

    QVERIFY(PressOk(*dialog, profile));
    QCOMPARE(profile.OutputPDFA, 1);
    QCOMPARE(profile.OutputPDFAType, 0);
}

void PdfPageTest::changingChoiceKeepsTheChecksOfDisabledBoxes()
{
    ConversionProfile profile = UnusualProfile();  // PDF/A on, choice 2, some permissions off
    auto dialog = OpenDialog(profile);
    CPdfPage& page = dialog->Pdf();
    Check(page, res::IDC_PDF128_PRINT)->click();  // on -> off
    Choice(page, 1)->click();
    QCOMPARE(Groups(page), QStringLiteral("on on on off"));
    QVERIFY(!Check(page, res::IDC_PDF128_PRINT)->isChecked());
    Check(page, res::IDC_PDF40_EDIT)->click();  // on -> off
    Edit(page, res::IDC_PDF_OWNER_PASSWORD)->setText("other");

    QVERIFY(PressOk(*dialog, profile));
    ConversionProfile expected = UnusualProfile();
    expected.OutputPDFAType = 1;
    expected.PDFA128EnablePrint = 0;
    expected.PDFA40EnableEdit = 0;
    expected.PDFAOwnerPassword = "other";
    QVERIFY(profile == expected);
}

void PdfPageTest::noStoredChoiceStaysNone()
{
    ConversionProfile profile;
    profile.OutputPDFA = 1;
    profile.OutputPDFAType = -1;
    auto dialog = OpenDialog(profile);
    for (int choice = 0; choice < 5; ++choice)
        QVERIFY(!Choice(dialog->Pdf(), choice)->isChecked());
    // No row applies: the boxes keep their initial disabled state.
    QCOMPARE(Groups(dialog->Pdf()), QStringLiteral("on off off off"));
    QVERIFY(PressOk(*dialog, profile));
    QCOMPARE(profile.OutputPDFAType, -1);
}

void PdfPageTest::captionsKeepTheirTrailingSpaces()
{
    auto dialog = OpenDialog(ConversionProfile{});
    QStringList labels;
    for (const QLabel* label : dialog->Pdf().findChildren<QLabel*>())
        labels << label->text();
    QVERIFY(labels.contains(QStringLiteral("Producer ")));
    const QString captions[] = {
        QStringLiteral("No Password"),
        QStringLiteral("Secure PDF with 40 bit RC4 and user password "),
        QStringLiteral("Secure PDF with 128 bit RC4 and user password "),
        QStringLiteral("Secure PDF with 40 bit RC4 and no password "),
        QStringLiteral("Secure PDF with 128 bit RC4 and no password "),
    };
    for (int choice = 0; choice < 5; ++choice)
        QCOMPARE(Choice(dialog->Pdf(), choice)->text(), captions[choice]);
}

void PdfPageTest::passwordsAreShownAsTyped()
{
    auto dialog = OpenDialog(UnusualProfile());
    for (int id : kPasswords)
        QCOMPARE(Edit(dialog->Pdf(), id)->echoMode(), QLineEdit::Normal);
    QCOMPARE(Edit(dialog->Pdf(), res::IDC_PDF_TITLE)->text(), QString::fromUtf8("Title \xc3\xa9"));
}

QTEST_MAIN(PdfPageTest)
#include "tst_pdf_page.moc"
