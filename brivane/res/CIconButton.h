#pragma once
// A push button that shows an icon of a given square size beside its caption. The icon is drawn
// smaller when the button is too low for it, so that neither icon nor caption is ever clipped
// by the button's frame.

#include <QPushButton>
#include <QRect>

class CIconButton : public QPushButton {
    Q_OBJECT
public:
    explicit CIconButton(const QString& text = {}, QWidget* parent = nullptr);

    // Shows icon resource `iconId` at `size` x `size` pixels (or as large as fits).
    void SetIcon(int iconId, int size);
    int IconId() const { return iconId_; }
    int RequestedIconSize() const { return requestedSize_; }

    // Where the icon and the caption are drawn, in widget coordinates.
    struct Placement {
        QRect icon;  // empty without an icon
        QRect text;  // empty without a caption
    };
    Placement ComputePlacement() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect ContentRect() const;

    int iconId_ = 0;
    int requestedSize_ = 0;
};
