#include "classlib/graphics/painterdc.h"

#include "imageprobe.h"
#include "recordingdc.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace classlib::test;

namespace {

struct MapCase {
    const char* Name;
    int Mode;
    TPoint Logical;
    TPoint Device;
};

class Mapping : public ::testing::TestWithParam<MapCase> {};

TEST_P(Mapping, LogicalToDeviceAt96Dpi)
{
    const MapCase& c = GetParam();
    TRecordingDC dc;
    ASSERT_EQ(dc.SetMapMode(c.Mode), MM_TEXT);
    EXPECT_EQ(dc.LPtoDP(c.Logical), c.Device);
    EXPECT_EQ(dc.DPtoLP(c.Device), c.Logical);
}

INSTANTIATE_TEST_SUITE_P(Modes, Mapping,
    ::testing::Values(MapCase{"Text", MM_TEXT, {10, 20}, {10, 20}},
                      MapCase{"HiMetricInch", MM_HIMETRIC, {2540, -5080}, {96, 192}},
                      MapCase{"HiMetricUp", MM_HIMETRIC, {0, 2540}, {0, -96}},
                      MapCase{"LoMetric", MM_LOMETRIC, {254, -254}, {96, 96}},
                      MapCase{"LoEnglish", MM_LOENGLISH, {100, -50}, {96, 48}},
                      MapCase{"HiEnglish", MM_HIENGLISH, {1000, -1000}, {96, 96}},
                      MapCase{"Twips", MM_TWIPS, {1440, -720}, {96, 48}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(Mapping, OriginsAndExtentsCombine)
{
    TRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    EXPECT_TRUE(dc.SetWindowExt(1000, 1000));
    EXPECT_TRUE(dc.SetViewportExt(100, -50));
    dc.SetWindowOrg(500, 0);
    dc.SetViewportOrg(10, 300);
    EXPECT_EQ(dc.LPtoDP(TPoint{1500, 200}), (TPoint{110, 290}));
    EXPECT_EQ(dc.DPtoLP(TPoint{110, 290}), (TPoint{1500, 200}));
    TPoint old;
    dc.OffsetWindowOrg(100, -50, &old);
    EXPECT_EQ(old, (TPoint{500, 0}));
    EXPECT_EQ(dc.GetWindowOrg(), (TPoint{600, -50}));
}

TEST(Mapping, ZeroExtentsAreRefusedAndFixedModesKeepTheirs)
{
    TRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    EXPECT_FALSE(dc.SetWindowExt(0, 10));
    EXPECT_FALSE(dc.SetViewportExt(10, 0));
    EXPECT_EQ(dc.GetWindowExt(), (TSize{1, 1}));
    dc.SetMapMode(MM_HIMETRIC);
    EXPECT_TRUE(dc.SetWindowExt(5, 5));
    EXPECT_EQ(dc.GetWindowExt(), (TSize{2540, 2540}));
    EXPECT_EQ(dc.GetViewportExt(), (TSize{96, -96}));
    EXPECT_EQ(dc.SetMapMode(99), 0);
    EXPECT_EQ(dc.GetMapMode(), MM_HIMETRIC);
}

TEST(Mapping, IsotropicKeepsUnitsSquare)
{
    TRecordingDC dc;
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(400, -200);
    EXPECT_EQ(dc.GetViewportExt(), (TSize{200, -200}));
    EXPECT_EQ(dc.LPtoDP(TPoint{50, 50}), (TPoint{100, -100}));
}

TEST(Mapping, HiMetricRectangleLandsOnItsPixels)
{
    // 2 cm from the left, 1 cm down, 1 inch wide and half an inch high.
    QImage img = WhiteImage(200, 200);
    {
        TPainterDC dc(&img);
        dc.SetMapMode(MM_HIMETRIC);
        dc.FillRect({2000, -1000, 2000 + 2540, -1000 - 1270}, {BS_SOLID, Red, 0});
    }
    // 2000 units = 75.59 px -> 76; 1000 = 37.8 -> 38; 4540 -> 171.6 -> 172; 2270 -> 85.8 -> 86
    EXPECT_EQ(InkBounds(img), (TRect{76, 38, 172, 86}));
}

TEST(Mapping, SmallRoundingHalvesGoToEven)
{
    TRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(2, 2);
    dc.SetViewportExt(1, 1);
    EXPECT_EQ(dc.LPtoDP(TPoint{1, 3}), (TPoint{0, 2}));
    EXPECT_EQ(dc.LPtoDP(TPoint{5, -1}), (TPoint{2, 0}));
}

TEST(Mapping, HugeCoordinatesDoNotOverflow)
{
    TRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(1000000, 1000000);
    const TPoint p = dc.LPtoDP(TPoint{2000000000, -2000000000});
    EXPECT_GT(p.X, 0);
    EXPECT_LT(p.Y, 0);
}

TEST(Mapping, PlaybackFrameScalesTheReferenceDevice)
{
    // A recording made at 96 dpi played at twice the size, shifted by 10.
    QImage img = WhiteImage(300, 300);
    {
        TPainterDC dc(&img);
        dc.SetPlaybackFrame(TPlaybackFrame{96, 96, 2.0, 2.0, 10.0, 10.0});
        dc.SetMapMode(MM_HIMETRIC);
        EXPECT_EQ(dc.GetViewportExt(), (TSize{96, -96}));
        dc.FillRect({0, 0, 2540, -2540}, {BS_SOLID, Blue, 0});
    }
    EXPECT_EQ(InkBounds(img), (TRect{10, 10, 202, 202}));
}

} // namespace
