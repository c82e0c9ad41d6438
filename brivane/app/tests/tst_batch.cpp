// The batch loop: settings handed over in order, output names, overwrite questions, failures
// and their message, cancelling; with a recording control and with the real headless one.
#include "BatchTestSupport.h"
#include "TestSupport.h"

#include "app/FileEntry.h"

#include <QBuffer>
#include <QDateTime>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

namespace {

using test::Entries;

// The calls between loading and saving the first file, for `format`.
QStringList SettingsCalls(const ConversionProfile& profile, const QString& format)
{
    test::RecordingControl control;
    HandOverSettings(format, profile, control);
    return control.calls;
}

// Writes a real picture in any output format through the headless control.
QString MakeSource(const QDir& dir, const QString& name, const QString& format)
{
    const QString seed = test::MakeImage(dir.filePath(QStringLiteral("seed.png")));
    const auto control = CreateHeadlessImagingControl();
    control->SetImageFile(seed);
    const QString base = dir.filePath(name);
    if (control->SaveImage(base, format) != 1)
        qFatal("cannot write %s", qPrintable(base));
    return base + QLatin1Char('.') + format;
}

// A JPEG cut in the middle of its compressed scan: it loads, but only in part.
QString MakeTruncatedJpeg(const QDir& dir)
{
    // A detailed picture, so that the cut falls inside the compressed scan.
    QImage detailed(200, 150, QImage::Format_RGB32);
    for (int y = 0; y < detailed.height(); ++y)
        for (int x = 0; x < detailed.width(); ++x)
            detailed.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x * y) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!detailed.save(&buffer, "JPEG", 95))
        qFatal("cannot encode a JPEG");
    QFile truncated(dir.filePath("truncated.jpg"));
    if (!truncated.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(truncated.fileName()));
    truncated.write(bytes.left(bytes.size() * 2 / 3));
    return truncated.fileName();
}

// Every file of `dir` with its bytes.
std::map<QString, QByteArray> Contents(const QDir& dir)
{
    std::map<QString, QByteArray> files;
    for (const QString& name : dir.entryList(QDir::Files))
        files[name] = test::ReadAll(dir.filePath(name));
    return files;
}

}  // namespace

class BatchTest : public QObject {
    Q_OBJECT
private slots:
    void outputNamesCutTheLastDotOnly();
    void settingsAreHandedOverInOrder();
    void pdfSecurityFollowsTheChosenRow();
    void namesFoldersAndFormatsOfARealBatch();
    void iconsIgnoreResizeAndBadSizesFailAlone();
    void overwriteIsAskedOnlyWhenWanted();
    void failuresAreListedWithReasons();
    void longFailureListsAreCut();
    void emptyListOnlySaysSo();
    void cancelEndsTheBatchThere();
    void anOutputOntoItsSourceFailsAndKeepsTheSource();
    void aMissingOutputFolderIsCreated();
    void aFolderThatCannotBeCreatedIsReportedOnce();
    void theBatchKeepsTheProfileItStartedWith();
    void twoWorkersWriteWhatOneWrites();
    void cancelWithTwoWorkersLeavesWholeFiles();
};

void BatchTest::outputNamesCutTheLastDotOnly()
{
    QCOMPARE(OutputBase("/out", "x_", "a.jpg", "_s"), QStringLiteral("/out/x_a_s"));
    QCOMPARE(OutputBase("/out/", "", "c.d.jpg", ""), QStringLiteral("/out/c.d"));
    QCOMPARE(OutputBase("/out", "", "b.wbmp", ""), QStringLiteral("/out/b"));
    QCOMPARE(OutputBase("/out", "p", "noext", "s"), QStringLiteral("/out/pnoexts"));
    QCOMPARE(OverwriteQuestion("/out/a.gif"), QStringLiteral("Are you sure overwrite /out/a.gif ?"));
}

