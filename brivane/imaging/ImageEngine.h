#pragma once
// The engine behind CImageViewer: reads image files into documents and reports their metadata.
// Saving and depth conversion extend LoadedImage and IImageEngine; the viewer only needs pixels.

#include <QImage>
#include <QString>

#include <memory>
#include <vector>

// One EXIF entry: the tag's name without its group ("ExposureTime") and its value as exiv2
// prints it ("1/60 s").
struct ExifEntry {
    QString name;
    QString value;
    bool operator==(const ExifEntry&) const = default;
};

// One decoded page of an image file.
class LoadedImage {
public:
    virtual ~LoadedImage() = default;
    virtual QSize Size() const = 0;
    // The page's pixels for display (never null for a loaded page).
    virtual QImage ToQImage() const = 0;
};

class IImageEngine {
public:
    virtual ~IImageEngine() = default;
    // Page `page` (from 1) of `path`, or nullptr when the file or that page cannot be read.
    virtual std::unique_ptr<LoadedImage> Load(const QString& path, int page) = 0;
    // Pages (PDF pages, TIFF directories, frames) of `path`; 0 when it cannot be read.
    virtual int PageCount(const QString& path) = 0;
    // EXIF entries of `path` in file order; empty when it has none or cannot be read.
    virtual std::vector<ExifEntry> ReadExif(const QString& path) = 0;
};

// Magick++ for raster formats, poppler for PDF, exiv2 for EXIF. Cheap to create.
std::unique_ptr<IImageEngine> CreateImageEngine();
