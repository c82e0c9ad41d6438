#pragma once
// Colours are stored as one 32-bit value with red in the lowest byte, then green, then blue
// (0x00BBGGRR). These two functions are the only place that value meets QColor.

#include <QColor>

#include <cstdint>

inline QColor ColorFromColorRef(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

inline std::uint32_t ColorRefFromColor(const QColor& c)
{
    return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
           (static_cast<std::uint32_t>(c.blue()) << 16);
}
