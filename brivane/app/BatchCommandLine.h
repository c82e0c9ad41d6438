#pragma once
// The arguments of brivane-batch:
// --format FMT [--output DIR] [--profile FILE] [--yes | --no-clobber] [--jobs N] FILE...
// --help | --version

#include <QString>
#include <QStringList>

#include <optional>

struct BatchArguments {
    QString formatEntry;  // the output format list's spelling ("JPG"), whatever case was typed
    QString outputFolder;  // absolute; the current directory when not given
    QString profilePath;   // "" for the profile Brivane itself uses
    bool overwrite = false;  // answer Yes to every overwrite question
    bool noClobber = false;  // never replace an existing file
    int jobs = 0;  // files converted at once; the number of processors when not given
    bool help = false;
    bool version = false;
    QStringList files;  // absolute paths, in the order given
};

struct BatchArgumentsResult {
    std::optional<BatchArguments> arguments;
    QString error;  // why the arguments were refused; "" when accepted
};

// The most files brivane-batch converts at once.
inline constexpr int kMaxJobs = 64;

// `args` without the program name.
BatchArgumentsResult ParseBatchArguments(const QStringList& args);

QString BatchUsage();
// "brivane-batch 2.0"
QString BatchVersionLine();
