// The PDF page of the Encoder Setting dialog, laid out in a smaller font than the other pages.
#include "res/Layouts.h"
#include "res/ResourceIds.h"

namespace res {
namespace {

constexpr unsigned kOff = kStyleDisabled;  // enabled by the page's security rules

constexpr ControlDef kControls[] = {
    {kNoId, ControlKind::GroupBox, "Info", {3, 0, 349, 42}},
    {kNoId, ControlKind::Static, "Title", {8, 9, 32, 8}},
    {IDC_PDF_TITLE, ControlKind::Edit, {}, {42, 6, 64, 14}},
    {kNoId, ControlKind::Static, "Subject", {115, 9, 34, 8}},
    {IDC_PDF_SUBJECT, ControlKind::Edit, {}, {151, 6, 64, 14}},
    {kNoId, ControlKind::Static, "Creator", {222, 9, 32, 8}},
    {IDC_PDF_CREATOR, ControlKind::Edit, {}, {256, 6, 64, 14}},
    {kNoId, ControlKind::Static, "Author", {8, 26, 32, 8}},
    {IDC_PDF_AUTHOR, ControlKind::Edit, {}, {42, 23, 64, 14}},
    {kNoId, ControlKind::Static, "Producer ", {115, 27, 34, 8}},
    {IDC_PDF_PRODUCER, ControlKind::Edit, {}, {151, 24, 64, 14}},
    {kNoId, ControlKind::Static, "Keyword", {222, 27, 32, 8}},
    {IDC_PDF_KEYWORD, ControlKind::Edit, {}, {256, 24, 64, 14}},

    {IDC_PDF_OUTPUT_PDFA, ControlKind::CheckBox, "Output PDF/A", {7, 48, 86, 10}},
    {IDC_PDF_NO_PASSWORD, ControlKind::RadioButton, "No Password", {8, 67, 83, 8}, 0, 0, kOff},
    {IDC_PDF_SECURE_40_USER, ControlKind::RadioButton, "Secure PDF with 40 bit RC4 and user password ", {8, 81, 182, 8}, 0, 0, kOff},
    {IDC_PDF_SECURE_128_USER, ControlKind::RadioButton, "Secure PDF with 128 bit RC4 and user password ", {8, 95, 181, 8}, 0, 0, kOff},
    {IDC_PDF_SECURE_40, ControlKind::RadioButton, "Secure PDF with 40 bit RC4 and no password ", {8, 109, 171, 8}, 0, 0, kOff},
    {IDC_PDF_SECURE_128, ControlKind::RadioButton, "Secure PDF with 128 bit RC4 and no password ", {8, 122, 175, 8}, 0, 0, kOff},

    {kNoId, ControlKind::GroupBox, "Password", {191, 48, 160, 39}},
    {kNoId, ControlKind::Static, "Owner Password", {196, 60, 66, 8}},
    {IDC_PDF_OWNER_PASSWORD, ControlKind::Edit, {}, {266, 58, 80, 12}, 0, 0, kOff},
    {kNoId, ControlKind::Static, "User Password", {196, 74, 66, 8}},
    {IDC_PDF_USER_PASSWORD, ControlKind::Edit, {}, {266, 72, 80, 12}, 0, 0, kOff},

    {kNoId, ControlKind::GroupBox, "40 bits Permission", {7, 133, 348, 28}},
    {IDC_PDF40_PRINT, ControlKind::CheckBox, "Printing", {12, 144, 39, 8}, 0, 0, kOff},
    {IDC_PDF40_EDIT, ControlKind::CheckBox, "Enable Editing", {94, 144, 61, 8}, 0, 0, kOff},
    {IDC_PDF40_EXTRACT, ControlKind::CheckBox, "Enable Extraction", {180, 144, 72, 8}, 0, 0, kOff},
    {IDC_PDF40_ANNOTATE, ControlKind::CheckBox, "Modify Annotations", {260, 144, 80, 8}, 0, 0, kOff},

    {kNoId, ControlKind::GroupBox, "128 bits Permission", {7, 165, 348, 43}},
    {IDC_PDF128_PRINT, ControlKind::CheckBox, "Printing", {12, 178, 39, 8}, 0, 0, kOff},
    {IDC_PDF128_HIGH_PRINT, ControlKind::CheckBox, "High Quality Printing", {95, 178, 84, 8}, 0, 0, kOff},
    {IDC_PDF128_EDIT, ControlKind::CheckBox, "Enable Editing", {182, 178, 61, 8}, 0, 0, kOff},
    {IDC_PDF128_EXTRACT, ControlKind::CheckBox, "Enable Extraction", {260, 178, 84, 8}, 0, 0, kOff},
    {IDC_PDF128_ANNOTATE, ControlKind::CheckBox, "Modify Annotations", {12, 194, 77, 8}, 0, 0, kOff},
    {IDC_PDF128_FILL_FORMS, ControlKind::CheckBox, "Enable Fill Forms", {95, 194, 73, 8}, 0, 0, kOff},
    {IDC_PDF128_EXTRACT_TEXT, ControlKind::CheckBox, "Extraction Text", {182, 194, 63, 8}, 0, 0, kOff},
    {IDC_PDF128_ASSEMBLE, ControlKind::CheckBox, "Assembly Document", {260, 195, 91, 8}, 0, 0, kOff},
};

constexpr DialogLayout kLayout{IDD_PDF_PAGE, {}, 368, 214, 7, kControls};

}  // namespace

const DialogLayout& PdfPageLayout() { return kLayout; }

}  // namespace res
