#pragma once
// The output formats a batch can write. The lower-cased entry is both the format handed to the
// save call and the output file's extension.

#include <string_view>

inline constexpr std::string_view kOutputFormats[] = {
    "Bmp", "JPG", "TIF", "PDF", "WBMP", "GIF", "PCX", "TGA", "ICO", "JP2", "JPC", "RAS", "PGX", "PNM", "PNG",
};
