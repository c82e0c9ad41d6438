#pragma once
// The conversion of a whole file list into one output format, free of any window: the main
// window drives it with message boxes and a progress dialog, brivane-batch from a terminal.

#include "app/BatchWorkers.h"
#include "app/FileEntry.h"
#include "profile/ConversionProfile.h"

#include <QString>

#include <vector>

class IImagingControl;

// What became of one file of the batch.
struct BatchFileResult {
    enum class Outcome { Saved, Declined, Failed };
    QString source;  // full path of the source file
    QString output;  // output path with its extension
    Outcome outcome = Outcome::Failed;
    QString reason;  // why it failed; "" otherwise
};

struct BatchSummary {
    int count = 0;  // files in the list
    std::vector<BatchFileResult> files;  // one per file handled, in list order
    bool cancelled = false;  // stopped before the end of the list
    QString error;  // why nothing could be converted (the output folder); "" otherwise

    int Failures() const;
    int Saved() const;
};

// The end-of-batch messages, so that a window can pick an icon for each.
enum class BatchMessage { NoFiles, Completed, Failures, Cancelled, FolderError };

// The answers to an overwrite question; the "to all" ones hold for the rest of the batch.
enum class OverwriteAnswer { Yes, YesToAll, No, NoToAll };

// What the batch asks of whoever runs it. Every call happens on the caller's thread, and the
// calls about files come in list order: BeginFile, ConfirmOverwrite and EndFile each go through
// the list from the first file on, though with several workers file 2 may begin before file 1
// has ended.
class IBatchObserver {
public:
    virtual ~IBatchObserver() = default;
    // Before file `index` (from 0) of `count`; returning false ends the batch before this file,
    // as if the list ended there (the files already begun still end).
    virtual bool BeginFile(int index, int count, const QString& name) = 0;
    // Asked before replacing an existing output file.
    virtual OverwriteAnswer ConfirmOverwrite(const QString& question) = 0;
    virtual void EndFile(const BatchFileResult& result) = 0;
    // Called every few tens of milliseconds while files convert on worker threads; returning
    // false ends the batch as BeginFile does.
    virtual bool KeepWaiting() { return true; }
    virtual void ShowMessage(BatchMessage kind, const QString& text) = 0;
    virtual void OpenFolder(const QString& folder) = 0;
};

// Output base path (without extension) of `sourceName` (a file name without folder): folder,
// "/", prefix, the name without its last dot and what follows, suffix. A folder that already
// ends with "/" gets no second one.
QString OutputBase(const QString& folder, const QString& prefix, const QString& sourceName,
                   const QString& suffix);

// "Are you sure overwrite <path> ?"
QString OverwriteQuestion(const QString& outputPath);

// Why a file is not converted when its output would be the source file itself.
QString ReplacesSourceReason();

// Creates `folder` with its parents when it does not exist yet; false with the reason otherwise.
bool EnsureFolder(const QString& folder, QString& reason);

// How many files failed, and up to kListedFailures of them with their reasons.
inline constexpr int kListedFailures = 20;
QString FailureMessage(const BatchSummary& summary);

// Hands the profile's settings for `format` (lower case) to the control, in the order the
// control expects them; formats without settings get nothing.
void HandOverSettings(const QString& format, const ConversionProfile& profile, IImagingControl& control);

class BatchConverter {
public:
    // `formatEntry` is an entry of the output format list ("JPG"); the lower-cased entry is the
    // format handed to the control and the extension of the output files.
    BatchConverter(IImagingControl& control, const ConversionProfile& profile, QString outputFolder,
                   const QString& formatEntry);

    // Converts up to `jobs` files at once, each worker thread with its own control from
    // `makeControl`. Without this the files are converted one by one on the caller's thread,
    // with the control given to the constructor.
    void SetWorkers(int jobs, ControlFactory makeControl);
    // Never replaces an existing output file: such files are declined without a question.
    void SetNeverReplace(bool never) { neverReplace_ = never; }

    // Converts every file; ends with one message, the folder opened when the profile asks for
    // it (not after a cancel), and the control emptied. An empty list only shows its message;
    // a missing output folder is created first, and when that fails the batch says so once and
    // converts nothing. Whatever the number of workers, the observer sees the files in list
    // order and the output files are the same: a file waits for any earlier file still being
    // converted that reads or writes one of its own files.
    BatchSummary Run(const std::vector<FileEntry>& files, IBatchObserver& observer);

private:
    struct Job;
    class Schedule;

    // The checks that need no reading of the source; false when they settle the file.
    bool CheckBeforeLoading(Job& job) const;
    void Load(Job& job, IImagingControl& control) const;
    void Save(Job& job, IImagingControl& control) const;

    IImagingControl& control_;
    // A copy: settings changed while the batch runs apply to the next batch.
    ConversionProfile profile_;
    QString folder_;
    QString format_;
    int jobs_ = 1;
    ControlFactory makeControl_;
    bool neverReplace_ = false;
};
