#include "imaging/SameFile.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace brivane {

namespace {

// The absolute path with links resolved as far as they exist; a path that does not exist yet
// keeps its resolved folder and its own name.
QString ResolvedPath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? QDir::cleanPath(info.absolutePath()) : folder) + u'/' + info.fileName();
}

}  // namespace

bool IsSameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    struct stat sa {};
    struct stat sb {};
    const QByteArray pa = QFile::encodeName(a);
    const QByteArray pb = QFile::encodeName(b);
    if (::stat(pa.constData(), &sa) == 0 && ::stat(pb.constData(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    return ResolvedPath(a) == ResolvedPath(b);
}

}  // namespace brivane
