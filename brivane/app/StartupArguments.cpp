#include "app/StartupArguments.h"

#include "app/BrivaneVersion.h"

#include <QCommandLineParser>

StartupRequest ParseStartupArguments(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);

    StartupRequest request;
    if (!parser.parse(args)) {
        request.action = StartupRequest::Action::Refuse;
        request.error = parser.errorText();
        return request;
    }
    if (parser.isSet(help))
        request.action = StartupRequest::Action::ShowHelp;
    else if (parser.isSet(version))
        request.action = StartupRequest::Action::ShowVersion;
    else
        request.paths = parser.positionalArguments();
    return request;
}

QString StartupUsage()
{
    return QStringLiteral(
        "Usage: brivane [FILE | FOLDER]...\n"
        "Converts batches of images into one format. The files given, and the image files of the\n"
        "folders given, are put in the file list when the window opens.\n"
        "\n"
        "  -h, --help     show this help and exit\n"
        "  -v, --version  show the version and exit\n"
        "\n"
        "Use -- before a file name that starts with a dash.\n");
}

QString StartupVersionLine() { return QStringLiteral("brivane ") + QLatin1String(kBrivaneVersion); }
