#include "res/Layouts.h"
#include "res/ResourceIds.h"

namespace res {
namespace {

using K = ControlKind;

// Order is creation order, which is also the stacking order: the group box comes before the
// controls it frames so that they are drawn above it.
constexpr ControlDef kControls[] = {
    {IDC_ADD_FILES, K::Button, "Add Files", {7, 7, 68, 30}, IDI_ADD_FILES, 32},
    {IDC_ADD_FOLDER, K::Button, "Add Folder", {81, 7, 68, 30}, IDI_ADD_FOLDER, 32},
    {IDC_REMOVE, K::Button, "Remove", {156, 7, 68, 30}, IDI_REMOVE, 32},
    {IDC_REMOVE_ALL, K::Button, "Remove All", {229, 7, 68, 30}, IDI_REMOVE_ALL, 32},
    {IDC_OPTION, K::Button, "Option", {306, 7, 68, 30}, IDI_OPTION, 32},
    {IDC_FILE_LIST, K::Custom, {}, {7, 39, 494, 286}},
    {IDC_PREVIEW, K::Custom, {}, {508, 7, 156, 115}},
    {kNoId, K::Static, "EXIF Tags", {507, 131, 69, 10}},
    {IDC_EXIF_LIST, K::ListBox, {}, {507, 143, 157, 111}, 0, 0, kStyleSorted},
    {IDC_WORKER, K::Custom, {}, {507, 219, 6, 6}},
    {kNoId, K::GroupBox, {}, {7, 323, 544, 71}},
    {kNoId, K::Static, "Output Folder", {13, 334, 60, 11}},
    {IDC_OUTPUT_FOLDER, K::Edit, {}, {75, 334, 326, 12}, 0, 0, kStyleDisabled},
    {IDC_BROWSE, K::Button, {}, {405, 332, 16, 13}, IDI_BROWSE, 16},
    {IDC_CONVERT, K::Button, "Convert Now", {431, 345, 96, 27}, IDI_CONVERT, 48},
    {kNoId, K::Static, "Output Format", {13, 359, 60, 11}},
    {IDC_OUTPUT_FORMAT, K::ComboBox, {}, {79, 356, 81, 199}, 0, 0, kStyleSorted},
    {IDC_ENCODER, K::Button, "Encoder Setting", {167, 356, 77, 14}, IDI_ENCODER, 16},
};

constexpr DialogLayout kLayout{IDD_MAIN, "Brivane", 671, 401, 8, kControls};

}  // namespace

const DialogLayout& MainLayout() { return kLayout; }

}  // namespace res
