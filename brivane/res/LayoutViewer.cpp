#include "res/Layouts.h"
#include "res/ResourceIds.h"

namespace res {
namespace {

using K = ControlKind;

constexpr ControlDef kControls[] = {
    {IDC_VIEWER_IMAGE, K::Custom, {}, {7, 7, 532, 310}},
    {IDC_ZOOM_IN, K::Button, "Zoom In", {7, 323, 48, 16}},
    {IDC_ZOOM_OUT, K::Button, "Zoom Out", {61, 322, 50, 17}},
    {IDC_ORIGINAL, K::Button, "Original", {117, 322, 50, 17}},
    {kNoId, K::Static, "Total Page:", {178, 326, 37, 9}},
    {IDC_PAGE_COUNT, K::Static, "1", {224, 326, 27, 10}},
    {kNoId, K::Static, "Current Page:", {252, 326, 47, 9}},
    {IDC_CURRENT_PAGE, K::Edit, {}, {302, 325, 27, 15}},
    {IDC_PREVIOUS_PAGE, K::Button, "Previous Page", {338, 322, 55, 17}},
    {IDC_NEXT_PAGE, K::Button, "Next Page", {398, 322, 55, 17}},
    {kNoId, K::GroupBox, {}, {7, 341, 391, 26}},
    {kNoId, K::Static, "Image Format", {14, 349, 47, 10}},
    {IDC_VIEWER_FORMAT, K::ComboBox, {}, {67, 349, 71, 159}, 0, 0, kStyleSorted},
    {IDC_EXPORT_IMAGE, K::Button, "Export Image", {148, 345, 79, 18}},
    {IDC_CROP_IMAGE, K::Button, "Crop Image", {243, 345, 79, 18}},
};

constexpr DialogLayout kLayout{IDD_VIEWER, "", 549, 374, 8, kControls};

}  // namespace

const DialogLayout& ViewerLayout() { return kLayout; }

}  // namespace res
