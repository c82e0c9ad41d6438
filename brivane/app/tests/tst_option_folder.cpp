// The Option dialog and the output folder chooser, opened from the main window.
#include "app/CFolderDialog.h"
#include "app/CMainDlg.h"
#include "app/COptionDlg.h"
#include "res/ResourceIds.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Window {
    explicit Window(const ConversionProfile& profile)
    {
        SaveProfile(profile, dir.filePath("mysetting.ini").toStdString());
        dialog = std::make_unique<CMainDlg>(dir.filePath("mysetting.ini").toStdString());
    }
    void Click(int id) { dialog->Controls().Get<QPushButton>(id)->click(); }
    QTemporaryDir dir;
    std::unique_ptr<CMainDlg> dialog;
};

QAbstractButton* SelectButton(QFileDialog& dialog)
{
    auto* box = dialog.findChild<QDialogButtonBox*>();
    return box ? box->button(QDialogButtonBox::Open) : nullptr;
}

}  // namespace

class OptionFolderTest : public QObject {
    Q_OBJECT
private slots:
    void optionShowsAndStoresTheFourFields();
    void optionCancelChangesNothing();
    void folderChooserReturnsTheShownFolder();
    void browsePutsTheFolderIntoTheBox();
};

void OptionFolderTest::optionShowsAndStoresTheFourFields()
{
    ConversionProfile p;
    p.Prefix = "x_";
    p.Suffix = "_s";
    p.OverWrite = 1;
    p.OpenFolder = 0;
    Window w(p);
    QStringList shown;
    test::OnNextModal([&](QWidget* modal) {
        auto* option = qobject_cast<COptionDlg*>(modal);
        QVERIFY(option);
        QCOMPARE(option->windowTitle(), QStringLiteral("Option"));
        auto* prefix = option->Controls().Get<QLineEdit>(res::IDC_PREFIX);
        auto* suffix = option->Controls().Get<QLineEdit>(res::IDC_SUFFIX);
        auto* overwrite = option->Controls().Get<QCheckBox>(res::IDC_PROMPT_OVERWRITE);
        auto* open = option->Controls().Get<QCheckBox>(res::IDC_OPEN_FOLDER);
        shown << prefix->text() << suffix->text() << QString::number(overwrite->isChecked())
              << QString::number(open->isChecked());
        prefix->clear();
        suffix->clear();
        overwrite->setChecked(false);
        open->setChecked(true);
        option->Controls().Get<QPushButton>(res::IDOK)->click();
    });
    w.Click(res::IDC_OPTION);
    QCOMPARE(shown, (QStringList{"x_", "_s", "1", "0"}));
    QCOMPARE(w.dialog->Profile().Prefix, std::string());
    QCOMPARE(w.dialog->Profile().Suffix, std::string());
    QCOMPARE(w.dialog->Profile().OverWrite, 0);
    QCOMPARE(w.dialog->Profile().OpenFolder, 1);
}

void OptionFolderTest::optionCancelChangesNothing()
{
    ConversionProfile p;
    p.Prefix = "keep";
    p.OpenFolder = 1;
    Window w(p);
    test::OnNextModal([](QWidget* modal) {
        auto* option = qobject_cast<COptionDlg*>(modal);
        QVERIFY(option);
        option->Controls().Get<QLineEdit>(res::IDC_PREFIX)->setText("changed");
        option->Controls().Get<QCheckBox>(res::IDC_OPEN_FOLDER)->setChecked(false);
        option->Controls().Get<QPushButton>(res::IDCANCEL)->click();
    });
    w.Click(res::IDC_OPTION);
    QCOMPARE(w.dialog->Profile().Prefix, std::string("keep"));
    QCOMPARE(w.dialog->Profile().OpenFolder, 1);
}

void OptionFolderTest::folderChooserReturnsTheShownFolder()
{
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkdir("inner"));
    CFolderDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Choose folder"));
    dialog.setDirectory(root.path());
    dialog.show();
    QAbstractButton* select = SelectButton(dialog);
    QVERIFY(select);
    QCOMPARE(select->text(), QStringLiteral("Select"));
    // A folder marked in the list does not count: the shown one does.
    dialog.selectFile(QDir(root.path()).filePath("inner"));
    select->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Result(), QDir(root.path()).absolutePath());
}

void OptionFolderTest::browsePutsTheFolderIntoTheBox()
{
    Window w(ConversionProfile{});
    QTemporaryDir chosen;
    // The real chooser, answered as a user would.
    test::OnNextModal([&](QWidget* modal) {
        auto* chooser = qobject_cast<CFolderDialog*>(modal);
        QVERIFY(chooser);
        chooser->setDirectory(chosen.path());
        SelectButton(*chooser)->click();
    });
    w.Click(res::IDC_BROWSE);
    QCOMPARE(w.dialog->OutputFolderEdit()->text(), QDir(chosen.path()).absolutePath());

    // Cancel keeps the box as it was.
    w.dialog->SetOutputFolderChooser([](QWidget*) { return QString(); });
    w.Click(res::IDC_BROWSE);
    QCOMPARE(w.dialog->OutputFolderEdit()->text(), QDir(chosen.path()).absolutePath());
}

QTEST_MAIN(OptionFolderTest)
#include "tst_option_folder.moc"
