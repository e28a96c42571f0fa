#pragma once
// Colour numbers as the record of the system gives them: &HBBGGRR.
#include <QColor>

namespace Colors {

constexpr int Red = 0xFF;
constexpr int Green = 0xFF00;
constexpr int Yellow = 0xFFFF;
constexpr int Cyan = 0xFFFF00;
constexpr int White = 0xFFFFFF;

inline QColor FromBgr(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline int ToBgr(const QColor &c)
{
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

} // namespace Colors
