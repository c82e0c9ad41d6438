#pragma once
// Answering modal dialogs from a test: the dialog's own event loop runs the handler.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace test {

// Runs `handle` on the next modal widget once it is up (polling briefly for it). A watchdog
// rejects whatever modal widget is still open after a few seconds, so that a box nobody
// answers fails the test instead of hanging it.
inline void OnNextModal(std::function<void(QWidget*)> handle, int attempts = 200)
{
    QTimer::singleShot(10, [handle = std::move(handle), attempts]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            if (attempts > 0)
                OnNextModal(std::move(handle), attempts - 1);
            return;
        }
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(modal);
        QTimer::singleShot(5000, [dialog] {
            if (dialog)
                dialog->reject();
        });
        handle(modal);
    });
}

}  // namespace test
