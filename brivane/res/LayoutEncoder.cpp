#include "res/Layouts.h"
#include "res/ResourceIds.h"

namespace res {
namespace {

constexpr ControlDef kControls[] = {
    {IDOK, ControlKind::Button, "OK", {330, 209, 50, 14}, IDI_OK, 16, kStyleDefault},
    {IDCANCEL, ControlKind::Button, "Cancel", {386, 209, 50, 14}, IDI_CANCEL, 16},
    {kNoId, ControlKind::GroupBox, {}, {15, 2, 101, 206}},
    {IDC_PAGE_RESIZE, ControlKind::Button, "Resize", {30, 10, 79, 20}, IDI_RESIZE, 32},
    {IDC_PAGE_BMP, ControlKind::Button, "BMP", {30, 33, 79, 20}, IDI_BMP, 32},
    {IDC_PAGE_JPEG, ControlKind::Button, "JPEG", {30, 56, 79, 20}, IDI_JPEG, 32},
    {IDC_PAGE_TIFF, ControlKind::Button, "TIFF", {30, 81, 79, 20}, IDI_TIFF, 32},
    {IDC_PAGE_GIF, ControlKind::Button, "GIF", {30, 106, 79, 20}, IDI_GIF, 32},
    {IDC_PAGE_PDF, ControlKind::Button, "PDF", {30, 129, 79, 20}, IDI_PDF, 32},
    {IDC_PAGE_FRAME, ControlKind::GroupBox, {}, {119, 2, 339, 206}},
};

constexpr DialogLayout kLayout{IDD_ENCODER, "Encoder Setting", 471, 230, 8, kControls};

}  // namespace

const DialogLayout& EncoderLayout() { return kLayout; }

}  // namespace res
