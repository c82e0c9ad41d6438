#include "imaging/MagickCodec.h"

#include <QBuffer>
#include <QImageReader>
#include <QRegularExpression>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

// Upper bounds for one image. A distribution's policy file may lower them further.
constexpr MagickCore::MagickSizeType kMiB = 1024 * 1024;
constexpr MagickCore::MagickSizeType kMemoryLimit = 256 * kMiB;
constexpr MagickCore::MagickSizeType kMapLimit = 512 * kMiB;
constexpr MagickCore::MagickSizeType kDiskLimit = 1024 * kMiB;
constexpr MagickCore::MagickSizeType kAreaLimit = 128'000'000;  // pixels
constexpr MagickCore::MagickSizeType kSideLimit = 16'000;       // pixels per side
constexpr MagickCore::MagickSizeType kFrameLimit = 10'000;      // frames counted in one file

// "PNG:[3]": decode with exactly this coder, frame 3 only.
std::string FrameSpec(std::string_view coder, int index)
{
    return std::string(coder) + ":[" + std::to_string(index) + "]";
}

struct ImageInfoDeleter {
    void operator()(MagickCore::ImageInfo* p) const { MagickCore::DestroyImageInfo(p); }
};
struct ExceptionDeleter {
    void operator()(MagickCore::ExceptionInfo* p) const { MagickCore::DestroyExceptionInfo(p); }
};
struct ImageListDeleter {
    void operator()(MagickCore::Image* p) const { MagickCore::DestroyImageList(p); }
};

// The size a file's header declares, from Qt's readers, which know the headers of the common
// formats without decoding anything; invalid when they do not know the format.
QSize HeaderSize(const QByteArray& data)
{
    QBuffer buffer;
    buffer.setData(data);
    return QImageReader(&buffer).size();
}

// Refuses a file whose header declares more pixels than the limits allow, with a reason that
// names the size: ImageMagick itself only reports that no image was loaded.
QString CheckDimensions(QSize size)
{
    if (!size.isValid())
        return {};
    const auto w = static_cast<MagickCore::MagickSizeType>(size.width());
    const auto h = static_cast<MagickCore::MagickSizeType>(size.height());
    if (w > kSideLimit || h > kSideLimit || w * h > kAreaLimit)
        return QStringLiteral("%1 x %2 pixels exceeds the limit of %3 pixels a side and %4 megapixels")
            .arg(w).arg(h).arg(kSideLimit).arg(kAreaLimit / 1'000'000);
    return {};
}

// What Magick++ says when a coder gave up without saying why.
constexpr QLatin1String kNothingLoaded("No image was loaded");

// A property name a PNG text chunk can carry back: libpng refuses a keyword left empty once
// blanks and unprintable characters are dropped. Such names come only from damaged files.
bool IsWritableKeyword(std::string_view name)
{
    return std::any_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u > 0x20 && u < 0x7f) || u > 0xa0;
    });
}

// Damaged metadata (a text chunk without a keyword, say) would fail every later save of a
// picture that is itself fine; it is dropped on reading instead.
void DropUnwritableProperties(Magick::Image& image)
{
    image.modifyImage();
    MagickCore::Image* core = image.image();
    std::vector<std::string> broken;
    MagickCore::ResetImagePropertyIterator(core);
    while (const char* name = MagickCore::GetNextImageProperty(core)) {
        if (!IsWritableKeyword(name))
            broken.emplace_back(name);
    }
    for (const std::string& name : broken)
        MagickCore::DeleteImageProperty(core, name.c_str());
}

}  // namespace

QString DescribeMagickError(const std::exception& error)
{
    QString text = QString::fromLocal8Bit(error.what());
    // "client: width or height exceeds limit `x' @ error/cache.c/..." -> keep the reason.
    if (const qsizetype at = text.indexOf(QStringLiteral(" @ ")); at > 0)
        text.truncate(at);
    const QString client = QString::fromLocal8Bit(MagickCore::GetClientName()) + QStringLiteral(": ");
    if (text.startsWith(client))
        text.remove(0, client.size());
    // The quoted file name after the reason is empty, or the coder prefix given ("PNG:[0]"), for
    // data read from memory; it names nothing the user knows: "insufficient image data in file `'".
    static const QRegularExpression kMemoryName(QStringLiteral("(?: in file)? `(?:[A-Za-z0-9]+:(?:\\[\\d+\\])?)?'"));
    text.remove(kMemoryName);
    return text.trimmed();
}

void EnsureMagickStarted()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Magick::InitializeMagick(nullptr);
        Magick::ResourceLimits::memory(kMemoryLimit);
        Magick::ResourceLimits::map(kMapLimit);
        Magick::ResourceLimits::disk(kDiskLimit);
        Magick::ResourceLimits::area(kAreaLimit);
        Magick::ResourceLimits::width(kSideLimit);
        Magick::ResourceLimits::height(kSideLimit);
        Magick::ResourceLimits::listLength(kFrameLimit);
        // Batches convert one file per processor; threads inside each conversion would only
        // compete with the other files for the same processors.
        Magick::ResourceLimits::thread(1);
    });
}

