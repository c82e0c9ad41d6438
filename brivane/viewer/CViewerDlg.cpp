#include "viewer/CViewerDlg.h"

#include "imaging/CImageViewer.h"
#include "imaging/SameFile.h"
#include "res/Icons.h"
#include "res/Layouts.h"
#include "res/ListControls.h"
#include "res/ResourceIds.h"
#include "viewer/ViewerFormats.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr short kOriginalSize = 5;
constexpr long kSelectionStyle = 1;

QString FromView(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

bool CViewerDlg::IsPaged(const QString& path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    return ext == QLatin1String("pdf") || ext == QLatin1String("tif") || ext == QLatin1String("tiff");
}

CViewerDlg::CViewerDlg(QString path, QWidget* parent) : QDialog(parent), path_(std::move(path))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    controls_.emplace(BuildDialog(*this, res::ViewerLayout(), [this](const ControlDef& def, QWidget* parent) -> QWidget* {
        return def.id == res::IDC_VIEWER_IMAGE ? image_ = new CImageViewer(parent) : nullptr;
    }));
    formats_ = controls_->Get<CComboBox>(res::IDC_VIEWER_FORMAT);
    pageCount_ = controls_->Get<QLabel>(res::IDC_PAGE_COUNT);
    pageBox_ = controls_->Get<QLineEdit>(res::IDC_CURRENT_PAGE);
    setWindowTitle(QFileInfo(path_).fileName());  // the caption is free; the name helps
    setWindowIcon(LoadResIcon(res::IDI_APP));

    const auto button = [this](int id) { return controls_->Get<QPushButton>(id); };
    connect(button(res::IDC_ZOOM_IN), &QPushButton::clicked, this, &CViewerDlg::OnZoomIn);
    connect(button(res::IDC_ZOOM_OUT), &QPushButton::clicked, this, &CViewerDlg::OnZoomOut);
    connect(button(res::IDC_ORIGINAL), &QPushButton::clicked, this, &CViewerDlg::OnOriginal);
    connect(button(res::IDC_NEXT_PAGE), &QPushButton::clicked, this, &CViewerDlg::OnNextPage);
    connect(button(res::IDC_PREVIOUS_PAGE), &QPushButton::clicked, this, &CViewerDlg::OnPreviousPage);
    connect(button(res::IDC_EXPORT_IMAGE), &QPushButton::clicked, this, &CViewerDlg::OnExportImage);
    connect(button(res::IDC_CROP_IMAGE), &QPushButton::clicked, this, &CViewerDlg::OnCropImage);
    // No button stands for Enter: a dialog would otherwise make the first one (Zoom In) or the
    // focused one its default, and Enter typed after a page number would press it.
    for (QPushButton* push : findChildren<QPushButton*>()) {
        push->setAutoDefault(false);
        push->setDefault(false);
    }

    pageBox_->setText(QString::number(currentPage_));
    for (const ViewerFormat& f : kViewerFormats)
        formats_->AddString(FromView(f.entry));
    formats_->setCurrentIndex(0);
    if (path_.isEmpty())
        return;

    image_->SetDisplayStyle(kSelectionStyle);
    paged_ = IsPaged(path_);
    if (paged_) {
        image_->LoadPage(path_, 1);
        pageCount_->setText(QString::number(image_->PageCount()));
    } else {
        image_->SetImageFile(path_);
        pageCount_->setText(QStringLiteral("1"));
    }
    button(res::IDC_NEXT_PAGE)->setEnabled(paged_);
    button(res::IDC_PREVIOUS_PAGE)->setEnabled(paged_);
    image_->SetDisplayFlag(true);
    image_->SetDisplayMode(kOriginalSize);
}

void CViewerDlg::keyPressEvent(QKeyEvent* event)
{
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);  // Esc rejects
}

void CViewerDlg::OnZoomIn() { image_->ZoomIn(); }
void CViewerDlg::OnZoomOut() { image_->ZoomOut(); }
void CViewerDlg::OnOriginal() { image_->SetDisplayMode(kOriginalSize); }

void CViewerDlg::ShowPage(int page)
{
    // The box shows the page in force; whatever was typed there is replaced, never read.
    currentPage_ = page;
    pageBox_->setText(QString::number(currentPage_));
    image_->LoadPage(path_, static_cast<short>(currentPage_));
}

void CViewerDlg::OnNextPage()
{
    if (paged_)
        ShowPage(std::min(currentPage_ + 1, std::max<int>(1, image_->PageCount())));
}

void CViewerDlg::OnPreviousPage()
{
    if (paged_)
        ShowPage(std::max(currentPage_ - 1, 1));
}

QString CViewerDlg::ChooseBase(QString* format)
{
    const QString entry = formats_->currentText();
    const auto row = std::find_if(kViewerFormats.begin(), kViewerFormats.end(),
                                  [&](const ViewerFormat& f) { return FromView(f.entry) == entry; });
    if (row == kViewerFormats.end())
        return {};
    QFileDialog dialog(nullptr);
    dialog.setOption(QFileDialog::DontUseNativeDialog);  // the same dialog everywhere, tests included
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(FromView(row->description));
    dialog.setDefaultSuffix(FromView(row->extension));
    // The file written can differ from the name typed (its extension follows the format list),
    // so the question about replacing is asked later, about the file written.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().first();
    if (chosen.isEmpty())
        return {};
    *format = entry.toLower();
    // The chosen name without its extension: the last dot of the name and what follows.
    const QFileInfo info(chosen);
    const qsizetype dot = info.fileName().lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? chosen : info.dir().filePath(info.fileName().left(dot));
}

void CViewerDlg::OnExportImage() { Export(false); }

void CViewerDlg::OnCropImage() { Export(true); }

void CViewerDlg::Export(bool selectionOnly)
{
    // Without a rectangle there is nothing to crop: no name to ask for.
    if (selectionOnly && image_->Selection().isEmpty()) {
        QMessageBox::information(this, QString(), QStringLiteral("Please draw the selection rectangle on image first"));
        return;
    }
    QString format;
    const QString base = ChooseBase(&format);
    if (base.isEmpty())
        return;
    const QString target = base + QLatin1Char('.') + format;
    // The file shown is what is read from: replacing it would lose the original.
    if (brivane::IsSameFile(target, path_)) {
        QMessageBox::warning(
            this, QString(),
            QStringLiteral("Cannot save %1: the output would replace the source file; choose another name or folder")
                .arg(target));
        return;
    }
    if (QFileInfo::exists(target) &&
        QMessageBox::question(this, QString(), QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(target),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    const short saved = selectionOnly ? image_->SaveSelection(base, format) : image_->SaveImage(base, format);
    if (saved == 1)
        QMessageBox::information(this, QString(), QStringLiteral("Save to ") + target);
    else  // a failed save must not pass unnoticed, nor be blamed on the rectangle
        QMessageBox::warning(this, QString(), QStringLiteral("Cannot save %1: %2").arg(target, image_->LastError()));
}
