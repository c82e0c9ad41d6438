// The main window's layout, its About box, its keys and its profile.
#include "app/CAboutDlg.h"
#include "app/CFileListCtrl.h"
#include "app/CMainDlg.h"
#include "imaging/CImageViewer.h"
#include "res/CIconButton.h"
#include "res/ListControls.h"
#include "TestSupport.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Expected {
    int id;  // -1 for unnamed controls, found by caption
    const char* caption;
    DialogRect rect;
};

// The main window's controls in dialog units.
constexpr Expected kMainControls[] = {
    {1005, "Add Files", {7, 7, 68, 30}},     {1006, "Add Folder", {81, 7, 68, 30}},
    {1007, "Remove", {156, 7, 68, 30}},      {1008, "Remove All", {229, 7, 68, 30}},
    {1009, "Option", {306, 7, 68, 30}},      {1001, "", {7, 39, 494, 286}},
    {1013, "", {508, 7, 156, 115}},          {-1, "EXIF Tags", {507, 131, 69, 10}},
    {1058, "", {507, 143, 157, 111}},        {-1, "Output Folder", {13, 334, 60, 11}},
    {1002, "", {75, 334, 326, 12}},          {1004, "", {405, 332, 16, 13}},
    {1003, "Convert Now", {431, 345, 96, 27}}, {-1, "Output Format", {13, 359, 60, 11}},
    {1011, "Encoder Setting", {167, 356, 77, 14}},
};

struct ExpectedButton {
    int id;
    int icon;
    int size;
};

constexpr ExpectedButton kIconButtons[] = {
    {1005, 135, 32}, {1006, 138, 32}, {1007, 143, 32}, {1008, 142, 32},
    {1009, 144, 32}, {1004, 134, 16}, {1003, 139, 48}, {1011, 145, 16},
};

QWidget* FindLabel(const QWidget& parent, const QString& text)
{
    for (QLabel* label : parent.findChildren<QLabel*>()) {
        if (label->text() == text)
            return label;
    }
    return nullptr;
}

QString ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private:
    QTemporaryDir tmp_;
    std::filesystem::path ProfilePath(const QString& name) const
    {
        return std::filesystem::path(QFile::encodeName(tmp_.filePath(name)).toStdString());
    }

