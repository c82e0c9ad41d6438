// The viewer window: start state, paging, export and crop through the save dialog.
#include "imaging/CImageViewer.h"
#include "res/ListControls.h"
#include "res/ResourceIds.h"
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

#include <functional>
#include <list>

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
    v.FormatList()->setCurrentIndex(v.FormatList()->findText("PNG"));
    QStringList filters;
    QString message;
    AnswerSave(dir_.path(), "nothing", &filters, &message);
    Button(v, res::IDC_CROP_IMAGE)->click();
    QCOMPARE(message, QStringLiteral("Please draw the selection rectangle on image first"));
    QVERIFY(!QFile::exists(QDir(dir_.path()).filePath("nothing.png")));

    v.Image()->SetSelection(QRect(10, 20, 30, 40));
    AnswerSave(dir_.path(), "part", &filters, &message);
    Button(v, res::IDC_CROP_IMAGE)->click();
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

QTEST_MAIN(ViewerTest)
#include "tst_viewer.moc"
