#pragma once
// While it lives, the user's mouse, wheel and key input to one window (and every widget in it)
// is dropped, and so is a request to close it; other windows (a progress dialog, message boxes)
// keep theirs. Calls made by the program itself (a click(), a setter) are not affected.

#include <QObject>
#include <QPointer>

class QWidget;

class InputBlocker final : public QObject {
public:
    explicit InputBlocker(QWidget* window);
    ~InputBlocker() override;

    InputBlocker(const InputBlocker&) = delete;
    InputBlocker& operator=(const InputBlocker&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
};
