#pragma once

#include <QRect>
#include <QSize>
#include <QtMath>

namespace paluksen {

// Window layouts are kept in twips, 15 to a pixel at 96 dots per inch; Qt scales pixels for
// screens of higher density.
constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips)
{
    return qRound(static_cast<double>(twips) / kTwipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

inline QSize twipsSize(int width, int height)
{
    return QSize(twipsToPixels(width), twipsToPixels(height));
}

} // namespace paluksen
