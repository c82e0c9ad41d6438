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
    // Several files may be on their way; the label names the newest.
    progress_->setLabelText(QStringLiteral("Converting %1 of %2: %3").arg(index + 1).arg(count).arg(name));
    if (!KeepWaiting())
        return false;
    if (!waiting_)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    waiting_ = true;
    return true;
}

bool BatchProgressDialog::KeepWaiting()
{
    progress_->setValue(ended_);  // also processes events: repaints, and takes a Cancel click
    QApplication::processEvents();
    return !progress_->wasCanceled();
}

OverwriteAnswer BatchProgressDialog::ConfirmOverwrite(const QString& question)
{
    if (waiting_)
        QApplication::restoreOverrideCursor();
    QMessageBox box(QMessageBox::Question, owner_ ? owner_->windowTitle() : QString(), question,
                    QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::NoToAll, owner_);
    box.setDefaultButton(QMessageBox::No);
    const int button = box.exec();
    if (waiting_)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    switch (button) {
    case QMessageBox::Yes: return OverwriteAnswer::Yes;
    case QMessageBox::YesToAll: return OverwriteAnswer::YesToAll;
    case QMessageBox::NoToAll: return OverwriteAnswer::NoToAll;
    default: return OverwriteAnswer::No;  // also a box closed without an answer
    }
}

void BatchProgressDialog::EndFile(const BatchFileResult&)
{
    ++ended_;
    progress_->setValue(ended_);
}

void BatchProgressDialog::ShowMessage(BatchMessage kind, const QString& text)
{
    // reset() also stops the timer that would show a dialog not shown yet, which would
    // otherwise pop up over the end message of a short batch.
    progress_->reset();
    progress_->hide();
    if (waiting_)
        QApplication::restoreOverrideCursor();
    waiting_ = false;
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
