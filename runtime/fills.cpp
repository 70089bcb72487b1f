#include "runtime/fills.h"

#include "classlib/core/sysutils.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/picture.h"

#include <QImage>

#include <cmath>
#include <numbers>

namespace runtime {

using namespace classlib;

void GetGradientParams(TBgShadingStyle Shading, bool Backward, int Density, double& KX,
                       double& KY, double& Phase)
{
    constexpr double pi = std::numbers::pi;
    KX = 0;
    KY = 0;
    Phase = 0;
    switch (Shading) {
    case bssHorizontal:
        KY = pi / 2;
        break;
    case bssVertical:
        KX = pi / 2;
        break;
    case bssDiagUp:
        KX = pi / 4;
        KY = pi / 4;
        break;
    case bssDiagDown:
        KX = pi / 4;
        KY = -pi / 4;
        Phase = Density * pi * 0.25;
        break;
    }
    KX *= Density;
    KY *= Density;
    if (Backward) Phase -= pi / 2;
}

namespace {

// A fraction of a span that may be empty: an empty span counts as 0.
double Fraction(qint64 Offset, qint64 Span)
{
    return Span == 0 ? 0.0 : double(Offset) / double(Span);
}

} // namespace

void DrawGradientPart(TCanvas& Canvas, const TRect& GradientRect, const TRect& PaintRect,
                      TColor Color1, TColor Color2, TBgShadingStyle Shading, bool Backward,
                      int Density)
{
    int r1, g1, b1, r2, g2, b2;
    SplitRGB(Color1, r1, g1, b1);
    SplitRGB(Color2, r2, g2, b2);
    const int dR = r2 - r1, dG = g2 - g1, dB = b2 - b1;
    double kx, ky, phase;
    GetGradientParams(Shading, Backward, Density, kx, ky, phase);
    const qint64 w = qint64(GradientRect.Right) - GradientRect.Left;
    const qint64 h = qint64(GradientRect.Bottom) - GradientRect.Top;
    const qint64 columns = qint64(PaintRect.Right) - PaintRect.Left + 1;
    if (columns <= 0 || PaintRect.Bottom < PaintRect.Top) return;
    // Strips of rows drawn as one image each: a pixel at a time costs a
    // drawing call per pixel, and a whole page at once too much memory.
    constexpr qint64 StripPixels = 1 << 18;
    const qint64 stripRows = std::max<qint64>(1, StripPixels / columns);
    for (qint64 top = PaintRect.Top; top <= PaintRect.Bottom; top += stripRows) {
        const qint64 rows = std::min<qint64>(stripRows, qint64(PaintRect.Bottom) - top + 1);
        QImage strip(int(std::min<qint64>(columns, 1 << 24)), int(rows), QImage::Format_RGB32);
        for (qint64 row = 0; row < rows; ++row) {
            const double fy = Fraction(top + row - GradientRect.Top, h);
            auto* line = reinterpret_cast<QRgb*>(strip.scanLine(int(row)));
            for (qint64 col = 0; col < strip.width(); ++col) {
                const double fx = Fraction(PaintRect.Left + col - GradientRect.Left, w);
                const double t = std::fabs(std::sin(kx * fx + ky * fy + phase));
                line[col] = qRgb(Round(dR * t + r1), Round(dG * t + g1), Round(dB * t + b1));
            }
        }
        Canvas.StretchDrawImage(TRect{PaintRect.Left, int(top), SatAdd(PaintRect.Left, strip.width()),
                                      int(top + rows)},
                                strip);
    }
}

void DrawGradient(TCanvas& Canvas, const TRect& Rect, TColor Color1, TColor Color2,
                  TBgShadingStyle Shading, bool Backward, int Density)
{
    DrawGradientPart(Canvas, Rect, Rect, Color1, Color2, Shading, Backward, Density);
}

void FillSemiTransparent(TCanvas& Canvas, const TRect& Rect)
{
    static const QImage grey = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setPixel(0, 0, qRgb(0x70, 0x70, 0x70));
        return image;
    }();
    Canvas.SetCopyMode(cmSrcAnd);
    Canvas.StretchDrawImage(Rect, grey);
    Canvas.SetCopyMode(cmSrcCopy);
}

void FillArea(TCanvas& Canvas, const TRect& Rect)
{
    Canvas.FillRect(Rect);
}

void DrawTexture(TCanvas& Canvas, const TRect& Rect, const TQXBackground& Background)
{
    const TGraphic* graphic = Background.Picture()->Graphic();
    if (!graphic || graphic->Empty()) return;
    const qint64 pw = Background.PicWidth;
    const qint64 ph = Background.PicHeight;
    // A tile without extent would never move on.
    if (pw <= 0 || ph <= 0) return;

    // Tiles wholly above or left of Rect would be clipped away; start at the
    // first row and column that can reach it.
    qint64 top = 0;
    if (Rect.Top < 0) top = -((-qint64(Rect.Top)) / ph) * ph;
    qint64 left0 = 0;
    if (Rect.Left > 0) left0 = (qint64(Rect.Left) / pw) * pw;

    qint64 drawn = 0;
    for (; top > Rect.Bottom; top -= ph) {
        for (qint64 left = left0; left < Rect.Right; left += pw) {
            if (++drawn > MaxTextureTiles) return;
            Canvas.StretchDraw(TRect{SatInt(left), SatInt(top), SatInt(left + pw), SatInt(top - ph)}, graphic);
        }
    }
}

} // namespace runtime
