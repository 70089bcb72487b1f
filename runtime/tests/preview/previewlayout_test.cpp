#include "runtime/previewlayout.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace runtime {
namespace {

TEST(PreviewLayout, GridZoomAndLeafSizes)
{
    struct TCase {
        const char* Name;
        TPreviewStyle Style;
        int DW, DH, PW, PH, C, R;
        double Zoom;
        int Pages;
        // expected
        int Cols, Rows, LeafW, LeafH, GridW, GridH, Lines;
        bool Raised;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const TCase cases[] = {
        {"layout fills the window", psLayout, 400, 300, 210, 270, 1, 1, 1.0, 5, 1, 1, 215, 277, 218, 280, 5, false},
        {"layout, two columns do not fit at the least zoom", psLayout, 40, 300, 210, 270, 2, 1, 1.0, 3, 1, 1, 17, 22, 20, 25, 3, false},
        {"layout, more columns than fit", psLayout, 400, 300, 210, 270, INT_MAX, 1, 1.0, 30, 13, 1, 17, 22, 380, 25, 3, false},
        {"zoom, grid limited by the window", psZoom, 500, 400, 210, 270, 3, 2, 1.0, 7, 2, 1, 210, 270, 436, 273, 4, false},
        {"zoom, seven pages in three columns", psZoom, 600, 400, 210, 270, 3, 1, 0.5, 7, 3, 1, 105, 135, 344, 138, 3, false},
        {"zoom below the least is raised", psZoom, 400, 300, 210, 270, 1, 1, 0.01, 1, 1, 1, 16, 20, 19, 23, 1, true},
        {"zoom NaN is raised", psZoom, 400, 300, 210, 270, 1, 1, nan, 1, 1, 1, 16, 20, 19, 23, 1, true},
        {"zoom beyond the greatest is limited", psZoom, 400, 300, 210, 270, 1, 1, 1e12, 1, 1, 1, 25486, 32768, 25489, 32771, 1, false},
        {"columns and rows below 1 count as 1", psLayout, 400, 300, 210, 270, 0, -5, 1.0, 2, 1, 1, 215, 277, 218, 280, 2, false},
        {"page of zero size counts as 1 x 1", psLayout, 400, 300, 0, 0, 1, 1, 1.0, 1, 1, 1, 277, 277, 280, 280, 1, false},
        {"zoom with a page of negative size", psZoom, 400, 300, -7, 270, 2, 1, 1.0, 1, 2, 1, 1, 270, 18, 273, 1, false},
        {"window of no size still shows one page", psLayout, 0, 0, 210, 270, 3, 3, 1.0, 4, 1, 1, 16, 20, 19, 23, 4, false},
        {"no pages", psLayout, 400, 300, 210, 270, 2, 1, 1.0, 0, 2, 1, 182, 234, 380, 237, 0, false},
        {"negative page count", psLayout, 400, 300, 210, 270, 2, 1, 1.0, -3, 2, 1, 182, 234, 380, 237, 0, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TPreviewLayoutInput in;
        in.Style = c.Style;
        in.ClientWidth = c.DW;
        in.ClientHeight = c.DH;
        in.PageWidth = c.PW;
        in.PageHeight = c.PH;
        in.Columns = c.C;
        in.Rows = c.R;
        in.Zoom = c.Zoom;
        in.PageCount = c.Pages;
        const TPreviewLayout l = CalcPreviewLayout(in);
        EXPECT_EQ(l.Columns, c.Cols);
        EXPECT_EQ(l.Rows, c.Rows);
        EXPECT_EQ(l.LeafWidth, c.LeafW);
        EXPECT_EQ(l.LeafHeight, c.LeafH);
        EXPECT_EQ(l.GridWidth, c.GridW);
        EXPECT_EQ(l.GridHeight, c.GridH);
        EXPECT_EQ(l.LineCount, c.Lines);
        EXPECT_EQ(l.ZoomRaised, c.Raised);
        EXPECT_TRUE(std::isfinite(l.Zoom));
        EXPECT_GE(l.Zoom, l.MinZoom);
    }
}

TEST(PreviewLayout, LeastZoomMakesTheLargerSideTwentyPixels)
{
    TPreviewLayoutInput in;
    in.Style = psZoom;
    in.Zoom = 0;
    in.PageWidth = 400;
    in.PageHeight = 100;
    const TPreviewLayout l = CalcPreviewLayout(in);
    EXPECT_DOUBLE_EQ(l.Zoom, 20.0 / 400);
    EXPECT_EQ(l.LeafWidth, 20);
    EXPECT_EQ(l.LeafHeight, 5);
}

TEST(PreviewLayout, RowModeOnlyWhenSeveralPagesFitTheHeight)
{
    struct TCase {
        const char* Name;
        int C, R, DH;
        bool RowScroll;
    };
    const TCase cases[] = {
        {"single page", 1, 1, 1000, false},
        {"three columns fit", 3, 1, 400, true},
        {"two rows fit exactly", 1, 2, 2 * 10 + 2 * 138 + 10, true},
        {"grid one pixel higher than the window", 1, 2, 2 * 10 + 2 * 138 + 10 - 1, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TPreviewLayout l;
        l.Columns = c.C;
        l.Rows = c.R;
        l.GridHeight = c.R * 138 + (c.R - 1) * 10;
        EXPECT_EQ(IsPreviewRowScroll(l, c.DH), c.RowScroll);
    }
}

} // namespace
} // namespace runtime
