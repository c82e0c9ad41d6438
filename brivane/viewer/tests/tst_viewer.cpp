// The viewer window: start state, paging, export and crop through the save dialog.
#include "imaging/CImageViewer.h"
#include "res/ListControls.h"
#include "res/ResourceIds.h"
#include "tests/ModalTestSupport.h"
#include "viewer/CViewerDlg.h"

#include <Magick++.h>

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <QComboBox>
#include <QDateTime>

#include <functional>
#include <list>
#include <memory>

namespace {

// Pages 100 x 50, 150 x 75 and 200 x 100 (whole points at 150 dpi), so the page shown tells its
// number by its size.
QSize PageSize(int page) { return {50 + 50 * page, 25 + 25 * page}; }

QString WriteTiff(const QString& path)
{
    std::list<Magick::Image> pages;
    for (int p = 1; p <= 3; ++p)
        pages.emplace_back(Magick::Geometry(PageSize(p).width(), PageSize(p).height()), Magick::Color("red"));
    Magick::writeImages(pages.begin(), pages.end(), "TIFF:" + path.toStdString());
    return path;
}

QString WritePdf(const QString& path)
{
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    for (int p = 1; p <= 3; ++p) {
        // At the viewer's 150 dpi a page of 48 x 24 points is 100 x 50 pixels, and so on.
        const QSizeF points(PageSize(p).width() * 72.0 / 150.0, PageSize(p).height() * 72.0 / 150.0);
        writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
        if (p == 1)
            painter.begin(&writer);
        else
            writer.newPage();
        painter.fillRect(QRectF(QPointF(0, 0), points), Qt::blue);
    }
    painter.end();
    return path;
}

QString WritePng(const QString& path, QSize size = {200, 100})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::green);
    image.save(path);
    return path;
}

QPushButton* Button(CViewerDlg& v, int id) { return v.Controls().Get<QPushButton>(id); }

// Answers the next save dialog with `name` typed into its name box (or cancels for ""), then
// records and closes the message box that may follow.
void AnswerSave(const QString& dir, const QString& name, QStringList* filters, QString* message)
{
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        *filters = dialog->nameFilters();
        if (name.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->setDirectory(dir);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        QTimer::singleShot(0, [message] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                *message = box->text();
                box->accept();
            }
        });
        static_cast<QDialog*>(dialog)->accept();
    });
}

// Answers the message box that is up, if any, with the first of `answers` (accepting a box that
// lacks that button) and records its text; the boxes after it get the rest in turn.
void AnswerBoxes(QList<QMessageBox::StandardButton> answers, std::shared_ptr<QStringList> texts)
{
    if (answers.isEmpty())
        return;
    // Queued before the current window closes, so it runs in the loop of whatever opens next.
    QTimer::singleShot(0, [answers, texts]() mutable {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        texts->append(box->text());
        const QMessageBox::StandardButton answer = answers.takeFirst();
        AnswerBoxes(answers, texts);
        if (QAbstractButton* button = box->button(answer))
            button->click();
        else
            box->accept();
    });
}

// Selects `format`, clicks `buttonId` (Export or Crop), types `name` into the save dialog (in
// `dir`) and answers the message boxes that follow with `answers`; returns their texts.
QStringList SaveThrough(CViewerDlg& v, int buttonId, const QString& format, const QString& dir, const QString& name,
                        QList<QMessageBox::StandardButton> answers = {QMessageBox::Ok})
{
    v.FormatList()->setCurrentIndex(v.FormatList()->findText(format));
    auto texts = std::make_shared<QStringList>();
    test::OnNextModal([=](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {  // no save dialog: the box that came instead
            AnswerBoxes(answers, texts);
            return;
        }
        dialog->setDirectory(dir);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        AnswerBoxes(answers, texts);
        static_cast<QDialog*>(dialog)->accept();
    });
    Button(v, buttonId)->click();
    QTest::qWait(20);  // an answer whose box never came runs out here, not in the next dialog
    return *texts;
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ViewerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Magick::InitializeMagick(nullptr); }
    void startState();
    void pagedNamesIgnoreCase();
    void pagingStaysInRange_data();
    void pagingStaysInRange();
    void exportWritesTheChosenFormat();
    void cropNeedsARectangle();
    void failedExportSaysWhy();
    void exportNeverReplacesTheOpenFile_data();
    void exportNeverReplacesTheOpenFile();
    void overwriteQuestionNamesTheFileWritten();
    void cropSaysWhyAWriteFailed();
    void enterAndEscCloseWithoutZooming_data();
    void enterAndEscCloseWithoutZooming();

