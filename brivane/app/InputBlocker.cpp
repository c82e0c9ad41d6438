#include "app/InputBlocker.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Drop:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Close:  // the title bar's close button
        return true;
    default:
        return false;
    }
}

}  // namespace

InputBlocker::InputBlocker(QWidget* window) : window_(window) { qApp->installEventFilter(this); }

InputBlocker::~InputBlocker() { qApp->removeEventFilter(this); }

bool InputBlocker::eventFilter(QObject* watched, QEvent* event)
{
    if (window_ == nullptr || !IsUserInput(event->type()) || !watched->isWidgetType())
        return false;
    const auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != window_)
        return false;
    event->ignore();
    return true;
}
