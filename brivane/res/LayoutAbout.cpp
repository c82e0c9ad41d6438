#include "res/Layouts.h"
#include "res/ResourceIds.h"

namespace res {
namespace {

constexpr ControlDef kControls[] = {
    {kNoId, ControlKind::Icon, {}, {11, 17, 20, 20}, IDI_APP, 32},
    {kNoId, ControlKind::Static, "Brivane Version 2.0", {40, 23, 119, 8}},
    {IDOK, ControlKind::Button, "OK", {178, 7, 50, 14}, 0, 0, kStyleDefault},
};

constexpr DialogLayout kLayout{IDD_ABOUTBOX, "About Brivane", 235, 55, 8, kControls};

}  // namespace

const DialogLayout& AboutLayout() { return kLayout; }

}  // namespace res
