#pragma once

// Fill routines of element painting and the designer. They draw through a
// canvas in whatever mapping mode it has.

#include "runtime/attributes.h"

#include "classlib/graphics/gditypes.h"

namespace classlib {
class TCanvas;
}

namespace runtime {

using classlib::TCanvas;
using classlib::TRect;

// At most this many texture tiles are drawn into one rectangle.
constexpr qint64 MaxTextureTiles = 10000;

void GetGradientParams(TBgShadingStyle Shading, bool Backward, int Density, double& KX,
                       double& KY, double& Phase);

// A two-colour gradient set pixel by pixel over Rect, both edges included.
void DrawGradient(TCanvas& Canvas, const TRect& Rect, TColor Color1, TColor Color2,
                  TBgShadingStyle Shading, bool Backward, int Density);
// The gradient laid over GradientRect, drawn only over PaintRect.
void DrawGradientPart(TCanvas& Canvas, const TRect& GradientRect, const TRect& PaintRect,
                      TColor Color1, TColor Color2, TBgShadingStyle Shading, bool Backward,
                      int Density);

// Darkens what lies under Rect: every colour channel ANDed with $70.
void FillSemiTransparent(TCanvas& Canvas, const TRect& Rect);
// Rect filled with the canvas's current brush.
void FillArea(TCanvas& Canvas, const TRect& Rect);
// The background's picture tiled from the origin rightwards and downwards
// (y up) over Rect, in tiles of PicWidth x PicHeight.
void DrawTexture(TCanvas& Canvas, const TRect& Rect, const TQXBackground& Background);

} // namespace runtime
