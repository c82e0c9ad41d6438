#include "app/BatchProgressDialog.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// Short batches finish before a progress dialog would be worth showing.
constexpr int kShowProgressAfterMs = 400;

}  // namespace

BatchProgressDialog::BatchProgressDialog(QWidget* owner, FolderOpener openFolder)
    : owner_(owner), openFolder_(std::move(openFolder)), progress_(new QProgressDialog(owner))
{
    progress_->setWindowTitle(owner ? owner->windowTitle() : QString());
    progress_->setCancelButtonText(QStringLiteral("Cancel"));
    progress_->setWindowModality(Qt::WindowModal);  // the list must not change under the batch
    progress_->setMinimumDuration(kShowProgressAfterMs);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
}

BatchProgressDialog::~BatchProgressDialog()
{
    if (waiting_)
        QApplication::restoreOverrideCursor();
    delete progress_.data();
}

bool BatchProgressDialog::BeginFile(int index, int count, const QString& name)
{
    progress_->setMaximum(count);
    progress_->setLabelText(QStringLiteral("Converting %1 of %2: %3").arg(index + 1).arg(count).arg(name));
    progress_->setValue(index);  // also processes events: repaints, and takes a Cancel click
    QApplication::processEvents();
    if (progress_->wasCanceled())
        return false;
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    waiting_ = true;
    return true;
}

bool BatchProgressDialog::ConfirmOverwrite(const QString& question)
{
    if (waiting_)
        QApplication::restoreOverrideCursor();
    const bool yes = QMessageBox::question(owner_, owner_ ? owner_->windowTitle() : QString(), question,
                                           QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    if (waiting_)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    return yes;
}

void BatchProgressDialog::EndFile(const BatchFileResult&)
{
    if (waiting_)
        QApplication::restoreOverrideCursor();
    waiting_ = false;
    progress_->setValue(progress_->value() + 1);
}

void BatchProgressDialog::ShowMessage(BatchMessage kind, const QString& text)
{
    // reset() also stops the timer that would show a dialog not shown yet, which would
    // otherwise pop up over the end message of a short batch.
    progress_->reset();
    progress_->hide();
    const QString title = owner_ ? owner_->windowTitle() : QString();
    if (kind == BatchMessage::Failures || kind == BatchMessage::FolderError)
        QMessageBox::warning(owner_, title, text);
    else
        QMessageBox::information(owner_, title, text);
}

void BatchProgressDialog::OpenFolder(const QString& folder)
{
    if (openFolder_)
        openFolder_(folder);
}
