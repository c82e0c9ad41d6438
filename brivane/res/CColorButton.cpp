#include "res/CColorButton.h"

#include <QColorDialog>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

CColorButton::CColorButton(QWidget* parent) : QPushButton(parent)
{
    connect(this, &QPushButton::clicked, this, &CColorButton::Choose);
}

void CColorButton::SetColor(const QColor& color)
{
    color_ = color.toRgb();
    color_.setAlpha(255);  // the stored colour has no alpha
    update();
}

void CColorButton::Choose()
{
    // Qt's own dialog, so that it looks and behaves the same on every desktop.
    QColorDialog dialog(color_, this);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SetColor(dialog.currentColor());
}

void CColorButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect content = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const QRect swatch = content.adjusted(2, 2, -2, -2);
    if (swatch.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.setBrush(isEnabled() ? color_ : palette().color(QPalette::Disabled, QPalette::Button));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}
