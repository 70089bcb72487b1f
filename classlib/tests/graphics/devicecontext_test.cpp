#include "classlib/graphics/painterdc.h"

#include "imageprobe.h"
#include "recordingdc.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace classlib::test;

namespace {

void ChangeEverything(TDeviceContext& dc)
{
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowOrg(5, 6);
    dc.SetWindowExt(7, 8);
    dc.SetViewportOrg(9, 10);
    dc.SetViewportExt(11, 12);
    dc.IntersectClipRect({0, 0, 50, 50});
    dc.SelectPen({PS_DASH, 3, Red});
    dc.SelectBrush({BS_HATCHED, Blue, HS_CROSS});
    TLogFont f;
    f.FaceName = QStringLiteral("Courier New");
    f.Height = -20;
    f.Escapement = 900;
    dc.SelectFont(f);
    dc.SetTextColor(Red);
    dc.SetBkColor(Blue);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
    dc.SetROP2(R2_XORPEN);
    dc.SetStretchBltMode(HALFTONE);
    dc.SetPolyFillMode(WINDING);
    dc.MoveTo(3, 4);
}

TEST(DeviceContextState, RestoreBringsBackTheWholeState)
{
    TRecordingDC dc;
    const TDCState before = dc.State();
    EXPECT_EQ(dc.SaveDC(), 1);
    ChangeEverything(dc);
    EXPECT_NE(dc.State().Clip, before.Clip);
    EXPECT_TRUE(dc.RestoreDC(-1));
    EXPECT_TRUE(dc.State() == before);
    EXPECT_EQ(dc.SaveLevel(), 0);
}

TEST(DeviceContextState, LevelsAbsoluteAndRelative)
{
    TRecordingDC dc;
    EXPECT_EQ(dc.SaveDC(), 1);
    dc.SetTextColor(Red);
    EXPECT_EQ(dc.SaveDC(), 2);
    dc.SetTextColor(Blue);
    EXPECT_EQ(dc.SaveDC(), 3);
    dc.SetTextColor(White);
    EXPECT_TRUE(dc.RestoreDC(2));  // pops levels 3 and 2
    EXPECT_EQ(dc.State().TextColor, Red);
    EXPECT_EQ(dc.SaveLevel(), 1);
    EXPECT_TRUE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.State().TextColor, Black);
}

TEST(DeviceContextState, UnbalancedRestoreIsRefused)
{
    TRecordingDC dc;
    dc.SetTextColor(Red);
    EXPECT_FALSE(dc.RestoreDC(-1));
    EXPECT_FALSE(dc.RestoreDC(1));
    EXPECT_FALSE(dc.RestoreDC(0));
    dc.SaveDC();
    EXPECT_FALSE(dc.RestoreDC(2));
    EXPECT_FALSE(dc.RestoreDC(-2));
    EXPECT_EQ(dc.State().TextColor, Red);
    EXPECT_EQ(dc.SaveLevel(), 1);
}

TEST(DeviceContextState, PreviousValuesAreReturned)
{
    TRecordingDC dc;
    EXPECT_EQ(dc.SetTextColor(Red), Black);
    EXPECT_EQ(dc.SetBkColor(Red), White);
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SetBkMode(7), 0);
    EXPECT_EQ(dc.SetROP2(R2_NOT), R2_COPYPEN);
    EXPECT_EQ(dc.SetPolyFillMode(WINDING), ALTERNATE);
    EXPECT_EQ(dc.SetStretchBltMode(HALFTONE), BLACKONWHITE);
    EXPECT_EQ(dc.SetTextAlign(TA_BOTTOM), TA_TOP);
}

// --- clipping on pixels ------------------------------------------------------

class Clipping : public ::testing::Test {
protected:
    QImage img = WhiteImage(100, 100);
    void FillAll(TDeviceContext& dc) { dc.FillRect({0, 0, 100, 100}, {BS_SOLID, Blue, 0}); }
};

TEST_F(Clipping, IntersectLimitsDrawing)
{
    {
        TPainterDC dc(&img);
        EXPECT_EQ(dc.IntersectClipRect({10, 10, 50, 50}), SIMPLEREGION);
        EXPECT_EQ(dc.IntersectClipRect({30, 0, 100, 40}), SIMPLEREGION);
        FillAll(dc);
    }
    EXPECT_EQ(InkBounds(img), (TRect{30, 10, 50, 40}));
}

TEST_F(Clipping, ExcludeMakesAHole)
{
    {
        TPainterDC dc(&img);
        EXPECT_EQ(dc.ExcludeClipRect({40, 40, 60, 60}), COMPLEXREGION);
        FillAll(dc);
    }
    EXPECT_EQ(Px(img, 39, 50), Blue);
    EXPECT_EQ(Px(img, 40, 40), White);
    EXPECT_EQ(Px(img, 59, 59), White);
    EXPECT_EQ(Px(img, 60, 50), Blue);
    EXPECT_EQ(Px(img, 0, 0), Blue);
    EXPECT_EQ(Px(img, 99, 99), Blue);
}

