#pragma once

#include <QRect>
#include <QSize>

namespace wepn {

// Dialog layouts are given in twips; 15 twips are one pixel at 96 dots per inch.
constexpr int twipsToPixels(int twips) {
    return twips / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

constexpr QSize twipsSize(int width, int height) {
    return QSize(twipsToPixels(width), twipsToPixels(height));
}

} // namespace wepn
