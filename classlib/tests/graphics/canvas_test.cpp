#include "classlib/graphics/canvas.h"

#include "classlib/core/sysutils.h"
#include "classlib/graphics/graphic.h"
#include "classlib/graphics/painterdc.h"

#include "imageprobe.h"
#include "recordingdc.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace classlib;
using namespace classlib::test;

namespace {

QStringList Matching(const QStringList& Log, const char* Prefix)
{
    return Log.filter(QRegularExpression(QStringLiteral("^") + QString::fromLatin1(Prefix)));
}

TEST(Canvas, SelectsPenAndBrushOnlyWhenTheyChange)
{
    TRecordingDC dc;
    TCanvas canvas(&dc);
    canvas.Rectangle(0, 0, 10, 10);
    canvas.Rectangle(0, 0, 20, 20);
    EXPECT_EQ(Matching(dc.Log, "SelectPen").size(), 1);
    EXPECT_EQ(Matching(dc.Log, "SelectBrush").size(), 1);
    canvas.Pen()->SetColor(clRed);
    canvas.Rectangle(0, 0, 30, 30);
    EXPECT_EQ(Matching(dc.Log, "SelectPen"), (QStringList{"SelectPen 0 1 000000", "SelectPen 0 1 0000ff"}));
    EXPECT_EQ(Matching(dc.Log, "SelectBrush").size(), 1);
    EXPECT_EQ(Matching(dc.Log, "Rectangle").size(), 3);
}

TEST(Canvas, RefreshSelectsAgainAfterARestoreBehindItsBack)
{
    TRecordingDC dc;
    TCanvas canvas(&dc);
    const int level = dc.SaveDC();
    canvas.Pen()->SetColor(clRed);
    canvas.Brush()->SetColor(clBlue);
    canvas.Font()->SetHeight(-30);
    canvas.Rectangle(0, 0, 10, 10);
    canvas.TextOut(0, 0, QStringLiteral("x"));
    ASSERT_TRUE(dc.RestoreDC(level));
    EXPECT_EQ(dc.State().Pen.Color, Black);
    canvas.Refresh();
    canvas.Rectangle(0, 0, 10, 10);
    canvas.TextOut(0, 0, QStringLiteral("x"));
    EXPECT_EQ(dc.State().Pen.Color, Red);
    EXPECT_EQ(dc.State().Brush.Color, Blue);
    EXPECT_EQ(dc.State().Font.Height, -30);
    EXPECT_EQ(Matching(dc.Log, "SelectFont").size(), 2);
}

TEST(Canvas, AFontSelectedDirectlyStaysUntilTheCanvasFontChanges)
{
    // Rotated text: the caller selects a turned copy of the canvas's font.
    TRecordingDC dc;
    TCanvas canvas(&dc);
    canvas.TextOut(0, 0, QStringLiteral("a"));
    TLogFont turned = canvas.Font()->LogFont();
    turned.Escapement = turned.Orientation = 900;
    dc.SelectFont(turned);
    canvas.TextOut(0, 0, QStringLiteral("b"));
    EXPECT_EQ(dc.State().Font.Escapement, 900);
    canvas.Font()->SetSize(12);
    canvas.TextOut(0, 0, QStringLiteral("c"));
    EXPECT_EQ(dc.State().Font.Escapement, 0);
    EXPECT_EQ(dc.State().Font.Height, -16);
}

TEST(Canvas, BrushDecidesTheTextBackground)
{
    TRecordingDC dc;
    TCanvas canvas(&dc);
    canvas.Brush()->SetColor(clYellow);
    canvas.TextOut(0, 0, QStringLiteral("a"));
    EXPECT_EQ(dc.State().BkMode, OPAQUE);
    EXPECT_EQ(dc.State().BkColor, RGB(255, 255, 0));
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(0, 0, QStringLiteral("a"));
    EXPECT_EQ(dc.State().BkMode, TRANSPARENT);
    canvas.Font()->SetColor(clBtnShadow);
    canvas.TextRect({0, 0, 5, 5}, 1, 1, QStringLiteral("b"));
    EXPECT_EQ(dc.State().TextColor, RGB(128, 128, 128));
    EXPECT_EQ(dc.Log.last(), QStringLiteral("ExtTextOut 1,1 4 (0,0,5,5) \"b\""));
    canvas.Brush()->SetStyle(bsSolid);
    canvas.TextRect({0, 0, 5, 5}, 1, 1, QStringLiteral("b"));
    EXPECT_EQ(dc.Log.last(), QStringLiteral("ExtTextOut 1,1 6 (0,0,5,5) \"b\""));
}

TEST(Canvas, TextOutMovesThePen)
{
    TRecordingDC dc;
    TCanvas canvas(&dc);
    canvas.TextOut(10, 20, QStringLiteral("Hello"));
    EXPECT_EQ(canvas.PenPos(), (TPoint{10 + canvas.TextWidth(QStringLiteral("Hello")), 20}));
    canvas.SetPenPos({1, 2});
    canvas.LineTo(5, 6);
    EXPECT_EQ(canvas.PenPos(), (TPoint{5, 6}));
    EXPECT_GT(canvas.TextHeight(QStringLiteral("Wg")), 0);
}

TEST(Canvas, PenModeSetsTheRasterMode)
{
    TRecordingDC dc;
    TCanvas canvas(&dc);
    canvas.Pen()->SetMode(pmXor);
    canvas.LineTo(5, 5);
    EXPECT_EQ(dc.State().ROP2, R2_XORPEN);
    canvas.Pen()->SetMode(pmCopy);
    canvas.Polyline({{0, 0}, {1, 1}});
    EXPECT_EQ(dc.State().ROP2, R2_COPYPEN);
}

TEST(Canvas, WithoutADeviceContextDrawingFails)
{
    TCanvas canvas;
    try {
        canvas.Rectangle(0, 0, 1, 1);
        FAIL() << "no exception";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message, QStringLiteral("Canvas does not allow drawing"));
    }
    EXPECT_EQ(canvas.PenPos(), TPoint{});
}

