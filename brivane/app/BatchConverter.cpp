#include "app/BatchConverter.h"

#include "imaging/ImagingControl.h"
#include "imaging/SameFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <filesystem>
#include <limits>
#include <string_view>

namespace {

using Conversion = void (IImagingControl::*)();

// Depth conversions by the profile's depth index; an index outside a table means "keep".
constexpr std::array kBmpDepths = {
    &IImagingControl::ConvertTo1Bpp,  &IImagingControl::ConvertTo4Bpp,  &IImagingControl::ConvertTo8Bpp,
    &IImagingControl::ConvertTo16Bpp, &IImagingControl::ConvertTo24Bpp, &IImagingControl::ConvertTo32Bpp,
};
constexpr std::array kTiffDepths = {
    &IImagingControl::ConvertTo1Bpp,     &IImagingControl::ConvertTo4Bpp,  &IImagingControl::ConvertTo8Bpp,
    &IImagingControl::ConvertTo8BppGray, &IImagingControl::ConvertTo16Bpp,
};
constexpr std::array<short, 5> kGifPaletteSizes = {16, 32, 64, 128, 256};

constexpr int kTiffLzw = 0;

template <std::size_t N>
void ConvertByIndex(IImagingControl& control, const std::array<Conversion, N>& table, int index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < N)
        (control.*table[static_cast<std::size_t>(index)])();
}

// The control's numeric properties are 16-bit; a larger stored value saturates instead of
// wrapping into a negative one.
short ToShort(int value)
{
    return static_cast<short>(std::clamp<int>(value, std::numeric_limits<short>::min(),
                                              std::numeric_limits<short>::max()));
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

void HandBmp(const ConversionProfile& p, IImagingControl& c)
{
    ConvertByIndex(c, kBmpDepths, p.BmpBppIndex);
    c.SetBmpDpiX(ToShort(p.BmpDPIX));
    c.SetBmpDpiY(ToShort(p.BmpDPIY));
}

void HandJpeg(const ConversionProfile& p, IImagingControl& c)
{
    c.SetJpegQuality(ToShort(p.JPEGQuality));
    c.SetKeepExif(p.KeepEXIF != 0);
}

void HandTiff(const ConversionProfile& p, IImagingControl& c)
{
    c.SetTiffCompression(p.TIFCompIndex);
    // The fax codings are bilevel and PackBits/none keep the source depth; only LZW takes a depth.
    if (p.TIFCompIndex == kTiffLzw)
        ConvertByIndex(c, kTiffDepths, p.TIFBppIndex);
}

void HandGif(const ConversionProfile& p, IImagingControl& c)
{
    c.SetGifTransparentColor(static_cast<long>(p.GIFTranColor));
    c.SetGifQuantizer(ToShort(p.GIFQuanIndex));
    if (p.GIFMaxColorIndex >= 0 && static_cast<std::size_t>(p.GIFMaxColorIndex) < kGifPaletteSizes.size())
        c.SetGifMaxColors(kGifPaletteSizes[static_cast<std::size_t>(p.GIFMaxColorIndex)]);
    c.SetGifErrorDiffusion(p.GIFErrorDiff != 0);
}

void Hand40BitPermissions(const ConversionProfile& p, IImagingControl& c)
{
    c.SetPdf40BitPermissions(p.PDFA40EnablePrint != 0, p.PDFA40EnableEdit != 0, p.PDFA40EnableExtractor != 0,
                             p.PDFA40EnableAnno != 0);
}

void Hand128BitPermissions(const ConversionProfile& p, IImagingControl& c)
{
    c.SetPdf128BitPermissions(p.PDFA128EnablePrint != 0, p.PDFA128EnableHighPrint != 0, p.PDFA128EnableEdit != 0,
                              p.PDFA128EnableExtractor != 0, p.PDFA128EnableAnno != 0,
                              p.PDFA128EnableFillForm != 0, p.PDFA128EnableExtractText != 0,
                              p.PDFA128EnableAssDoc != 0);
}

// PDF security by OutputPDFAType: which passwords, then which permissions turn encryption on.
struct PdfSecurity {
    bool withPasswords;  // the profile's passwords; otherwise both empty
    void (*permissions)(const ConversionProfile&, IImagingControl&);
};
constexpr std::array<PdfSecurity, 5> kPdfSecurity = {{
    {true, nullptr},
    {true, Hand40BitPermissions},
    {true, Hand128BitPermissions},
    {false, Hand40BitPermissions},
    {false, Hand128BitPermissions},
}};

void HandPdf(const ConversionProfile& p, IImagingControl& c)
{
    c.SetPdfTitle(Text(p.PDFTitle));
    c.SetPdfAuthor(Text(p.PDFAuthor));
    c.SetPdfCreator(Text(p.PDFCreator));
    c.SetPdfKeywords(Text(p.PDFKeyword));
    c.SetPdfProducer(Text(p.PDFProducer));
    c.SetPdfSubject(Text(p.PDFSubject));
    c.SetOutputPdfA(p.OutputPDFA != 0);
    if (p.OutputPDFA == 0 || p.OutputPDFAType < 0 ||
        static_cast<std::size_t>(p.OutputPDFAType) >= kPdfSecurity.size())
        return;
    const PdfSecurity& security = kPdfSecurity[static_cast<std::size_t>(p.OutputPDFAType)];
    if (security.withPasswords)
        c.SetPdfPasswords(Text(p.PDFAOwnerPassword), Text(p.PDFAUserPassword));
    else
        c.SetPdfPasswords(QString(), QString());
    if (security.permissions != nullptr)
        security.permissions(p, c);
}

struct FormatSettings {
    std::string_view format;
    void (*hand)(const ConversionProfile&, IImagingControl&);
};
constexpr std::array<FormatSettings, 5> kFormatSettings = {{
    {"bmp", HandBmp},
    {"jpg", HandJpeg},
    {"tif", HandTiff},
    {"gif", HandGif},
    {"pdf", HandPdf},
}};

const QString kIco = QStringLiteral("ico");
constexpr int kIconSide = 32;

}  // namespace

