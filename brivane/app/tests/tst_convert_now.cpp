// Convert Now in the main window: the message boxes a user sees, the progress dialog, and the
// folder opened at the end.
#include "app/BatchProgressDialog.h"
#include "app/CFileListCtrl.h"
#include "app/CMainDlg.h"
#include "imaging/CImageViewer.h"
#include "res/ListControls.h"
#include "res/ResourceIds.h"
#include "TestSupport.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Answers every message box that appears while it lives, from a script, and records its text.
class MessageBoxScript {
public:
    explicit MessageBoxScript(std::function<QMessageBox::StandardButton(const QString&)> answer)
        : answer_(std::move(answer))
    {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    QStringList texts;
    QList<QMessageBox::StandardButtons> buttons;

private:
    void Poll()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (box == nullptr || !box->isVisible() || handled_.contains(box))
                continue;
            handled_ << box;
            texts << box->text();
            buttons << box->standardButtons();
            if (QAbstractButton* b = box->button(answer_(box->text())))
                b->click();
            else
                box->reject();
        }
    }
    std::function<QMessageBox::StandardButton(const QString&)> answer_;
    QTimer timer_;
    QList<QPointer<QMessageBox>> handled_;
};

struct Window {
    explicit Window(const ConversionProfile& profile)
    {
        SaveProfile(profile, ini.filePath("mysetting.ini").toStdString());
        dialog = std::make_unique<CMainDlg>(ini.filePath("mysetting.ini").toStdString());
        dialog->SetFolderOpener([this](const QString& folder) { opened << folder; });
        dialog->OutputFolderEdit()->setText(out.path());
    }
    void Convert(const QString& format)
    {
        dialog->FormatBox()->setCurrentIndex(dialog->FormatBox()->findText(format));
        dialog->Controls().Get<QPushButton>(res::IDC_CONVERT)->click();
    }
    QTemporaryDir ini, out;
    std::unique_ptr<CMainDlg> dialog;
    QStringList opened;
};

}  // namespace

class ConvertNowTest : public QObject {
    Q_OBJECT
private slots:
    void emptyListAsksForImages();
    void sameFileTwiceAsksOnceForTheSecond();
    void noToAllKeepsEveryLaterFile();
    void failuresEndWithTheirList();
    void progressNamesTheFileAndCancelStops();
    void theWindowTakesNoInputWhileABatchRuns();
    void aShortBatchShowsNoProgressOverItsEndMessage();
};

void ConvertNowTest::emptyListAsksForImages()
{
    ConversionProfile p;
    p.OpenFolder = 1;
    Window w(p);
    MessageBoxScript script([](const QString&) { return QMessageBox::Ok; });
    w.Convert("PNG");
    QCOMPARE(script.texts, QStringList{"Please add image first"});
    QVERIFY(w.opened.isEmpty());
}

void ConvertNowTest::sameFileTwiceAsksOnceForTheSecond()
{
    QTemporaryDir in;
    const QString a = test::MakeImage(in.filePath("a.png"));
    ConversionProfile p;
    p.OverWrite = 1;
    p.OpenFolder = 1;
    p.Prefix = "x_";
    Window w(p);
    w.dialog->FileList()->AddFile(a, 0);
    w.dialog->FileList()->AddFile(a, 1);
    QCOMPARE(w.dialog->FileList()->GetItemCount(), 2);
    MessageBoxScript script([](const QString&) { return QMessageBox::No; });
    w.Convert("GIF");
    const QString out = QDir(w.out.path()).filePath("x_a.gif");
    QCOMPARE(script.texts, (QStringList{"Are you sure overwrite " + out + " ?", "Save Completed"}));
    QVERIFY(QFile::exists(out));
    QCOMPARE(w.opened, QStringList{w.out.path()});
    QCOMPARE(w.dialog->Worker()->GetImageFile(), QString());
}

void ConvertNowTest::noToAllKeepsEveryLaterFile()
{
    QTemporaryDir in;
    ConversionProfile p;
    p.OverWrite = 1;
    Window w(p);
    const QDir out(w.out.path());
    for (const char* name : {"a", "b", "c"}) {
        w.dialog->FileList()->AddFile(test::MakeImage(in.filePath(QString(name) + ".png")), 0);
        test::MakeFile(out, QString(name) + ".bmp", 7);
    }
    MessageBoxScript script([](const QString& text) {
        return text.startsWith("Are you sure") ? QMessageBox::NoToAll : QMessageBox::Ok;
    });
    w.Convert("Bmp");
    QCOMPARE(script.texts.size(), 2);  // one question, then the end
    QVERIFY(script.texts[0].startsWith("Are you sure overwrite "));
    QCOMPARE(script.buttons[0], QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::NoToAll);
    QCOMPARE(script.texts[1], QStringLiteral("Save Completed"));
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"})
        QCOMPARE(QFileInfo(out.filePath(name)).size(), 7);
}

