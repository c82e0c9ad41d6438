#include "app/BatchConverter.h"

#include "imaging/ImagingControl.h"
#include "imaging/SameFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <limits>
#include <optional>
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

void BatchConverter::SetWorkers(int jobs, ControlFactory makeControl)
{
    jobs_ = std::max(1, jobs);
    makeControl_ = std::move(makeControl);
}

// One file of the list on its way through the batch.
struct BatchConverter::Job {
    enum class Stage { Waiting, Loading, Loaded, Saving, Done };
    const FileEntry* file = nullptr;
    QString base;  // output path without its extension
    BatchFileResult result;
    Stage stage = Stage::Waiting;
    int worker = -1;
    bool loaded = false;  // set by the load task

    void Fail(QString reason)
    {
        result.outcome = BatchFileResult::Outcome::Failed;
        result.reason = reason.isEmpty() ? QStringLiteral("unknown error") : std::move(reason);
    }
    // Whether this file and `other` read or write a common file, so that their order matters.
    bool SharesAFileWith(const Job& other) const
    {
        using brivane::IsSameFile;
        return IsSameFile(result.output, other.result.output) || IsSameFile(result.output, other.result.source) ||
               IsSameFile(result.source, other.result.output);
    }
};

// The batch's own thread: starts files on free workers, asks the questions and reports the
// files in list order, and waits for the workers in between.
class BatchConverter::Schedule {
public:
    Schedule(const BatchConverter& batch, std::vector<Job>& jobs, BatchWorkers& workers, IBatchObserver& observer)
        : batch_(batch), jobs_(jobs), workers_(workers), observer_(observer)
    {
        for (int w = workers.Count() - 1; w >= 0; --w)
            free_.push_back(w);
    }

    // Returns true when the batch was cancelled.
    bool Run(std::vector<BatchFileResult>& reported)
    {
        for (;;) {
            StartFiles();
            Decide();
            for (; reported_ < started_ && jobs_[Index(reported_)].stage == Job::Stage::Done; ++reported_) {
                reported.push_back(jobs_[Index(reported_)].result);
                observer_.EndFile(reported.back());
            }
            if (reported_ == started_ && (stopped_ || started_ == Count()))
                return stopped_;
            if (!stopped_ && !observer_.KeepWaiting())
                stopped_ = true;
            if (const std::optional<int> token = workers_.WaitEnded(kPoll))
                TaskEnded(*token);
        }
    }

private:
    // How long the batch waits for a worker before it lets the observer look at the window.
    static constexpr std::chrono::milliseconds kPoll{40};

    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
    int Count() const { return static_cast<int>(jobs_.size()); }

    void StartFiles()
    {
        while (!stopped_ && started_ < Count() && !free_.empty()) {
            Job& job = jobs_[Index(started_)];
            for (int i = reported_; i < started_; ++i) {
                if (jobs_[Index(i)].stage != Job::Stage::Done && job.SharesAFileWith(jobs_[Index(i)]))
                    return;  // after that file has ended
            }
            if (!observer_.BeginFile(started_, Count(), job.file->name)) {
                stopped_ = true;
                return;
            }
            ++started_;
            if (!batch_.CheckBeforeLoading(job))
                continue;
            job.worker = free_.back();
            free_.pop_back();
            job.stage = Job::Stage::Loading;
            workers_.Post(job.worker, [this, &job](IImagingControl& control) { batch_.Load(job, control); },
                          started_ - 1);
        }
    }

    // Questions are asked in list order, once a file is loaded: a file that cannot be read
    // fails before anyone is asked about it.
    void Decide()
    {
        for (; decided_ < started_; ++decided_) {
            Job& job = jobs_[Index(decided_)];
            if (job.stage == Job::Stage::Waiting || job.stage == Job::Stage::Loading)
                return;
            if (job.stage != Job::Stage::Loaded)
                continue;
            if (!MayWrite(job)) {
                job.result.outcome = BatchFileResult::Outcome::Declined;
                Finish(job);
                continue;
            }
            job.stage = Job::Stage::Saving;
            workers_.Post(job.worker, [this, &job](IImagingControl& control) { batch_.Save(job, control); },
                          decided_);
        }
    }

