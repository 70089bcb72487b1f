// Lining up, spacing and sizing a selection of three controls.

#include "surfacefixture.h"

namespace designer_framework::test {
namespace {

struct TAlignCase {
    int Code;
    TRect A, B, C;  // the reference first, in selection order
};

class SurfaceAlignTest : public SurfaceTest {
protected:
    SurfaceAlignTest()
    {
        A = Put<TShape>(nullptr, 10, 20, 100, 50, "A");
        B = Put<TShape>(nullptr, 40, 80, 51, 30, "B");
        C = Put<TShape>(nullptr, 200, 5, 20, 70, "C");
    }
    void SelectAll()
    {
        Surface->SelectOnly(A);
        Surface->SelectControl(B);
        Surface->SelectControl(C);
        Log.clear();
    }
    TShape* A;
    TShape* B;
    TShape* C;
};

TEST_F(SurfaceAlignTest, EveryCodeOnThreeControls)
{
    // The surface's client area is 400 x 300.
    const TAlignCase cases[] = {
        {0, Bounds(10, 20, 100, 50), Bounds(10, 80, 51, 30), Bounds(10, 5, 20, 70)},
        {1, Bounds(10, 20, 100, 50), Bounds(34, 80, 51, 30), Bounds(50, 5, 20, 70)},
        {2, Bounds(95, 20, 100, 50), Bounds(125, 80, 51, 30), Bounds(285, 5, 20, 70)},
        {3, Bounds(10, 20, 100, 50), Bounds(105, 80, 51, 30), Bounds(200, 5, 20, 70)},
        {4, Bounds(10, 20, 100, 50), Bounds(59, 80, 51, 30), Bounds(90, 5, 20, 70)},
        {5, Bounds(10, 20, 100, 50), Bounds(40, 20, 51, 30), Bounds(200, 20, 20, 70)},
        {6, Bounds(10, 20, 100, 50), Bounds(40, 30, 51, 30), Bounds(200, 10, 20, 70)},
        {7, Bounds(10, 112, 100, 50), Bounds(40, 172, 51, 30), Bounds(200, 97, 20, 70)},
        {8, Bounds(10, 42, 100, 50), Bounds(40, 80, 51, 30), Bounds(200, 5, 20, 70)},
        {9, Bounds(10, 20, 100, 50), Bounds(40, 40, 51, 30), Bounds(200, 0, 20, 70)},
        {10, Bounds(10, 20, 20, 50), Bounds(40, 80, 20, 30), Bounds(200, 5, 20, 70)},
        {11, Bounds(10, 20, 100, 50), Bounds(40, 80, 100, 30), Bounds(200, 5, 100, 70)},
        {12, Bounds(10, 20, 100, 50), Bounds(40, 80, 100, 50), Bounds(200, 5, 100, 50)},
        {13, Bounds(10, 20, 100, 30), Bounds(40, 80, 51, 30), Bounds(200, 5, 20, 30)},
        {14, Bounds(10, 20, 100, 70), Bounds(40, 80, 51, 70), Bounds(200, 5, 20, 70)},
        {15, Bounds(10, 20, 100, 50), Bounds(40, 80, 51, 30), Bounds(200, 5, 20, 70)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Code);
        A->SetBounds(10, 20, 100, 50);
        B->SetBounds(40, 80, 51, 30);
        C->SetBounds(200, 5, 20, 70);
        SelectAll();
        Surface->AlignSize(c.Code);
        EXPECT_EQ(A->BoundsRect(), c.A);
        EXPECT_EQ(B->BoundsRect(), c.B);
        EXPECT_EQ(C->BoundsRect(), c.C);
        EXPECT_EQ(Log, QStringList{"inspector modified"});
    }
}

TEST_F(SurfaceAlignTest, SpacingNeedsThreeAndSortsByPosition)
{
    // Lefts 0, 7 and 100 in any selection order: the middle goes to 50.
    A->SetBounds(100, 0, 10, 10);
    B->SetBounds(0, 0, 10, 10);
    C->SetBounds(7, 0, 10, 10);
    SelectAll();
    Surface->AlignSize(3);
    EXPECT_EQ(C->Left(), 50);
    EXPECT_EQ(A->Left(), 100);
    EXPECT_EQ(B->Left(), 0);

    // Two controls: nothing, and no notification.
    Surface->SelectOnly(A);
    Surface->SelectControl(B);
    Log.clear();
    Surface->AlignSize(8);
    Surface->AlignSize(3);
    EXPECT_EQ(A->Left(), 100);
    EXPECT_TRUE(Log.isEmpty());
}

TEST_F(SurfaceAlignTest, OneControlOrNone)
{
    // One control: only centring moves it.
    Surface->SelectOnly(B);
    Log.clear();
    for (int code : {0, 1, 4, 5, 6, 9, 10, 11, 12, 13, 14}) Surface->AlignSize(code);
    EXPECT_EQ(B->BoundsRect(), Bounds(40, 80, 51, 30));
    Surface->AlignSize(2);
    Surface->AlignSize(7);
    EXPECT_EQ(B->BoundsRect(), Bounds(174, 135, 51, 30));
    // Nothing selected: nothing happens and nobody is told.
    Surface->UnselectAll();
    Log.clear();
    Surface->AlignSize(0);
    EXPECT_TRUE(Log.isEmpty());
}

TEST_F(SurfaceAlignTest, HugeBoundsSaturate)
{
    A->SetBounds(INT_MAX - 10, 0, 100, 10);
    B->SetBounds(INT_MIN + 10, 0, 100, 10);
    C->SetBounds(0, 0, INT_MAX, 10);
    SelectAll();
    for (int code = 0; code <= 14; ++code) Surface->AlignSize(code);
    SUCCEED();
}

} // namespace
} // namespace designer_framework::test