private:
    QTemporaryDir dir_;
};

void ViewerTest::startState()
{
    CViewerDlg single(WritePng(dir_.filePath("one.png")));
    QCOMPARE(single.FormatList()->count(), 15);
    QCOMPARE(single.FormatList()->currentText(), QStringLiteral("Bmp"));
    QCOMPARE(single.FormatList()->itemText(1), QStringLiteral("GIF"));
    QCOMPARE(single.FormatList()->itemText(14), QStringLiteral("WBMP"));
    QCOMPARE(single.Controls().Get<QLabel>(res::IDC_PAGE_COUNT)->text(), QStringLiteral("1"));
    QVERIFY(!Button(single, res::IDC_NEXT_PAGE)->isEnabled());
    QVERIFY(!Button(single, res::IDC_PREVIOUS_PAGE)->isEnabled());
    QCOMPARE(single.Image()->GetDisplayMode(), short(5));
    QCOMPARE(single.windowTitle(), QStringLiteral("one.png"));

    // A multi-page .tiff pages too.
    CViewerDlg paged(WriteTiff(dir_.filePath("three.tiff")));
    QCOMPARE(paged.Controls().Get<QLabel>(res::IDC_PAGE_COUNT)->text(), QStringLiteral("3"));
    QVERIFY(Button(paged, res::IDC_NEXT_PAGE)->isEnabled());
    QCOMPARE(paged.Controls().Get<QLineEdit>(res::IDC_CURRENT_PAGE)->text(), QStringLiteral("1"));
}

void ViewerTest::pagedNamesIgnoreCase()
{
    QVERIFY(CViewerDlg::IsPaged("/a/b.PDF"));
    QVERIFY(CViewerDlg::IsPaged("/a/b.Tif"));
    QVERIFY(CViewerDlg::IsPaged("/a/b.tiff"));
    QVERIFY(!CViewerDlg::IsPaged("/a/b.gif"));
    QVERIFY(!CViewerDlg::IsPaged("/a/pdf"));
    QVERIFY(!CViewerDlg::IsPaged("/a.tif/b"));
}

void ViewerTest::pagingStaysInRange_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("pdf") << "three.PDF";
    QTest::newRow("tif") << "three.tif";
}

void ViewerTest::pagingStaysInRange()
{
    QFETCH(QString, name);
    const QString path = name.endsWith("PDF") ? WritePdf(dir_.filePath(name)) : WriteTiff(dir_.filePath(name));
    CViewerDlg v(path);
    auto* box = v.Controls().Get<QLineEdit>(res::IDC_CURRENT_PAGE);
    QCOMPARE(v.Image()->ImageSize(), PageSize(1));
    Button(v, res::IDC_PREVIOUS_PAGE)->click();  // from 1 stays on 1, reloaded
    QCOMPARE(v.CurrentPage(), 1);
    QCOMPARE(v.Image()->ImageSize(), PageSize(1));
    box->setText("77");  // typed, never read
    Button(v, res::IDC_NEXT_PAGE)->click();
    QCOMPARE(box->text(), QStringLiteral("2"));
    QCOMPARE(v.Image()->ImageSize(), PageSize(2));
    Button(v, res::IDC_NEXT_PAGE)->click();
    Button(v, res::IDC_NEXT_PAGE)->click();  // from 3 stays on 3
    QCOMPARE(box->text(), QStringLiteral("3"));
    QCOMPARE(v.Image()->ImageSize(), PageSize(3));
    Button(v, res::IDC_PREVIOUS_PAGE)->click();
    QCOMPARE(v.Image()->ImageSize(), PageSize(2));
}

void ViewerTest::exportWritesTheChosenFormat()
{
    CViewerDlg v(WritePng(dir_.filePath("src.png")));
    QStringList filters;
    QString message;
    v.FormatList()->setCurrentIndex(v.FormatList()->findText("WBMP"));
    AnswerSave(dir_.path(), "bare", &filters, &message);
    Button(v, res::IDC_EXPORT_IMAGE)->click();
    const QString base = QDir(dir_.path()).filePath("bare");
    QCOMPARE(filters, QStringList{"WBMP File(*.wbmp)"});
    QCOMPARE(message, "Save to " + base + ".wbmp");
    QFile wbmp(base + ".wbmp");
    QVERIFY(wbmp.open(QIODevice::ReadOnly));
    QCOMPARE(wbmp.read(2), QByteArray("\0\0", 2));  // WBMP type 0, fixed header 0

    v.FormatList()->setCurrentIndex(v.FormatList()->findText("GIF"));
    AnswerSave(dir_.path(), QString(), &filters, &message);  // cancelled: nothing written
    Button(v, res::IDC_EXPORT_IMAGE)->click();
    QCOMPARE(filters, QStringList{"GIF File(*.gif)"});

    // A typed .jpg name with PNG selected writes a PNG at the name without ".jpg".
    v.FormatList()->setCurrentIndex(v.FormatList()->findText("PNG"));
    AnswerSave(dir_.path(), "typed.jpg", &filters, &message);
    Button(v, res::IDC_EXPORT_IMAGE)->click();
    const QString typed = QDir(dir_.path()).filePath("typed");
    QCOMPARE(message, "Save to " + typed + ".png");
    QCOMPARE(QImage(typed + ".png", "PNG").size(), QSize(200, 100));
    QVERIFY(!QFile::exists(typed + ".jpg"));
}

