#pragma once
// The image file extensions the file list takes: the ones the open-file dialog offers, also
// used to pick the files of a folder.

#include <QString>

#include <span>
#include <string_view>

// Lower-case extensions without the dot, in the order the open-file dialog lists them.
std::span<const std::string_view> ImageExtensions();

// "All support Image files (*.pdf *.psd ...)" for QFileDialog.
QString ImageFileFilter();

// Whether the text after the last dot of `fileName` is one of ImageExtensions(), ignoring case.
bool HasImageExtension(const QString& fileName);
