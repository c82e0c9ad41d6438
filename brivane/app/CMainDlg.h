#pragma once
// The main window: the file list, the preview with its EXIF tags, the output folder and format,
// and the buttons that start the other tasks. It owns the conversion profile from construction
// to destruction: loaded from the settings file when it opens, written back when it goes.

#include "profile/ConversionProfile.h"
#include "res/DialogBuilder.h"

#include <QDialog>
#include <QIcon>
#include <QList>
#include <QStringList>
#include <QUrl>

#include <filesystem>
#include <functional>
#include <optional>

class CComboBox;
class CFileListCtrl;
class CImageViewer;
class CListBox;
class QAction;
class QLineEdit;

class CMainDlg : public QDialog {
    Q_OBJECT
public:
    // Uses the settings file at DefaultProfilePath().
    explicit CMainDlg(QWidget* parent = nullptr);
    CMainDlg(std::filesystem::path profilePath, QWidget* parent = nullptr);
    ~CMainDlg() override;

    // The dialogs that pick files and folders; replaceable so that tests need no native dialog.
    // An empty result means the user cancelled.
    using FileChooser = std::function<QStringList(QWidget* owner)>;
    using FolderChooser = std::function<QString(QWidget* owner)>;
    void SetFileChooser(FileChooser chooser) { chooseFiles_ = std::move(chooser); }
    void SetFolderChooser(FolderChooser chooser) { chooseFolder_ = std::move(chooser); }
    // Picks the output folder (button 1004); "" when cancelled. Replaceable for tests.
    void SetOutputFolderChooser(FolderChooser chooser) { chooseOutputFolder_ = std::move(chooser); }
    // Opens a folder in the desktop's file manager at the end of a batch; replaceable for tests.
    using FolderOpener = std::function<void(const QString& folder)>;
    void SetFolderOpener(FolderOpener opener) { openFolder_ = std::move(opener); }
    // Names, once, the files left out when several were added at once; replaceable for tests.
    using SkipReporter = std::function<void(QWidget* owner, const QStringList& skipped)>;
    void SetSkipReporter(SkipReporter reporter) { reportSkipped_ = std::move(reporter); }

    const ConversionProfile& Profile() const { return profile_; }
    const DialogControls& Controls() const { return *controls_; }
    CFileListCtrl* FileList() const { return fileList_; }
    CImageViewer* Preview() const { return preview_; }
    CImageViewer* Worker() const { return worker_; }
    CListBox* ExifList() const { return exifList_; }
    CComboBox* FormatBox() const { return formatBox_; }
    QLineEdit* OutputFolderEdit() const { return outputFolder_; }
    QAction* AboutAction() const { return aboutAction_; }

    // Profile values into the controls, and back.
    void DataToControls();
    void ControlsToData();

    void OnAddFiles();
    void OnAddFolder();
    // Files and folders from the command line or a drop: listed at the top in their order (a
    // folder as Add Folder lists it); missing and unsupported ones are reported in one message.
    void AddPaths(const QStringList& paths);
    // A drop on the file list: its local files and folders as AddPaths; other URLs are reported
    // with the skipped files. Ignored while a batch runs.
    void OnUrlsDropped(const QList<QUrl>& urls);
    void OnRemove();
    void OnRemoveAll();
    void OnAbout();
    // The Option dialog: prefix, suffix, overwrite question, opening the output folder.
    void OnOption();
    // The Encoder Setting dialog over the profile's encoder fields; they change only with OK.
    void OnEncoderSetting();
    // The output folder chooser; its folder goes into the output folder box.
    void OnBrowse();
    // Converts every row into the chosen format (Convert Now). While the batch runs the window
    // takes no input; only the progress dialog and the batch's questions do.
    void OnConvertNow();
    // Shows `row` in the preview and lists its EXIF tags, unless that file is shown already
    // (a file whose preview failed is loaded again).
    void OnListItemChanged(int row);
    void OnPreviewDblClick();

signals:
    // A double click on the preview asks to view this file (the selected row's full path).
    void ViewerRequested(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnInitDialog();
    QWidget* CreateCustomControl(int id, QWidget* parent);

    std::filesystem::path profilePath_;
    ConversionProfile profile_;
    QIcon appIcon_;
    std::optional<DialogControls> controls_;
    CFileListCtrl* fileList_ = nullptr;
    CImageViewer* preview_ = nullptr;
    CImageViewer* worker_ = nullptr;
    CListBox* exifList_ = nullptr;
    CComboBox* formatBox_ = nullptr;
    QLineEdit* outputFolder_ = nullptr;
    QAction* aboutAction_ = nullptr;
    FileChooser chooseFiles_;
    FolderChooser chooseFolder_;
    FolderChooser chooseOutputFolder_;
    FolderOpener openFolder_;
    SkipReporter reportSkipped_;
    bool converting_ = false;  // a batch is running
};
