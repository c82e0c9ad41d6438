#pragma once
// Every setting a conversion uses, kept in section MYPROFILE of mysetting.ini.
// Members are named by their keys in that file.

#include <cstdint>
#include <filesystem>
#include <string>

struct ConversionProfile {
    // Output naming and overwrite behaviour.
    std::string Prefix;
    std::string Suffix;
    int OverWrite = 0;   // flag: ask before overwriting an existing output file
    int OpenFolder = 0;  // flag: open the output folder when a batch ends

    // TIFF: colour depth 0 "1 bpp" .. 5 "24 bpp"; compression 0 LZW, 1 CCITT3, 2 CCITT4, 3 Packbits, 4 None.
    int TIFBppIndex = 0;
    int TIFCompIndex = 0;

    // BMP: colour depth 0 "1 bpp" .. 5 "32 bpp"; resolution in dots per inch.
    int BmpBppIndex = 4;
    int BmpDPIX = 96;
    int BmpDPIY = 96;

    // JPEG.
    int KeepEXIF = 1;  // flag
    int JPEGQuality = 90;

    // The output folder as stored; the main window's output folder box is the one in effect.
    std::string OutputFolder;

    // Resize.
    int ResizeWidth = 320;
    int ResizeHeight = 240;
    int ResizeKeepOrg = 1;  // flag: keep the original size

    // GIF: palette 0 16, 1 32, 2 64, 3 128, 4 256 colours; quantizer 0 Basic, 1 Octree, 2 Mediancut, 3 NeuralNet.
    int GIFMaxColorIndex = 4;
    int GIFQuanIndex = 1;
    int GIFErrorDiff = 0;  // flag
    // Transparent colour 0x00BBGGRR, stored as the keys GIFcolorTranColorR, ...G, ...B.
    std::uint32_t GIFTranColor = 0;

    // PDF document information.
    std::string PDFTitle;
    std::string PDFAuthor;
    std::string PDFCreator;
    std::string PDFKeyword;
    std::string PDFProducer;
    std::string PDFSubject;

    // PDF permissions (flags).
    int PDFA40EnablePrint = 1;
    int PDFA40EnableEdit = 1;
    int PDFA40EnableExtractor = 1;
    int PDFA40EnableAnno = 1;
    int PDFA128EnablePrint = 1;
    int PDFA128EnableHighPrint = 1;
    int PDFA128EnableEdit = 1;
    int PDFA128EnableExtractor = 1;
    int PDFA128EnableAnno = 1;
    int PDFA128EnableFillForm = 1;
    int PDFA128EnableExtractText = 1;
    int PDFA128EnableAssDoc = 1;

    std::string PDFAOwnerPassword;
    std::string PDFAUserPassword;
    int OutputPDFA = 0;      // flag: PDF security settings apply only when set
    int OutputPDFAType = 0;  // 0 no password, 1 40-bit RC4 + user password, 2 128-bit + user password,
                             // 3 40-bit without password, 4 128-bit without password

    bool operator==(const ConversionProfile&) const = default;
};

// mysetting.ini beside the executable when one exists there (portable install), otherwise
// $XDG_CONFIG_HOME/brivane/mysetting.ini (~/.config/brivane/mysetting.ini).
std::filesystem::path DefaultProfilePath();

// Reads section MYPROFILE of `file`. A missing file, section or key keeps the value already in `p`.
void LoadProfile(ConversionProfile& p, const std::filesystem::path& file);

// Writes all 43 keys to section MYPROFILE of `file`, keeping the rest of the file. Creates missing
// folders; the file is private to its owner (mode 0600) and replaced atomically.
// Returns false when the file could not be written (the old file is then unchanged); never throws.
bool SaveProfile(const ConversionProfile& p, const std::filesystem::path& file);
