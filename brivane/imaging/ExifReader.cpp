#include "imaging/ExifReader.h"

#include <exiv2/exiv2.hpp>

#include <QFileInfo>

#include <mutex>

std::vector<ExifEntry> ReadExifEntries(const QString& path)
{
    static std::once_flag once;
    std::call_once(once, [] { Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute); });
    std::vector<ExifEntry> entries;
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile())
        return entries;
    try {
        // An absolute path can never be taken for one of exiv2's other sources ("-" for standard
        // input, "http://", "data:").
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(file.absoluteFilePath().toStdString(), false);
        if (!image.get())
            return entries;
        image->readMetadata();
        const Exiv2::ExifData& exif = image->exifData();
        entries.reserve(exif.count());
        for (const Exiv2::Exifdatum& datum : exif)
            entries.push_back({QString::fromStdString(datum.tagName()), QString::fromStdString(datum.print(&exif))});
    } catch (const std::exception&) {
        // Unknown formats and damaged metadata throw; the file simply has no EXIF to show.
        entries.clear();
    }
    return entries;
}
