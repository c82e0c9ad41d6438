// Files and folders added at once: named on brivane's command line or dropped on the file list.
// Both list folders as Add Folder does, keep the given order, and name what they left out once.
#include "app/CConverterApp.h"
#include "app/CFileListCtrl.h"
#include "app/CMainDlg.h"
#include "app/InputBlocker.h"
#include "app/SkippedFiles.h"
#include "app/StartupArguments.h"
#include "TestSupport.h"

#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

namespace {

using test::ListedNames;

// Every call of the skip reporter, with the names it was given.
struct ReportLog {
    QList<QStringList> reports;
    CMainDlg::SkipReporter Reporter()
    {
        return [this](QWidget*, const QStringList& skipped) { reports << skipped; };
    }
};

QList<QUrl> LocalUrls(const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    return urls;
}

// Sends a drag entering the list and then, when `drop`, the drop itself; returns whether the
// list accepted them and the actions it chose. Shift is held, so the proposed action is a move.
struct DragResult {
    bool enterAccepted = false;
    Qt::DropAction enterAction = Qt::IgnoreAction;
    bool dropAccepted = false;
    Qt::DropAction dropAction = Qt::IgnoreAction;
};

DragResult DragOnto(CFileListCtrl& list, const QMimeData& data, bool drop = true)
{
    QWidget* viewport = list.viewport();
    const QPoint at(10, 10);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::ShiftModifier);
    if (enter.proposedAction() != Qt::MoveAction)
        qFatal("the drag does not propose a move");
    QApplication::sendEvent(viewport, &enter);
    DragResult result{enter.isAccepted(), enter.dropAction(), false, Qt::IgnoreAction};
    if (drop) {
        QDropEvent dropEvent(QPointF(at), actions, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(viewport, &dropEvent);
        result.dropAccepted = dropEvent.isAccepted();
        result.dropAction = dropEvent.dropAction();
        // The main window takes the drop once the event has returned to the file manager.
        QCoreApplication::processEvents();
    }
    return result;
}

}  // namespace

class TestStartupFiles : public QObject {
    Q_OBJECT
private:
    QTemporaryDir tmp_;
    QDir dir_;
    QString a_, b_, text_, folder_;
    QStringList folderNames_;  // what Add Folder lists for folder_, in its order

    std::filesystem::path ProfilePath() const
    {
        return std::filesystem::path(QFile::encodeName(tmp_.filePath(QStringLiteral("profile.ini"))).toStdString());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(tmp_.isValid());
        dir_ = QDir(tmp_.path());
        a_ = test::MakeFile(dir_, QStringLiteral("a.jpg"), 10);
        b_ = test::MakeFile(dir_, QStringLiteral("b.PNG"), 10);
        text_ = test::MakeFile(dir_, QStringLiteral("notes.txt"), 10);
        QVERIFY(dir_.mkpath(QStringLiteral("shots/inner")));
        folder_ = dir_.filePath(QStringLiteral("shots"));
        const QDir shots(folder_);
        for (const char* name : {"c.gif", "d.tif", "e.nef", "readme.md"})
            test::MakeFile(shots, QLatin1String(name), 10);
        test::MakeFile(QDir(shots.filePath(QStringLiteral("inner"))), QStringLiteral("deep.jpg"), 10);

        CFileListCtrl reference;
        reference.AddFolder(folder_);
        folderNames_ = ListedNames(reference);
        QCOMPARE(folderNames_.size(), 3);
    }

    void commandLineListsTheSupportedFilesInOrder()
    {
        const QString missing = dir_.filePath(QStringLiteral("gone.jpg"));
        const StartupRequest request =
            ParseStartupArguments({QStringLiteral("brivane"), a_, text_, folder_, missing, b_});
        QCOMPARE(request.action, StartupRequest::Action::Run);

        CMainDlg dlg(ProfilePath());
        ReportLog log;
        dlg.SetSkipReporter(log.Reporter());
        dlg.FileList()->AddFile(QStringLiteral("/old/z.jpg"), 0);
        dlg.AddPaths(request.paths);

        QCOMPARE(ListedNames(*dlg.FileList()), QStringList{"a.jpg"} + folderNames_ + QStringList({"b.PNG", "z.jpg"}));
        QCOMPARE(dlg.FileList()->GetEntry(0)->FullPath(), a_);
        QCOMPARE(dlg.FileList()->GetItemText(1, FileListModel::kFolder), folder_ + QLatin1Char('/'));
        QCOMPARE(log.reports, (QList<QStringList>{QStringList({text_, missing})}));

        // Nothing left out: no message at all.
        dlg.AddPaths({b_});
        QCOMPARE(log.reports.size(), 1);
        QCOMPARE(dlg.FileList()->GetItemText(0, FileListModel::kName), QStringLiteral("b.PNG"));
    }

