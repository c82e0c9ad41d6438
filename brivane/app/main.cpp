#include "app/CConverterApp.h"
#include "app/StartupArguments.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

namespace {

void Print(std::FILE* stream, const QString& text) { std::fputs(QFile::encodeName(text).constData(), stream); }

// Answers --help, --version and refused arguments; the exit code.
int Answer(const StartupRequest& request)
{
    switch (request.action) {
    case StartupRequest::Action::ShowVersion: Print(stdout, StartupVersionLine() + QLatin1Char('\n')); return 0;
    case StartupRequest::Action::ShowHelp: Print(stdout, StartupUsage()); return 0;
    case StartupRequest::Action::Refuse:
    case StartupRequest::Action::Run: break;
    }
    Print(stderr, QStringLiteral("brivane: %1\n").arg(request.error));
    Print(stderr, StartupUsage());
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    // --help and --version answer before QApplication, so that they need no display. Qt's own
    // options (-platform ...) are known only once QApplication has taken them out, so the full
    // parse comes after it.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QFile::decodeName(argv[i]);
    if (const StartupRequest early = ParseStartupArguments(raw);
        early.action == StartupRequest::Action::ShowHelp || early.action == StartupRequest::Action::ShowVersion)
        return Answer(early);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivane"));
    const StartupRequest request = ParseStartupArguments(QCoreApplication::arguments());
    if (request.action != StartupRequest::Action::Run)
        return Answer(request);
    CConverterApp app;
    return app.Run(request.paths);
}
