#pragma once
// EXIF tags through exiv2.

#include "imaging/ImageEngine.h"

#include <QString>

#include <vector>

// Every EXIF entry of the file at `path`, in file order; empty for files without EXIF and for
// formats exiv2 does not know. exiv2 reads only the metadata parts of the file.
std::vector<ExifEntry> ReadExifEntries(const QString& path);
