#pragma once

// The page grid of the multi-page preview as plain arithmetic: which zoom,
// how many rows and columns, how large each page slot is. All sizes are
// screen pixels.

#include "classlib/core/typinfo.h"

namespace runtime {

QX_ENUM(TPreviewStyle, psZoom, psLayout)

// The width of a page's drop shadow, and the distance between pages and
// the least distance from the window edges.
constexpr int PreviewBorder = 3;
constexpr int PreviewGap = 10;
// The larger scaled side of a page at the least zoom.
constexpr int PreviewMinPagePixels = 20;
// The larger scaled side of a page at the greatest zoom: beyond it a leaf's
// pixel sizes would leave the integer range.
constexpr int PreviewMaxPagePixels = 1 << 15;

struct TPreviewLayoutInput {
    TPreviewStyle Style = psLayout;
    int ClientWidth = 0;   // the desktop's client area
    int ClientHeight = 0;
    int PageWidth = 210;   // a page at zoom 1
    int PageHeight = 270;
    int Columns = 1;       // requested grid
    int Rows = 1;
    double Zoom = 1.0;     // requested zoom (psZoom)
    int PageCount = 0;
};

struct TPreviewLayout {
    double Zoom = 1.0;      // the zoom used
    bool ZoomRaised = false;  // psZoom: the requested zoom was below the least one
    double MinZoom = 1.0;
    int Columns = 1;        // the grid shown
    int Rows = 1;
    int MaxColumns = 1;     // what fits at the least zoom
    int MaxRows = 1;
    int LeafWidth = 0;      // scaled page, without shadow
    int LeafHeight = 0;
    int GridWidth = 0;
    int GridHeight = 0;
    int LineCount = 0;      // rows of pages needed for every page
};

// Columns and Rows below 1 count as 1, page sides below 1 as 1, a page
// count below 0 as 0; the zoom stays between the least and the greatest.
TPreviewLayout CalcPreviewLayout(const TPreviewLayoutInput& In);

// True when every shown row fits the height, so the vertical bar scrolls
// by whole rows of pages.
bool IsPreviewRowScroll(const TPreviewLayout& Layout, int ClientHeight);

} // namespace runtime