TEST(Canvas, PixelsResolveSystemColours)
{
    QImage img = WhiteImage(10, 10);
    TPainterDC dc(&img);
    TCanvas canvas(&dc);
    canvas.SetPixels(2, 3, clRed);
    canvas.SetPixels(4, 3, clWindowText);
    EXPECT_EQ(canvas.Pixels(2, 3), clRed);
    EXPECT_EQ(canvas.Pixels(4, 3), clBlack);
    EXPECT_EQ(canvas.Pixels(5, 3), clWhite);
}

TEST(Canvas, CopyRectHonoursTheCopyMode)
{
    QImage src = WhiteImage(10, 10);
    src.fill(QColor(0x70, 0x70, 0x70));
    QImage dst = WhiteImage(40, 40);
    {
        TPainterDC s(&src), d(&dst);
        TCanvas from(&s), to(&d);
        to.Brush()->SetColor(clBlack);
        to.FillRect({0, 0, 10, 40});
        to.SetCopyMode(cmSrcAnd);
        to.CopyRect({0, 0, 20, 20}, from, {0, 0, 10, 10});
        to.SetCopyMode(cmSrcCopy);
        to.CopyRect({20, 20, 40, 40}, from, {0, 0, 10, 10});
        s.EndPaint();
    }
    EXPECT_EQ(Px(dst, 15, 15), RGB(0x70, 0x70, 0x70));
    EXPECT_EQ(Px(dst, 5, 5), Black);
    EXPECT_EQ(Px(dst, 30, 30), RGB(0x70, 0x70, 0x70));
    EXPECT_EQ(Px(dst, 30, 10), White);
}

class TStubGraphic : public TGraphic {
public:
    int Width() const override { return 7; }
    int Height() const override { return 5; }
    bool Empty() const override { return FEmpty; }
    void Draw(TCanvas& Canvas, const TRect& Rect) const override
    {
        Drawn.push_back(Rect);
        Canvas.StretchDrawImage(Rect, QImage(7, 5, QImage::Format_RGB32));
    }
    void LoadFromStream(TStream&) override {}
    void SaveToStream(TStream&) const override {}
    void ReadData(TStream&) override {}
    void WriteData(TStream&) const override {}

    bool FEmpty = false;
    mutable std::vector<TRect> Drawn;
};

TEST(Canvas, StretchDrawLetsTheGraphicDrawItself)
{
    TRecordingDC dc;
    TCanvas canvas(&dc);
    TStubGraphic g;
    canvas.SetCopyMode(cmSrcAnd);
    canvas.StretchDraw({0, 0, 100, -50}, &g);
    canvas.Draw(3, 4, &g);
    canvas.StretchDraw({0, 0, 1, 1}, nullptr);
    g.FEmpty = true;
    canvas.StretchDraw({0, 0, 1, 1}, &g);
    ASSERT_EQ(g.Drawn.size(), 2u);
    EXPECT_EQ(g.Drawn[0], (TRect{0, 0, 100, -50}));
    EXPECT_EQ(g.Drawn[1], (TRect{3, 4, 10, 9}));
    EXPECT_EQ(Matching(dc.Log, "StretchDIBits").first(), QStringLiteral("StretchDIBits (0,0,100,-50) 7x5 008800c6"));
}

TEST(Canvas, AssignCopiesTheTools)
{
    TCanvas a, b;
    a.Font()->SetName(QStringLiteral("Times New Roman"));
    a.Pen()->SetWidth(4);
    a.Brush()->SetStyle(bsCross);
    a.SetCopyMode(cmSrcInvert);
    b.Assign(&a);
    EXPECT_EQ(b.Font()->Name(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(b.Pen()->Width(), 4);
    EXPECT_EQ(b.Brush()->Style(), bsCross);
    EXPECT_EQ(b.CopyMode(), cmSrcInvert);
}

TEST(Canvas, ClipRectIsLogical)
{
    TRecordingDC dc;
    TCanvas canvas(&dc);
    EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 800, 600}));
    dc.SetMapMode(MM_HIMETRIC);
    dc.IntersectClipRect({0, 0, 2540, -2540});
    EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 2540, -2540}));
}

} // namespace
