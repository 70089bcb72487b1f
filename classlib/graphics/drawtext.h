#pragma once

// Formatted text in a rectangle: alignment, line breaking at spaces,
// explicit line breaks, prefix ampersands, tabs, measuring.

#include "classlib/graphics/devicecontext.h"

#include <QString>

namespace classlib {

class TCanvas;

// Draws Text into Rect with the DT_ flags and returns the height of the
// text in logical units (with DT_VCENTER or DT_BOTTOM of a single line, the
// distance from Rect's top to the text's bottom). DT_CALCRECT draws nothing
// and sets Right and Bottom to bound the text instead; Bottom moves in the
// direction in which lines follow each other on the device, so in a y-up
// mapping it ends below Top.
//
// Lines break at CR LF, CR or LF, and with DT_WORDBREAK at spaces before a
// word that would cross the right edge; a word wider than the rectangle
// keeps a line of its own, unbroken. Without DT_NOPREFIX "&x" underlines x
// and "&&" draws one ampersand. DT_VCENTER and DT_BOTTOM apply to
// DT_SINGLELINE text only.
int DrawText(TDeviceContext& DC, const QString& Text, TRect& Rect, unsigned Format);
// With the canvas's font and brush selected first.
int DrawText(TCanvas& Canvas, const QString& Text, TRect& Rect, unsigned Format);

} // namespace classlib