void BatchTest::settingsAreHandedOverInOrder()
{
    ConversionProfile p;
    p.BmpBppIndex = 3;
    p.BmpDPIX = 300;
    p.BmpDPIY = 150;
    QCOMPARE(SettingsCalls(p, "bmp"), (QStringList{"ConvertTo16Bpp", "BmpDpiX 300", "BmpDpiY 150"}));
    p.BmpBppIndex = 9;  // outside the list: no conversion
    QCOMPARE(SettingsCalls(p, "bmp"), (QStringList{"BmpDpiX 300", "BmpDpiY 150"}));

    p.JPEGQuality = 40;
    p.KeepEXIF = 0;
    QCOMPARE(SettingsCalls(p, "jpg"), (QStringList{"JpegQuality 40", "KeepExif 0"}));

    p.TIFCompIndex = 0;
    p.TIFBppIndex = 3;
    QCOMPARE(SettingsCalls(p, "tif"), (QStringList{"TiffCompression 0", "ConvertTo8BppGray"}));
    p.TIFBppIndex = 5;  // "24 bpp" keeps the loaded depth
    QCOMPARE(SettingsCalls(p, "tif"), (QStringList{"TiffCompression 0"}));
    p.TIFCompIndex = 2;  // only LZW takes a depth
    p.TIFBppIndex = 0;
    QCOMPARE(SettingsCalls(p, "tif"), (QStringList{"TiffCompression 2"}));

    p.GIFTranColor = 0xFF0000;
    p.GIFQuanIndex = 3;
    p.GIFMaxColorIndex = 0;
    p.GIFErrorDiff = 1;
    QCOMPARE(SettingsCalls(p, "gif"), (QStringList{"GifTransparentColor 16711680", "GifQuantizer 3",
                                                   "GifMaxColors 16", "GifErrorDiffusion 1"}));
    p.GIFMaxColorIndex = 7;  // no such entry: the count stays as it was
    QCOMPARE(SettingsCalls(p, "gif"), (QStringList{"GifTransparentColor 16711680", "GifQuantizer 3", "GifErrorDiffusion 1"}));

    for (const char* none : {"ico", "jp2", "jpc", "pcx", "pgx", "png", "pnm", "ras", "tga", "wbmp"})
        QVERIFY2(SettingsCalls(p, none).isEmpty(), none);
}

void BatchTest::pdfSecurityFollowsTheChosenRow()
{
    ConversionProfile p;
    p.PDFTitle = "T";
    p.PDFAOwnerPassword = "own";
    p.PDFAUserPassword = "usr";
    p.PDFA40EnableEdit = 0;
    p.PDFA128EnableAssDoc = 0;
    const QStringList info{"PdfTitle T", "PdfAuthor ", "PdfCreator ", "PdfKeywords ", "PdfProducer ", "PdfSubject "};

    p.OutputPDFA = 0;
    p.OutputPDFAType = 2;  // ignored while PDF/A is off
    QCOMPARE(SettingsCalls(p, "pdf"), info + QStringList{"OutputPdfA 0"});

    p.OutputPDFA = 1;
    const QStringList on = info + QStringList{"OutputPdfA 1"};
    const std::pair<int, QStringList> rows[] = {
        {0, {"SetPdfPasswords own,usr"}},
        {1, {"SetPdfPasswords own,usr", "SetPdf40BitPermissions 1011"}},
        {2, {"SetPdfPasswords own,usr", "SetPdf128BitPermissions 11111110"}},
        {3, {"SetPdfPasswords ,", "SetPdf40BitPermissions 1011"}},
        {4, {"SetPdfPasswords ,", "SetPdf128BitPermissions 11111110"}},
        {5, {}},
        {-1, {}},
    };
    for (const auto& [type, security] : rows) {
        p.OutputPDFAType = type;
        QCOMPARE(SettingsCalls(p, "pdf"), on + security);
    }
}

