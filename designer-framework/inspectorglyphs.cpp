#include "designer-framework/inspectorglyphs.h"

#include "classlib/graphics/brush.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/color.h"
#include "classlib/graphics/pen.h"

namespace designer_framework {

using namespace classlib;

namespace {

// Olive stays transparent: no picture here uses it.
constexpr TColor Clear = clOlive;

std::unique_ptr<TBitmap> Blank(int Width, int Height)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(Width, Height);
    TCanvas& canvas = bitmap->Canvas();
    canvas.Brush()->SetColor(Clear);
    canvas.FillRect(Rect(0, 0, Width, Height));
    return bitmap;
}

} // namespace

std::unique_ptr<TBitmap> InspectorGlyph(TInspectorGlyph Glyph)
{
    switch (Glyph) {
    case TInspectorGlyph::Arrow: {
        // A small downward triangle, 7 pixels across.
        auto bitmap = Blank(9, 6);
        for (int row = 0; row < 4; ++row)
            for (int x = 1 + row; x <= 7 - row; ++x) bitmap->Canvas().SetPixels(x, row + 1, clBlack);
        return bitmap;
    }
    case TInspectorGlyph::Ellipsis: {
        auto bitmap = Blank(9, 4);
        for (int dot = 0; dot < 3; ++dot) {
            bitmap->Canvas().SetPixels(1 + dot * 3, 1, clBlack);
            bitmap->Canvas().SetPixels(2 + dot * 3, 1, clBlack);
            bitmap->Canvas().SetPixels(1 + dot * 3, 2, clBlack);
            bitmap->Canvas().SetPixels(2 + dot * 3, 2, clBlack);
        }
        return bitmap;
    }
    case TInspectorGlyph::General: {
        // A green check mark in a light box.
        auto bitmap = Blank(16, 16);
        TCanvas& canvas = bitmap->Canvas();
        canvas.Brush()->SetColor(clWhite);
        canvas.Pen()->SetColor(clGray);
        canvas.Rectangle(2, 2, 14, 14);
        const TPoint check[] = {{4, 8}, {5, 9}, {6, 10}, {7, 9}, {8, 8}, {9, 7}, {10, 6}, {11, 5}};
        for (const TPoint& p : check) {
            canvas.SetPixels(p.X, p.Y, clGreen);
            canvas.SetPixels(p.X, p.Y - 1, clGreen);
        }
        return bitmap;
    }
    }
    return Blank(1, 1);
}

} // namespace designer_framework
