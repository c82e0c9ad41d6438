#pragma once
// One source file of the file list: what its columns show. Folder + name is the full path.

#include <QString>

#include <cstdint>

struct FileEntry {
    QString name;    // file name with extension, without folder
    QString format;  // extension after the last dot, upper-cased ("JPG", "WBMP"); "" without one
    QString size;    // "15KB", "1.50MB"
    QString folder;  // folder including its trailing "/"; "" for a bare name

    QString FullPath() const { return folder + name; }
};

// The entry of `path`; a file whose size cannot be read counts as 0 bytes.
FileEntry MakeFileEntry(const QString& path);

// Below 1 MiB whole kilobytes ("1024KB" for 1,048,575 bytes), from 1 MiB on megabytes with two
// decimals ("1.00MB").
QString FormatSizeText(std::uint64_t bytes);
