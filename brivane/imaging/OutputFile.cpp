#include "imaging/OutputFile.h"

#include <QFile>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr int kNameAttempts = 100;

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

}  // namespace

OutputFile::OutputFile(QString path) : path_(std::move(path)) {}

OutputFile::~OutputFile()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!committed_ && !temporary_.isEmpty())
        ::unlink(Native(temporary_).constData());
}

bool OutputFile::Fail()
{
    error_ = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool OutputFile::Open()
{
    struct stat existing {};
    const bool replacing = ::stat(Native(path_).constData(), &existing) == 0;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QString candidate = path_ + QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate() & 0xffffff, 6, 16, QLatin1Char('0'));
        // 0666 leaves the user's umask to decide, as for any new file.
        fd_ = ::open(Native(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            if (errno == EEXIST)
                continue;
            return Fail();
        }
        temporary_ = candidate;
        if (replacing && ::fchmod(fd_, existing.st_mode & 07777) != 0)
            return Fail();
        return true;
    }
    errno = EEXIST;
    return Fail();
}

std::string OutputFile::EncoderPath() const
{
    if (fd_ < 0)
        return {};
    std::string path = "/proc/self/fd/" + std::to_string(fd_);
    return ::access(path.c_str(), W_OK) == 0 ? path : std::string();
}

bool OutputFile::Write(const QByteArray& bytes)
{
    const char* data = bytes.constData();
    for (qsizetype left = bytes.size(); left > 0;) {
        const ssize_t written = ::write(fd_, data, static_cast<std::size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return Fail();
        }
        data += written;
        left -= written;
    }
    return true;
}

bool OutputFile::HasData() const
{
    struct stat info {};
    return ::stat(Native(temporary_).constData(), &info) == 0 && info.st_size > 0;
}

bool OutputFile::Commit()
{
    // No fsync, as with QSaveFile before: the file systems in use flush a file renamed over
    // another before the rename itself, and waiting for the disk would slow every save.
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || ::rename(Native(temporary_).constData(), Native(path_).constData()) != 0)
        return Fail();
    committed_ = true;
    return true;
}
