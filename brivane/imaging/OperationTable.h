#pragma once
// Dispatch identifiers of the imaging control's automation interface, by operation name.
// Nothing dispatches by id at run time: CImageViewer offers each operation as a member function
// of the same name. The table documents the mapping for anyone reading old layouts or scripts.

#include <array>
#include <string_view>

struct ImagingOperation {
    std::string_view name;
    int id;
    bool isMethod;  // false: property
};

inline constexpr std::array<ImagingOperation, 42> kImagingOperations{{
    {"ImageFile", 1, false},
    {"DisplayMode", 3, false},
    {"DisplayFlag", 5, false},
    {"JpegQuality", 11, false},
    {"TiffCompression", 13, false},
    {"PdfCreator", 14, false},
    {"PdfAuthor", 15, false},
    {"PdfProducer", 16, false},
    {"PdfTitle", 17, false},
    {"PdfSubject", 18, false},
    {"PdfKeywords", 19, false},
    {"KeepExif", 26, false},
    {"DisplayStyle", 41, false},
    {"BmpDpiX", 43, false},
    {"BmpDpiY", 44, false},
    {"GifMaxColors", 58, false},
    {"GifQuantizer", 59, false},
    {"GifErrorDiffusion", 60, false},
    {"GifTransparentColor", 61, false},
    {"OutputPdfA", 70, false},
    {"DisplayParamA", 71, false},
    {"DisplayParamB", 72, false},
    {"SaveImage", 74, true},
    {"LoadPage", 81, true},
    {"PageCount", 82, true},
    {"SaveResized", 83, true},
    {"ExifCount", 110, true},
    {"ExifName", 111, true},
    {"ExifValue", 112, true},
    {"ZoomIn", 137, true},
    {"ZoomOut", 138, true},
    {"SaveSelection", 141, true},
    {"ConvertTo16Bpp", 174, true},
    {"ConvertTo1Bpp", 178, true},
    {"ConvertTo24Bpp", 179, true},
    {"ConvertTo32Bpp", 180, true},
    {"ConvertTo4Bpp", 182, true},
    {"ConvertTo8Bpp", 183, true},
    {"ConvertTo8BppGray", 184, true},
    {"SetPdfPasswords", 185, true},
    {"SetPdf40BitPermissions", 186, true},
    {"SetPdf128BitPermissions", 187, true},
}};