private slots:
    void initTestCase() { QVERIFY(tmp_.isValid()); }

    void controlsSitWhereTheLayoutPutsThem()
    {
        CMainDlg dlg(ProfilePath(QStringLiteral("layout.ini")));
        const DialogUnits units(DialogFont());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Brivane"));
        QCOMPARE(dlg.size(), units.ToPixels(671, 401));
        QVERIFY(!dlg.windowIcon().isNull());
        QVERIFY(!(dlg.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        for (const Expected& c : kMainControls) {
            const QString caption = QString::fromLatin1(c.caption);
            QWidget* widget = c.id > 0 ? dlg.Controls().Get(c.id) : FindLabel(dlg, caption);
            QVERIFY2(widget != nullptr, c.caption);
            QCOMPARE(widget->geometry(), units.ToPixels(c.rect));
            if (auto* button = qobject_cast<QPushButton*>(widget))
                QCOMPARE(button->text(), caption);
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                // The caption fits its box.
                QVERIFY(label->fontMetrics().horizontalAdvance(caption) <= label->width());
                QVERIFY(label->fontMetrics().height() <= label->height());
            }
        }
        QCOMPARE(qobject_cast<CFileListCtrl*>(dlg.Controls().Get(1001)), dlg.FileList());
        QCOMPARE(qobject_cast<CImageViewer*>(dlg.Controls().Get(1013)), dlg.Preview());

        const QList<QGroupBox*> groups = dlg.findChildren<QGroupBox*>();
        QCOMPARE(groups.size(), 1);
        QCOMPARE(groups.first()->geometry(), units.ToPixels(DialogRect{7, 323, 544, 71}));
    }

    void eightIconButtonsShowIconAndCaptionUnclipped()
    {
        CMainDlg dlg(ProfilePath(QStringLiteral("buttons.ini")));
        QCOMPARE(dlg.findChildren<CIconButton*>().size(), 8);
        for (const ExpectedButton& b : kIconButtons) {
            auto* button = dlg.Controls().Get<CIconButton>(b.id);
            QVERIFY(button != nullptr);
            QCOMPARE(button->IconId(), b.icon);
            QCOMPARE(button->RequestedIconSize(), b.size);
            QVERIFY(!button->icon().isNull());
            const auto placement = button->ComputePlacement();
            QVERIFY(button->rect().contains(placement.icon));
            QVERIFY(placement.icon.width() >= 16);  // only the 48 px icon needs to shrink
            if (!button->text().isEmpty()) {
                QVERIFY(button->rect().contains(placement.text));
                QCOMPARE(placement.text.width(), button->fontMetrics().horizontalAdvance(button->text()));
                QVERIFY(placement.icon.right() < placement.text.left());
            }
        }
        // Buttons as tall as their icon show it at its full size.
        QCOMPARE(dlg.Controls().Get<CIconButton>(1005)->ComputePlacement().icon.size(), QSize(32, 32));
        QCOMPARE(dlg.Controls().Get<CIconButton>(1011)->ComputePlacement().icon.size(), QSize(16, 16));
        QCOMPARE(dlg.Controls().Get<CIconButton>(1004)->ComputePlacement().icon.size(), QSize(16, 16));
    }

    void formatBoxIsSortedWithBmpSelected()
    {
        CMainDlg dlg(ProfilePath(QStringLiteral("formats.ini")));
        CComboBox* box = dlg.FormatBox();
        QCOMPARE(box->Strings(), QStringList({"Bmp", "GIF", "ICO", "JP2", "JPC", "JPG", "PCX", "PDF", "PGX", "PNG",
                                              "PNM", "RAS", "TGA", "TIF", "WBMP"}));
        QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(box->currentText(), QStringLiteral("Bmp"));
        QVERIFY(dlg.ExifList()->IsSorted());
    }

    void workerIsNeverShown()
    {
        CMainDlg dlg(ProfilePath(QStringLiteral("worker.ini")));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        CImageViewer* worker = dlg.Worker();
        QVERIFY(worker != nullptr && worker != dlg.Preview());
        QCOMPARE(worker->geometry(), QRect(0, 0, 1, 1));
        QVERIFY(!worker->isVisible());
        QWidget* bottom = nullptr;
        for (QObject* child : dlg.children()) {
            if ((bottom = qobject_cast<QWidget*>(child)) != nullptr)
                break;
        }
        QCOMPARE(bottom, worker);
        QVERIFY(dlg.Preview()->isVisible());
    }

    void outputFolderComesFromTheProfileOrDocuments()
    {
        const QString stored = tmp_.filePath(QStringLiteral("stored.ini"));
        {
            QFile file(stored);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[MYPROFILE]\r\nOutputFolder=/srv/out put\r\nPrefix=pre_\r\n");
        }
        {
            CMainDlg dlg(ProfilePath(QStringLiteral("stored.ini")));
            QCOMPARE(dlg.OutputFolderEdit()->text(), QStringLiteral("/srv/out put"));
            QVERIFY(!dlg.OutputFolderEdit()->isEnabled());
            QCOMPARE(dlg.Profile().Prefix, std::string("pre_"));
            // What the box shows is what gets saved.
            dlg.OutputFolderEdit()->setText(QStringLiteral("/srv/elsewhere"));
        }
        const QString saved = ReadFile(stored);
        QVERIFY(saved.contains(QStringLiteral("OutputFolder=/srv/elsewhere")));
        QVERIFY(saved.contains(QStringLiteral("Prefix=pre_")));

        // First start: no file; the box shows the documents folder, and closing writes it.
        const QString fresh = tmp_.filePath(QStringLiteral("fresh/mysetting.ini"));
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(!documents.isEmpty());
        {
            CMainDlg dlg(ProfilePath(QStringLiteral("fresh/mysetting.ini")));
            QCOMPARE(dlg.OutputFolderEdit()->text(), documents);
            QCOMPARE(dlg.Profile().JPEGQuality, 90);
            QVERIFY(!QFile::exists(fresh));
        }
        QVERIFY(ReadFile(fresh).contains(QStringLiteral("OutputFolder=") + documents));
    }

    void aboutBoxOnF1AndInTheContextMenu()
    {
        CMainDlg dlg(ProfilePath(QStringLiteral("about.ini")));
        QVERIFY(dlg.AboutAction() != nullptr);
        QCOMPARE(dlg.AboutAction()->text(), QStringLiteral("&About Brivane..."));
        QCOMPARE(dlg.contextMenuPolicy(), Qt::ActionsContextMenu);
        QVERIFY(dlg.actions().contains(dlg.AboutAction()));
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        QVERIFY(QTest::qWaitForWindowActive(&dlg));

        QString title;
        QStringList labels;
        test::OnNextModal([&](QWidget* modal) {
            title = modal->windowTitle();
            for (QLabel* label : modal->findChildren<QLabel*>())
                labels << label->text();
            QVERIFY(qobject_cast<CAboutDlg*>(modal) != nullptr);
            static_cast<QDialog*>(modal)->accept();
        });
        QTest::keyClick(dlg.FileList(), Qt::Key_F1);
        QCOMPARE(title, QStringLiteral("About Brivane"));
        QVERIFY(labels.contains(QStringLiteral("Brivane Version 2.0")));
        QVERIFY(dlg.isVisible());  // the About box closes alone

        // A right click on the window offers the same entry.
        QStringList entries;
        QTimer::singleShot(50, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions())
                    entries << action->text();
                menu->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), dlg.mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(dlg.FileList()->viewport(), &event);
        QVERIFY(entries.contains(QStringLiteral("&About Brivane...")));
    }

    void enterAndEscapeEndTheWindow()
    {
        CMainDlg ok(ProfilePath(QStringLiteral("keys.ini")));
        ok.show();
        QApplication::setActiveWindow(&ok);
        QVERIFY(QTest::qWaitForWindowActive(&ok));
        ok.FileList()->setFocus();
        QTest::keyClick(ok.FileList(), Qt::Key_Return);
        QVERIFY(!ok.isVisible());
        QCOMPARE(ok.result(), int(QDialog::Accepted));

        CMainDlg cancel(ProfilePath(QStringLiteral("keys.ini")));
        cancel.show();
        QApplication::setActiveWindow(&cancel);
        QVERIFY(QTest::qWaitForWindowActive(&cancel));
        cancel.FileList()->setFocus();
        QTest::keyClick(cancel.FileList(), Qt::Key_Escape);
        QVERIFY(!cancel.isVisible());
        QCOMPARE(cancel.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