TEST_F(Clipping, SelectAndRemove)
{
    {
        TPainterDC dc(&img);
        const TRegion two = TRegion::FromRects({{0, 0, 10, 10}, {80, 80, 90, 90}});
        EXPECT_EQ(dc.SelectClipRgn(&two), COMPLEXREGION);
        dc.FillRect({0, 0, 100, 50}, {BS_SOLID, Red, 0});
        EXPECT_EQ(dc.SelectClipRgn(nullptr), SIMPLEREGION);
        dc.FillRect({0, 50, 100, 100}, {BS_SOLID, Blue, 0});
    }
    EXPECT_EQ(Px(img, 5, 5), Red);
    EXPECT_EQ(Px(img, 50, 5), White);
    EXPECT_EQ(Px(img, 50, 75), Blue);
}

TEST_F(Clipping, ClipStaysInDeviceSpaceWhenTheMappingMoves)
{
    {
        TPainterDC dc(&img);
        dc.IntersectClipRect({0, 0, 20, 20});
        dc.SetWindowOrg(-50, -50);  // later drawing shifts right and down
        dc.FillRect({-50, -50, 50, 50}, {BS_SOLID, Blue, 0});
        TRect box;
        EXPECT_EQ(dc.GetClipBox(box), SIMPLEREGION);
        EXPECT_EQ(box, (TRect{-50, -50, -30, -30}));
    }
    EXPECT_EQ(InkBounds(img), (TRect{0, 0, 20, 20}));
}

TEST_F(Clipping, RestoreBringsBackTheClip)
{
    {
        TPainterDC dc(&img);
        dc.IntersectClipRect({0, 0, 50, 100});
        const int level = dc.SaveDC();
        dc.ExcludeClipRect({0, 0, 50, 50});
        dc.FillRect({0, 0, 100, 100}, {BS_SOLID, Red, 0});
        EXPECT_TRUE(dc.RestoreDC(level));
        dc.FillRect({0, 0, 100, 100}, {BS_SOLID, Blue, 0});
    }
    EXPECT_EQ(InkBounds(img), (TRect{0, 0, 50, 100}));
    EXPECT_EQ(Px(img, 10, 10), Blue);
    EXPECT_EQ(Px(img, 10, 90), Blue);
}

TEST_F(Clipping, HiMetricClipRectangle)
{
    {
        TPainterDC dc(&img);
        dc.SetMapMode(MM_HIMETRIC);
        dc.IntersectClipRect({0, 0, 1270, -1270});  // half an inch, y up
        dc.FillRect({-5000, 5000, 5000, -5000}, {BS_SOLID, Blue, 0});
    }
    EXPECT_EQ(InkBounds(img), (TRect{0, 0, 48, 48}));
}

TEST(Region, CombineModes)
{
    TRegion a(TRect{0, 0, 10, 10});
    const TRegion b(TRect{5, 0, 15, 10});
    TRegion r = a;
    ASSERT_TRUE(r.Combine(b, RGN_AND));
    EXPECT_EQ(r.Bounds(), (TRect{5, 0, 10, 10}));
    r = a;
    ASSERT_TRUE(r.Combine(b, RGN_OR));
    EXPECT_EQ(r.Bounds(), (TRect{0, 0, 15, 10}));
    r = a;
    ASSERT_TRUE(r.Combine(b, RGN_DIFF));
    EXPECT_EQ(r.Rects(), (std::vector<TRect>{{0, 0, 5, 10}}));
    r = a;
    ASSERT_TRUE(r.Combine(b, RGN_XOR));
    EXPECT_EQ(r.Complexity(), COMPLEXREGION);
    EXPECT_FALSE(r.Combine(b, 42));
    EXPECT_EQ(TRegion().Complexity(), NULLREGION);
}

TEST(Region, ShapesCompareByTheirPixels)
{
    // However a region was reached, equal pixels compare equal: a restore
    // tells the engine whether the clip changed this way.
    const TRegion square(TRect{0, 0, 10, 10});
    TRegion holed = square;
    holed.Exclude(TRect{4, 4, 6, 6});
    EXPECT_EQ(holed.Complexity(), COMPLEXREGION);
    EXPECT_FALSE(holed == square);
    EXPECT_FALSE(holed.Contains({5, 5}));
    EXPECT_TRUE(holed.Contains({1, 5}));
    holed.Combine(TRegion(TRect{4, 4, 6, 6}), RGN_OR);
    EXPECT_EQ(holed.Complexity(), SIMPLEREGION);
    EXPECT_TRUE(holed == square);
    EXPECT_TRUE(TRegion::FromRects({{0, 0, 10, 5}, {0, 5, 10, 10}}) == square);
    TRegion gone = square;
    gone.Intersect(TRect{20, 20, 30, 30});
    EXPECT_TRUE(gone.IsEmpty());
    EXPECT_TRUE(gone == TRegion());
    gone.Offset(7, 7);
    EXPECT_TRUE(gone == TRegion());
    TRegion moved = square;
    moved.Offset(5, -5);
    EXPECT_EQ(moved.Bounds(), (TRect{5, -5, 15, 5}));
    EXPECT_EQ(TRegion(TRect{10, 10, 0, 0}).Bounds(), (TRect{0, 0, 10, 10}));  // normalised
}

} // namespace
