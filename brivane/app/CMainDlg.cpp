#include "app/CMainDlg.h"

#include "app/BatchConverter.h"
#include "app/BatchProgressDialog.h"
#include "app/CAboutDlg.h"
#include "app/CFileListCtrl.h"
#include "app/CFolderDialog.h"
#include "app/COptionDlg.h"
#include "app/ImageExtensions.h"
#include "app/InputBlocker.h"
#include "app/OutputFormats.h"
#include "app/SkippedFiles.h"
#include "imaging/CImageViewer.h"
#include "settings/EncoderProfileExchange.h"
#include "res/Icons.h"
#include "res/Layouts.h"
#include "res/ListControls.h"
#include "res/ResourceIds.h"
#include "res/Strings.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

namespace {

constexpr short kPreviewFitMode = 9;

QStringList ChooseFilesInDialog(QWidget* owner)
{
    return QFileDialog::getOpenFileNames(owner, QString(), QString(), ImageFileFilter());
}

QString ChooseFolderInDialog(QWidget* owner)
{
    return QFileDialog::getExistingDirectory(owner, QString(), QString(), QFileDialog::ShowDirsOnly);
}

QString ChooseOutputFolderInDialog(QWidget* owner)
{
    CFolderDialog dialog(owner);
    return dialog.exec() == QDialog::Accepted ? dialog.Result() : QString();
}

void OpenFolderInDesktop(const QString& folder)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CMainDlg::CMainDlg(QWidget* parent) : CMainDlg(DefaultProfilePath(), parent) {}

CMainDlg::CMainDlg(std::filesystem::path profilePath, QWidget* parent)
    : QDialog(parent),
      profilePath_(std::move(profilePath)),
      appIcon_(LoadResIcon(res::IDI_APP)),
      chooseFiles_(ChooseFilesInDialog),
      chooseFolder_(ChooseFolderInDialog),
      chooseOutputFolder_(ChooseOutputFolderInDialog),
      openFolder_(OpenFolderInDesktop),
      reportSkipped_(ShowSkippedFiles)
{
    OnInitDialog();
}

CMainDlg::~CMainDlg()
{
    // The rows free their entries with the list; the profile is written once, here.
    ControlsToData();
    SaveProfile(profile_, profilePath_);
}

QWidget* CMainDlg::CreateCustomControl(int id, QWidget* parent)
{
    switch (id) {
    case res::IDC_FILE_LIST: return fileList_ = new CFileListCtrl(parent);
    case res::IDC_PREVIEW: return preview_ = new CImageViewer(parent);
    case res::IDC_WORKER: return worker_ = new CImageViewer(parent);
    default: return nullptr;
    }
}

void CMainDlg::OnInitDialog()
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    controls_.emplace(BuildDialog(*this, res::MainLayout(), [this](const ControlDef& def, QWidget* parent) {
        return CreateCustomControl(def.id, parent);
    }));
    exifList_ = controls_->Get<CListBox>(res::IDC_EXIF_LIST);
    formatBox_ = controls_->Get<CComboBox>(res::IDC_OUTPUT_FORMAT);
    outputFolder_ = controls_->Get<QLineEdit>(res::IDC_OUTPUT_FOLDER);

    // Window managers own the title-bar menu, so the About entry lives in the window's
    // context menu and on F1.
    const QString aboutText = LoadResString(res::IDS_ABOUTBOX);
    if (!aboutText.isEmpty()) {
        aboutAction_ = new QAction(aboutText, this);
        aboutAction_->setShortcut(QKeySequence(Qt::Key_F1));
        connect(aboutAction_, &QAction::triggered, this, &CMainDlg::OnAbout);
        addAction(aboutAction_);
        setContextMenuPolicy(Qt::ActionsContextMenu);
    }

    setWindowIcon(appIcon_);

    preview_->SetDisplayStyle(3);
    // The preview keeps its size, so a photo is decoded only as large as it shows it, and appears
    // at once.
    preview_->SetMaxShownSize(preview_->size());
    preview_->SetDisplayParamA(40);
    preview_->SetDisplayParamB(40);

    for (std::string_view format : kOutputFormats)
        formatBox_->AddString(QString::fromLatin1(format.data(), static_cast<qsizetype>(format.size())));
    formatBox_->setCurrentIndex(0);

    // The worker is never seen; a batch converts on worker threads of its own and empties it.
    worker_->setGeometry(0, 0, 1, 1);
    worker_->lower();
    worker_->hide();

    const auto button = [this](int id) { return controls_->Get<QPushButton>(id); };
    connect(button(res::IDC_ADD_FILES), &QPushButton::clicked, this, &CMainDlg::OnAddFiles);
    connect(button(res::IDC_ADD_FOLDER), &QPushButton::clicked, this, &CMainDlg::OnAddFolder);
    connect(button(res::IDC_REMOVE), &QPushButton::clicked, this, &CMainDlg::OnRemove);
    connect(button(res::IDC_REMOVE_ALL), &QPushButton::clicked, this, &CMainDlg::OnRemoveAll);
    connect(button(res::IDC_CONVERT), &QPushButton::clicked, this, &CMainDlg::OnConvertNow);
    connect(button(res::IDC_OPTION), &QPushButton::clicked, this, &CMainDlg::OnOption);
    connect(button(res::IDC_ENCODER), &QPushButton::clicked, this, &CMainDlg::OnEncoderSetting);
    connect(button(res::IDC_BROWSE), &QPushButton::clicked, this, &CMainDlg::OnBrowse);
    connect(fileList_, &CFileListCtrl::ItemSelected, this, &CMainDlg::OnListItemChanged);
    // Queued: the drop has finished in the file manager before a message box can come up.
    connect(fileList_, &CFileListCtrl::UrlsDropped, this, &CMainDlg::OnUrlsDropped, Qt::QueuedConnection);
    connect(preview_, &CImageViewer::DblClick, this, &CMainDlg::OnPreviewDblClick);

