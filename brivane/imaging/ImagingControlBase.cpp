#include "imaging/ImagingControlBase.h"

#include "imaging/ImageEncoder.h"

#include "imaging/OutputFile.h"


namespace {

// The control's sizes were 16-bit values; larger ones are refused rather than wrapped.
constexpr int kMaxSide = 32767;

}  // namespace

void ImagingControlBase::Convert(ColorDepth depth)
{
    if (LoadedImage* doc = SaveSource())
        doc->ConvertDepth(depth);
}

void ImagingControlBase::SetPdfPasswords(const QString& owner, const QString& user)
{
    settings_.pdfSecurity.owner = owner;
    settings_.pdfSecurity.user = user;
}

void ImagingControlBase::SetPdf40BitPermissions(bool print, bool edit, bool extract, bool annotate)
{
    settings_.pdfSecurity.kind = PdfSecurity::Kind::Rc4Bits40;
    settings_.pdfSecurity.allow = {print, edit, extract, annotate};
}

void ImagingControlBase::SetPdf128BitPermissions(bool print, bool highPrint, bool edit, bool extract, bool annotate,
                                                 bool fillForms, bool extractText, bool assemble)
{
    settings_.pdfSecurity.kind = PdfSecurity::Kind::Rc4Bits128;
    settings_.pdfSecurity.allow = {print, highPrint, edit, extract, annotate, fillForms, extractText, assemble};
}

short ImagingControlBase::SaveImage(const QString& base, const QString& format)
{
    return Save(base, format, std::nullopt, std::nullopt);
}

short ImagingControlBase::SaveResized(const QString& base, const QString& format, int width, int height)
{
    if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide)
        return Fail(QStringLiteral("resize to %1 x %2: width and height must be 1 to %3").arg(width).arg(height).arg(kMaxSide));
    return Save(base, format, std::nullopt, QSize(width, height));
}

short ImagingControlBase::SaveRegion(const QString& base, const QString& format, const QRect& region)
{
    const LoadedImage* doc = SaveSource();
    const QRect inside = doc ? region.intersected(QRect(QPoint(0, 0), doc->Size())) : QRect();
    if (inside.isEmpty())
        return Fail(QStringLiteral("no selection"));
    return Save(base, format, inside, std::nullopt);
}

short ImagingControlBase::Fail(const QString& error)
{
    lastError_ = error;
    return 0;
}

short ImagingControlBase::Save(const QString& base, const QString& format, std::optional<QRect> region,
                               std::optional<QSize> size)
{
    // Permissions are given for one save; the next PDF is unencrypted unless they are given again.
    EncoderSettings settings = settings_;
    settings_.pdfSecurity.kind = PdfSecurity::Kind::None;
    const LoadedImage* doc = SaveSource();
    if (!doc)
        return Fail(QStringLiteral("no image is loaded"));
    // A partly decoded source would be written as if whole; refuse rather than report success.
    if (const QString damage = doc->Damage(); !damage.isEmpty())
        return Fail(QStringLiteral("the source file is damaged (%1)").arg(damage));
    const QString path = base + QLatin1Char('.') + format;
    OutputFile file(path);
    if (!file.Open())
        return Fail(QStringLiteral("cannot write %1: %2").arg(path, file.ErrorString()));
    const QByteArray name = format.toLatin1();
    const std::string_view formatName(name.constData(), static_cast<std::size_t>(name.size()));
    const EncodeResult encoded = doc->Encode({formatName, settings, region, size, file.EncoderPath()});
    if (!encoded.Ok())
        return Fail(encoded.error);  // the unfinished file goes with `file`
    if (!encoded.written && !file.Write(encoded.bytes))
        return Fail(QStringLiteral("cannot write %1: %2").arg(path, file.ErrorString()));
    if (!file.HasData())
        return Fail(QStringLiteral("the encoder produced no data"));
    if (!file.Commit())
        return Fail(QStringLiteral("cannot write %1: %2").arg(path, file.ErrorString()));
    lastError_.clear();
    return 1;
}
