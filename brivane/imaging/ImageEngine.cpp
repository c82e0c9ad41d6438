#include "imaging/ImageEngine.h"

#include "imaging/ExifReader.h"
#include "imaging/FormatSniffer.h"
#include "imaging/MagickCodec.h"
#include "imaging/MagickDocument.h"
#include "imaging/PdfRenderer.h"

#include <QFile>

namespace {

// Larger files are refused outright rather than read into memory.
constexpr qint64 kMaxFileBytes = qint64(1) << 30;

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        return {};
    return file.readAll();
}

class DefaultImageEngine final : public IImageEngine {
public:
    std::unique_ptr<LoadedImage> Load(const QString& path, int page) override
    {
        const QByteArray data = ReadWholeFile(path);
        const SourceFormat format = SniffFormat(data, path);
        switch (format.decoder) {
        case SourceFormat::Decoder::Magick:
            if (auto image = ReadMagickFrame(data, format.coder, page - 1))
                return std::make_unique<MagickDocument>(std::move(*image));
            break;
        case SourceFormat::Decoder::Pdf:
            if (const QImage rendered = RenderPdfPage(data, page); !rendered.isNull()) {
                if (auto image = QImageToMagick(rendered))
                    return std::make_unique<MagickDocument>(std::move(*image));
            }
            break;
        case SourceFormat::Decoder::None:
            break;
        }
        return nullptr;
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
        case SourceFormat::Decoder::None:
            break;
        }
        return 0;
    }

    std::vector<ExifEntry> ReadExif(const QString& path) override
    {
        return ReadExifEntries(path);
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

std::unique_ptr<IImageEngine> CreateImageEngine()
{
    return std::make_unique<DefaultImageEngine>();
}
