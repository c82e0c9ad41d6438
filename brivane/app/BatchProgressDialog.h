#pragma once
// How the main window runs a batch: a progress dialog with Cancel, the wait cursor while files
// convert, message boxes for the questions and the end of the batch.

#include "app/BatchConverter.h"

#include <QPointer>
#include <QProgressDialog>

#include <functional>
#include <optional>

class QWidget;

class BatchProgressDialog final : public IBatchObserver {
public:
    using FolderOpener = std::function<void(const QString& folder)>;
    BatchProgressDialog(QWidget* owner, FolderOpener openFolder);
    ~BatchProgressDialog() override;

    bool BeginFile(int index, int count, const QString& name) override;
    OverwriteAnswer ConfirmOverwrite(const QString& question) override;
    void EndFile(const BatchFileResult& result) override;
    bool KeepWaiting() override;
    void ShowMessage(BatchMessage kind, const QString& text) override;
    void OpenFolder(const QString& folder) override;

    QProgressDialog* Progress() { return progress_; }

private:
    QWidget* owner_;
    FolderOpener openFolder_;
    QPointer<QProgressDialog> progress_;
    bool waiting_ = false;  // the wait cursor is up
    int ended_ = 0;  // files converted, failed or declined
};