int BatchSummary::Failures() const
{
    return static_cast<int>(std::count_if(files.begin(), files.end(), [](const BatchFileResult& r) {
        return r.outcome == BatchFileResult::Outcome::Failed;
    }));
}

int BatchSummary::Saved() const
{
    return static_cast<int>(std::count_if(files.begin(), files.end(), [](const BatchFileResult& r) {
        return r.outcome == BatchFileResult::Outcome::Saved;
    }));
}

QString ReplacesSourceReason()
{
    return QStringLiteral("the output would replace the source file; set a prefix, a suffix or another output folder");
}

bool EnsureFolder(const QString& folder, QString& reason)
{
    std::error_code error;
    const std::filesystem::path path(QFile::encodeName(folder).toStdString());
    if (std::filesystem::is_directory(path, error))
        return true;
    std::filesystem::create_directories(path, error);
    if (!error && std::filesystem::is_directory(path, error))
        return true;
    // A file already standing at that path is no folder, whatever create_directories said.
    reason = error ? QString::fromLocal8Bit(error.message().c_str()) : QStringLiteral("a file of that name is in the way");
    return false;
}

QString OutputBase(const QString& folder, const QString& prefix, const QString& sourceName, const QString& suffix)
{
    const qsizetype dot = sourceName.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? sourceName : sourceName.left(dot);
    const QString separator = folder.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    return folder + separator + prefix + base + suffix;
}

QString OverwriteQuestion(const QString& outputPath)
{
    return QStringLiteral("Are you sure overwrite ") + outputPath + QStringLiteral(" ?");
}

QString FailureMessage(const BatchSummary& summary)
{
    const int failures = summary.Failures();
    const int handled = static_cast<int>(summary.files.size());
    QString text = failures == 1 ? QStringLiteral("1 of %1 files failed:").arg(handled)
                                 : QStringLiteral("%1 of %2 files failed:").arg(failures).arg(handled);
    int listed = 0;
    for (const BatchFileResult& r : summary.files) {
        if (r.outcome != BatchFileResult::Outcome::Failed)
            continue;
        if (listed == kListedFailures)
            break;
        text += QLatin1Char('\n') + r.source + QStringLiteral(": ") + r.reason;
        ++listed;
    }
    if (failures > listed)
        text += QStringLiteral("\nand %1 more").arg(failures - listed);
    return text;
}

