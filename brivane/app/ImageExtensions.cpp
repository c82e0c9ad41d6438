#include "app/ImageExtensions.h"

#include <QStringList>

namespace {

constexpr std::string_view kExtensions[] = {
    "pdf", "psd", "mng", "jng", "cr2", "nef", "crw", "j2k", "j2c", "jpg", "pcx", "wmf", "wbmp",
    "bmp", "tif", "tga", "gif", "pgx", "pnm", "png", "ico", "ras", "jpeg", "tiff",
};

QString FromView(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::span<const std::string_view> ImageExtensions() { return kExtensions; }

QString ImageFileFilter()
{
    QStringList patterns;
    for (std::string_view ext : kExtensions)
        patterns << QStringLiteral("*.") + FromView(ext);
    return QStringLiteral("All support Image files (%1)").arg(patterns.join(QLatin1Char(' ')));
}

bool HasImageExtension(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QString ext = fileName.mid(dot + 1);
    for (std::string_view known : kExtensions) {
        if (ext.compare(FromView(known), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
