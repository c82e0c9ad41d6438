#include "settings/CPdfPage.h"

#include "res/Layouts.h"
#include "res/ResourceIds.h"

#include <QAbstractButton>

#include <utility>

namespace {

using namespace res;

constexpr std::pair<int, QString CPdfPage::*> kTexts[] = {
    {IDC_PDF_TITLE, &CPdfPage::m_title},       {IDC_PDF_SUBJECT, &CPdfPage::m_subject},
    {IDC_PDF_CREATOR, &CPdfPage::m_creator},   {IDC_PDF_AUTHOR, &CPdfPage::m_author},
    {IDC_PDF_PRODUCER, &CPdfPage::m_producer}, {IDC_PDF_KEYWORD, &CPdfPage::m_keyword},
    {IDC_PDF_OWNER_PASSWORD, &CPdfPage::m_ownerPassword}, {IDC_PDF_USER_PASSWORD, &CPdfPage::m_userPassword},
};

// In group order: a choice's position is its security type.
constexpr int kChoices[] = {IDC_PDF_NO_PASSWORD, IDC_PDF_SECURE_40_USER, IDC_PDF_SECURE_128_USER,
                            IDC_PDF_SECURE_40, IDC_PDF_SECURE_128};
constexpr int kPasswords[] = {IDC_PDF_OWNER_PASSWORD, IDC_PDF_USER_PASSWORD};
constexpr int kPermissions40[] = {IDC_PDF40_PRINT, IDC_PDF40_EDIT, IDC_PDF40_EXTRACT, IDC_PDF40_ANNOTATE};
constexpr int kPermissions128[] = {IDC_PDF128_PRINT,    IDC_PDF128_HIGH_PRINT,  IDC_PDF128_EDIT,
                                   IDC_PDF128_EXTRACT,  IDC_PDF128_ANNOTATE,    IDC_PDF128_FILL_FORMS,
                                   IDC_PDF128_EXTRACT_TEXT, IDC_PDF128_ASSEMBLE};

// Which boxes each security choice makes meaningful. Without a user password there is nothing
// for an owner password to guard against, so both password boxes go together.
struct SecurityRow {
    bool passwords;
    bool permissions40;
    bool permissions128;
};
constexpr SecurityRow kSecurityRows[] = {
    {false, false, false},  // no password
    {true, true, false},    // 40-bit with user password
    {true, false, true},    // 128-bit with user password
    {false, true, false},   // 40-bit, no password
    {false, false, true},   // 128-bit, no password
};
static_assert(std::size(kSecurityRows) == std::size(kChoices));
static_assert(std::size(kPermissions40) == std::tuple_size_v<decltype(CPdfPage::m_permissions40)>);
static_assert(std::size(kPermissions128) == std::tuple_size_v<decltype(CPdfPage::m_permissions128)>);

}  // namespace

CPdfPage::CPdfPage(QWidget* parent) : CSettingPage(res::PdfPageLayout(), parent)
{
    connect(Controls().Get<QAbstractButton>(IDC_PDF_OUTPUT_PDFA), &QAbstractButton::clicked, this,
            [this] { ApplyPdfaRule(); });
    // Clicking the choice that is already checked applies its row again.
    for (int choice = 0; choice < static_cast<int>(std::size(kChoices)); ++choice)
        connect(Controls().Get<QAbstractButton>(kChoices[choice]), &QAbstractButton::clicked, this,
                [this, choice] { ApplySecurityRule(choice); });
}

void CPdfPage::DataToControls()
{
    for (const auto& [id, member] : kTexts)
        PutText(id, this->*member);
    PutCheck(IDC_PDF_OUTPUT_PDFA, m_outputPdfa);
    PutRadioIndex(kChoices, m_securityType);
    PutChecks(kPermissions40, m_permissions40);
    PutChecks(kPermissions128, m_permissions128);
    ApplySecurityRule(m_securityType);
    ApplyPdfaRule();
}

void CPdfPage::ControlsToData()
{
    // Disabled controls are read like the others: what they hold is still the user's setting.
    for (const auto& [id, member] : kTexts)
        this->*member = GetText(id);
    m_outputPdfa = GetCheck(IDC_PDF_OUTPUT_PDFA);
    m_securityType = GetRadioIndex(kChoices);
    GetChecks(kPermissions40, m_permissions40);
    GetChecks(kPermissions128, m_permissions128);
}

void CPdfPage::ApplySecurityRule(int choice) const
{
    if (choice < 0 || choice >= static_cast<int>(std::size(kSecurityRows)))
        return;
    const SecurityRow& row = kSecurityRows[choice];
    EnableSecurityBoxes(row.passwords, row.permissions40, row.permissions128);
}

void CPdfPage::EnableSecurityBoxes(bool passwords, bool permissions40, bool permissions128) const
{
    EnableControls(kPasswords, passwords);
    EnableControls(kPermissions40, permissions40);
    EnableControls(kPermissions128, permissions128);
}

void CPdfPage::ApplyPdfaRule() const
{
    const bool on = GetCheck(IDC_PDF_OUTPUT_PDFA) != 0;
    EnableControls(kChoices, on);
    // Switched on, the boxes below stay as they are until a choice is clicked.
    if (!on)
        EnableSecurityBoxes(false, false, false);
}
