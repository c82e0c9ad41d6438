#pragma once
// The arguments of brivane: [--help | --version] [FILE | FOLDER]...
// Files and folders go into the file list when the window opens.

#include <QString>
#include <QStringList>

struct StartupRequest {
    enum class Action { Run, ShowVersion, ShowHelp, Refuse };
    Action action = Action::Run;
    QStringList paths;  // files and folders, in the order given
    QString error;      // why the arguments were refused; "" otherwise
};

// `args` with the program name first, as QCoreApplication::arguments() gives them.
StartupRequest ParseStartupArguments(const QStringList& args);

QString StartupUsage();
// "brivane 2.0"
QString StartupVersionLine();