void HandOverSettings(const QString& format, const ConversionProfile& profile, IImagingControl& control)
{
    const QByteArray key = format.toLatin1();
    const std::string_view name(key.constData(), static_cast<std::size_t>(key.size()));
    for (const FormatSettings& entry : kFormatSettings) {
        if (entry.format == name) {
            entry.hand(profile, control);
            return;
        }
    }
}

BatchConverter::BatchConverter(IImagingControl& control, const ConversionProfile& profile, QString outputFolder,
                               const QString& formatEntry)
    : control_(control), profile_(profile), folder_(std::move(outputFolder)), format_(formatEntry.toLower())
{
}

BatchSummary BatchConverter::Run(const std::vector<FileEntry>& files, IBatchObserver& observer)
{
    BatchSummary summary;
    summary.count = static_cast<int>(files.size());
    if (files.empty()) {
        observer.ShowMessage(BatchMessage::NoFiles, QStringLiteral("Please add image first"));
        return summary;
    }

    if (!folder_.isEmpty()) {
        if (QString reason; !EnsureFolder(folder_, reason)) {
            summary.error = QStringLiteral("Cannot create the output folder %1: %2").arg(folder_, reason);
            observer.ShowMessage(BatchMessage::FolderError, summary.error);
            return summary;
        }
    }

    for (int i = 0; i < summary.count; ++i) {
        const FileEntry& file = files[static_cast<std::size_t>(i)];
        if (!observer.BeginFile(i, summary.count, file.name)) {
            summary.cancelled = true;
            break;
        }
        summary.files.push_back(ConvertOne(file, observer));
        observer.EndFile(summary.files.back());
    }

    if (summary.cancelled) {
        QString text = QStringLiteral("Conversion cancelled: %1 of %2 files converted.").arg(summary.Saved()).arg(summary.count);
        if (summary.Failures() > 0)
            text += QLatin1Char('\n') + FailureMessage(summary);
        observer.ShowMessage(BatchMessage::Cancelled, text);
    } else if (summary.Failures() == 0) {
        observer.ShowMessage(BatchMessage::Completed, QStringLiteral("Save Completed"));
    } else {
        observer.ShowMessage(BatchMessage::Failures, FailureMessage(summary));
    }
    // After a cancel the user is still busy with the batch, not looking for its results.
    if (profile_.OpenFolder == 1 && !summary.cancelled)
        observer.OpenFolder(folder_);
    control_.SetImageFile(QString());
    return summary;
}

BatchFileResult BatchConverter::ConvertOne(const FileEntry& file, IBatchObserver& observer)
{
    BatchFileResult result;
    result.source = file.FullPath();
    const QString base = OutputBase(folder_, Text(profile_.Prefix), file.name, Text(profile_.Suffix));
    result.output = base + QLatin1Char('.') + format_;

    const auto fail = [&result](QString reason) {
        result.outcome = BatchFileResult::Outcome::Failed;
        result.reason = reason.isEmpty() ? QStringLiteral("unknown error") : std::move(reason);
        return result;
    };
    // Without a folder the name would land in the file system's root.
    if (folder_.isEmpty())
        return fail(QStringLiteral("no output folder is set"));
    // Whatever the overwrite setting says: converting a file onto itself loses the original.
    if (brivane::IsSameFile(result.source, result.output))
        return fail(ReplacesSourceReason());

    control_.SetImageFile(result.source);
    // A file that cannot be read fails here, before anyone is asked about overwriting for it.
    if (const QString loadError = control_.LastError(); !loadError.isEmpty())
        return fail(loadError);

    HandOverSettings(format_, profile_, control_);

    if (profile_.OverWrite == 1 && QFileInfo::exists(result.output) &&
        !observer.ConfirmOverwrite(OverwriteQuestion(result.output))) {
        result.outcome = BatchFileResult::Outcome::Declined;
        return result;
    }

    short saved = 0;
    if (format_ == kIco)
        saved = control_.SaveResized(base, kIco, kIconSide, kIconSide);
    else if (profile_.ResizeKeepOrg == 1)
        saved = control_.SaveImage(base, format_);
    else
        saved = control_.SaveResized(base, format_, profile_.ResizeWidth, profile_.ResizeHeight);
    if (saved != 1)
        return fail(control_.LastError());
    result.outcome = BatchFileResult::Outcome::Saved;
    return result;
}