void ConvertNowTest::failuresEndWithTheirList()
{
    QTemporaryDir in;
    const QString bad = test::MakeFile(QDir(in.path()), "bad.png", 100);
    const QString good = test::MakeImage(in.filePath("good.png"));
    Window w(ConversionProfile{});
    w.dialog->FileList()->AddFile(bad, 0);
    w.dialog->FileList()->AddFile(good, 1);
    MessageBoxScript script([](const QString&) { return QMessageBox::Ok; });
    w.Convert("JPG");
    QCOMPARE(script.texts.size(), 1);
    QVERIFY2(script.texts[0].startsWith("1 of 2 files failed:\n" + bad + ": "), qPrintable(script.texts[0]));
    QVERIFY(QFile::exists(QDir(w.out.path()).filePath("good.jpg")));
    QVERIFY(w.opened.isEmpty());  // OpenFolder is off
}

void ConvertNowTest::progressNamesTheFileAndCancelStops()
{
    QWidget owner;
    {
        BatchProgressDialog progress(&owner, {});
        QVERIFY(progress.BeginFile(2, 20, "name.png"));
        QCOMPARE(progress.Progress()->labelText(), QStringLiteral("Converting 3 of 20: name.png"));
        QVERIFY(QApplication::overrideCursor() != nullptr);
        progress.EndFile({});
        QVERIFY(progress.KeepWaiting());
        progress.Progress()->cancel();
        QVERIFY(!progress.KeepWaiting());
        QVERIFY(!progress.BeginFile(3, 20, "next.png"));
    }
    QCOMPARE(QApplication::overrideCursor(), nullptr);  // no wait cursor left behind
}

void ConvertNowTest::theWindowTakesNoInputWhileABatchRuns()
{
    QTemporaryDir in;
    const QString a = test::MakeImage(in.filePath("a.png"));
    const QString b = test::MakeImage(in.filePath("b.png"));
    ConversionProfile p;
    p.OverWrite = 1;  // a second batch would ask about the outputs of the first
    Window w(p);
    w.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.dialog.get()));
    w.dialog->FileList()->AddFiles({a, b});
    w.dialog->FormatBox()->setCurrentIndex(w.dialog->FormatBox()->findText("Bmp"));
    auto* convert = w.dialog->Controls().Get<QPushButton>(res::IDC_CONVERT);
    MessageBoxScript script([](const QString&) { return QMessageBox::No; });

    // Runs inside the batch, when it first lets events through: a mouse click, the space key
    // on the focused button, and a click made by the program.
    bool sent = false;
    QTimer::singleShot(0, [&] {
        QTest::mouseClick(convert, Qt::LeftButton);
        convert->setFocus();
        QTest::keyClick(convert, Qt::Key_Space);
        convert->click();
        sent = true;
    });
    convert->click();
    QVERIFY(sent);
    QCOMPARE(script.texts, QStringList{"Save Completed"});
    QVERIFY(QFile::exists(w.out.filePath("a.bmp")));
    QVERIFY(QFile::exists(w.out.filePath("b.bmp")));

    // Afterwards the window takes input again.
    QTest::mouseClick(convert, Qt::LeftButton);
    QTRY_COMPARE(script.texts.size(), 4);
    QCOMPARE(script.texts.last(), QStringLiteral("Save Completed"));
    QVERIFY(script.texts[1].startsWith("Are you sure overwrite "));
}

void ConvertNowTest::aShortBatchShowsNoProgressOverItsEndMessage()
{
    // A batch done before the progress dialog was due: the dialog must not pop up later, over
    // the end message, while the user reads it.
    QWidget owner;
    BatchProgressDialog progress(&owner, {});
    QVERIFY(progress.BeginFile(0, 1, "a.png"));
    progress.EndFile({});
    bool progressShown = true;
    QTimer::singleShot(700, [&] { progressShown = progress.Progress()->isVisible(); });
    QTimer::singleShot(750, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    test::OnNextModal([](QWidget*) {});  // only its watchdog, should the box stay open
    QElapsedTimer clock;
    clock.start();
    progress.ShowMessage(BatchMessage::Completed, "Save Completed");
    QVERIFY(clock.elapsed() >= 700);
    QVERIFY(!progressShown);
}

QTEST_MAIN(ConvertNowTest)
#include "tst_convert_now.moc"
