#include "app/FileEntry.h"

#include <QFile>

#include <filesystem>
#include <system_error>

namespace {

// Size of a regular file, or 0 when it cannot be read (missing, a folder, no permission).
std::uint64_t FileSizeOf(const QString& path)
{
    std::error_code ec;
    const std::filesystem::path native(QFile::encodeName(path).toStdString());
    const auto size = std::filesystem::file_size(native, ec);
    return ec ? 0 : static_cast<std::uint64_t>(size);
}

}  // namespace

QString FormatSizeText(std::uint64_t bytes)
{
    constexpr std::uint64_t kMiB = 1024 * 1024;
    if (bytes >= kMiB)
        return QString::asprintf("%0.02fMB", static_cast<double>(bytes) / kMiB);
    return QString::asprintf("%0.0fKB", static_cast<double>(bytes) / 1024);
}

FileEntry MakeFileEntry(const QString& path)
{
    FileEntry entry;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    entry.folder = path.left(slash + 1);
    entry.name = path.mid(slash + 1);
    const qsizetype dot = entry.name.lastIndexOf(QLatin1Char('.'));
    entry.format = dot < 0 ? QString() : entry.name.mid(dot + 1).toUpper();
    entry.size = FormatSizeText(FileSizeOf(path));
    return entry;
}
