// brivane-batch: the batch conversion of the main window, driven from a terminal.
#include "app/BatchCommandLine.h"
#include "app/BatchConverter.h"
#include "imaging/ImagingControl.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <cstdio>

namespace {

void Print(std::FILE* stream, const QString& line)
{
    std::fputs(QFile::encodeName(line).constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

// One line per file; overwrite questions get the answer chosen on the command line.
class TerminalObserver : public IBatchObserver {
public:
    explicit TerminalObserver(bool overwrite) : overwrite_(overwrite) {}

    bool BeginFile(int, int, const QString&) override { return true; }
    OverwriteAnswer ConfirmOverwrite(const QString&) override
    {
        return overwrite_ ? OverwriteAnswer::Yes : OverwriteAnswer::No;
    }
    void EndFile(const BatchFileResult& r) override
    {
        switch (r.outcome) {
        case BatchFileResult::Outcome::Saved: Print(stdout, QStringLiteral("ok ") + r.output); break;
        case BatchFileResult::Outcome::Declined: Print(stdout, QStringLiteral("skipped %1: exists").arg(r.output)); break;
        case BatchFileResult::Outcome::Failed: Print(stdout, QStringLiteral("failed %1: %2").arg(r.source, r.reason)); break;
        }
    }
    // The per-file lines tell everything else; a terminal never opens a folder.
    void ShowMessage(BatchMessage kind, const QString& text) override
    {
        if (kind == BatchMessage::FolderError)
            Print(stderr, QStringLiteral("brivane-batch: ") + text);
    }
    void OpenFolder(const QString&) override {}

private:
    bool overwrite_;
};

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Brivane"));

    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const BatchArgumentsResult parsed = ParseBatchArguments(args);
    if (!parsed.arguments) {
        Print(stderr, QStringLiteral("brivane-batch: ") + parsed.error);
        std::fputs(BatchUsage().toLocal8Bit().constData(), stderr);
        return 2;
    }
    const BatchArguments& a = *parsed.arguments;
    if (a.help) {
        std::fputs(BatchUsage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (a.version) {
        Print(stdout, BatchVersionLine());
        return 0;
    }

    ConversionProfile profile;
    LoadProfile(profile, a.profilePath.isEmpty() ? DefaultProfilePath()
                                                 : std::filesystem::path(QFile::encodeName(a.profilePath).toStdString()));

    std::vector<FileEntry> files;
    files.reserve(static_cast<std::size_t>(a.files.size()));
    for (const QString& path : a.files)
        files.push_back(MakeFileEntry(path));

    const auto control = CreateHeadlessImagingControl();
    TerminalObserver observer(a.overwrite);
    BatchConverter batch(*control, profile, a.outputFolder, a.formatEntry);
    batch.SetWorkers(a.jobs > 0 ? a.jobs : QThread::idealThreadCount(), CreateHeadlessImagingControl);
    batch.SetNeverReplace(a.noClobber);
    const BatchSummary summary = batch.Run(files, observer);
    return summary.Failures() == 0 && summary.error.isEmpty() ? 0 : 1;
}
