#include "designer/elements/designpaint.h"
#include "designer/elements/paintbox.h"
#include "designer/tests/elements/elementtest.h"

#include "runtime/fills.h"

#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/picture.h"

#include <gtest/gtest.h>

#include <climits>

using namespace classlib;
using namespace designer;
using namespace designer::tests;
using namespace runtime;

namespace {

constexpr unsigned Red = 0xFF0000, Green = 0x00FF00, Blue = 0x0000FF, White = 0xFFFFFF;

// A picture whose left half is red and right half blue.
void SetHalfRedPicture(TQXBackground& Background, int Size)
{
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(QColor(Qt::blue));
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size / 2; ++x) image.setPixel(x, y, qRgb(255, 0, 0));
    TBitmap bitmap;
    bitmap.SetImage(image);
    TPicture picture;
    picture.SetGraphic(&bitmap);
    Background.SetPicture(&picture);
}

struct TWhiteBitmap {
    TBitmap Bitmap;
    explicit TWhiteBitmap(int Size = 100)
    {
        Bitmap.SetSize(Size, Size);
        Bitmap.Canvas().Brush()->SetColor(clWhite);
        Bitmap.Canvas().FillRect(TRect{0, 0, Size, Size});
    }
    unsigned At(int X, int Y) const { return RGBAt(Bitmap.Image(), X, Y); }
};

TEST(DesignPaint, ElementShowsFrameShadowBackgroundAndOutline)
{
    TZoomGuard guard(1.0);
    TTestPage page;
    auto* framed = page.Add<TQXPaintBox>(QStringLiteral("Framed"));
    TQXFrame frame;
    frame.SetShape(TQXFrameSides{fsTop, fsLeft, fsBottom, fsRight});
    frame.SetWidth(254);  // 10 pixels
    frame.SetColor(TColor(0x0000FF));  // red, as the class library stores colours
    framed->SetFrame(&frame);
    TQXShadow shadow;
    shadow.SetShape(ssRightBottom);
    shadow.SetWidth(254);
    shadow.SetColor(TColor(0xFF0000));  // blue
    framed->SetShadow(&shadow);
    TQXBackground bg;
    bg.Color1 = TColor(0x00FF00);
    framed->SetBackground(&bg);
    auto* plain = page.Add<TQXPaintBox>(QStringLiteral("Plain"));
    plain->SetQXLeft(3000);
    page.Widget()->show();

    const QImage f = Grab(*framed);
    ASSERT_EQ(f.width(), 76);
    EXPECT_EQ(RGBAt(f, 5, 30), Red);     // left frame bar
    EXPECT_EQ(RGBAt(f, 30, 60), Red);    // bottom frame bar, above the shadow
    EXPECT_EQ(RGBAt(f, 70, 40), Blue);   // right shadow bar
    EXPECT_EQ(RGBAt(f, 40, 70), Blue);   // bottom shadow bar
    EXPECT_EQ(RGBAt(f, 30, 30), Green);  // content

    const QImage p = Grab(*plain);
    int black = 0, white = 0;
    for (int x = 0; x < 20; ++x) (RGBAt(p, x, 0) == 0 ? black : white) += 1;
    EXPECT_GT(black, 0);  // a dotted outline
    EXPECT_GT(white, 0);
    EXPECT_EQ(RGBAt(p, 30, 30), White);
}

TEST(DesignPaint, GradientShowsItsRenderedPicture)
{
    TZoomGuard guard(1.0);
    TTestPage page;
    auto* box = page.Add<TQXPaintBox>(QStringLiteral("Box1"));
    TQXBackground bg;
    bg.Style = bsGradient;
    SetHalfRedPicture(bg, 2);
    box->SetBackground(&bg);
    page.Widget()->show();
    const QImage image = Grab(*box);
    EXPECT_EQ(RGBAt(image, 10, 40), Red);
    EXPECT_EQ(RGBAt(image, 60, 40), Blue);
}

