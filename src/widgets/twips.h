#pragma once
// Window geometry is written in twips; 15 twips make one logical pixel.
#include <QRect>
#include <QSize>

namespace icevale {

constexpr int twips(int value) { return value / 15; }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

inline QSize twipsSize(int width, int height) { return {twips(width), twips(height)}; }

}  // namespace icevale
