#pragma once

// Button glyphs: the bottom-left pixel gives the colour that stays
// transparent.

#include "classlib/graphics/color.h"

class QImage;

namespace classlib {

class TCanvas;

// Mono: every opaque pixel in that colour; clNone: the glyph's own colours.
void DrawGlyph(TCanvas& Canvas, const QImage& Glyph, int X, int Y, TColor Mono = clNone);
// Enabled: the glyph; disabled: embossed, a highlight copy below right and
// the shape in the shadow colour.
void DrawButtonGlyph(TCanvas& Canvas, const QImage& Glyph, int X, int Y, bool Enabled);

} // namespace classlib
