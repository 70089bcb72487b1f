#pragma once

// The drawing that elements and the page share: shadow and frame bars,
// texture tiles and the name caption, in pixels at the current scale.

#include "runtime/attributes.h"

#include "classlib/graphics/gditypes.h"

#include <QString>

namespace classlib {
class TCanvas;
}

namespace designer {

// The box (0, 0, Width, Height) less shadow and frame, in the box's units.
classlib::TRect ContentRect(qint64 Width, qint64 Height, const runtime::TQXShadow& Shadow,
                            const runtime::TQXFrame& Frame);
// Where the background's picture goes (pixels): stretched over the content
// C; centred in C when there is a shadow, else in the whole window of
// WindowWidth x WindowHeight; otherwise at PlainCorner in its own size.
classlib::TRect PictureRect(const classlib::TRect& C, int WindowWidth, int WindowHeight,
                            const runtime::TQXBackground& Background, const runtime::TQXShadow& Shadow,
                            const classlib::TPoint& PlainCorner);

// Two bars along the shadowed sides of R.
void PaintShadowBars(classlib::TCanvas& Canvas, const classlib::TRect& R, const runtime::TQXShadow& Shadow);
// Bars outside the content rectangle C on the frame's sides.
void PaintFrameBars(classlib::TCanvas& Canvas, const classlib::TRect& C, const runtime::TQXFrame& Frame);
// The background's picture tiled over C, only where Clip needs it; tiles
// line up with the window's corner. Tiles of 0 pixels or less draw nothing.
void PaintTexture(classlib::TCanvas& Canvas, const classlib::TRect& C, const classlib::TRect& Clip,
                  const runtime::TQXBackground& Background);
// Name at R's bottom-left when it fits with 2 pixels to spare.
void DrawNameCaption(classlib::TCanvas& Canvas, const classlib::TRect& R, const QString& Name);

} // namespace designer
