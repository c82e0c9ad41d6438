#include "res/Layouts.h"
#include "res/ResourceIds.h"

namespace res {
namespace {

constexpr ControlDef kControls[] = {
    {kNoId, ControlKind::Static, "FileName prefix:", {7, 14, 60, 9}},
    {IDC_PREFIX, ControlKind::Edit, {}, {71, 13, 56, 13}},
    {kNoId, ControlKind::Static, "FileName suffix:", {7, 34, 61, 9}},
    {IDC_SUFFIX, ControlKind::Edit, {}, {71, 33, 56, 13}},
    {IDC_PROMPT_OVERWRITE, ControlKind::CheckBox, "Prompt for overwrite existing files", {7, 56, 196, 10}},
    {IDC_OPEN_FOLDER, ControlKind::CheckBox, "Open output folder when convert completed", {7, 70, 196, 10}},
    {IDOK, ControlKind::Button, "OK", {174, 7, 50, 14}, IDI_OK, 16, kStyleDefault},
    {IDCANCEL, ControlKind::Button, "Cancel", {174, 24, 50, 14}, IDI_CANCEL, 16},
};

constexpr DialogLayout kLayout{IDD_OPTION, "Option", 231, 93, 8, kControls};

}  // namespace

const DialogLayout& OptionLayout() { return kLayout; }

}  // namespace res
