#pragma once

#include <QSize>

namespace wepn {

// Dialog layouts are given in twips; 15 twips are one pixel at 96 dots per inch.
constexpr int twipsToPixels(int twips) {
    return twips / 15;
}

constexpr QSize twipsSize(int width, int height) {
    return QSize(twipsToPixels(width), twipsToPixels(height));
}

} // namespace wepn
