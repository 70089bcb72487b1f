#include "runtime/fills.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/picture.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace runtime;

namespace fills_test {

QRgb PixelAt(TBitmap& Bitmap, int X, int Y)
{
    return Bitmap.Image().pixel(X, Y) & 0xFFFFFF;
}

TEST(Gradient, HorizontalRunsFromColor1AtTheTopToColor2AtTheBottom)
{
    TBitmap b;
    b.SetSize(3, 101);
    DrawGradient(b.Canvas(), Rect(0, 0, 2, 100), clWhite, clBlack, bssHorizontal, false, 1);
    EXPECT_EQ(PixelAt(b, 1, 0), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(b, 1, 100), 0x000000u);
    EXPECT_EQ(PixelAt(b, 1, 50), 0x4B4B4Bu);  // t = sin(pi/4): (75, 75, 75)
}

TEST(Gradient, ParamsPerShading)
{
    struct Row {
        TBgShadingStyle shading;
        bool backward;
        int density;
        double kx, ky, phase;
    } rows[] = {
        {bssHorizontal, false, 1, 0, M_PI / 2, 0},
        {bssVertical, false, 2, M_PI, 0, 0},
        {bssDiagUp, false, 1, M_PI / 4, M_PI / 4, 0},
        {bssDiagDown, false, 2, M_PI / 2, -M_PI / 2, M_PI / 2},
        {bssHorizontal, true, 1, 0, M_PI / 2, -M_PI / 2},
    };
    for (const Row& r : rows) {
        double kx, ky, phase;
        GetGradientParams(r.shading, r.backward, r.density, kx, ky, phase);
        EXPECT_DOUBLE_EQ(kx, r.kx) << r.shading;
        EXPECT_DOUBLE_EQ(ky, r.ky) << r.shading;
        EXPECT_DOUBLE_EQ(phase, r.phase) << r.shading;
    }
}

TEST(Gradient, DensityTwoReturnsToColor1AndEmptySpansDoNotDivide)
{
    TBitmap b;
    b.SetSize(101, 2);
    DrawGradient(b.Canvas(), Rect(0, 0, 100, 1), clWhite, clBlack, bssVertical, false, 2);
    EXPECT_EQ(PixelAt(b, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(b, 50, 0), 0x000000u);
    EXPECT_EQ(PixelAt(b, 100, 0) & 0xFF, 0xFFu);

    // Zero width and height: every fraction is 0, so Color1 everywhere.
    TBitmap c;
    c.SetSize(4, 4);
    DrawGradient(c.Canvas(), Rect(2, 2, 2, 2), clRed, clBlue, bssDiagUp, false, 1);
    EXPECT_EQ(PixelAt(c, 2, 2), 0xFF0000u);  // QRgb of red
}

TEST(Gradient, PartDrawsOnlyThePaintRectWithTheWholeGradientsColours)
{
    TBitmap b;
    b.SetSize(3, 101);
    b.Canvas().Brush()->SetColor(clLime);
    b.Canvas().FillRect(Rect(0, 0, 3, 101));
    DrawGradientPart(b.Canvas(), Rect(0, 0, 2, 100), Rect(0, 50, 2, 50), clWhite, clBlack,
                     bssHorizontal, false, 1);
    EXPECT_EQ(PixelAt(b, 1, 50), 0x4B4B4Bu);
    EXPECT_EQ(PixelAt(b, 1, 49), 0x00FF00u);
}

TEST(SemiTransparent, AndsEveryChannelWith70)
{
    TBitmap b;
    b.SetSize(4, 2);
    b.Canvas().Brush()->SetColor(clWhite);
    b.Canvas().FillRect(Rect(0, 0, 2, 2));
    b.Canvas().Brush()->SetColor(clBlack);
    b.Canvas().FillRect(Rect(2, 0, 4, 2));
    FillSemiTransparent(b.Canvas(), Rect(0, 0, 4, 2));
    EXPECT_EQ(PixelAt(b, 0, 0), 0x707070u);
    EXPECT_EQ(PixelAt(b, 3, 1), 0x000000u);
    EXPECT_EQ(b.Canvas().CopyMode(), cmSrcCopy);
}

// A graphic that records where it is asked to draw.
class TTileProbe : public TGraphic {
    QX_CLASS(TTileProbe, TGraphic)
public:
    static inline std::vector<TRect> Drawn;
    int Width() const override { return 1; }
    int Height() const override { return 1; }
    bool Empty() const override { return false; }
    void Draw(TCanvas&, const TRect& R) const override { Drawn.push_back(R); }
    void LoadFromStream(TStream&) override {}
    void SaveToStream(TStream&) const override {}
    void ReadData(TStream&) override {}
    void WriteData(TStream&) const override {}
    void Assign(const TPersistent*) override {}
};

const TClassInfo& TTileProbe::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TTileProbe>("TTileProbe").Build();
    return info;
}

std::vector<TRect> Tiles(const TRect& Area, int PicWidth, int PicHeight)
{
    RegisterClass(TTileProbe::StaticClass());
    TQXBackground background;
    TTileProbe probe;
    background.Picture()->SetGraphic(&probe);
    background.PicWidth = PicWidth;
    background.PicHeight = PicHeight;
    TBitmap target;
    target.SetSize(1, 1);
    TTileProbe::Drawn.clear();
    DrawTexture(target.Canvas(), Area, background);
    UnregisterClass(TTileProbe::StaticClass());
    return TTileProbe::Drawn;
}

TEST(Texture, TilesStartAtTheOriginAndCoverTheArea)
{
    const std::vector<TRect> tiles = Tiles(Rect(80, -80, 2080, -1080), 1000, 500);
    std::vector<TRect> expected;
    for (int y : {0, -500, -1000})
        for (int x : {0, 1000, 2000}) expected.push_back(Rect(x, y, x + 1000, y - 500));
    EXPECT_EQ(tiles, expected);
}

TEST(Texture, TilesAboveAndLeftOfTheAreaAreSkipped)
{
    const std::vector<TRect> tiles = Tiles(Rect(2500, -1200, 2600, -1300), 1000, 500);
    ASSERT_EQ(tiles.size(), 1u);
    EXPECT_EQ(tiles[0], Rect(2000, -1000, 3000, -1500));
}

TEST(Texture, DegenerateTilesAndHugeCountsEnd)
{
    EXPECT_TRUE(Tiles(Rect(0, 0, 1000, -1000), 0, 500).empty());
    EXPECT_TRUE(Tiles(Rect(0, 0, 1000, -1000), 500, -1).empty());
    EXPECT_EQ(qint64(Tiles(Rect(0, 0, 2000000, -2000000), 1, 1).size()), MaxTextureTiles);
}

} // namespace fills_test