void BatchTest::namesFoldersAndFormatsOfARealBatch()
{
    QTemporaryDir in, out;
    const QString a = test::MakeImage(in.filePath("a.jpg"));
    const QString b = MakeSource(QDir(in.path()), "b", "wbmp");
    const QString cd = test::MakeImage(in.filePath("c.d.png"));
    ConversionProfile p;
    p.Prefix = "x_";
    p.Suffix = "_s";
    p.OpenFolder = 1;
    const auto control = CreateHeadlessImagingControl();
    test::ScriptedObserver observer;
    const BatchSummary summary = BatchConverter(*control, p, out.path(), "GIF").Run(Entries({a, b, cd}), observer);

    QCOMPARE(summary.Failures(), 0);
    for (const char* name : {"x_a_s.gif", "x_b_s.gif", "x_c.d_s.gif"})
        QVERIFY2(QImage(out.filePath(name)).size() == QSize(64, 48), name);
    QCOMPARE(observer.begun, (QStringList{"1/3 a.jpg", "2/3 b.wbmp", "3/3 c.d.png"}));
    QCOMPARE(observer.messages, QStringList{"Save Completed"});
    QCOMPARE(observer.openedFolders, QStringList{out.path()});
    QCOMPARE(control->GetImageFile(), QString());  // the last image is released
}

void BatchTest::iconsIgnoreResizeAndBadSizesFailAlone()
{
    QTemporaryDir in, out;
    const QString a = test::MakeImage(in.filePath("a.png"));
    ConversionProfile p;
    p.ResizeKeepOrg = 0;
    p.ResizeWidth = 70000;  // would wrap around as a 16-bit value
    p.ResizeHeight = 20;
    const auto control = CreateHeadlessImagingControl();
    test::ScriptedObserver observer;
    BatchConverter(*control, p, out.path(), "ICO").Run(Entries({a}), observer);
    QCOMPARE(observer.messages, QStringList{"Save Completed"});
    QCOMPARE(QImage(out.filePath("a.ico")).size(), QSize(32, 32));

    const BatchSummary png = BatchConverter(*control, p, out.path(), "PNG").Run(Entries({a}), observer);
    QCOMPARE(png.Failures(), 1);
    QVERIFY(png.files[0].reason.contains("32767"));
    QVERIFY(!QFile::exists(out.filePath("a.png")));

    p.ResizeWidth = 30;
    BatchConverter(*control, p, out.path(), "PNG").Run(Entries({a}), observer);
    QCOMPARE(QImage(out.filePath("a.png")).size(), QSize(30, 20));
}

void BatchTest::overwriteIsAskedOnlyWhenWanted()
{
    QTemporaryDir in, out;
    const QString a = test::MakeImage(in.filePath("a.png"));
    const auto control = CreateHeadlessImagingControl();
    ConversionProfile p;
    p.OverWrite = 1;

    // Two rows of one file: only the second finds an output to ask about. "No" is no failure.
    test::ScriptedObserver declining;
    const BatchSummary declined = BatchConverter(*control, p, out.path(), "BMP").Run(Entries({a, a}), declining);
    const QString target = out.filePath("a.bmp");
    QCOMPARE(declining.questions, QStringList{"Are you sure overwrite " + target + " ?"});
    QCOMPARE(declined.files[1].outcome, BatchFileResult::Outcome::Declined);
    QCOMPARE(declining.messages, QStringList{"Save Completed"});

    // Yes replaces; with OverWrite 0 nobody is asked and the file is replaced too.
    QFile::resize(target, 10);
    test::ScriptedObserver accepting;
    accepting.answer = [](const QString&) { return OverwriteAnswer::Yes; };
    BatchConverter(*control, p, out.path(), "BMP").Run(Entries({a}), accepting);
    QCOMPARE(accepting.questions.size(), 1);
    QVERIFY(QFileInfo(target).size() > 10);

    QFile::resize(target, 10);
    p.OverWrite = 0;
    test::ScriptedObserver silent;
    BatchConverter(*control, p, out.path(), "BMP").Run(Entries({a}), silent);
    QVERIFY(silent.questions.isEmpty());
    QVERIFY(QFileInfo(target).size() > 10);
}

