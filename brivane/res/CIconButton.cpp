#include "res/CIconButton.h"
#include "res/Icons.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

constexpr int kMargin = 2;  // the frame the style draws
constexpr int kGap = 4;     // between icon and caption

}  // namespace

CIconButton::CIconButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void CIconButton::SetIcon(int iconId, int size)
{
    iconId_ = iconId;
    requestedSize_ = size;
    setIcon(LoadResIcon(iconId));
    setIconSize(QSize(size, size));
    updateGeometry();
    update();
}

QRect CIconButton::ContentRect() const
{
    return rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

CIconButton::Placement CIconButton::ComputePlacement() const
{
    const QRect content = ContentRect();
    const bool hasIcon = !icon().isNull() && requestedSize_ > 0;
    const int side = hasIcon ? std::max(0, std::min({requestedSize_, content.height(), content.width()})) : 0;
    const QString caption = text();
    const int textWidth = caption.isEmpty() ? 0 : fontMetrics().horizontalAdvance(caption);
    const int gap = side > 0 && textWidth > 0 ? kGap : 0;

    const int total = side + gap + textWidth;
    const int left = content.left() + std::max(0, (content.width() - total) / 2);
    Placement placement;
    if (side > 0)
        placement.icon = QRect(left, content.top() + (content.height() - side) / 2, side, side);
    if (textWidth > 0) {
        const int textLeft = left + side + gap;
        const int textHeight = std::min(fontMetrics().height(), content.height());
        placement.text = QRect(textLeft, content.top() + (content.height() - textHeight) / 2,
                               std::min(textWidth, content.right() + 1 - textLeft), textHeight);
    }
    return placement;
}

QSize CIconButton::sizeHint() const
{
    const QString caption = text();
    const int textWidth = caption.isEmpty() ? 0 : fontMetrics().horizontalAdvance(caption);
    const int gap = requestedSize_ > 0 && textWidth > 0 ? kGap : 0;
    const int width = requestedSize_ + gap + textWidth + 2 * kMargin + 2 * kGap;
    const int height = std::max(requestedSize_, fontMetrics().height()) + 2 * kMargin + 2;
    return {width, height};
}

QSize CIconButton::minimumSizeHint() const { return sizeHint(); }

void CIconButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

    const Placement placement = ComputePlacement();
    if (!placement.icon.isEmpty()) {
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        icon().paint(&painter, placement.icon, Qt::AlignCenter, mode);
    }
    if (!placement.text.isEmpty()) {
        style()->drawItemText(&painter, placement.text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                              palette(), isEnabled(), text(), QPalette::ButtonText);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = ContentRect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
