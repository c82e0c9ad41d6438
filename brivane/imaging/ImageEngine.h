#pragma once
// The engine behind the imaging control: reads image files into documents, reports their
// metadata, and encodes a loaded page into any output format.

#include "imaging/EncoderSettings.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One EXIF entry: the tag's name without its group ("ExposureTime") and its value as exiv2
// prints it ("1/60 s").
struct ExifEntry {
    QString name;
    QString value;
    bool operator==(const ExifEntry&) const = default;
};

// One save of a loaded page.
struct SaveRequest {
    std::string_view format;  // lower-case output format name ("png")
    const EncoderSettings& settings;
    std::optional<QRect> region;  // only this part of the page (image pixels); cut first
    std::optional<QSize> size;    // scaled to exactly this size
    // An empty output file the encoder may write itself by this name instead of returning the
    // bytes, saving copies of large outputs; "" for none.
    std::string outputPath;
};

// One decoded page of an image file.
class LoadedImage {
public:
    virtual ~LoadedImage() = default;
    virtual QSize Size() const = 0;
    // The page's pixels for display (never null for a loaded page).
    virtual QImage ToQImage() const = 0;
    // What is wrong with a page that could only be decoded in part; "" for a whole one.
    virtual QString Damage() const = 0;
    // The depth later saves convert the page to; the page shown is not changed.
    virtual void ConvertDepth(ColorDepth depth) = 0;
    virtual EncodeResult Encode(const SaveRequest& request) const = 0;
};

class IImageEngine {
public:
    virtual ~IImageEngine() = default;
    // Page `page` (from 1) of `path`, or nullptr when the file or that page cannot be read; then
    // `error`, when given, says why.
    virtual std::unique_ptr<LoadedImage> Load(const QString& path, int page, QString* error = nullptr) = 0;
    // Page `page` of `path` for showing no larger than `atLeast`: a format that can decode cheaply
    // at a reduced scale gives a smaller picture, still covering `atLeast` in both directions;
    // the others give the whole page. `pageSize` receives the page's size in the file. A reduced
    // picture is for display only: saves need the page from Load.
    virtual std::unique_ptr<LoadedImage> LoadReduced(const QString& path, int page, QSize /*atLeast*/,
                                                     QSize* pageSize, QString* error = nullptr)
    {
        std::unique_ptr<LoadedImage> doc = Load(path, page, error);
        if (doc && pageSize)
            *pageSize = doc->Size();
        return doc;
    }
    // Pages (PDF pages, TIFF directories, frames) of `path`; 0 when it cannot be read.
    virtual int PageCount(const QString& path) = 0;
    // EXIF entries of `path` in file order; empty when it has none or cannot be read.
    virtual std::vector<ExifEntry> ReadExif(const QString& path) = 0;
};

// Magick++ for raster formats, poppler for PDF, exiv2 for EXIF. Cheap to create.
std::unique_ptr<IImageEngine> CreateImageEngine();
