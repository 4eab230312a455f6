#pragma once
// Window geometry is given in twips (1/1440 inch); at 96 dpi a pixel is 15.
#include <QRect>
#include <cmath>

namespace Twips {
constexpr double perPixel = 15.0;
inline int px(double twips) { return static_cast<int>(std::lround(twips / perPixel)); }
inline QRect rect(double left, double top, double width, double height)
{
    return QRect(px(left), px(top), px(width), px(height));
}
} // namespace Twips
