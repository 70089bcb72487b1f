#include "classlib/controls/glyph.h"

#include "classlib/graphics/canvas.h"

#include <QImage>

namespace classlib {

void DrawGlyph(TCanvas& Canvas, const QImage& Glyph, int X, int Y, TColor Mono)
{
    if (Glyph.isNull())
        return;
    // Glyphs are a few pixels: a rectangle per pixel keeps to the canvas.
    const QRgb transparent = Glyph.pixel(0, Glyph.height() - 1);
    Canvas.Brush()->SetStyle(bsSolid);
    for (int py = 0; py < Glyph.height(); ++py)
        for (int px = 0; px < Glyph.width(); ++px) {
            const QRgb p = Glyph.pixel(px, py);
            if (p == transparent)
                continue;
            Canvas.Brush()->SetColor(Mono != clNone ? Mono : MakeColor(RGB(qRed(p), qGreen(p), qBlue(p))));
            Canvas.FillRect(Rect(X + px, Y + py, X + px + 1, Y + py + 1));
        }
}

void DrawButtonGlyph(TCanvas& Canvas, const QImage& Glyph, int X, int Y, bool Enabled)
{
    if (Enabled) {
        DrawGlyph(Canvas, Glyph, X, Y);
        return;
    }
    DrawGlyph(Canvas, Glyph, X + 1, Y + 1, clBtnHighlight);
    DrawGlyph(Canvas, Glyph, X, Y, clBtnShadow);
}

} // namespace classlib
