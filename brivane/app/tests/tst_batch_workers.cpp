// The batch on several worker threads, with controls whose loads and saves take scripted
// times: what the user sees stays in list order, files that share a file keep their order,
// "to all" answers and never replacing. Cancelling with real controls is in tst_batch.
#include "BatchTestSupport.h"
#include "TestSupport.h"

#include "app/FileEntry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <map>
#include <mutex>
#include <thread>

namespace {

using namespace std::chrono_literals;
using test::Entries;

// What every control of one batch did, in the order it happened, across threads.
class SharedLog {
public:
    void Add(const QString& line)
    {
        const std::lock_guard lock(mutex_);
        lines_ << line;
    }
    QStringList Lines() const
    {
        const std::lock_guard lock(mutex_);
        return lines_;
    }
    int IndexOf(const QString& line) const { return Lines().indexOf(line); }

private:
    mutable std::mutex mutex_;
    QStringList lines_;
};

// Loads any file whose name holds no "bad" and takes its scripted time; a save writes the
// source's name into the output file.
struct Script {
    std::map<QString, std::chrono::milliseconds> loadTime;  // by file name
    std::chrono::milliseconds saveTime{0};
};

class ScriptedControl final : public test::RecordingControl {
public:
    ScriptedControl(const Script& script, SharedLog& log) : script_(script), log_(log) {}

    void SetImageFile(const QString& path) override
    {
        file_ = path;
        if (path.isEmpty())
            return;
        const QString name = QFileInfo(path).fileName();
        log_.Add("load " + name);
        if (const auto t = script_.loadTime.find(name); t != script_.loadTime.end())
            std::this_thread::sleep_for(t->second);
        error_ = name.contains("bad") ? QStringLiteral("damaged") : QString();
        log_.Add("loaded " + name);
    }
    QString GetImageFile() const override { return file_; }
    short SaveImage(const QString& base, const QString& format) override
    {
        const QString path = base + "." + format;
        std::this_thread::sleep_for(script_.saveTime);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly))
            return 0;
        out.write(QFileInfo(file_).fileName().toUtf8());
        log_.Add("saved " + QFileInfo(path).fileName());
        return 1;
    }
    QString LastError() const override { return error_; }

private:
    const Script& script_;
    SharedLog& log_;
    QString file_;
    QString error_;
};

struct Batch {
    Batch(int jobs, const ConversionProfile& profile, const QString& folder)
        : converter(idle, profile, folder, "BMP")
    {
        converter.SetWorkers(jobs, [this] { return std::make_unique<ScriptedControl>(script, log); });
    }
    Script script;
    SharedLog log;
    test::RecordingControl idle;  // the caller's control: only emptied at the end
    BatchConverter converter;
};

QString Touch(const QDir& dir, const QString& name)
{
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(f.fileName()));
    f.write("old");
    return f.fileName();
}

}  // namespace

class BatchWorkersTest : public QObject {
    Q_OBJECT
private slots:
    void whatTheUserSeesStaysInListOrder();
    void toAllAnswersHoldForTheRestOfThisBatch();
    void filesThatShareAFileKeepTheirOrder();
    void neverReplaceSkipsWithoutReading();
};

void BatchWorkersTest::whatTheUserSeesStaysInListOrder()
{
    QTemporaryDir in, out;
    const QDir o(out.path());
    ConversionProfile p;
    p.OverWrite = 1;
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp"})
        Touch(o, name);
    Batch batch(3, p, out.path());
    // a loads slowest and the bad file fails: the later files are loaded meanwhile, but their
    // questions and ends come after a's.
    batch.script.loadTime = {{"a.png", 300ms}, {"bad.png", 100ms}};
    test::ScriptedObserver observer;
    observer.answer = [](const QString&) { return OverwriteAnswer::Yes; };
    const QStringList files{in.filePath("a.png"), in.filePath("bad.png"), in.filePath("b.png"), in.filePath("c.png"),
                            in.filePath("d.png")};
    batch.converter.Run(Entries(files), observer);

    QCOMPARE(observer.AskedAbout(), (QStringList{"a.bmp", "b.bmp", "c.bmp", "d.bmp"}));
    QCOMPARE(observer.ended,
             (QStringList{"a.png saved", "bad.png failed", "b.png saved", "c.png saved", "d.png saved"}));
    QVERIFY2(batch.log.IndexOf("loaded b.png") < batch.log.IndexOf("loaded a.png"), qPrintable(batch.log.Lines().join(", ")));
    QVERIFY(observer.messages.value(0).startsWith("1 of 5 files failed:\n" + files[1] + ": damaged"));
    for (const char* name : {"a", "b", "c", "d"})
        QCOMPARE(test::ReadAll(o.filePath(QString(name) + ".bmp")), QByteArray(name) + ".png");
    QCOMPARE(batch.idle.calls, QStringList{"ImageFile "});  // emptied, never used to convert
}

