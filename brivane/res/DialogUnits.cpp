#include "res/DialogUnits.h"

#include <QFontMetrics>

#include <cstdlib>

namespace {

// a * b / c rounded to the nearest integer, halves away from zero (as MulDiv rounds).
int MulDiv(int a, int b, int c)
{
    const long long num = static_cast<long long>(a) * b;
    const long long half = c / 2;
    const long long q = (std::llabs(num) + half) / c;
    return static_cast<int>(num < 0 ? -q : q);
}

}  // namespace

QFont DialogFont(int pointSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics fm(font);
    const int letters = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = (letters / 26 + 1) / 2;
    baseY_ = fm.height();
}

DialogUnits::DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

int DialogUnits::ToPixelsX(int x) const { return MulDiv(x, baseX_, 4); }

int DialogUnits::ToPixelsY(int y) const { return MulDiv(y, baseY_, 8); }

QSize DialogUnits::ToPixels(int cx, int cy) const { return {ToPixelsX(cx), ToPixelsY(cy)}; }

QRect DialogUnits::ToPixels(const DialogRect& r) const
{
    return {ToPixelsX(r.x), ToPixelsY(r.y), ToPixelsX(r.cx), ToPixelsY(r.cy)};
}
