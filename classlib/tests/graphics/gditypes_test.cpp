#include "classlib/graphics/gditypes.h"
#include "classlib/graphics/region.h"

#include <gtest/gtest.h>

#include <climits>

using namespace classlib;

namespace {

TEST(Geometry, SumsDifferencesAndProductsSaturate)
{
    struct {
        const char* name;
        int got;
        int expected;
    } const cases[] = {
        {"add within", SatAdd(2, 3), 5},
        {"add past the top", SatAdd(INT_MAX, 1), INT_MAX},
        {"add past the bottom", SatAdd(INT_MIN, -1), INT_MIN},
        {"add the two ends", SatAdd(INT_MIN, INT_MAX), -1},
        {"subtract within", SatSub(-2, 3), -5},
        {"subtract the bottom from the top", SatSub(INT_MAX, INT_MIN), INT_MAX},
        {"subtract the top from the bottom", SatSub(INT_MIN, INT_MAX), INT_MIN},
        {"multiply within", SatMul(-300, 7), -2100},
        {"multiply past the top", SatMul(INT_MIN, -1), INT_MAX},
        {"multiply past the bottom", SatMul(INT_MAX, -2), INT_MIN},
        {"negate the bottom", SatNeg(INT_MIN), INT_MAX},
        {"negate the top", SatNeg(INT_MAX), -INT_MAX},
        {"64 bits down", SatInt(qint64(1) << 40), INT_MAX},
        {"64 bits up", SatInt(-(qint64(1) << 40)), INT_MIN},
        {"width of the whole range", TRect{INT_MIN, 0, INT_MAX, 0}.Width(), INT_MAX},
        {"height of the whole range upwards", TRect{0, INT_MAX, 0, INT_MIN}.Height(), INT_MIN},
        {"bounds to the end", Bounds(INT_MAX - 5, 0, 100, 0).Right, INT_MAX},
        {"rect moved past the end", SatOffsetRect(TRect{0, INT_MIN, 10, -10}, INT_MAX, -20).Right, INT_MAX},
        {"rect moved past the start", SatOffsetRect(TRect{0, INT_MIN, 10, -10}, INT_MAX, -20).Top, INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.expected) << c.name;
}

TEST(Geometry, RegionsMovedAgainAndAgainStayInRange)
{
    // A rectangle and a region of two rectangles, each moved far in both
    // directions many times: they stop at the edge of the region range and
    // keep their size.
    for (bool several : {false, true}) {
        SCOPED_TRACE(several);
        TRegion r = several ? TRegion::FromRects({{0, 0, 10, 10}, {20, 20, 30, 30}}) : TRegion(TRect{0, 0, 10, 10});
        const TRect size = r.Bounds();
        for (int i = 0; i < 20; ++i) r.Offset(INT_MAX / 3, INT_MIN / 3);
        TRect b = r.Bounds();
        EXPECT_EQ(b.Width(), size.Width());
        EXPECT_EQ(b.Height(), size.Height());
        EXPECT_GT(b.Left, 0);
        EXPECT_LT(b.Top, 0);
        for (int i = 0; i < 40; ++i) r.Offset(INT_MIN / 3, INT_MAX / 3);
        b = r.Bounds();
        EXPECT_EQ(b.Width(), size.Width());
        EXPECT_LT(b.Left, 0);
        EXPECT_GT(b.Top, 0);
    }
}

} // namespace
