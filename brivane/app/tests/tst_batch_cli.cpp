// brivane-batch as a user runs it: its lines and its exit codes.
#include "profile/ConversionProfile.h"
#include "TestSupport.h"

#include <QDateTime>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run Batch(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(BRIVANE_BATCH), args);
    if (!process.waitForFinished(60'000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

class BatchCliTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void badArgumentsExitTwo();
    void convertsAndPrintsOneLineAFile();
    void anyFailureExitsOne();
    void overwriteQuestionsAreNoUnlessYes();
    void anOutputOntoItsSourceFails();
    void noClobberNeverReplaces();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString profile_;
    QString image_;
};

void BatchCliTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    profile_ = dir_->filePath("profile.ini");
    ConversionProfile p;
    p.Prefix = "p_";
    p.OverWrite = 1;
    QVERIFY(SaveProfile(p, profile_.toStdString()));
    image_ = test::MakeImage(dir_->filePath("a.png"));
}

void BatchCliTest::badArgumentsExitTwo()
{
    const QStringList bad[] = {
        {},
        {"--format", "xyz", image_},
        {"--format", "png"},
        {"--format", "png", "--output", dir_->filePath("missing"), image_},
        {"--format", "png", "--profile", dir_->filePath("missing.ini"), image_},
        {"--frobnicate", image_},
        {"--format"},
        {"--format", "png", "--yes", "--no-clobber", image_},
        {"--format", "png", "--jobs", "0", image_},
        {"--format", "png", "--jobs=65", image_},
        {"--format", "png", "--jobs", "two", image_},
    };
    for (const QStringList& args : bad) {
        const Run run = Batch(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith("brivane-batch: "), qPrintable(args.join(' ')));
        QVERIFY(run.out.isEmpty());
    }
    QCOMPARE(Batch({"--help"}).exitCode, 0);
}

void BatchCliTest::convertsAndPrintsOneLineAFile()
{
    const QString b = test::MakeImage(dir_->filePath("b.bmp"));
    const Run run = Batch({"--format", "JPG", "--output", dir_->path(), "--profile", profile_, image_, b});
    QCOMPARE(run.exitCode, 0);
    const QString outA = dir_->filePath("p_a.jpg"), outB = dir_->filePath("p_b.jpg");
    QCOMPARE(run.out, "ok " + outA + "\nok " + outB + "\n");
    QCOMPARE(QImage(outA).size(), QSize(64, 48));
    QCOMPARE(QImage(outB).size(), QSize(64, 48));
}

void BatchCliTest::anyFailureExitsOne()
{
    const QString broken = test::MakeFile(QDir(dir_->path()), "broken.gif", 50);
    const Run run = Batch({"--format", "png", "--output", dir_->path(), "--profile", profile_, broken, image_});
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].startsWith("failed " + broken + ": "), qPrintable(lines[0]));
    QCOMPARE(lines[1], "ok " + dir_->filePath("p_a.png"));
}

void BatchCliTest::overwriteQuestionsAreNoUnlessYes()
{
    const QString out = dir_->filePath("p_a.png");
    QFile stale(out);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("stale");
    stale.close();
    const QStringList args{"--format", "png", "--output", dir_->path(), "--profile", profile_, image_};
    const Run kept = Batch(args);
    QCOMPARE(kept.exitCode, 0);  // declining is not failing
    QVERIFY(kept.out.startsWith("skipped " + out));
    QCOMPARE(QFileInfo(out).size(), 5);

    const Run replaced = Batch(QStringList{"--yes"} + args);
    QCOMPARE(replaced.exitCode, 0);
    QCOMPARE(replaced.out, "ok " + out + "\n");
    QCOMPARE(QImage(out).size(), QSize(64, 48));
}

void BatchCliTest::anOutputOntoItsSourceFails()
{
    const QDateTime old = QDateTime::currentDateTimeUtc().addDays(-2);
    {
        QFile f(image_);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    const QByteArray before = test::ReadAll(image_);
    for (const int overWrite : {0, 1}) {
        ConversionProfile p;  // no prefix or suffix
        p.OverWrite = overWrite;
        const QString profile = dir_->filePath(QStringLiteral("plain%1.ini").arg(overWrite));
        QVERIFY(SaveProfile(p, profile.toStdString()));
        const Run run = Batch({"--yes", "--format", "png", "--output", dir_->path(), "--profile", profile, image_});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, "failed " + image_ +
                              ": the output would replace the source file; set a prefix, a suffix or another output folder\n");
    }
    QCOMPARE(test::ReadAll(image_), before);
    QCOMPARE(QFileInfo(image_).lastModified(), old.toLocalTime());
}

void BatchCliTest::noClobberNeverReplaces()
{
    ConversionProfile p;  // OverWrite 0: without the option the file would be replaced silently
    p.Prefix = "p_";
    QVERIFY(SaveProfile(p, profile_.toStdString()));
    const QString out = dir_->filePath("p_a.png");
    QFile stale(out);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("stale");
    stale.close();
    const QString b = test::MakeImage(dir_->filePath("b.png"));
    const Run run = Batch({"--no-clobber", "--format", "png", "--output", dir_->path(), "--profile", profile_, image_, b});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, "skipped " + out + ": exists\nok " + dir_->filePath("p_b.png") + "\n");
    QCOMPARE(test::ReadAll(out), QByteArray("stale"));
}

QTEST_MAIN(BatchCliTest)
#include "tst_batch_cli.moc"