    bool MayWrite(const Job& job)
    {
        if (batch_.profile_.OverWrite != 1 || !QFileInfo::exists(job.result.output))
            return true;
        if (toAll_)
            return *toAll_;
        const OverwriteAnswer answer = observer_.ConfirmOverwrite(OverwriteQuestion(job.result.output));
        const bool yes = answer == OverwriteAnswer::Yes || answer == OverwriteAnswer::YesToAll;
        if (answer == OverwriteAnswer::YesToAll || answer == OverwriteAnswer::NoToAll)
            toAll_ = yes;
        return yes;
    }

    void TaskEnded(int index)
    {
        Job& job = jobs_[Index(index)];
        if (job.stage == Job::Stage::Loading && job.loaded)
            job.stage = Job::Stage::Loaded;
        else
            Finish(job);
    }

    void Finish(Job& job)
    {
        job.stage = Job::Stage::Done;
        free_.push_back(job.worker);
    }

    const BatchConverter& batch_;
    std::vector<Job>& jobs_;
    BatchWorkers& workers_;
    IBatchObserver& observer_;
    std::vector<int> free_;  // idle workers
    int started_ = 0;   // files begun, from the first
    int decided_ = 0;   // files past their overwrite question
    int reported_ = 0;  // files whose end was reported
    bool stopped_ = false;
    std::optional<bool> toAll_;  // the answer "Yes to All" or "No to All" gave
};

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

    std::vector<Job> jobs(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        Job& job = jobs[i];
        job.file = &files[i];
        job.result.source = files[i].FullPath();
        job.base = OutputBase(folder_, Text(profile_.Prefix), files[i].name, Text(profile_.Suffix));
        job.result.output = job.base + QLatin1Char('.') + format_;
    }
    {
        // Gone before the end message: the workers' images are released by then.
        const auto workers = makeControl_ ? std::make_unique<BatchWorkers>(jobs_, makeControl_)
                                          : std::make_unique<BatchWorkers>(control_);
        summary.cancelled = Schedule(*this, jobs, *workers, observer).Run(summary.files);
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

bool BatchConverter::CheckBeforeLoading(Job& job) const
{
    // Without a folder the name would land in the file system's root.
    if (folder_.isEmpty())
        job.Fail(QStringLiteral("no output folder is set"));
    // Whatever the overwrite setting says: converting a file onto itself loses the original.
    else if (brivane::IsSameFile(job.result.source, job.result.output))
        job.Fail(ReplacesSourceReason());
    // Known without reading the source, so it is not read.
    else if (neverReplace_ && QFileInfo::exists(job.result.output))
        job.result.outcome = BatchFileResult::Outcome::Declined;
    else
        return true;
    job.stage = Job::Stage::Done;
    return false;
}

// On a worker thread.
void BatchConverter::Load(Job& job, IImagingControl& control) const
{
    try {
        control.SetImageFile(job.result.source);
        // A file that cannot be read fails here, before anyone is asked about overwriting for it.
        if (const QString loadError = control.LastError(); !loadError.isEmpty())
            return job.Fail(loadError);
        HandOverSettings(format_, profile_, control);
        job.loaded = true;
    } catch (const std::exception& e) {
        job.Fail(QString::fromLocal8Bit(e.what()));
    }
}

// On a worker thread, with the control that loaded the file.
void BatchConverter::Save(Job& job, IImagingControl& control) const
{
    try {
        short saved = 0;
        if (format_ == kIco)
            saved = control.SaveResized(job.base, kIco, kIconSide, kIconSide);
        else if (profile_.ResizeKeepOrg == 1)
            saved = control.SaveImage(job.base, format_);
        else
            saved = control.SaveResized(job.base, format_, profile_.ResizeWidth, profile_.ResizeHeight);
        if (saved != 1)
            return job.Fail(control.LastError());
        job.result.outcome = BatchFileResult::Outcome::Saved;
    } catch (const std::exception& e) {
        job.Fail(QString::fromLocal8Bit(e.what()));
    }
}
