#pragma once

// Three-dimensional edges and focus rectangles, drawn in the system colours
// of buttons.

#include "classlib/graphics/gditypes.h"

namespace classlib {

class TDeviceContext;

constexpr unsigned BDR_RAISEDOUTER = 0x0001;
constexpr unsigned BDR_SUNKENOUTER = 0x0002;
constexpr unsigned BDR_RAISEDINNER = 0x0004;
constexpr unsigned BDR_SUNKENINNER = 0x0008;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

constexpr unsigned BF_LEFT = 0x0001;
constexpr unsigned BF_TOP = 0x0002;
constexpr unsigned BF_RIGHT = 0x0004;
constexpr unsigned BF_BOTTOM = 0x0008;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_MIDDLE = 0x0800;   // fill the inside with the button face
constexpr unsigned BF_ADJUST = 0x2000;   // leave R as the area inside the edges
constexpr unsigned BF_FLAT = 0x4000;
constexpr unsigned BF_MONO = 0x8000;

// Draws up to two one-pixel borders (outer, inner) on the sides Flags
// names. False, drawing nothing, for an edge without a border.
bool DrawEdge(TDeviceContext& DC, TRect& R, unsigned Edge, unsigned Flags);
// The dotted focus rectangle: every other pixel of the border inverted
// (R2_NOT), so that a second call restores it. On every device; one without
// raster operations draws the dots black.
void DrawFocusRect(TDeviceContext& DC, const TRect& R);

} // namespace classlib
