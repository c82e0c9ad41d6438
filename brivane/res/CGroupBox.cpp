#include "res/CGroupBox.h"

#include <QPainter>
#include <qdrawutil.h>
#include <QStyle>

namespace {
constexpr int kTitleIndent = 8;  // pixels from the frame's left end to the title's gap
constexpr int kTitleGap = 2;     // blank pixels either side of the title
}  // namespace

CGroupBox::CGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

QRect CGroupBox::FrameRect() const { return rect().adjusted(0, fontMetrics().height() / 2, 0, 0); }

void CGroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Drawn here rather than by the style: styles place a group box's frame below its title.
    qDrawShadeRect(&painter, FrameRect(), palette(), true, 1, 0);
    if (title().isEmpty())
        return;
    const QFontMetrics metrics = fontMetrics();
    const QRect gap(kTitleIndent, 0, metrics.horizontalAdvance(title()) + 2 * kTitleGap, metrics.height());
    painter.fillRect(gap, palette().brush(backgroundRole()));
    style()->drawItemText(&painter, gap, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}