void BatchWorkersTest::toAllAnswersHoldForTheRestOfThisBatch()
{
    QTemporaryDir in, out;
    const QDir o(out.path());
    ConversionProfile p;
    p.OverWrite = 1;
    const QStringList files{in.filePath("a.png"), in.filePath("b.png"), in.filePath("c.png"), in.filePath("d.png")};
    const struct {
        QList<OverwriteAnswer> answers;
        QStringList asked;
        QByteArray replaced;  // which outputs hold the new content afterwards
    } cases[] = {
        {{OverwriteAnswer::No, OverwriteAnswer::YesToAll}, {"a.bmp", "b.bmp"}, "-bcd"},
        {{OverwriteAnswer::Yes, OverwriteAnswer::NoToAll}, {"a.bmp", "b.bmp"}, "a---"},
        {{OverwriteAnswer::NoToAll}, {"a.bmp"}, "----"},
        {{OverwriteAnswer::Yes, OverwriteAnswer::No, OverwriteAnswer::Yes, OverwriteAnswer::No},
         {"a.bmp", "b.bmp", "c.bmp", "d.bmp"}, "a-c-"},
    };
    for (const auto& c : cases) {
        for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp"})
            Touch(o, name);
        Batch batch(2, p, out.path());
        test::ScriptedObserver observer;
        QList<OverwriteAnswer> answers = c.answers;
        observer.answer = [&answers](const QString&) { return answers.takeFirst(); };
        batch.converter.Run(Entries(files), observer);
        QCOMPARE(observer.AskedAbout(), c.asked);
        QByteArray replaced;
        for (const char name : QByteArray("abcd"))
            replaced += test::ReadAll(o.filePath(QString(QChar(name)) + ".bmp")) == "old" ? '-' : name;
        QCOMPARE(replaced, c.replaced);
    }
}

void BatchWorkersTest::filesThatShareAFileKeepTheirOrder()
{
    QTemporaryDir in, out;
    ConversionProfile p;
    p.OverWrite = 1;
    p.Prefix = "x_";
    // The same file twice: the second finds the first one's output and asks, as one at a time
    // would. The third reads what the first writes (x_a.bmp), so it loads after that save.
    const QString a = in.filePath("a.png");
    const QString firstOutput = QDir(out.path()).filePath("x_a.bmp");
    Batch batch(3, p, out.path());
    batch.script.saveTime = 200ms;
    test::ScriptedObserver observer;
    const BatchSummary summary = batch.converter.Run(Entries({a, a, firstOutput}), observer);
    QCOMPARE(observer.AskedAbout(), QStringList{"x_a.bmp"});
    QCOMPARE(summary.files[1].outcome, BatchFileResult::Outcome::Declined);
    const QStringList log = batch.log.Lines();
    QVERIFY2(log.indexOf("saved x_a.bmp") < log.indexOf("load x_a.bmp"), qPrintable(log.join(", ")));
    QCOMPARE(test::ReadAll(QDir(out.path()).filePath("x_x_a.bmp")), QByteArray("x_a.bmp"));
}

void BatchWorkersTest::neverReplaceSkipsWithoutReading()
{
    QTemporaryDir in, out;
    const QDir o(out.path());
    Touch(o, "a.bmp");
    ConversionProfile p;
    p.OverWrite = 0;  // would replace silently
    Batch batch(2, p, out.path());
    batch.converter.SetNeverReplace(true);
    test::ScriptedObserver observer;
    const BatchSummary summary = batch.converter.Run(Entries({in.filePath("a.png"), in.filePath("b.png")}), observer);
    QCOMPARE(summary.files[0].outcome, BatchFileResult::Outcome::Declined);
    QCOMPARE(summary.files[1].outcome, BatchFileResult::Outcome::Saved);
    QVERIFY(observer.AskedAbout().isEmpty());
    QCOMPARE(test::ReadAll(o.filePath("a.bmp")), QByteArray("old"));
    QVERIFY(!batch.log.Lines().contains("load a.png"));
    QCOMPARE(observer.messages, QStringList{"Save Completed"});
}

QTEST_MAIN(BatchWorkersTest)
#include "tst_batch_workers.moc"
