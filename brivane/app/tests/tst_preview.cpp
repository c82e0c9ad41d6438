// The preview of the selected row, its EXIF list, and the buttons that change the list.
#include "app/CFileListCtrl.h"
#include "app/CMainDlg.h"
#include "imaging/CImageViewer.h"
#include "res/ListControls.h"
#include "res/ResourceIds.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <exiv2/exiv2.hpp>

namespace {

void WriteExif(const QString& path)
{
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    Exiv2::ExifData& exif = image->exifData();
    exif["Exif.Image.Make"] = "Acme";
    exif["Exif.Image.Model"] = "Cam 1";
    exif["Exif.Photo.ExposureTime"] = Exiv2::URational(1, 60);
    exif["Exif.Photo.FNumber"] = Exiv2::URational(56, 10);
    exif["Exif.Image.Artist"] = "zed";
    image->setExifData(exif);
    image->writeMetadata();
}

// "Name value" for every EXIF entry exiv2 finds in the file, in file order.
QStringList ExifLines(const QString& path)
{
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    const Exiv2::ExifData& exif = image->exifData();
    QStringList lines;
    for (const Exiv2::Exifdatum& datum : exif)
        lines << QString::fromStdString(datum.tagName() + " " + datum.print(&exif));
    return lines;
}

QPushButton* Button(const CMainDlg& dlg, int id) { return dlg.Controls().Get<QPushButton>(id); }

}  // namespace

class TestPreview : public QObject {
    Q_OBJECT
private:
    QTemporaryDir tmp_;
    QString jpeg_;
    QString png_;
    QString broken_;

    std::filesystem::path Profile() const
    {
        return std::filesystem::path(QFile::encodeName(tmp_.filePath(QStringLiteral("mysetting.ini"))).toStdString());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(tmp_.isValid());
        jpeg_ = test::MakeImage(tmp_.filePath(QStringLiteral("camera.jpg")));
        WriteExif(jpeg_);
        png_ = test::MakeImage(tmp_.filePath(QStringLiteral("plain.png")));
        broken_ = test::MakeFile(QDir(tmp_.path()), QStringLiteral("broken.gif"), 300);
    }

    void exifListShowsEveryEntrySorted()
    {
        const QStringList lines = ExifLines(jpeg_);
        QVERIFY(lines.size() >= 5);
        QStringList sorted;
        for (const QString& line : lines)
            sorted.insert(SortedInsertIndex(sorted, line), line);

        CMainDlg dlg(Profile());
        dlg.FileList()->AddFile(jpeg_, 0);
        dlg.FileList()->SelectItem(0);
        QCOMPARE(dlg.Preview()->GetImageFile(), jpeg_);
        QCOMPARE(dlg.Preview()->GetDisplayMode(), short(9));
        QVERIFY(dlg.Preview()->HasImage());
        const QStringList shown = dlg.ExifList()->Strings();
        QCOMPARE(shown, sorted);  // all of them, the last one too
        for (const char* line : {"Make Acme", "Model Cam 1", "ExposureTime 1/60 s", "FNumber F5.6", "Artist zed"})
            QVERIFY2(shown.contains(QLatin1String(line)), line);
        QCOMPARE(shown.first(), QStringLiteral("Artist zed"));
    }

