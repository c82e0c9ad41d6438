#pragma once
// A button that shows a colour as a swatch; clicking it offers a colour dialog to choose another.
// The colour changes only when the user accepts the dialog.

#include <QColor>
#include <QPushButton>

class CColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit CColorButton(QWidget* parent = nullptr);

    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Choose();

    QColor color_ = Qt::black;
};
