#pragma once
// The application object: shows the main window modally and ends when it closes.

#include "app/FileListModel.h"

#include <QStringList>

#include <cstdint>

class CConverterApp {
public:
    // File list row colours, 0x00BBGGRR.
    static constexpr std::uint32_t kEvenRowBack = 0xFF8080;
    static constexpr std::uint32_t kOddRowBack = 0xFF4680;
    static constexpr std::uint32_t kRowText = 0xFFFFFF;

    // The three colours above as QColors.
    static const FileListModel::RowColors& ListRowColors();

    // Runs the main window modally; needs a QApplication. Returns the process exit code.
    // `paths` (files and folders) go into the file list once the window is up.
    int Run(const QStringList& paths = {});
};
