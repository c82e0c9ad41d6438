#pragma once
// A frame with an optional title drawn on its top line, the way dialog layouts expect it: the
// line runs at half the font's height, so controls placed just below a layout's group box top
// sit inside the frame instead of on it, as they would with a title stacked above the frame.

#include <QGroupBox>

class CGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit CGroupBox(const QString& title = {}, QWidget* parent = nullptr);

    // The frame's rectangle in widget coordinates.
    QRect FrameRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