void BatchTest::failuresAreListedWithReasons()
{
    QTemporaryDir in, out;
    const QString good = test::MakeImage(in.filePath("good.png"));
    const QString corrupt = test::MakeFile(QDir(in.path()), "corrupt.png", 300);
    const QString truncated = MakeTruncatedJpeg(QDir(in.path()));

    ConversionProfile p;
    p.OpenFolder = 1;
    const auto control = CreateHeadlessImagingControl();
    test::ScriptedObserver observer;
    const BatchSummary summary =
        BatchConverter(*control, p, out.path(), "PNG").Run(Entries({corrupt, good, truncated}), observer);
    QCOMPARE(summary.Failures(), 2);
    QVERIFY(QFile::exists(out.filePath("good.png")));  // the batch went on
    QCOMPARE(observer.messages.size(), 1);
    const QString message = observer.messages[0];
    QVERIFY2(message.startsWith("2 of 3 files failed:"), qPrintable(message));
    QVERIFY(message.contains(corrupt + ": "));
    QVERIFY(message.contains(truncated + ": the source file is damaged"));
    QCOMPARE(observer.openedFolders.size(), 1);  // also after failures

}

void BatchTest::longFailureListsAreCut()
{
    BatchSummary summary;
    for (int i = 0; i < 23; ++i)
        summary.files.push_back({QStringLiteral("/in/%1.png").arg(i), {}, BatchFileResult::Outcome::Failed, "broken"});
    summary.files.push_back({"/in/ok.png", {}, BatchFileResult::Outcome::Saved, {}});
    const QStringList lines = FailureMessage(summary).split('\n');
    QCOMPARE(lines.first(), QStringLiteral("23 of 24 files failed:"));
    QCOMPARE(lines.size(), 1 + kListedFailures + 1);
    QCOMPARE(lines[1], QStringLiteral("/in/0.png: broken"));
    QCOMPARE(lines.last(), QStringLiteral("and 3 more"));
}

void BatchTest::emptyListOnlySaysSo()
{
    test::RecordingControl control;
    ConversionProfile p;
    p.OpenFolder = 1;
    test::ScriptedObserver observer;
    BatchConverter(control, p, "/out", "PNG").Run({}, observer);
    QCOMPARE(observer.messages, QStringList{"Please add image first"});
    QVERIFY(observer.openedFolders.isEmpty());
    QVERIFY(control.calls.isEmpty());
}

void BatchTest::cancelEndsTheBatchThere()
{
    QTemporaryDir in, out;
    const QString a = test::MakeImage(in.filePath("a.png"));
    const QString b = test::MakeImage(in.filePath("b.png"));
    const QString c = test::MakeImage(in.filePath("c.png"));
    const QString broken = test::MakeFile(QDir(in.path()), "broken.png", 40);
    const auto control = CreateHeadlessImagingControl();
    ConversionProfile p;
    p.OpenFolder = 1;  // not opened after a cancel
    test::ScriptedObserver observer;
    observer.stopBefore = 1;
    const BatchSummary summary = BatchConverter(*control, p, out.path(), "PNG").Run(Entries({a, b}), observer);
    QVERIFY(summary.cancelled);
    QVERIFY(QFile::exists(out.filePath("a.png")));
    QVERIFY(!QFile::exists(out.filePath("b.png")));
    QCOMPARE(observer.messages, QStringList{"Conversion cancelled: 1 of 2 files converted."});
    QVERIFY(observer.openedFolders.isEmpty());

    // Failures before the cancel are still listed.
    test::ScriptedObserver late;
    late.stopBefore = 2;
    BatchConverter(*control, p, out.path(), "PNG").Run(Entries({broken, c, a}), late);
    QCOMPARE(late.messages.size(), 1);
    QVERIFY2(late.messages[0].startsWith("Conversion cancelled: 1 of 3 files converted.\n1 of 2 files failed:\n" +
                                         broken + ": "),
             qPrintable(late.messages[0]));
    QVERIFY(late.openedFolders.isEmpty());
}

