// brivane and brivane-batch answer --version and --help as processes, without a display.
#include <QProcess>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// Without `windowSystem` there is no display and no platform override, as over ssh: --help and
// --version must answer before any window system is needed.
Run Start(const QString& program, const QStringList& args, bool windowSystem = false)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!windowSystem) {
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    }
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForFinished(30'000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

class TestProgramCli : public QObject {
    Q_OBJECT
private slots:
    void versionLines_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected");
        const QString version = QStringLiteral(PROJECT_VERSION);
        QTest::newRow("brivane") << QStringLiteral(BRIVANE) << QStringList{"--version"}
                                 << QStringLiteral("brivane ") + version + QLatin1Char('\n');
        // --version needs no --format and ignores files.
        QTest::newRow("brivane-batch") << QStringLiteral(BRIVANE_BATCH) << QStringList{"--version", "x.png"}
                                       << QStringLiteral("brivane-batch ") + version + QLatin1Char('\n');
    }

    void versionLines()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        const Run run = Start(program, args);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, expected);
        QCOMPARE(run.err, QString());
    }

    void brivaneHelpAndRefusal()
    {
        // --help answers without a display too.
        QCOMPARE(Start(QStringLiteral(BRIVANE), {QStringLiteral("--help")}).exitCode, 0);

        // Refused once Qt has taken its own options (so it needs the platform), before any window.
        const Run bad = Start(QStringLiteral(BRIVANE), {QStringLiteral("--bogus")}, true);
        QCOMPARE(bad.exitCode, 2);
        QCOMPARE(bad.out, QString());
        QVERIFY2(bad.err.contains(QLatin1String("bogus")), qPrintable(bad.err));
    }
};

QTEST_MAIN(TestProgramCli)
#include "tst_program_cli.moc"
