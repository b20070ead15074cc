#pragma once
// Window geometry is written in twips, the unit the layout was designed in; Qt's
// high-DPI scaling takes the resulting logical pixels to the screen.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace grahavani {

inline constexpr double TwipsPerPixel = 15.0;

// Rounds half away from zero, so negative positions round like positive ones.
constexpr int TwipsToPixels(double twips) {
    const double pixels = twips / TwipsPerPixel;
    return pixels >= 0 ? static_cast<int>(pixels + 0.5) : -static_cast<int>(-pixels + 0.5);
}

constexpr double PixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

constexpr QPoint TwipsPoint(double left, double top) {
    return {TwipsToPixels(left), TwipsToPixels(top)};
}

constexpr QSize TwipsSize(double width, double height) {
    return {TwipsToPixels(width), TwipsToPixels(height)};
}

constexpr QRect TwipsRect(double left, double top, double width, double height) {
    return {TwipsPoint(left, top), TwipsSize(width, height)};
}

}  // namespace grahavani