TEST(DesignPaint, TexturesLineUpWithTheWindowCorner)
{
    TZoomGuard guard(1.0);
    TWhiteBitmap target;
    TQXBackground bg;
    bg.Style = bsTexture;
    SetHalfRedPicture(bg, 10);
    bg.PixWidth = 10;
    bg.PixHeight = 10;
    const TRect c{5, 5, 95, 95};
    PaintTexture(target.Bitmap.Canvas(), c, c, bg);
    EXPECT_EQ(target.At(6, 6), Blue);  // the tile starts at 0, not at 5
    EXPECT_EQ(target.At(11, 6), Red);
    EXPECT_EQ(target.At(94, 94), Red);
}

TEST(DesignPaint, TilesWithoutExtentDrawNothing)
{
    TZoomGuard guard(1.0);
    TQXBackground bg;
    bg.Style = bsTexture;
    SetHalfRedPicture(bg, 10);
    const TRect c{0, 0, 100, 100};
    for (auto [w, h] : {std::pair{0, 10}, {10, 0}, {-10, 10}, {10, -10}, {INT_MIN, INT_MIN}}) {
        TWhiteBitmap target;
        bg.PixWidth = w;
        bg.PixHeight = h;
        PaintTexture(target.Bitmap.Canvas(), c, c, bg);
        EXPECT_EQ(target.At(2, 2), White) << w << "x" << h;
        EXPECT_EQ(target.At(50, 50), White) << w << "x" << h;
    }
    // Tiles of one pixel over the widest area end at the tile limit.
    TWhiteBitmap target;
    bg.PixWidth = 1;
    bg.PixHeight = 1;
    const TRect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    PaintTexture(target.Bitmap.Canvas(), huge, huge, bg);
}

TEST(DesignPaint, NameCaptionOnlyWhenItFits)
{
    TZoomGuard guard(1.0);
    TFont font;
    font.SetSize(8);
    NameFont = &font;
    const auto darkIn = [](const TWhiteBitmap& B, const TRect& R) {
        int dark = 0;
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x) dark += qGray(B.Bitmap.Image().pixel(x, y)) < 128;
        return dark;
    };
    TWhiteBitmap large;
    DrawNameCaption(large.Bitmap.Canvas(), TRect{0, 0, 100, 40}, QStringLiteral("Label1"));
    EXPECT_GT(darkIn(large, TRect{0, 0, 100, 40}), 0);
    EXPECT_EQ(darkIn(large, TRect{0, 0, 2, 40}), 0);  // two pixels to the left

    TWhiteBitmap small;
    DrawNameCaption(small.Bitmap.Canvas(), TRect{0, 0, 12, 40}, QStringLiteral("Label1"));
    EXPECT_EQ(darkIn(small, TRect{0, 0, 100, 100}), 0);

    NameFont = nullptr;  // before the page designer makes it: no caption
    TWhiteBitmap none;
    DrawNameCaption(none.Bitmap.Canvas(), TRect{0, 0, 100, 40}, QStringLiteral("Label1"));
    EXPECT_EQ(darkIn(none, TRect{0, 0, 100, 100}), 0);
}

TEST(DesignPaint, SemiTransparentShadowDarkens)
{
    TZoomGuard guard(1.0);
    TWhiteBitmap target;
    TQXShadow shadow;
    shadow.SetShape(ssLeftTop);
    shadow.SetWidth(254);
    shadow.SetSemiTrans(true);
    PaintShadowBars(target.Bitmap.Canvas(), TRect{0, 0, 50, 50}, shadow);
    EXPECT_EQ(target.At(20, 5), 0x707070u);  // first bar: (0, 0, 40, 10)
    EXPECT_EQ(target.At(45, 5), White);
    EXPECT_EQ(target.At(5, 20), 0x707070u);  // second bar: (0, 10, 10, 40)
    EXPECT_EQ(target.At(5, 45), White);
}

} // namespace
