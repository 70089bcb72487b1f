#include "designer/document/designstate.h"
#include "designer/tests/elements/elementtest.h"

#include <gtest/gtest.h>

#include <climits>

using namespace designer;
using namespace designer::tests;

namespace {

struct ConvertRow {
    const char* Case;
    double Zoom;
    qint64 Units;
    int Pixels;
};

const ConvertRow ToPixelRows[] = {
    {"10 mm", 1.0, 1000, 38},
    {"20 mm", 1.0, 2000, 76},
    {"20 mm zoomed", 2.0, 2000, 151},
    {"negative", 1.0, -1000, -38},
    {"zero", 1.0, 0, 0},
    {"widest int", 1.0, INT_MAX, 81164736},
    {"beyond int saturates", 1000.0, INT_MAX, INT_MAX},
    {"below int saturates", 1000.0, INT_MIN, INT_MIN},
    {"64-bit input", 1.0, qint64(1) << 60, INT_MAX},
};

TEST(DesignState, ToPixelsRoundsAndSaturates)
{
    for (const ConvertRow& row : ToPixelRows) {
        TZoomGuard guard(row.Zoom);
        EXPECT_EQ(ToPixels(row.Units), row.Pixels) << row.Case;
    }
}

TEST(DesignState, ToUnitsRoundsHalvesToEvenAndSaturates)
{
    TZoomGuard guard(1.0);
    EXPECT_EQ(ToUnits(38), 1005);     // 1005.4
    EXPECT_EQ(ToUnits(756), 20002);   // 20002.5: the even neighbour
    EXPECT_EQ(ToUnits(12), 318);      // 317.5: the even neighbour
    EXPECT_EQ(ToUnits(-38), -1005);
    EXPECT_EQ(ToUnits(INT_MAX), INT_MAX);
    EXPECT_EQ(ToUnits(INT_MIN), INT_MIN);
}

TEST(DesignState, ScaleLockNestsAndNeverGoesBelowZero)
{
    EXPECT_TRUE(ScaleUnlocked());
    {
        TScaleLock outer;
        {
            TScaleLock inner;
            EXPECT_EQ(ScaleLock, 2);
        }
        EXPECT_FALSE(ScaleUnlocked());
    }
    EXPECT_TRUE(ScaleUnlocked());
    UnlockScale();
    EXPECT_EQ(ScaleLock, 0);
}

} // namespace
