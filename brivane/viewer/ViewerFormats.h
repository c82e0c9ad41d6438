#pragma once
// The viewer's export formats: list entry, save-dialog filter and default extension.

#include <array>
#include <string_view>

struct ViewerFormat {
    std::string_view entry;        // as the format list shows it; lower-cased it is the format
    std::string_view description;  // the save dialog's filter, pattern included
    std::string_view extension;
};

inline constexpr std::array<ViewerFormat, 15> kViewerFormats{{
    {"Bmp", "Bitmap File(*.bmp)", "bmp"},   {"JPG", "JPEG File(*.jpg)", "jpg"},
    {"TIF", "TIFF File(*.tif)", "tif"},     {"PDF", "Adobe PDF File(*.pdf)", "pdf"},
    {"WBMP", "WBMP File(*.wbmp)", "wbmp"},  {"GIF", "GIF File(*.gif)", "gif"},
    {"PCX", "PCX File(*.pcx)", "pcx"},      {"TGA", "TGA File(*.tga)", "tga"},
    {"ICO", "ICO File(*.ico)", "ico"},      {"JP2", "JP2 File(*.jp2)", "jp2"},
    {"JPC", "JPC File(*.jpc)", "jpc"},      {"RAS", "RAS File(*.ras)", "ras"},
    {"PGX", "PGX File(*.pgx)", "pgx"},      {"PNM", "PNM File(*.pnm)", "pnm"},
    {"PNG", "PNG File(*.png)", "png"},
}};