namespace {

// `header` is the size the file declares (invalid when unknown); a valid `jpegScaleHint` asks the
// JPEG coder for the smallest DCT scale that still covers it.
std::optional<Magick::Image> ReadFrame(const QByteArray& data, std::string_view coder, int index, QSize header,
                                       QSize jpegScaleHint, QString* error, QString* damage)
{
    EnsureMagickStarted();
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    // Without a cause from the coder, say what was tried.
    const auto withCause = [&data, coder, index](const QString& reason) {
        if (!reason.isEmpty() && !reason.startsWith(kNothingLoaded))
            return reason;
        if (index > 0 && CountMagickFrames(data, coder) <= index)
            return QStringLiteral("no such page");
        return QStringLiteral("not a readable %1 image").arg(QLatin1String(coder.data(), static_cast<qsizetype>(coder.size())));
    };
    if (data.isEmpty())
        return fail(QStringLiteral("the file is empty"));
    if (index < 0)
        return fail(QStringLiteral("no such page"));
    Magick::Image image;
    try {
        image.fileName(FrameSpec(coder, index));
        if (QString tooLarge = CheckDimensions(header); !tooLarge.isEmpty())
            return fail(tooLarge);
        if (jpegScaleHint.isValid())
            image.defineValue("jpeg", "size",
                              std::to_string(jpegScaleHint.width()) + "x" + std::to_string(jpegScaleHint.height()));
        QString warning;
        try {
            image.read(Magick::Blob(data.constData(), static_cast<size_t>(data.size())));
        } catch (const Magick::WarningCorruptImage& e) {
            // What could be decoded is in `image`: enough to show, not to convert as if whole.
            warning = DescribeMagickError(e);
            if (damage)
                *damage = warning;
        } catch (const Magick::Warning& e) {
            // Usually a harmless remark (an unknown tag, say) on a complete image.
            warning = DescribeMagickError(e);
        }
        if (image.columns() == 0 || image.rows() == 0)
            return fail(withCause(warning));
        if (jpegScaleHint.isValid())
            image.defineSet("jpeg", "size", false);  // a read option, not for later writes
        DropUnwritableProperties(image);
        return image;
    } catch (const std::exception& e) {
        return fail(withCause(DescribeMagickError(e)));
    }
}

}  // namespace

std::optional<Magick::Image> ReadMagickFrame(const QByteArray& data, std::string_view coder, int index,
                                             QString* error, QString* damage)
{
    return ReadFrame(data, coder, index, HeaderSize(data), {}, error, damage);
}

std::optional<Magick::Image> ReadMagickFrameReduced(const QByteArray& data, std::string_view coder, int index,
                                                    QSize atLeast, QSize* fullSize, QString* error, QString* damage)
{
    const QSize header = HeaderSize(data);
    // The coder divides by the whole number of times the hint fits into the picture. Below two
    // there is nothing to gain, and a hint larger than the picture would enlarge it.
    const bool reduce = coder == "JPEG" && header.isValid() && !atLeast.isEmpty() &&
                        header.width() / atLeast.width() >= 2 && header.height() / atLeast.height() >= 2;
    auto image = ReadFrame(data, coder, index, header, reduce ? atLeast : QSize(), error, damage);
    if (image && fullSize)
        *fullSize = reduce ? header : QSize(static_cast<int>(image->columns()), static_cast<int>(image->rows()));
    return image;
}

int CountMagickFrames(const QByteArray& data, std::string_view coder)
{
    EnsureMagickStarted();
    if (data.isEmpty())
        return 0;
    const std::unique_ptr<MagickCore::ImageInfo, ImageInfoDeleter> info(MagickCore::AcquireImageInfo());
    const std::unique_ptr<MagickCore::ExceptionInfo, ExceptionDeleter> exception(MagickCore::AcquireExceptionInfo());
    if (!info || !exception)
        return 0;
    info->ping = MagickCore::MagickTrue;  // headers only
    MagickCore::CopyMagickString(info->filename, (std::string(coder) + ":").c_str(), MagickPathExtent);
    const std::unique_ptr<MagickCore::Image, ImageListDeleter> list(
        MagickCore::PingBlob(info.get(), data.constData(), static_cast<size_t>(data.size()), exception.get()));
    if (!list || exception->severity >= MagickCore::ErrorException)
        return 0;
    return static_cast<int>(MagickCore::GetImageListLength(list.get()));
}

QImage MagickToQImage(const Magick::Image& source)
{
    try {
        Magick::Image image = source;  // shares pixels until changed
        if (image.colorSpace() == Magick::CMYKColorspace)
            image.colorSpace(Magick::sRGBColorspace);
        const auto w = static_cast<int>(image.columns());
        const auto h = static_cast<int>(image.rows());
        QImage out(w, h, QImage::Format_RGBA8888);
        if (out.isNull())
            return {};
        // Rows of a 4-byte format carry no padding, so one export fills the whole buffer.
        image.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::CharPixel, out.bits());
        return out;
    } catch (const std::exception&) {
        return {};
    }
}

std::optional<Magick::Image> QImageToMagick(const QImage& image)
{
    EnsureMagickStarted();
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    if (rgba.isNull())
        return std::nullopt;
    try {
        Magick::Image out;
        out.read(static_cast<size_t>(rgba.width()), static_cast<size_t>(rgba.height()), "RGBA",
                 Magick::CharPixel, rgba.constBits());
        return out;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}
