#pragma once
// Dialog layouts are written in dialog units: a quarter of the dialog font's average character
// width horizontally, an eighth of its character height vertically. DialogUnits turns them into
// pixels the way the Windows dialog manager does, so layouts keep their proportions with the font.

#include <QFont>
#include <QRect>
#include <QSize>

// A rectangle in dialog units: left, top, width, height.
struct DialogRect {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    constexpr bool operator==(const DialogRect&) const = default;
};

// The font dialogs are laid out in. "Liberation Sans" is metric-compatible with Arial.
QFont DialogFont(int pointSize = 8);

class DialogUnits {
public:
    // Base units measured from `font`: average width of the 52 Latin letters (rounded as the
    // dialog manager rounds it) and the font's character height.
    explicit DialogUnits(const QFont& font);
    // Base units given directly (pixels per 4 horizontal and per 8 vertical dialog units).
    DialogUnits(int baseX, int baseY);

    int BaseX() const { return baseX_; }
    int BaseY() const { return baseY_; }

    int ToPixelsX(int x) const;
    int ToPixelsY(int y) const;
    QSize ToPixels(int cx, int cy) const;
    QRect ToPixels(const DialogRect& r) const;

private:
    int baseX_;
    int baseY_;
};
