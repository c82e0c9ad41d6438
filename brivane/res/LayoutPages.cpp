// The five raster format pages of the Encoder Setting dialog.
#include "res/Layouts.h"
#include "res/ResourceIds.h"

namespace res {
namespace {

constexpr ControlDef kResize[] = {
    {IDC_RESIZE_KEEP_ORG, ControlKind::CheckBox, "Keep Original Size", {5, 5, 75, 13}},
    {IDC_RESIZE_TO, ControlKind::Static, "Resize to", {6, 21, 47, 8}},
    {IDC_RESIZE_GROUP, ControlKind::GroupBox, {}, {5, 27, 159, 45}},
    {IDC_RESIZE_WIDTH_LABEL, ControlKind::Static, "Width", {11, 36, 22, 9}},
    {IDC_RESIZE_WIDTH, ControlKind::Edit, {}, {41, 35, 40, 12}, 0, 0, kStyleDisabled},
    {IDC_RESIZE_WIDTH_UNIT, ControlKind::Static, "pixel", {93, 36, 22, 8}},
    {IDC_RESIZE_HEIGHT_LABEL, ControlKind::Static, "Height", {12, 51, 22, 9}},
    {IDC_RESIZE_HEIGHT, ControlKind::Edit, {}, {41, 52, 40, 12}, 0, 0, kStyleDisabled},
    {IDC_RESIZE_HEIGHT_UNIT, ControlKind::Static, "pixel", {93, 52, 22, 8}},
};

constexpr ControlDef kBmp[] = {
    {kNoId, ControlKind::Static, "DPI", {15, 9, 18, 8}},
    {IDC_BMP_DPI_X, ControlKind::Edit, {}, {38, 8, 23, 12}},
    {kNoId, ControlKind::Static, "X", {67, 8, 8, 8}},
    {IDC_BMP_DPI_Y, ControlKind::Edit, {}, {76, 8, 23, 12}},
    {kNoId, ControlKind::Static, "BPP", {15, 26, 18, 8}},
    {IDC_BMP_BPP, ControlKind::ComboBox, {}, {38, 25, 54, 50}},
};

constexpr ControlDef kJpeg[] = {
    {IDC_JPEG_QUALITY_LABEL, ControlKind::Static, "Quality", {7, 9, 25, 8}},
    {IDC_JPEG_QUALITY, ControlKind::Edit, {}, {36, 7, 34, 12}},
    {IDC_JPEG_SPIN, ControlKind::SpinButton, {}, {70, 7, 9, 14}},
    {IDC_JPEG_KEEP_EXIF, ControlKind::CheckBox, "Keep EXIF Tags", {7, 29, 72, 10}},
};

constexpr ControlDef kTiff[] = {
    {kNoId, ControlKind::Static, "TIF Compression", {7, 9, 58, 10}},
    {IDC_TIFF_COMPRESSION, ControlKind::ComboBox, {}, {80, 8, 139, 53}},
    {kNoId, ControlKind::Static, "Bpp", {7, 25, 58, 11}},
    {IDC_TIFF_BPP, ControlKind::ComboBox, {}, {80, 24, 93, 53}},
};

constexpr ControlDef kGif[] = {
    {kNoId, ControlKind::Static, "GIF Max Color", {7, 7, 49, 15}},
    {IDC_GIF_MAX_COLOR, ControlKind::ComboBox, {}, {66, 7, 56, 49}},
    {kNoId, ControlKind::Static, "Quantizer", {7, 26, 49, 15}},
    {IDC_GIF_QUANTIZER, ControlKind::ComboBox, {}, {66, 26, 56, 50}},
    {IDC_GIF_ERROR_DIFFUSION, ControlKind::CheckBox, "Error Diffusion", {7, 50, 66, 8}},
    {kNoId, ControlKind::Static, "Transparent color", {7, 65, 62, 15}},
    {IDC_GIF_TRANSPARENT, ControlKind::ColorButton, {}, {83, 62, 70, 15}},
};

constexpr DialogLayout kResizeLayout{IDD_RESIZE_PAGE, {}, 187, 78, 8, kResize};
constexpr DialogLayout kBmpLayout{IDD_BMP_PAGE, {}, 147, 57, 8, kBmp};
constexpr DialogLayout kJpegLayout{IDD_JPEG_PAGE, {}, 148, 53, 8, kJpeg};
constexpr DialogLayout kTiffLayout{IDD_TIFF_PAGE, {}, 233, 95, 8, kTiff};
constexpr DialogLayout kGifLayout{IDD_GIF_PAGE, {}, 187, 95, 8, kGif};

}  // namespace

const DialogLayout& ResizePageLayout() { return kResizeLayout; }
const DialogLayout& BmpPageLayout() { return kBmpLayout; }
const DialogLayout& JpegPageLayout() { return kJpegLayout; }
const DialogLayout& TiffPageLayout() { return kTiffLayout; }
const DialogLayout& GifPageLayout() { return kGifLayout; }

}  // namespace res
