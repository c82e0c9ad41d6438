#include "app/BatchCommandLine.h"

#include "app/BrivaneVersion.h"
#include "app/OutputFormats.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The list's spelling of `typed`, compared without case; "" when it names no output format.
QString FindFormatEntry(const QString& typed)
{
    for (std::string_view format : kOutputFormats) {
        const QString entry = QString::fromLatin1(format.data(), static_cast<qsizetype>(format.size()));
        if (entry.compare(typed, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

BatchArgumentsResult Refuse(const QString& error) { return {std::nullopt, error}; }

}  // namespace

QString BatchUsage()
{
    QStringList formats;
    for (std::string_view format : kOutputFormats)
        formats << QString::fromLatin1(format.data(), static_cast<qsizetype>(format.size())).toLower();
    return QStringLiteral(
               "Usage: brivane-batch --format FMT [--output DIR] [--profile FILE] [--yes | --no-clobber]\n"
               "                     [--jobs N] FILE...\n"
               "       brivane-batch --help | --version\n"
               "Converts each FILE into format FMT with the encoder settings of the profile.\n"
               "\n"
               "  --format FMT    one of: %1\n"
               "  --output DIR    folder for the converted files (default: the current folder)\n"
               "  --profile FILE  settings file (default: the one Brivane uses)\n"
               "  --yes           replace existing files when the profile asks before overwriting\n"
               "  --no-clobber    never replace an existing file\n"
               "  --jobs N        convert up to N files at once, 1 to %2 (default: one per processor)\n"
               "\n"
               "Prints \"ok OUTPUT\", \"skipped OUTPUT: exists\" or \"failed FILE: REASON\" per file, in the\n"
               "order of the files given.\n"
               "Exit status: 0 all converted, 1 some failed, 2 bad arguments.\n")
        .arg(formats.join(QStringLiteral(", ")))
        .arg(kMaxJobs);
}

QString BatchVersionLine() { return QStringLiteral("brivane-batch ") + QLatin1String(kBrivaneVersion); }

BatchArgumentsResult ParseBatchArguments(const QStringList& args)
{
    BatchArguments parsed;
    QString format;
    QString output;
    QString jobs;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            parsed.files << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg == QLatin1String("--yes")) {
            parsed.overwrite = true;
            continue;
        }
        if (arg == QLatin1String("--no-clobber")) {
            parsed.noClobber = true;
            continue;
        }
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            parsed.help = true;
            continue;
        }
        if (arg == QLatin1String("--version")) {
            parsed.version = true;
            continue;
        }
        // Options with a value: "--name VALUE" or "--name=VALUE".
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? arg : arg.left(equals);
        QString* target = name == QLatin1String("--format")    ? &format
                          : name == QLatin1String("--output")  ? &output
                          : name == QLatin1String("--profile") ? &parsed.profilePath
                          : name == QLatin1String("--jobs")    ? &jobs
                                                               : nullptr;
        if (target == nullptr)
            return Refuse(QStringLiteral("unknown option %1").arg(arg));
        if (equals >= 0) {
            *target = arg.mid(equals + 1);
        } else {
            if (i + 1 >= args.size())
                return Refuse(QStringLiteral("%1 needs a value").arg(name));
            *target = args[++i];
        }
        if (target->isEmpty())
            return Refuse(QStringLiteral("%1 needs a value").arg(name));
    }
    if (parsed.help || parsed.version)
        return {parsed, {}};

    if (format.isEmpty())
        return Refuse(QStringLiteral("--format is required"));
    if (parsed.overwrite && parsed.noClobber)
        return Refuse(QStringLiteral("--yes and --no-clobber contradict each other"));
    if (!jobs.isEmpty()) {
        bool number = false;
        parsed.jobs = jobs.toInt(&number);
        if (!number || parsed.jobs < 1 || parsed.jobs > kMaxJobs)
            return Refuse(QStringLiteral("--jobs takes a number from 1 to %1, not %2").arg(kMaxJobs).arg(jobs));
    }
    parsed.formatEntry = FindFormatEntry(format);
    if (parsed.formatEntry.isEmpty())
        return Refuse(QStringLiteral("unknown format %1").arg(format));
    if (parsed.files.isEmpty())
        return Refuse(QStringLiteral("no files to convert"));
    if (!parsed.profilePath.isEmpty() && !QFileInfo(parsed.profilePath).isFile())
        return Refuse(QStringLiteral("no profile at %1").arg(parsed.profilePath));

    parsed.outputFolder = QDir(output.isEmpty() ? QDir::currentPath() : output).absolutePath();
    if (!QFileInfo(parsed.outputFolder).isDir())
        return Refuse(QStringLiteral("no folder at %1").arg(parsed.outputFolder));
    for (QString& file : parsed.files)
        file = QFileInfo(file).absoluteFilePath();
    return {parsed, {}};
}