    void relativePathsBecomeAbsolute()
    {
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(tmp_.path()));
        CFileListCtrl list;
        const QStringList skipped = list.AddPaths({QStringLiteral("a.jpg"), QStringLiteral("shots")});
        QVERIFY(QDir::setCurrent(before));
        QVERIFY(skipped.isEmpty());
        QCOMPARE(list.GetItemCount(), 4);
        QCOMPARE(list.GetEntry(0)->FullPath(), a_);
        QCOMPARE(list.GetItemText(3, FileListModel::kFolder), folder_ + QLatin1Char('/'));
    }

    void runListsTheFilesOnceTheWindowIsUp()
    {
        QTemporaryDir config;
        QVERIFY(config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        QStringList listed;
        test::OnNextModal([&listed](QWidget* modal) {
            if (auto* dlg = qobject_cast<CMainDlg*>(modal))
                listed = ListedNames(*dlg->FileList());
            static_cast<QDialog*>(modal)->reject();
        });
        CConverterApp app;
        QCOMPARE(app.Run({b_, a_}), 0);
        QCOMPARE(listed, QStringList({"b.PNG", "a.jpg"}));
    }

    void droppedFilesAndFoldersAreAddedInOrder()
    {
        CMainDlg dlg(ProfilePath());
        ReportLog log;
        dlg.SetSkipReporter(log.Reporter());
        dlg.FileList()->AddFile(QStringLiteral("/old/z.jpg"), 0);

        QMimeData data;
        const QUrl remote(QStringLiteral("https://example.org/w.jpg"));
        data.setUrls(LocalUrls({b_, folder_, text_}) + QList<QUrl>{remote} + LocalUrls({a_}));
        const DragResult result = DragOnto(*dlg.FileList(), data);
        QVERIFY(result.enterAccepted);
        // Copy even though the file manager offered a move: a move would delete the sources.
        QCOMPARE(result.enterAction, Qt::CopyAction);
        QVERIFY(result.dropAccepted);
        QCOMPARE(result.dropAction, Qt::CopyAction);

        QCOMPARE(ListedNames(*dlg.FileList()), QStringList{"b.PNG"} + folderNames_ + QStringList({"a.jpg", "z.jpg"}));
        QCOMPARE(log.reports, (QList<QStringList>{QStringList({text_, remote.toDisplayString()})}));
    }

    void dragsWithoutLocalFilesAndDropsDuringABatchAreRefused()
    {
        CMainDlg dlg(ProfilePath());
        ReportLog log;
        dlg.SetSkipReporter(log.Reporter());
        QMimeData remoteOnly;
        remoteOnly.setUrls({QUrl(QStringLiteral("https://example.org/w.jpg"))});
        QMimeData plainText;
        plainText.setText(a_);
        QMimeData data;
        data.setUrls(LocalUrls({a_, text_}));
        for (const QMimeData* refused : {&remoteOnly, &plainText}) {
            const DragResult result = DragOnto(*dlg.FileList(), *refused);
            QVERIFY(!result.enterAccepted);
            QVERIFY(!result.dropAccepted);
        }
        {
            // What Convert Now holds while the batch runs.
            const InputBlocker blocker(&dlg);
            const DragResult result = DragOnto(*dlg.FileList(), data);
            QVERIFY(!result.enterAccepted);
            QVERIFY(!result.dropAccepted);
        }
        QCOMPARE(dlg.FileList()->GetItemCount(), 0);
        QVERIFY(log.reports.isEmpty());

        // Once the batch is over the same drop goes through.
        QVERIFY(DragOnto(*dlg.FileList(), data).dropAccepted);
        QCOMPARE(ListedNames(*dlg.FileList()), QStringList{"a.jpg"});
        QCOMPARE(log.reports.size(), 1);
    }

    void theMessageNamesTheSkippedFilesUpToALimit()
    {
        QStringList many;
        for (int i = 0; i < kMaxNamedSkipped + 5; ++i)
            many << QStringLiteral("/x/file%1.txt").arg(i, 2, 10, QLatin1Char('0'));
        const QString text = SkippedFilesText(many);
        QVERIFY(text.contains(QStringLiteral("These %1 files").arg(many.size())));
        QVERIFY(text.contains(many[kMaxNamedSkipped - 1]));
        QVERIFY(!text.contains(many[kMaxNamedSkipped]));
        QVERIFY(text.endsWith(QLatin1String("and 5 more")));
    }
};

QTEST_MAIN(TestStartupFiles)
#include "tst_startup_files.moc"