void BatchTest::anOutputOntoItsSourceFailsAndKeepsTheSource()
{
    QTemporaryDir in;
    const QString a = test::MakeImage(in.filePath("a.jpg"));
    const QString tif = MakeSource(QDir(in.path()), "t", "tif");
    // An old time, so that any rewrite would show.
    const QDateTime old = QDateTime::currentDateTimeUtc().addDays(-3);
    for (const QString& path : {a, tif}) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    const QByteArray bytesA = test::ReadAll(a), bytesTif = test::ReadAll(tif);
    // The same folder spelled through "..", and through a link to it.
    QVERIFY(QDir(in.path()).mkdir("sub"));
    QVERIFY(QFile::link(in.path(), in.filePath("linked")));
    const struct {
        QString folder;
        QString format;
        QString source;
        int overWrite;
    } cases[] = {
        {in.path(), "JPG", a, 1},
        {in.path(), "JPG", a, 0},
        {in.filePath("sub/.."), "JPG", a, 1},
        {in.filePath("linked"), "TIF", tif, 0},
    };
    const auto control = CreateHeadlessImagingControl();
    for (const auto& c : cases) {
        ConversionProfile p;
        p.OverWrite = c.overWrite;
        p.TIFCompIndex = 1;  // CCITT: would turn the colour original into one bit
        test::ScriptedObserver observer;
        observer.answer = [](const QString&) { return OverwriteAnswer::Yes; };  // Yes to any overwrite question
        const BatchSummary summary = BatchConverter(*control, p, c.folder, c.format).Run(Entries({c.source}), observer);
        QCOMPARE(summary.Failures(), 1);
        QCOMPARE(summary.files[0].reason, ReplacesSourceReason());
        QVERIFY(observer.questions.isEmpty());
        QVERIFY2(observer.messages.value(0).endsWith(": " + ReplacesSourceReason()), qPrintable(observer.messages.value(0)));
    }
    QCOMPARE(test::ReadAll(a), bytesA);
    QCOMPARE(test::ReadAll(tif), bytesTif);
    QCOMPARE(QFileInfo(a).lastModified(), old.toLocalTime());
    QCOMPARE(QFileInfo(tif).lastModified(), old.toLocalTime());

    // A prefix makes it another file, which converts.
    ConversionProfile prefixed;
    prefixed.Prefix = "x_";
    test::ScriptedObserver observer;
    BatchConverter(*control, prefixed, in.path(), "JPG").Run(Entries({a}), observer);
    QCOMPARE(observer.messages, QStringList{"Save Completed"});
    QVERIFY(QFile::exists(in.filePath("x_a.jpg")));
}

void BatchTest::aMissingOutputFolderIsCreated()
{
    QTemporaryDir in, out;
    const QString a = test::MakeImage(in.filePath("a.png"));
    const QString folder = out.filePath("Documents/converted");
    const auto control = CreateHeadlessImagingControl();
    test::ScriptedObserver observer;
    const BatchSummary summary = BatchConverter(*control, ConversionProfile{}, folder, "BMP").Run(Entries({a, a}), observer);
    QCOMPARE(summary.Failures(), 0);
    QCOMPARE(observer.messages, QStringList{"Save Completed"});
    QCOMPARE(QImage(folder + "/a.bmp").size(), QSize(64, 48));
}

void BatchTest::aFolderThatCannotBeCreatedIsReportedOnce()
{
    QTemporaryDir in;
    const QString a = test::MakeImage(in.filePath("a.png"));
    const QString underAFile = a + "/out";  // a file stands where a folder would have to be
    test::RecordingControl control;
    ConversionProfile p;
    p.OpenFolder = 1;
    test::ScriptedObserver observer;
    const BatchSummary summary = BatchConverter(control, p, underAFile, "PNG").Run(Entries({a, a, a}), observer);
    QCOMPARE(observer.messages.size(), 1);
    QVERIFY2(observer.messages[0].startsWith("Cannot create the output folder " + underAFile + ": "),
             qPrintable(observer.messages[0]));
    QVERIFY(observer.messages[0].size() > QString("Cannot create the output folder " + underAFile + ": ").size());
    QVERIFY(!summary.error.isEmpty());
    QVERIFY(summary.files.empty());
    QVERIFY(observer.begun.isEmpty());
    QVERIFY(control.calls.isEmpty());  // nothing loaded, nothing converted
    QVERIFY(observer.openedFolders.isEmpty());
}