void ViewerTest::cropNeedsARectangle()
{
    CViewerDlg v(WritePng(dir_.filePath("crop.png")));
    // Without a rectangle there is nothing to name: the message comes instead of the save dialog.
    QStringList texts = SaveThrough(v, res::IDC_CROP_IMAGE, "PNG", dir_.path(), "nothing");
    QCOMPARE(texts, QStringList{"Please draw the selection rectangle on image first"});
    QVERIFY(!QFile::exists(QDir(dir_.path()).filePath("nothing.png")));

    v.Image()->SetSelection(QRect(10, 20, 30, 40));
    texts = SaveThrough(v, res::IDC_CROP_IMAGE, "PNG", dir_.path(), "part");
    QCOMPARE(texts, QStringList{"Save to " + QDir(dir_.path()).filePath("part.png")});
    QCOMPARE(QImage(QDir(dir_.path()).filePath("part.png")).size(), QSize(30, 40));
}

void ViewerTest::failedExportSaysWhy()
{
    CViewerDlg v(dir_.filePath("missing.png"));  // nothing could be loaded
    QStringList filters;
    QString message;
    AnswerSave(dir_.path(), "out", &filters, &message);
    Button(v, res::IDC_EXPORT_IMAGE)->click();
    const QString base = QDir(dir_.path()).filePath("out");
    QCOMPARE(message, "Cannot save " + base + ".bmp: no image is loaded");
    QVERIFY(!QFile::exists(base + ".bmp"));
}

void ViewerTest::exportNeverReplacesTheOpenFile_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("typed");
    QTest::newRow("export, its own name") << res::IDC_EXPORT_IMAGE << "open.png";
    QTest::newRow("export, another extension typed") << res::IDC_EXPORT_IMAGE << "open.jpg";
    QTest::newRow("export, through ..") << res::IDC_EXPORT_IMAGE << "sub/../open.png";
    QTest::newRow("export, through a link") << res::IDC_EXPORT_IMAGE << "link.png";
    QTest::newRow("crop, its own name") << res::IDC_CROP_IMAGE << "open.png";
}

