#include "imaging/ImageEngine.h"

#include "imaging/ExifReader.h"
#include "imaging/FormatSniffer.h"
#include "imaging/ImageEncoder.h"
#include "imaging/MagickCodec.h"
#include "imaging/MagickDocument.h"
#include "imaging/PdfRenderer.h"
#include "imaging/RawDecoder.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Larger files are refused outright rather than read into memory.
constexpr qint64 kMaxFileBytes = qint64(1) << 30;

QByteArray ReadWholeFile(const QString& path, QString* error = nullptr)
{
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return QByteArray();
    };
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return fail(QStringLiteral("file not found"));
    if (info.isDir())
        return fail(QStringLiteral("is a folder"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot open: %1").arg(file.errorString()));
    if (file.size() > kMaxFileBytes)
        return fail(QStringLiteral("larger than %1 MiB").arg(kMaxFileBytes >> 20));
    QByteArray data = file.readAll();
    if (data.isEmpty())
        return fail(QStringLiteral("the file is empty"));
    return data;
}

std::unique_ptr<LoadedImage> MakeDocument(std::optional<Magick::Image> image, QString damage = {})
{
    if (!image)
        return nullptr;
    return std::make_unique<MagickDocument>(std::move(*image), std::move(damage));
}

class DefaultImageEngine final : public IImageEngine {
public:
    std::unique_ptr<LoadedImage> Load(const QString& path, int page, QString* error) override
    {
        return LoadReduced(path, page, QSize(), nullptr, error);
    }

    std::unique_ptr<LoadedImage> LoadReduced(const QString& path, int page, QSize atLeast, QSize* pageSize,
                                             QString* error) override
    {
        QString reason;
        QSize size;
        std::unique_ptr<LoadedImage> doc = LoadPage(path, page, atLeast, size, reason);
        if (!doc && error)
            *error = reason.isEmpty() ? QStringLiteral("not a readable image") : reason;
        if (doc && pageSize)
            *pageSize = size.isValid() ? size : doc->Size();
        return doc;
    }

    int PageCount(const QString& path) override
    {
        const QByteArray data = ReadWholeFile(path);
        const SourceFormat format = SniffFormat(data, path);
        switch (format.decoder) {
        case SourceFormat::Decoder::Magick:
            return CountMagickFrames(data, format.coder);
        case SourceFormat::Decoder::Pdf:
            return CountPdfPages(data);
        case SourceFormat::Decoder::Raw:
            return 1;
        case SourceFormat::Decoder::None:
            break;
        }
        return 0;
    }

    std::vector<ExifEntry> ReadExif(const QString& path) override
    {
        return ReadExifEntries(path);
    }

private:
    // An empty `atLeast` decodes in full. `pageSize` may be left unset when the picture is the
    // whole page.
    static std::unique_ptr<LoadedImage> LoadPage(const QString& path, int page, QSize atLeast, QSize& pageSize,
                                                 QString& error)
    {
        const QByteArray data = ReadWholeFile(path, &error);
        if (data.isEmpty())
            return nullptr;
        const SourceFormat format = SniffFormat(data, path);
        switch (format.decoder) {
        case SourceFormat::Decoder::Magick: {
            QString damage;
            auto image = atLeast.isEmpty()
                             ? ReadMagickFrame(data, format.coder, page - 1, &error, &damage)
                             : ReadMagickFrameReduced(data, format.coder, page - 1, atLeast, &pageSize, &error, &damage);
            return MakeDocument(std::move(image), damage);
        }
        case SourceFormat::Decoder::Raw:
            if (page != 1) {
                error = QStringLiteral("no such page");
                return nullptr;
            }
            return MakeDocument(DecodeRaw(data, &error));
        case SourceFormat::Decoder::Pdf:
            if (const QImage rendered = RenderPdfPage(data, page); !rendered.isNull())
                return MakeDocument(QImageToMagick(rendered));
            error = QStringLiteral("the PDF page cannot be rendered (damaged, locked or no such page)");
            return nullptr;
        case SourceFormat::Decoder::None:
            break;
        }
        error = QStringLiteral("unknown image format");
        return nullptr;
    }
};

}  // namespace

QSize MagickDocument::Size() const
{
    return {static_cast<int>(image_.columns()), static_cast<int>(image_.rows())};
}

QImage MagickDocument::ToQImage() const
{
    return MagickToQImage(image_);
}

EncodeResult MagickDocument::Encode(const SaveRequest& request) const
{
    try {
        Magick::Image image = image_;  // shares pixels until changed
        if (request.region) {
            const QRect r = *request.region;
            image.crop(Magick::Geometry(static_cast<size_t>(r.width()), static_cast<size_t>(r.height()), r.x(), r.y()));
        }
        image.page(Magick::Geometry(0, 0));  // no offset from the source's canvas or the cut
        if (request.size) {
            Magick::Geometry size(static_cast<size_t>(request.size->width()), static_cast<size_t>(request.size->height()));
            size.aspect(true);  // exactly this size, aspect ratio not kept
            image.resize(size);
        }
        return EncodeImage(std::move(image), request.format, request.settings, depth_, request.outputPath);
    } catch (const std::exception& e) {
        return {{}, DescribeMagickError(e)};
    }
}

std::unique_ptr<IImageEngine> CreateImageEngine()
{
    return std::make_unique<DefaultImageEngine>();
}