void BatchTest::theBatchKeepsTheProfileItStartedWith()
{
    QTemporaryDir in, out;
    const QString a = test::MakeImage(in.filePath("a.png"));
    const QString b = test::MakeImage(in.filePath("b.png"));
    ConversionProfile p;
    p.JPEGQuality = 40;
    test::RecordingControl control;
    test::ScriptedObserver observer;
    BatchConverter converter(control, p, out.path(), "JPG");
    // What the Encoder Setting dialog would do to the window's profile while the batch runs.
    p.JPEGQuality = 90;
    converter.Run(Entries({a, b}), observer);
    QVERIFY(control.calls.contains("JpegQuality 40"));
    QVERIFY(!control.calls.contains("JpegQuality 90"));
}

void BatchTest::twoWorkersWriteWhatOneWrites()
{
    QTemporaryDir in;
    const QDir i(in.path());
    QStringList files;
    for (const char* name : {"a.png", "b.jpg", "c.png", "d.png", "e.png", "f.png"})
        files << test::MakeImage(i.filePath(name));
    files.insert(2, MakeTruncatedJpeg(i));
    files << files[0];  // a second time, after "No to All": declined without a question
    ConversionProfile p;
    p.OverWrite = 1;
    p.TIFCompIndex = 0;
    p.TIFBppIndex = 2;  // a palette: more work than a copy, and no time stamps in the file
    const QStringList expectedQuestions{"c.tif", "d.tif"};

    std::vector<BatchSummary> summaries;
    std::vector<std::map<QString, QByteArray>> outputs;
    for (const int jobs : {1, 2}) {
        QTemporaryDir out;
        const QDir o(out.path());
        for (const char* name : {"c.tif", "d.tif", "e.tif"})
            test::MakeFile(o, name, 5);
        test::ScriptedObserver observer;
        observer.answer = [](const QString& q) { return q.contains("d.tif") ? OverwriteAnswer::NoToAll : OverwriteAnswer::No; };
        test::RecordingControl idle;
        BatchConverter batch(idle, p, out.path(), "TIF");
        batch.SetWorkers(jobs, CreateHeadlessImagingControl);
        summaries.push_back(batch.Run(Entries(files), observer));
        QCOMPARE(observer.AskedAbout(), expectedQuestions);
        outputs.push_back(Contents(o));
    }
    using Outcome = BatchFileResult::Outcome;
    const std::vector<Outcome> expected{Outcome::Saved,    Outcome::Saved,    Outcome::Failed,   Outcome::Declined,
                                        Outcome::Declined, Outcome::Declined, Outcome::Saved,    Outcome::Declined};
    for (const BatchSummary& summary : summaries) {
        std::vector<Outcome> outcomes;
        for (const BatchFileResult& r : summary.files)
            outcomes.push_back(r.outcome);
        QVERIFY(outcomes == expected);
    }
    QCOMPARE(outputs[0].size(), std::size_t(6));  // a b f converted, c d e kept
    QVERIFY(outputs[0] == outputs[1]);
    QCOMPARE(outputs[1]["e.tif"].size(), 5);
}

void BatchTest::cancelWithTwoWorkersLeavesWholeFiles()
{
    QTemporaryDir in, out;
    // Large enough that the batch is still converting when Cancel is seen.
    QImage big(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x)
            big.setPixel(x, y, qRgb(x % 256, y % 256, (x ^ y) % 256));
    QStringList files;
    for (int n = 0; n < 6; ++n) {
        files << in.filePath(QStringLiteral("p%1.png").arg(n));
        QVERIFY(big.save(files.last()));
    }
    test::ScriptedObserver observer;
    observer.keepWaiting = false;  // Cancel pressed at once
    test::RecordingControl idle;
    BatchConverter batch(idle, ConversionProfile{}, out.path(), "BMP");
    batch.SetWorkers(2, CreateHeadlessImagingControl);
    const BatchSummary summary = batch.Run(Entries(files), observer);
    QVERIFY(summary.cancelled);
    QCOMPARE(observer.begun.size(), 2);
    // The two files under way ended as whole files; nothing else, not even a temporary file.
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"p0.bmp", "p1.bmp"}));
    for (const char* name : {"p0.bmp", "p1.bmp"})
        QCOMPARE(QImage(QDir(out.path()).filePath(name)), big.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(observer.messages, QStringList{"Conversion cancelled: 2 of 6 files converted."});
}

QTEST_MAIN(BatchTest)
#include "tst_batch.moc"