    void aLargeJpegIsDecodedOnlyAsLargeAsThePreview()
    {
        QImage page(4000, 3000, QImage::Format_RGB32);
        page.fill(QColor(40, 90, 200));
        QTemporaryDir dir;
        const QString large = dir.filePath(QStringLiteral("large.jpg"));
        QVERIFY(page.save(large));
        WriteExif(large);

        CMainDlg dlg(Profile());
        dlg.FileList()->AddFile(large, 0);
        dlg.FileList()->SelectItem(0);
        CImageViewer* preview = dlg.Preview();
        QVERIFY(preview->HasImage());
        const QSize needed = (QSizeF(preview->size()) * preview->devicePixelRatioF()).toSize();
        const QSize decoded = preview->DecodedSize();
        QVERIFY2(decoded.width() >= needed.width() && decoded.height() >= needed.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(decoded.width()).arg(decoded.height())));
        QVERIFY(decoded.width() <= 1000);
        // What the window shows about the file is the file's.
        QCOMPARE(preview->ImageSize(), QSize(4000, 3000));
        QCOMPARE(dlg.ExifList()->count(), ExifLines(large).size());
        QVERIFY(dlg.ExifList()->Strings().contains(QStringLiteral("Make Acme")));
    }

    void selectingTheShownFileAgainDoesNotReload()
    {
        CMainDlg dlg(Profile());
        dlg.FileList()->AddFiles({jpeg_, png_, jpeg_});
        dlg.FileList()->SelectItem(0);
        const int entries = dlg.ExifList()->count();
        QVERIFY(entries > 0);
        // A line the window never writes: a reload would clear it.
        dlg.ExifList()->AddString(QStringLiteral("~ marker"));

        dlg.FileList()->SelectItem(2);  // same file, other row
        QCOMPARE(dlg.Preview()->GetImageFile(), jpeg_);
        QVERIFY(dlg.ExifList()->Strings().contains(QStringLiteral("~ marker")));

        dlg.FileList()->SelectItem(1);
        QCOMPARE(dlg.Preview()->GetImageFile(), png_);
        QVERIFY(!dlg.ExifList()->Strings().contains(QStringLiteral("~ marker")));
    }

    void unreadableFileIsListedAndLeavesThePreviewEmpty()
    {
        CMainDlg dlg(Profile());
        dlg.FileList()->AddFiles({jpeg_, broken_});
        dlg.FileList()->SelectItem(0);
        dlg.FileList()->SelectItem(1);
        QCOMPARE(dlg.FileList()->GetItemCount(), 2);
        QCOMPARE(dlg.Preview()->GetImageFile(), broken_);
        QVERIFY(!dlg.Preview()->HasImage());
        QCOMPARE(dlg.ExifList()->count(), 0);
    }

    void aFailedPreviewIsLoadedAgain()
    {
        // Files still being copied: unreadable at first, complete a moment later.
        QTemporaryDir dir;
        const QString late = test::MakeFile(QDir(dir.path()), QStringLiteral("late.png"), 20);
        const QString later = test::MakeFile(QDir(dir.path()), QStringLiteral("later.png"), 20);
        CMainDlg dlg(Profile());
        dlg.FileList()->AddFiles({late, late, later});
        dlg.FileList()->SelectItem(0);
        QVERIFY(!dlg.Preview()->HasImage());
        QVERIFY(QFile::remove(late));
        QVERIFY(QFile::copy(png_, late));
        dlg.FileList()->SelectItem(1);  // the same file in another row, now complete
        QVERIFY(dlg.Preview()->HasImage());
        QCOMPARE(dlg.Preview()->ImageSize(), QSize(64, 48));

        // A click on the selected row itself tries again too.
        dlg.FileList()->SelectItem(2);
        QVERIFY(!dlg.Preview()->HasImage());
        QVERIFY(QFile::remove(later));
        QVERIFY(QFile::copy(png_, later));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        CFileListCtrl* list = dlg.FileList();
        const QRect cell = list->visualRect(list->model()->index(2, FileListModel::kName));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(list->GetSelectionMark(), 2);
        QVERIFY(dlg.Preview()->HasImage());
    }

    void removeAllAsksAndLeavesThePreviewAlone()
    {
        CMainDlg dlg(Profile());
        dlg.FileList()->AddFiles({jpeg_, png_});
        dlg.FileList()->SelectItem(0);
        const QStringList exif = dlg.ExifList()->Strings();

        QString text;
        QMessageBox::StandardButtons offered;
        test::AnswerMessageBox(QMessageBox::No, &text, &offered);
        Button(dlg, res::IDC_REMOVE_ALL)->click();
        QCOMPARE(text, QStringLiteral("Are you sure delete all items?"));
        QCOMPARE(offered, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(dlg.FileList()->GetItemCount(), 2);

        test::AnswerMessageBox(QMessageBox::Yes);
        Button(dlg, res::IDC_REMOVE_ALL)->click();
        QCOMPARE(dlg.FileList()->GetItemCount(), 0);
        QCOMPARE(dlg.Preview()->GetImageFile(), jpeg_);
        QVERIFY(dlg.Preview()->HasImage());
        QCOMPARE(dlg.ExifList()->Strings(), exif);
    }

    void removePreviewsTheNextRow()
    {
        CMainDlg dlg(Profile());
        dlg.FileList()->AddFiles({jpeg_, png_});
        dlg.FileList()->SelectItem(0);
        Button(dlg, res::IDC_REMOVE)->click();
        QCOMPARE(dlg.FileList()->GetItemCount(), 1);
        QCOMPARE(dlg.Preview()->GetImageFile(), png_);
    }

    void doubleClickOpensTheViewerOnlyForASelectedRow()
    {
        CMainDlg dlg(Profile());
        QSignalSpy viewer(&dlg, &CMainDlg::ViewerRequested);
        dlg.FileList()->AddFiles({jpeg_, png_});
        emit dlg.Preview()->DblClick();
        QCOMPARE(viewer.count(), 0);

        dlg.FileList()->SelectItem(1);
        emit dlg.Preview()->DblClick();
        QCOMPARE(viewer.count(), 1);
        QCOMPARE(viewer.last().first().toString(), png_);

        test::AnswerMessageBox(QMessageBox::Yes);
        Button(dlg, res::IDC_REMOVE_ALL)->click();
        emit dlg.Preview()->DblClick();
        QCOMPARE(viewer.count(), 1);
    }

    void addButtonsUseTheChoosers()
    {
        CMainDlg dlg(Profile());
        QStringList files{jpeg_, png_};
        dlg.SetFileChooser([&](QWidget* owner) {
            [&] { QCOMPARE(owner, static_cast<QWidget*>(&dlg)); }();
            return files;
        });
        QString folder;
        dlg.SetFolderChooser([&](QWidget*) { return folder; });

        dlg.FileList()->AddFile(broken_, 0);
        Button(dlg, res::IDC_ADD_FILES)->click();
        QCOMPARE(dlg.FileList()->GetItemCount(), 3);
        QCOMPARE(dlg.FileList()->GetEntry(0)->FullPath(), jpeg_);
        QCOMPARE(dlg.FileList()->GetEntry(1)->FullPath(), png_);
        QCOMPARE(dlg.FileList()->GetEntry(2)->FullPath(), broken_);

        files.clear();  // cancelled
        Button(dlg, res::IDC_ADD_FILES)->click();
        QCOMPARE(dlg.FileList()->GetItemCount(), 3);

        Button(dlg, res::IDC_ADD_FOLDER)->click();  // cancelled
        QCOMPARE(dlg.FileList()->GetItemCount(), 3);
        folder = tmp_.path();
        Button(dlg, res::IDC_ADD_FOLDER)->click();
        QCOMPARE(dlg.FileList()->GetItemCount(), 6);  // camera.jpg, plain.png, broken.gif; not the .ini
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
