#pragma once

// White test images at 96 dpi and pixel probes.

#include "classlib/graphics/gditypes.h"

#include <QImage>

namespace classlib::test {

inline QImage WhiteImage(int W, int H)
{
    QImage img(W, H, QImage::Format_RGB32);
    img.setDotsPerMeterX(3780);  // 96 dpi
    img.setDotsPerMeterY(3780);
    img.fill(Qt::white);
    return img;
}

inline TColorRef Px(const QImage& Img, int X, int Y)
{
    const QRgb c = Img.pixel(X, Y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// Bounding box of the pixels that are not white; all zero when none.
inline TRect InkBounds(const QImage& Img)
{
    int l = Img.width(), t = Img.height(), r = -1, b = -1;
    for (int y = 0; y < Img.height(); ++y)
        for (int x = 0; x < Img.width(); ++x)
            if ((Img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                l = std::min(l, x);
                t = std::min(t, y);
                r = std::max(r, x);
                b = std::max(b, y);
            }
    return r < 0 ? TRect{} : TRect{l, t, r + 1, b + 1};
}

constexpr TColorRef White = RGB(255, 255, 255);
constexpr TColorRef Black = RGB(0, 0, 0);
constexpr TColorRef Red = RGB(255, 0, 0);
constexpr TColorRef Blue = RGB(0, 0, 255);

} // namespace classlib::test
