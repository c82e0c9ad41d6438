#pragma once
// The conversion side of the imaging control, shared by the on-screen control (CImageViewer)
// and the headless one: encoder settings, depth conversions and saving. A subclass only loads
// and says which page is loaded.

#include "imaging/EncoderSettings.h"
#include "imaging/ImageEngine.h"
#include "imaging/ImagingControl.h"

#include <QRect>

#include <optional>

class ImagingControlBase : public IImagingControl {
public:
    void SetJpegQuality(short quality) override { settings_.jpegQuality = quality; }
    void SetKeepExif(bool keep) override { settings_.keepExif = keep; }
    void SetTiffCompression(long index) override { settings_.tiffCompression = index; }
    void SetBmpDpiX(short dpi) override { settings_.bmpDpiX = dpi; }
    void SetBmpDpiY(short dpi) override { settings_.bmpDpiY = dpi; }
    void SetGifMaxColors(short colors) override { settings_.gifMaxColors = colors; }
    void SetGifQuantizer(short index) override { settings_.gifQuantizer = index; }
    void SetGifErrorDiffusion(bool on) override { settings_.gifErrorDiffusion = on; }
    void SetGifTransparentColor(long colorRef) override { settings_.gifTransparentColor = colorRef; }
    void SetPdfCreator(const QString& text) override { settings_.pdfInfo.creator = text; }
    void SetPdfAuthor(const QString& text) override { settings_.pdfInfo.author = text; }
    void SetPdfProducer(const QString& text) override { settings_.pdfInfo.producer = text; }
    void SetPdfTitle(const QString& text) override { settings_.pdfInfo.title = text; }
    void SetPdfSubject(const QString& text) override { settings_.pdfInfo.subject = text; }
    void SetPdfKeywords(const QString& text) override { settings_.pdfInfo.keywords = text; }
    void SetOutputPdfA(bool on) override { settings_.pdfA = on; }

    void ConvertTo1Bpp() override { Convert(ColorDepth::Bpp1); }
    void ConvertTo4Bpp() override { Convert(ColorDepth::Bpp4); }
    void ConvertTo8Bpp() override { Convert(ColorDepth::Bpp8); }
    void ConvertTo8BppGray() override { Convert(ColorDepth::Bpp8Gray); }
    void ConvertTo16Bpp() override { Convert(ColorDepth::Bpp16); }
    void ConvertTo24Bpp() override { Convert(ColorDepth::Bpp24); }
    void ConvertTo32Bpp() override { Convert(ColorDepth::Bpp32); }

    void SetPdfPasswords(const QString& owner, const QString& user) override;
    void SetPdf40BitPermissions(bool print, bool edit, bool extract, bool annotate) override;
    void SetPdf128BitPermissions(bool print, bool highPrint, bool edit, bool extract, bool annotate,
                                 bool fillForms, bool extractText, bool assemble) override;

    short SaveImage(const QString& base, const QString& format) override;
    short SaveResized(const QString& base, const QString& format, int width, int height) override;
    // Writes only `region` (image pixels) of the loaded page; 0 when it is empty or outside.
    short SaveRegion(const QString& base, const QString& format, const QRect& region);

    QString LastError() const override { return lastError_; }

protected:
    // The loaded page, or nullptr when the control is empty.
    virtual LoadedImage* SaveSource() const = 0;
    void SetLastError(const QString& error) { lastError_ = error; }

private:
    void Convert(ColorDepth depth);
    short Save(const QString& base, const QString& format, std::optional<QRect> region, std::optional<QSize> size);
    short Fail(const QString& error);

    EncoderSettings settings_;
    QString lastError_;
};