    LoadProfile(profile_, profilePath_);
    DataToControls();
    if (profile_.OutputFolder.empty())
        outputFolder_->setText(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

void CMainDlg::DataToControls() { outputFolder_->setText(ToQString(profile_.OutputFolder)); }

void CMainDlg::ControlsToData() { profile_.OutputFolder = outputFolder_->text().toStdString(); }

void CMainDlg::OnAddFiles()
{
    // An empty list (cancel) adds nothing.
    fileList_->AddFiles(chooseFiles_(this));
}

void CMainDlg::OnAddFolder()
{
    const QString folder = chooseFolder_(this);
    if (!folder.isEmpty())
        fileList_->AddFolder(folder);
}

void CMainDlg::AddPaths(const QStringList& paths)
{
    if (const QStringList skipped = fileList_->AddPaths(paths); !skipped.isEmpty())
        reportSkipped_(this, skipped);
}

void CMainDlg::OnUrlsDropped(const QList<QUrl>& urls)
{
    // The window takes no input while a batch runs; a drop queued just before it started is
    // refused too, so the batch's copy of the rows stays what the user saw.
    if (converting_)
        return;
    QStringList paths;
    QStringList others;
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
        else
            others << url.toDisplayString();
    }
    const QStringList skipped = fileList_->AddPaths(paths) + others;
    if (!skipped.isEmpty())
        reportSkipped_(this, skipped);
}

void CMainDlg::OnRemove() { fileList_->RemoveMarked(); }

void CMainDlg::OnRemoveAll()
{
    const auto answer = QMessageBox::question(this, windowTitle(), QStringLiteral("Are you sure delete all items?"),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        fileList_->RemoveAll();
}

void CMainDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CMainDlg::OnOption()
{
    COptionDlg option(this);
    option.m_prefix = ToQString(profile_.Prefix);
    option.m_suffix = ToQString(profile_.Suffix);
    option.m_overWrite = profile_.OverWrite != 0;
    option.m_openFolder = profile_.OpenFolder != 0;
    if (option.exec() != QDialog::Accepted)
        return;
    profile_.Prefix = option.m_prefix.toStdString();
    profile_.Suffix = option.m_suffix.toStdString();
    profile_.OverWrite = option.m_overWrite ? 1 : 0;
    profile_.OpenFolder = option.m_openFolder ? 1 : 0;
}

void CMainDlg::OnEncoderSetting() { RunEncoderSettings(profile_, this); }

void CMainDlg::OnBrowse()
{
    if (const QString folder = chooseOutputFolder_(this); !folder.isEmpty())
        outputFolder_->setText(folder);
}

void CMainDlg::OnConvertNow()
{
    // The batch processes events between files; a click that gets through must not start
    // another batch on the same worker.
    if (converting_)
        return;
    converting_ = true;
    const auto done = qScopeGuard([this] { converting_ = false; });
    const InputBlocker blocker(this);
    // A copy of the rows: nothing the user does while the batch runs can change what it converts.
    std::vector<FileEntry> files;
    for (int row = 0; row < fileList_->GetItemCount(); ++row) {
        if (const FileEntry* entry = fileList_->GetEntry(row))
            files.push_back(*entry);
    }
    BatchProgressDialog progress(this, openFolder_);
    BatchConverter batch(*worker_, profile_, outputFolder_->text(), formatBox_->currentText());
    // Off the window's thread, so that the window repaints and Cancel is taken at once.
    batch.SetWorkers(QThread::idealThreadCount(), CreateHeadlessImagingControl);
    batch.Run(files, progress);
}

void CMainDlg::OnListItemChanged(int row)
{
    const QString path = fileList_->GetItemText(row, FileListModel::kFolder) +
                         fileList_->GetItemText(row, FileListModel::kName);
    if (preview_->GetImageFile() == path && preview_->HasImage())
        return;
    exifList_->ResetContent();
    preview_->SetImageFile(path);
    preview_->SetDisplayMode(kPreviewFitMode);
    const short count = preview_->ExifCount();
    for (short i = 0; i < count; ++i)
        exifList_->AddString(preview_->ExifName(i) + QLatin1Char(' ') + preview_->ExifValue(i));
}

void CMainDlg::OnPreviewDblClick()
{
    const int mark = fileList_->GetSelectionMark();
    const QString name = fileList_->GetItemText(mark, FileListModel::kName);
    if (name.isEmpty())
        return;
    emit ViewerRequested(fileList_->GetItemText(mark, FileListModel::kFolder) + name);
}

void CMainDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter ends the window as OK does; a focused push button takes Enter itself before this.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
