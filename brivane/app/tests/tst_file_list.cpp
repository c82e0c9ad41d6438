// The file list: columns and colours, both ways of adding, removing.
#include "app/CConverterApp.h"
#include "app/CFileListCtrl.h"
#include "TestSupport.h"

#include <QDirIterator>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using test::ListedNames;

int SelectedRow(const CFileListCtrl& list)
{
    const QModelIndexList rows = list.selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.first().row() : (rows.isEmpty() ? -1 : -2);
}

}  // namespace

class TestFileList : public QObject {
    Q_OBJECT
private:
    QTemporaryDir tmp_;
    QDir dir_;

private slots:
    void initTestCase()
    {
        QVERIFY(tmp_.isValid());
        dir_ = QDir(tmp_.path());
    }

    void columnsAndRowColours()
    {
        CFileListCtrl list;
        const QAbstractItemModel* model = list.model();
        const QStringList headings{"List of File to Convert", "Format", "Size(MB)", "Containing Folder"};
        const int widths[] = {177, 55, 80, 420};
        for (int column = 0; column < 4; ++column) {
            QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), headings[column]);
            QCOMPARE(list.columnWidth(column), widths[column]);
            QVERIFY(!list.isColumnHidden(column));
        }
        QVERIFY(list.isColumnHidden(4));
        QCOMPARE(list.selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(list.selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(list.showGrid());

        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
            list.AddFile(dir_.filePath(QLatin1String(name)), 99);
        // 0x00BBGGRR: even rows 0xFF8080, odd rows 0xFF4680, text 0xFFFFFF.
        const QColor even(0x80, 0x80, 0xFF), odd(0x80, 0x46, 0xFF), text(Qt::white);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 4; ++column) {
                const QModelIndex index = model->index(row, column);
                QCOMPARE(index.data(Qt::BackgroundRole).value<QColor>(), row % 2 == 0 ? even : odd);
                QCOMPARE(index.data(Qt::ForegroundRole).value<QColor>(), text);
                const auto align = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
                QCOMPARE(align & Qt::AlignHorizontal_Mask, column == 0 ? Qt::AlignLeft : Qt::AlignRight);
            }
        }
        QVERIFY(!model->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
        QCOMPARE(list.GetItemText(0, FileListModel::kFolder), dir_.path() + QLatin1Char('/'));
        QCOMPARE(list.GetItemText(0, FileListModel::kFormat), QStringLiteral("JPG"));
        QCOMPARE(list.GetItemText(7, 0), QString());
        QCOMPARE(list.GetItemText(0, 4), QString());
    }

    void addAtAnIndexOrAppend()
    {
        CFileListCtrl list;
        QCOMPARE(list.AddFile(QStringLiteral("/p/old.png"), 0), 0);
        QCOMPARE(list.AddFile(QStringLiteral("/p/new.png"), 0), 0);
        QCOMPARE(list.AddFile(QStringLiteral("/p/last.png"), 42), 2);
        QCOMPARE(ListedNames(list), QStringList({"new.png", "old.png", "last.png"}));

        // A chosen set lands on top, in the order chosen; the same file twice gives two rows.
        list.AddFiles({"/q/x.jpg", "/q/y.jpg", "/q/x.jpg"});
        QCOMPARE(ListedNames(list), QStringList({"x.jpg", "y.jpg", "x.jpg", "new.png", "old.png", "last.png"}));
        QCOMPARE(list.GetEntry(0)->FullPath(), list.GetEntry(2)->FullPath());
        list.AddFiles({"/q/single.gif"});
        QCOMPARE(ListedNames(list).first(), QStringLiteral("single.gif"));
        list.AddFiles({});
        QCOMPARE(list.GetItemCount(), 7);

        // A large selection is taken whole (far beyond what a fixed name buffer would hold).
        QStringList many;
        for (int i = 0; i < 500; ++i)
            many << QStringLiteral("/a/rather/long/folder/name/for/this/test/picture_%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
        CFileListCtrl large;
        large.AddFiles(many);
        QCOMPARE(large.GetItemCount(), 500);
        QCOMPARE(large.GetItemText(499, FileListModel::kName), QStringLiteral("picture_0499.jpg"));
    }

    void sizesAsListed()
    {
        CFileListCtrl list;
        list.AddFile(test::MakeFile(dir_, QStringLiteral("empty.bmp"), 0), 99);
        list.AddFile(test::MakeFile(dir_, QStringLiteral("under.bmp"), 1048575), 99);
        list.AddFile(test::MakeFile(dir_, QStringLiteral("exact.bmp"), 1048576), 99);
        list.AddFile(dir_.filePath(QStringLiteral("gone.bmp")), 99);
        QCOMPARE(list.GetItemText(0, FileListModel::kSize), QStringLiteral("0KB"));
        QCOMPARE(list.GetItemText(1, FileListModel::kSize), QStringLiteral("1024KB"));
        QCOMPARE(list.GetItemText(2, FileListModel::kSize), QStringLiteral("1.00MB"));
        QCOMPARE(list.GetItemText(3, FileListModel::kSize), QStringLiteral("0KB"));
    }

    void addFolderTakesImageFilesOnly()
    {
        QTemporaryDir tmp;
        QDir folder(tmp.path());
        for (const char* name : {"a.jpg", "b.png", "C.JPEG", "d.tiff", "e.wbmp", "f.Jng", "notes.txt", "noext", "g.wbm"})
            test::MakeFile(folder, QLatin1String(name), 10);
        QVERIFY(folder.mkdir(QStringLiteral("sub.jpg")));
        QVERIFY(folder.mkdir(QStringLiteral("inner")));
        test::MakeFile(QDir(folder.filePath(QStringLiteral("inner"))), QStringLiteral("deep.jpg"), 10);

        // The listing order the file system gives; accepted files end up in its reverse.
        QStringList expected;
        QDirIterator it(tmp.path(), QDir::Files | QDir::Hidden);
        while (it.hasNext()) {
            const QString name = QFileInfo(it.next()).fileName();
            if (QStringList({"a.jpg", "b.png", "C.JPEG", "d.tiff", "e.wbmp", "f.Jng"}).contains(name))
                expected.prepend(name);
        }
        QCOMPARE(expected.size(), 6);

        CFileListCtrl list;
        list.AddFile(QStringLiteral("/old/kept.jpg"), 0);
        QCOMPARE(list.AddFolder(tmp.path()), 6);
        QCOMPARE(ListedNames(list), expected + QStringList{"kept.jpg"});
        for (int row = 0; row < 6; ++row)
            QCOMPARE(list.GetItemText(row, FileListModel::kFolder), tmp.path() + QLatin1Char('/'));

        // A trailing separator is not doubled.
        CFileListCtrl again;
        QCOMPARE(again.AddFolder(tmp.path() + QLatin1Char('/')), 6);
        QCOMPARE(again.GetEntry(0)->FullPath(), tmp.path() + QLatin1Char('/') + expected.first());

        CFileListCtrl none;
        QCOMPARE(none.AddFolder(tmp.path() + QStringLiteral("/missing")), 0);
        QCOMPARE(none.GetItemCount(), 0);
    }

    void removeSelectsTheRowTakingItsPlace()
    {
        CFileListCtrl list;
        list.AddFiles({"/r/a.jpg", "/r/b.jpg", "/r/c.jpg"});
        QSignalSpy selected(&list, &CFileListCtrl::ItemSelected);

        list.RemoveMarked();  // nothing was ever selected
        QCOMPARE(list.GetItemCount(), 3);

        list.SelectItem(1);
        QCOMPARE(list.GetSelectionMark(), 1);
        QCOMPARE(selected.count(), 1);

        list.RemoveMarked();
        QCOMPARE(ListedNames(list), QStringList({"a.jpg", "c.jpg"}));
        QCOMPARE(SelectedRow(list), 1);
        QCOMPARE(list.GetSelectionMark(), 1);
        QCOMPARE(selected.count(), 2);
        QCOMPARE(selected.last().first().toInt(), 1);

        // Removing the last row leaves nothing selected and no mark.
        list.RemoveMarked();
        QCOMPARE(ListedNames(list), QStringList({"a.jpg"}));
        QCOMPARE(SelectedRow(list), -1);
        QCOMPARE(list.GetSelectionMark(), -1);
        QCOMPARE(selected.count(), 2);
        list.RemoveMarked();
        QCOMPARE(list.GetItemCount(), 1);
    }

    void markFollowsItsRowAndRemoveAllClears()
    {
        CFileListCtrl list;
        list.AddFiles({"/m/a.jpg", "/m/b.jpg"});
        list.SelectItem(0);
        list.AddFile(QStringLiteral("/m/top.jpg"), 0);
        QCOMPARE(list.GetSelectionMark(), 1);
        QCOMPARE(list.GetItemText(list.GetSelectionMark(), 0), QStringLiteral("a.jpg"));

        QSignalSpy selected(&list, &CFileListCtrl::ItemSelected);
        list.RemoveAll();
        QCOMPARE(list.GetItemCount(), 0);
        QCOMPARE(list.GetSelectionMark(), -1);
        QCOMPARE(selected.count(), 0);
    }
};

QTEST_MAIN(TestFileList)
#include "tst_file_list.moc"