void ViewerTest::exportNeverReplacesTheOpenFile()
{
    QFETCH(int, button);
    QFETCH(QString, typed);
    QTemporaryDir dir;
    const QString source = WritePng(dir.filePath("open.png"));
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    QVERIFY(QFile::link(source, dir.filePath("link.png")));
    // An old time, so that a rewrite within the same second still shows.
    const QDateTime stamp = QDateTime::fromSecsSinceEpoch(1'000'000'000);
    {
        QFile file(source);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    const QByteArray before = Bytes(source);

    CViewerDlg v(source);
    v.Image()->SetSelection(QRect(0, 0, 10, 10));
    // Yes to any question about replacing: even then the open file must stay.
    const QStringList texts =
        SaveThrough(v, button, "PNG", dir.path(), typed, {QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Ok});
    QVERIFY2(!texts.isEmpty(), "the refusal is shown");
    QVERIFY2(texts.last().contains("would replace the source file; choose another name or folder"),
             qPrintable(texts.join(" | ")));
    QCOMPARE(Bytes(source), before);
    QCOMPARE(QFileInfo(source).lastModified(), stamp);
    QVERIFY(QFileInfo(dir.filePath("link.png")).isSymLink());
}

void ViewerTest::overwriteQuestionNamesTheFileWritten()
{
    QTemporaryDir dir;
    CViewerDlg v(WritePng(dir.filePath("src.png")));
    const QString typedJpg = dir.filePath("typed.jpg");
    const QString writtenPng = dir.filePath("typed.png");

    // The typed name exists, the written one does not: nothing to ask, the typed file untouched.
    QFile jpg(typedJpg);
    QVERIFY(jpg.open(QIODevice::WriteOnly));
    jpg.write("not to be touched");
    jpg.close();
    QStringList texts = SaveThrough(v, res::IDC_EXPORT_IMAGE, "PNG", dir.path(), "typed.jpg",
                                    {QMessageBox::Yes, QMessageBox::Ok});
    QCOMPARE(texts, QStringList{"Save to " + writtenPng});
    QCOMPARE(Bytes(typedJpg), QByteArray("not to be touched"));
    QCOMPARE(QImage(writtenPng, "PNG").size(), QSize(200, 100));

    // The written name exists: the question names it, and No leaves it as it was.
    QVERIFY(QFile::remove(typedJpg));
    QVERIFY(QFile::remove(writtenPng));
    WritePng(writtenPng, QSize(10, 10));
    texts = SaveThrough(v, res::IDC_EXPORT_IMAGE, "PNG", dir.path(), "typed.jpg", {QMessageBox::No});
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts.first().contains(writtenPng) && texts.first().contains("already exists"), qPrintable(texts.first()));
    QCOMPARE(QImage(writtenPng, "PNG").size(), QSize(10, 10));
    QVERIFY(!QFile::exists(typedJpg));

    // Yes replaces it.
    texts = SaveThrough(v, res::IDC_EXPORT_IMAGE, "PNG", dir.path(), "typed.jpg", {QMessageBox::Yes, QMessageBox::Ok});
    QCOMPARE(texts.size(), 2);
    QVERIFY(texts.first().contains(writtenPng));
    QCOMPARE(texts.last(), "Save to " + writtenPng);
    QCOMPARE(QImage(writtenPng, "PNG").size(), QSize(200, 100));
}

void ViewerTest::cropSaysWhyAWriteFailed()
{
    QTemporaryDir dir;
    CViewerDlg v(WritePng(dir.filePath("src.png")));
    v.Image()->SetSelection(QRect(10, 20, 30, 40));
    // A folder that does not exist: the rectangle is there, the write fails.
    const QStringList texts = SaveThrough(v, res::IDC_CROP_IMAGE, "PNG", dir.path(), "gone/part.png");
    const QString target = QDir(dir.path()).filePath("gone/part.png");
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts.first().startsWith("Cannot save " + target + ": "), qPrintable(texts.first()));
    QVERIFY(texts.first().size() > QString("Cannot save " + target + ": ").size());
    QVERIFY(!texts.first().contains("selection rectangle"));
    QVERIFY(!QFile::exists(target));
}

void ViewerTest::enterAndEscCloseWithoutZooming_data()
{
    QTest::addColumn<int>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("Return in the page box") << res::IDC_CURRENT_PAGE << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("keypad Enter in the page box") << res::IDC_CURRENT_PAGE << int(Qt::Key_Enter) << int(QDialog::Accepted);
    QTest::newRow("Return on Zoom Out") << res::IDC_ZOOM_OUT << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("Return on Zoom In") << res::IDC_ZOOM_IN << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("Return in the format list") << res::IDC_VIEWER_FORMAT << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("Esc in the page box") << res::IDC_CURRENT_PAGE << int(Qt::Key_Escape) << int(QDialog::Rejected);
    QTest::newRow("Esc on Zoom In") << res::IDC_ZOOM_IN << int(Qt::Key_Escape) << int(QDialog::Rejected);
}

void ViewerTest::enterAndEscCloseWithoutZooming()
{
    QFETCH(int, focus);
    QFETCH(int, key);
    QFETCH(int, result);
    CViewerDlg v(WritePng(dir_.filePath("keys.png")));
    v.show();
    QApplication::setActiveWindow(&v);
    QVERIFY(QTest::qWaitForWindowActive(&v));
    const QSize shown = v.Image()->DisplayedSize();
    QWidget* target = v.Controls().Get(focus);
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    // Nothing is saved by a stray key: a save dialog would be answered with Cancel here.
    test::OnNextModal(
        [](QWidget* modal) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        },
        5);
    QTest::keyClick(target, static_cast<Qt::Key>(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QTest::qWait(80);
    QCOMPARE(v.Image()->DisplayedSize(), shown);
    QVERIFY(!v.isVisible());
    QCOMPARE(v.result(), result);
    // Nor does any button look like the one Enter presses.
    for (QPushButton* button : v.findChildren<QPushButton*>())
        QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->text()));
}

QTEST_MAIN(ViewerTest)
#include "tst_viewer.moc"
