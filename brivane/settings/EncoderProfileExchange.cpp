#include "settings/EncoderProfileExchange.h"

#include "settings/CBmpPage.h"
#include "settings/CEncoderSettingDlg.h"
#include "settings/CGifPage.h"
#include "settings/CJpegPage.h"
#include "settings/CPdfPage.h"
#include "settings/CResizePage.h"
#include "settings/CTiffPage.h"

#include <span>

namespace {

using P = ConversionProfile;

template <class Page>
struct IntField {
    int P::*profile;
    int Page::*page;
};

struct TextField {
    std::string P::*profile;
    QString CPdfPage::*page;
};

constexpr IntField<CResizePage> kResize[] = {
    {&P::ResizeKeepOrg, &CResizePage::m_keepOrg},
    {&P::ResizeWidth, &CResizePage::m_width},
    {&P::ResizeHeight, &CResizePage::m_height},
};
constexpr IntField<CBmpPage> kBmp[] = {
    {&P::BmpDPIX, &CBmpPage::m_dpiX},
    {&P::BmpDPIY, &CBmpPage::m_dpiY},
    {&P::BmpBppIndex, &CBmpPage::m_bppIndex},
};
constexpr IntField<CJpegPage> kJpeg[] = {
    {&P::JPEGQuality, &CJpegPage::m_quality},
    {&P::KeepEXIF, &CJpegPage::m_keepExif},
};
constexpr IntField<CTiffPage> kTiff[] = {
    {&P::TIFCompIndex, &CTiffPage::m_compIndex},
    {&P::TIFBppIndex, &CTiffPage::m_bppIndex},
};
constexpr IntField<CGifPage> kGif[] = {
    {&P::GIFMaxColorIndex, &CGifPage::m_maxColorIndex},
    {&P::GIFQuanIndex, &CGifPage::m_quanIndex},
    {&P::GIFErrorDiff, &CGifPage::m_errorDiff},
};
constexpr IntField<CPdfPage> kPdf[] = {
    {&P::OutputPDFA, &CPdfPage::m_outputPdfa},
    {&P::OutputPDFAType, &CPdfPage::m_securityType},
};
constexpr TextField kPdfTexts[] = {
    {&P::PDFTitle, &CPdfPage::m_title},       {&P::PDFSubject, &CPdfPage::m_subject},
    {&P::PDFCreator, &CPdfPage::m_creator},   {&P::PDFAuthor, &CPdfPage::m_author},
    {&P::PDFProducer, &CPdfPage::m_producer}, {&P::PDFKeyword, &CPdfPage::m_keyword},
    {&P::PDFAOwnerPassword, &CPdfPage::m_ownerPassword}, {&P::PDFAUserPassword, &CPdfPage::m_userPassword},
};
// In the order of the page's permission arrays.
constexpr int P::*kPermissions40[] = {&P::PDFA40EnablePrint, &P::PDFA40EnableEdit, &P::PDFA40EnableExtractor,
                                      &P::PDFA40EnableAnno};
constexpr int P::*kPermissions128[] = {
    &P::PDFA128EnablePrint,    &P::PDFA128EnableHighPrint, &P::PDFA128EnableEdit,
    &P::PDFA128EnableExtractor, &P::PDFA128EnableAnno,     &P::PDFA128EnableFillForm,
    &P::PDFA128EnableExtractText, &P::PDFA128EnableAssDoc,
};
static_assert(std::size(kPermissions40) == std::tuple_size_v<decltype(CPdfPage::m_permissions40)>);
static_assert(std::size(kPermissions128) == std::tuple_size_v<decltype(CPdfPage::m_permissions128)>);

template <class Page>
void ToPage(const P& profile, Page& page, std::span<const IntField<Page>> fields)
{
    for (const auto& field : fields)
        page.*field.page = profile.*field.profile;
}

template <class Page>
void ToProfile(const Page& page, P& profile, std::span<const IntField<Page>> fields)
{
    for (const auto& field : fields)
        profile.*field.profile = page.*field.page;
}

}  // namespace

void CopyProfileToPages(const ConversionProfile& profile, CEncoderSettingDlg& dialog)
{
    ToPage<CResizePage>(profile, dialog.Resize(), kResize);
    ToPage<CBmpPage>(profile, dialog.Bmp(), kBmp);
    ToPage<CJpegPage>(profile, dialog.Jpeg(), kJpeg);
    ToPage<CTiffPage>(profile, dialog.Tiff(), kTiff);
    ToPage<CGifPage>(profile, dialog.Gif(), kGif);
    dialog.Gif().m_transColor = profile.GIFTranColor;

    CPdfPage& pdf = dialog.Pdf();
    ToPage<CPdfPage>(profile, pdf, kPdf);
    for (const auto& field : kPdfTexts)
        pdf.*field.page = QString::fromStdString(profile.*field.profile);
    for (std::size_t i = 0; i < std::size(kPermissions40); ++i)
        pdf.m_permissions40[i] = profile.*kPermissions40[i];
    for (std::size_t i = 0; i < std::size(kPermissions128); ++i)
        pdf.m_permissions128[i] = profile.*kPermissions128[i];
}

void CopyPagesToProfile(const CEncoderSettingDlg& dialog, ConversionProfile& profile)
{
    ToProfile<CResizePage>(dialog.Resize(), profile, kResize);
    ToProfile<CBmpPage>(dialog.Bmp(), profile, kBmp);
    ToProfile<CJpegPage>(dialog.Jpeg(), profile, kJpeg);
    ToProfile<CTiffPage>(dialog.Tiff(), profile, kTiff);
    ToProfile<CGifPage>(dialog.Gif(), profile, kGif);
    profile.GIFTranColor = dialog.Gif().m_transColor;

    const CPdfPage& pdf = dialog.Pdf();
    ToProfile<CPdfPage>(pdf, profile, kPdf);
    for (const auto& field : kPdfTexts)
        profile.*field.profile = (pdf.*field.page).toStdString();
    for (std::size_t i = 0; i < std::size(kPermissions40); ++i)
        profile.*kPermissions40[i] = pdf.m_permissions40[i];
    for (std::size_t i = 0; i < std::size(kPermissions128); ++i)
        profile.*kPermissions128[i] = pdf.m_permissions128[i];
}

bool RunEncoderSettings(ConversionProfile& profile, QWidget* parent)
{
    CEncoderSettingDlg dialog(parent);
    CopyProfileToPages(profile, dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    CopyPagesToProfile(dialog, profile);
    return true;
}
