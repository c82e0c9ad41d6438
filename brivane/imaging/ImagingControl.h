#pragma once
// The imaging control's conversion side: what a batch hands to the worker control for each file.
// Names follow the control's automation interface (OperationTable.h); properties are setters.
//
// Settings and depth conversions apply to the loaded image and stay in force for later files
// until given again; a save never loads. Saves return 1 on success and 0 on failure, with the
// reason available from LastError() until the next load or save.

#include <QString>

#include <memory>

class IImagingControl {
public:
    virtual ~IImagingControl() = default;

    // Loads the file (first page); "" empties the control. A file that cannot be read leaves
    // the control empty and its reason in LastError().
    virtual void SetImageFile(const QString& path) = 0;
    virtual QString GetImageFile() const = 0;

    virtual void SetJpegQuality(short quality) = 0;  // clamped to 1..100 at save time
    virtual void SetKeepExif(bool keep) = 0;
    virtual void SetTiffCompression(long index) = 0;  // 0 LZW, 1 CCITT3, 2 CCITT4, 3 PackBits, 4 none
    virtual void SetBmpDpiX(short dpi) = 0;
    virtual void SetBmpDpiY(short dpi) = 0;
    virtual void SetGifMaxColors(short colors) = 0;
    virtual void SetGifQuantizer(short index) = 0;  // 0 Basic, 1 Octree, 2 Mediancut, 3 NeuralNet
    virtual void SetGifErrorDiffusion(bool on) = 0;
    virtual void SetGifTransparentColor(long colorRef) = 0;  // 0x00BBGGRR
    virtual void SetPdfCreator(const QString& text) = 0;
    virtual void SetPdfAuthor(const QString& text) = 0;
    virtual void SetPdfProducer(const QString& text) = 0;
    virtual void SetPdfTitle(const QString& text) = 0;
    virtual void SetPdfSubject(const QString& text) = 0;
    virtual void SetPdfKeywords(const QString& text) = 0;
    virtual void SetOutputPdfA(bool on) = 0;

    virtual void ConvertTo1Bpp() = 0;
    virtual void ConvertTo4Bpp() = 0;
    virtual void ConvertTo8Bpp() = 0;
    virtual void ConvertTo8BppGray() = 0;
    virtual void ConvertTo16Bpp() = 0;
    virtual void ConvertTo24Bpp() = 0;
    virtual void ConvertTo32Bpp() = 0;

    // PDF security of the next PDF save; a permissions call is what turns encryption on.
    virtual void SetPdfPasswords(const QString& owner, const QString& user) = 0;
    virtual void SetPdf40BitPermissions(bool print, bool edit, bool extract, bool annotate) = 0;
    virtual void SetPdf128BitPermissions(bool print, bool highPrint, bool edit, bool extract,
                                         bool annotate, bool fillForms, bool extractText,
                                         bool assemble) = 0;

    // Writes the loaded image to base + "." + format (a lower-case format name).
    virtual short SaveImage(const QString& base, const QString& format) = 0;
    // The same, scaled to exactly width x height; sizes outside 1..32767 fail with a reason.
    virtual short SaveResized(const QString& base, const QString& format, int width, int height) = 0;

    // Why the last load or save failed; "" after a success.
    virtual QString LastError() const = 0;
};

// A control without a window, for conversions outside the user interface.
std::unique_ptr<IImagingControl> CreateHeadlessImagingControl();
