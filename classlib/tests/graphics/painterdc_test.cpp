#include "classlib/graphics/painterdc.h"

#include "imageprobe.h"

#include <gtest/gtest.h>

#include <limits>

using namespace classlib;
using namespace classlib::test;

namespace {

struct LineCase {
    const char* Name;
    TPoint From, To;
    TPoint LastInside;
};

class PainterDCLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(PainterDCLine, LeavesOutTheEndPoint)
{
    const LineCase& c = GetParam();
    QImage img = WhiteImage(40, 40);
    {
        TPainterDC dc(&img);
        dc.MoveTo(c.From.X, c.From.Y);
        dc.LineTo(c.To.X, c.To.Y);
        EXPECT_EQ(dc.State().CurrentPos, c.To);
    }
    EXPECT_EQ(Px(img, c.From.X, c.From.Y), Black);
    EXPECT_EQ(Px(img, c.LastInside.X, c.LastInside.Y), Black);
    EXPECT_EQ(Px(img, c.To.X, c.To.Y), White);
}

INSTANTIATE_TEST_SUITE_P(Lines, PainterDCLine,
    ::testing::Values(LineCase{"Right", {5, 10}, {20, 10}, {19, 10}},
                      LineCase{"Left", {20, 10}, {5, 10}, {6, 10}},
                      LineCase{"Down", {10, 5}, {10, 30}, {10, 29}},
                      LineCase{"Up", {10, 30}, {10, 5}, {10, 6}},
                      LineCase{"Diagonal", {5, 5}, {25, 25}, {24, 24}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PainterDC, RectangleIncludesPenAndLeavesOutRightAndBottom)
{
    QImage img = WhiteImage(40, 40);
    {
        TPainterDC dc(&img);
        dc.SelectBrush({BS_SOLID, Red, 0});
        dc.Rectangle({10, 10, 20, 20});
    }
    EXPECT_EQ(Px(img, 10, 10), Black);
    EXPECT_EQ(Px(img, 19, 19), Black);
    EXPECT_EQ(Px(img, 19, 15), Black);
    EXPECT_EQ(Px(img, 15, 19), Black);
    EXPECT_EQ(Px(img, 11, 11), Red);
    EXPECT_EQ(Px(img, 18, 18), Red);
    EXPECT_EQ(Px(img, 20, 15), White);
    EXPECT_EQ(Px(img, 15, 20), White);
    EXPECT_EQ(Px(img, 9, 15), White);
}

TEST(PainterDC, InsideFramePenStaysWithinTheRectangle)
{
    QImage img = WhiteImage(40, 40);
    {
        TPainterDC dc(&img);
        dc.SelectPen({PS_INSIDEFRAME, 3, Blue});
        dc.SelectBrush({BS_SOLID, Red, 0});
        dc.Rectangle({10, 10, 30, 30});
    }
    EXPECT_EQ(Px(img, 9, 20), White);
    EXPECT_EQ(Px(img, 10, 20), Blue);
    EXPECT_EQ(Px(img, 12, 20), Blue);
    EXPECT_EQ(Px(img, 13, 20), Red);
    EXPECT_EQ(Px(img, 26, 20), Red);
    EXPECT_EQ(Px(img, 27, 20), Blue);
    EXPECT_EQ(Px(img, 29, 20), Blue);
    EXPECT_EQ(Px(img, 30, 20), White);
    EXPECT_EQ(Px(img, 20, 29), Blue);
    EXPECT_EQ(Px(img, 20, 30), White);

    // A centred pen of even width leaves no gap between pen and brush.
    QImage even = WhiteImage(40, 40);
    {
        TPainterDC dc(&even);
        dc.SelectPen({PS_SOLID, 2, Blue});
        dc.SelectBrush({BS_SOLID, Red, 0});
        dc.Rectangle({10, 10, 30, 30});
    }
    for (int x = 10; x < 30; ++x)
        EXPECT_NE(Px(even, x, 20), White) << x;
    EXPECT_EQ(Px(even, 10, 20), Blue);
    EXPECT_EQ(Px(even, 20, 20), Red);
}

TEST(PainterDC, PensWiderThanTheDeviceTakesStayWide)
{
    // Qt takes no pen of 2^15 pixels or more: such a pen is as wide as it
    // can be, never a hairline.
    for (int width : {1 << 15, 1 << 20, std::numeric_limits<int>::max()}) {
        SCOPED_TRACE(width);
        QImage img = WhiteImage(40, 40);
        {
            TPainterDC dc(&img);
            dc.SelectPen({PS_SOLID, width, Blue});
            dc.MoveTo(0, 20);
            dc.LineTo(40, 20);
        }
        EXPECT_EQ(Px(img, 20, 20), Blue);
        EXPECT_EQ(Px(img, 20, 2), Blue);
    }
}

TEST(PainterDC, FillRectCoversLeftTopButNotRightBottom)
{
    QImage img = WhiteImage(40, 40);
    {
        TPainterDC dc(&img);
        dc.FillRect({30, 30, 10, 10}, {BS_SOLID, Blue, 0});  // corners given the other way round
    }
    EXPECT_EQ(Px(img, 10, 10), Blue);
    EXPECT_EQ(Px(img, 29, 29), Blue);
    EXPECT_EQ(Px(img, 30, 29), White);
    EXPECT_EQ(Px(img, 29, 30), White);
    EXPECT_EQ(Px(img, 9, 9), White);
}

TEST(PainterDC, NullPenAndNullBrushDrawNothing)
{
    QImage img = WhiteImage(40, 40);
    {
        TPainterDC dc(&img);
        dc.SelectPen({PS_NULL, 1, Black});
        dc.SelectBrush({BS_NULL, Red, 0});
        dc.Rectangle({5, 5, 30, 30});
        dc.Ellipse({5, 5, 30, 30});
        dc.MoveTo(0, 0);
        dc.LineTo(30, 30);
    }
    EXPECT_EQ(InkBounds(img), TRect{});
}

TEST(PainterDC, SourceAndDarkensWhiteToTheSourceGreyAndKeepsBlack)
{
    QImage img = WhiteImage(40, 40);
    QImage grey(1, 1, QImage::Format_RGB32);
    grey.fill(QColor(0x70, 0x70, 0x70));
    {
        TPainterDC dc(&img);
        dc.FillRect({0, 0, 10, 40}, {BS_SOLID, Black, 0});
        dc.StretchDIBits({0, 0, 30, 30}, {0, 0, 1, 1}, grey, SRCAND);
    }
    EXPECT_EQ(Px(img, 20, 20), RGB(0x70, 0x70, 0x70));
    EXPECT_EQ(Px(img, 5, 5), Black);
    EXPECT_EQ(Px(img, 30, 30), White);
    EXPECT_EQ(Px(img, 5, 35), Black);
}

TEST(PainterDC, SourceCopyStretchesTheImage)
{
    QImage img = WhiteImage(40, 40);
    QImage src(2, 2, QImage::Format_RGB32);
    src.setPixel(0, 0, qRgb(255, 0, 0));
    src.setPixel(1, 0, qRgb(255, 0, 0));
    src.setPixel(0, 1, qRgb(0, 0, 255));
    src.setPixel(1, 1, qRgb(0, 0, 255));
    {
        TPainterDC dc(&img);
        dc.StretchDIBits({0, 0, 20, 20}, {0, 0, 2, 2}, src, SRCCOPY);
    }
    EXPECT_EQ(Px(img, 5, 2), Red);
    EXPECT_EQ(Px(img, 5, 17), Blue);
    EXPECT_EQ(Px(img, 25, 5), White);
}

TEST(PainterDC, ImagesAreNeverMirrored)
{
    QImage src(1, 2, QImage::Format_RGB32);
    src.setPixel(0, 0, qRgb(255, 0, 0));
    src.setPixel(0, 1, qRgb(0, 0, 255));
    for (const TRect dest : {TRect{0, 0, 2540, -2540}, TRect{0, -2540, 2540, 0}}) {
        QImage img = WhiteImage(100, 100);
        {
            TPainterDC dc(&img);
            dc.SetMapMode(MM_HIMETRIC);
            dc.StretchDIBits(dest, {0, 0, 1, 2}, src, SRCCOPY);
        }
        EXPECT_EQ(Px(img, 50, 10), Red) << dest.Top;
        EXPECT_EQ(Px(img, 50, 90), Blue) << dest.Top;
    }
}

TEST(PainterDC, HatchedBrushDrawsLinesEightPixelsApart)
{
    QImage img = WhiteImage(32, 32);
    {
        TPainterDC dc(&img);
        dc.SetBkMode(TRANSPARENT);
        dc.FillRect({0, 0, 16, 32}, {BS_HATCHED, Blue, HS_HORIZONTAL});
        dc.FillRect({16, 0, 32, 32}, {BS_HATCHED, Blue, HS_VERTICAL});
    }
    int rows = 0, cols = 0;
    for (int y = 0; y < 32; ++y)
        rows += Px(img, 8, y) == Blue && Px(img, 0, y) == Blue ? 1 : 0;
    for (int x = 16; x < 32; ++x)
        cols += Px(img, x, 8) == Blue && Px(img, x, 0) == Blue ? 1 : 0;
    EXPECT_EQ(rows, 4);
    EXPECT_EQ(cols, 2);
    EXPECT_EQ(Px(img, 0, 3) == White || Px(img, 0, 4) == White, true);
}

TEST(PainterDC, DiagonalHatchesRunTheirWay)
{
    // Forward diagonal: top left to bottom right; backward: bottom left to
    // top right.
    for (const int hatch : {HS_FDIAGONAL, HS_BDIAGONAL}) {
        QImage img = WhiteImage(32, 32);
        {
            TPainterDC dc(&img);
            dc.SetBkMode(TRANSPARENT);
            dc.FillRect({0, 0, 32, 32}, {BS_HATCHED, Blue, hatch});
        }
        int x = 8;
        while (x < 16 && Px(img, x, 8) != Blue)
            ++x;
        ASSERT_LT(x, 16);
        const int dy = hatch == HS_FDIAGONAL ? 1 : -1;
        EXPECT_EQ(Px(img, x + 1, 8 + dy), Blue) << hatch;
        EXPECT_EQ(Px(img, x + 1, 8 - dy), White) << hatch;
    }
}

TEST(PainterDC, OpaqueHatchFillsTheGapsWithTheBackground)
{
    QImage img = WhiteImage(16, 16);
    {
        TPainterDC dc(&img);
        dc.SetBkMode(OPAQUE);
        dc.SetBkColor(Red);
        dc.FillRect({0, 0, 16, 16}, {BS_HATCHED, Blue, HS_CROSS});
    }
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_TRUE(Px(img, x, y) == Red || Px(img, x, y) == Blue) << x << "," << y;
}

TEST(PainterDC, XorPenDrawnTwiceErases)
{
    QImage img = WhiteImage(40, 40);
    {
        TPainterDC dc(&img);
        dc.SetROP2(R2_XORPEN);
        dc.SelectPen({PS_SOLID, 1, RGB(255, 255, 255)});
        dc.SelectBrush({BS_NULL, 0, 0});
        dc.Rectangle({5, 5, 30, 30});
        dc.Rectangle({5, 5, 30, 30});
    }
    EXPECT_EQ(InkBounds(img), TRect{});
}

TEST(PainterDC, NotModeInvertsAndNopKeeps)
{
    QImage img = WhiteImage(20, 20);
    {
        TPainterDC dc(&img);
        dc.SetROP2(R2_NOT);
        dc.MoveTo(0, 5);
        dc.LineTo(20, 5);
        dc.SetROP2(R2_NOP);
        dc.MoveTo(0, 10);
        dc.LineTo(20, 10);
        EXPECT_EQ(dc.SetROP2(0), 0);  // refused
        EXPECT_EQ(dc.State().ROP2, R2_NOP);
    }
    EXPECT_EQ(Px(img, 10, 5), Black);
    EXPECT_EQ(Px(img, 10, 10), White);
}

TEST(PainterDC, SetPixelAndGetPixel)
{
    QImage img = WhiteImage(10, 10);
    TPainterDC dc(&img);
    EXPECT_EQ(dc.SetPixel(3, 4, Red), Red);
    EXPECT_EQ(dc.GetPixel(3, 4), Red);
    EXPECT_EQ(dc.GetPixel(4, 4), White);
    EXPECT_EQ(dc.SetPixel(30, 4, Red), CLR_INVALID);
    EXPECT_EQ(dc.GetPixel(30, 4), CLR_INVALID);
}

TEST(PainterDC, DeviceCapsOfAnImage)
{
    QImage img = WhiteImage(200, 100);
    TPainterDC dc(&img);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 96);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 96);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 200);
    EXPECT_EQ(dc.GetDeviceCaps(VERTRES), 100);
    EXPECT_EQ(dc.GetDeviceCaps(HORZSIZE), 53);
    EXPECT_EQ(dc.GetDeviceCaps(NUMCOLORS), -1);
    EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASDISPLAY);
    EXPECT_EQ(dc.GetDeviceCaps(12345), 0);
    QImage mono(8, 8, QImage::Format_Mono);
    EXPECT_EQ(TPainterDC(&mono).GetDeviceCaps(NUMCOLORS), 2);
}

TEST(PainterDC, WithoutDeviceNothingIsDrawnAndNothingCrashes)
{
    TPainterDC dc(static_cast<QPaintDevice*>(nullptr));
    dc.Rectangle({0, 0, 10, 10});
    dc.ExtTextOut(0, 0, 0, nullptr, QStringLiteral("x"));
    EXPECT_EQ(dc.GetPixel(0, 0), CLR_INVALID);
    EXPECT_GT(dc.GetTextExtent(QStringLiteral("x")).cx, 0);
}

} // namespace

namespace {

TEST(PainterDC, HostileValuesDrawWithoutHarm)
{
    // What a damaged recording can ask for: nothing may hang, crash or
    // overflow.
    QImage img = WhiteImage(64, 64);
    QImage src(3, 3, QImage::Format_RGB32);
    src.fill(Qt::red);
    TPainterDC dc(&img);
    const int big = std::numeric_limits<int>::max(), small = std::numeric_limits<int>::min();
    for (const int mode : {MM_TEXT, MM_ANISOTROPIC, MM_ISOTROPIC}) {
        dc.SetMapMode(mode);
        dc.SetWindowExt(1, small);
        dc.SetViewportExt(big, 1);
        dc.SetWindowOrg(small, big);
        dc.SetViewportOrg(big, small);
        dc.SelectPen({PS_DASH, big, Red});
        dc.SelectBrush({BS_HATCHED, Blue, 77});
        TLogFont f;
        f.Height = small;
        f.Width = big;
        f.Escapement = big;
        f.Weight = big;
        dc.SelectFont(f);
        dc.IntersectClipRect({small, small, big, big});
        const TRegion odd = TRegion::FromRects({{small, small, big, big}, {big, big, small, small}});
        dc.ExtSelectClipRgn(&odd, RGN_XOR);
        dc.OffsetClipRgn(big, small);
        dc.MoveTo(small, small);
        dc.LineTo(big, big);
        dc.Rectangle({small, big, big, small});
        dc.Ellipse({small, small, big, big});
        dc.Polygon({{small, small}, {big, 0}, {0, big}});
        dc.Polyline({{small, small}, {big, 0}, {0, big}});
        dc.FillRect({small, small, big, big}, {BS_SOLID, Red, 0});
        dc.SetPixel(big, small, Red);
        dc.ExtTextOut(big, small, ETO_CLIPPED | ETO_OPAQUE, nullptr, QStringLiteral("Hostile"));
        const TRect r{small, small, big, big};
        const std::vector<int> dx(7, big);
        dc.ExtTextOut(0, 0, ETO_CLIPPED, &r, QStringLiteral("Hostile"), &dx);
        dc.StretchDIBits({small, small, big, big}, {small, small, big, big}, src, SRCCOPY);
        dc.StretchDIBits({0, 0, 10, 10}, {0, 0, 3, 3}, src, 0xDEADBEEF);
        (void)dc.GetTextExtent(QStringLiteral("Hostile"));
        (void)dc.GetTextMetrics();
        (void)dc.GetCharAdvances(QStringLiteral("Hostile"));
        TRect box;
        dc.GetClipBox(box);
        dc.SelectClipRgn(nullptr);
    }
    SUCCEED();
}

} // namespace

#include <QBuffer>
#include <QPdfWriter>

namespace {

TEST(PainterDC, FontsStretchedFarWiderThanHighStillDraw)
{
    // Small glyphs stretched forty times their height once overflowed the
    // glyph rasteriser underneath (and crashed it).
    for (const int height : {20, 38, 53, 63, 100}) {
        for (const int escapement : {0, 1800}) {
            SCOPED_TRACE(testing::Message() << height << " px, escapement " << escapement);
            QImage img = WhiteImage(300, 200);
            TPainterDC dc(&img);
            TLogFont f;
            f.FaceName = QStringLiteral("Times New Roman");
            f.Height = -height;
            f.Width = 40 * height;
            f.Escapement = f.Orientation = escapement;
            dc.SelectFont(f);
            dc.SetBkMode(TRANSPARENT);
            dc.ExtTextOut(150, 100, 0, nullptr, QStringLiteral("@&W%#M"));
            const std::vector<int> dx(6, 40);
            // Runs to the right, or upside down to the left.
            dc.ExtTextOut(escapement ? 290 : 10, escapement ? 50 : 150, 0, nullptr, QStringLiteral("@&W%#M"), &dx);
            bool inked = false;
            for (int y = 0; y < img.height() && !inked; ++y)
                for (int x = 0; x < img.width() && !inked; ++x) inked = img.pixel(x, y) != qRgb(255, 255, 255);
            EXPECT_TRUE(inked);
        }
    }
}

TEST(PainterDC, ClipsFollowTheStateFromDrawingToDrawing)
{
    // The painter's clip is changed only where it would cut a drawing:
    // each drawing still sees its own clip, whatever the one before had.
    QImage img = WhiteImage(200, 200);
    const TLogBrush red{BS_SOLID, Red, 0}, blue{BS_SOLID, Blue, 0};
    {
        TPainterDC dc(&img);
        dc.SelectPen({PS_NULL, 0, Black});
        dc.SetBkMode(TRANSPARENT);
        TLogFont f;
        f.FaceName = QStringLiteral("Arial");
        f.Height = -20;
        dc.SelectFont(f);
        const QString wide = QStringLiteral("WWWWWWWW");
        const std::vector<int> dx(size_t(wide.size()), 20);

        dc.IntersectClipRect({0, 0, 50, 50});
        dc.SelectBrush(red);
        dc.Rectangle({0, 0, 100, 100});  // cut to the clip
        dc.SelectClipRgn(nullptr);
        const TRect cell{100, 0, 200, 40};
        dc.ExtTextOut(100, 5, ETO_CLIPPED, &cell, QStringLiteral("W"), &dx);  // well inside
        dc.SelectBrush(blue);
        dc.Rectangle({0, 60, 100, 100});
        const TRect narrow{10, 110, 40, 140};
        dc.ExtTextOut(10, 110, ETO_CLIPPED, &narrow, wide, &dx);  // cut by its rectangle
        dc.FillRect({0, 150, 200, 160}, red);
        // A clip of two rectangles after drawing without one.
        dc.IntersectClipRect({0, 160, 200, 200});
        dc.ExcludeClipRect({90, 160, 110, 200});
        dc.FillRect({0, 160, 200, 200}, blue);
    }
    EXPECT_EQ(Px(img, 40, 40), Red);
    EXPECT_EQ(Px(img, 60, 40), White);
    EXPECT_EQ(Px(img, 40, 55), White);
    EXPECT_NE(InkBounds(img.copy(100, 0, 100, 40)), TRect{});
    EXPECT_EQ(Px(img, 60, 80), Blue);
    EXPECT_EQ(Px(img, 99, 99), Blue);
    EXPECT_NE(InkBounds(img.copy(10, 110, 30, 30)), TRect{});
    EXPECT_EQ(InkBounds(img.copy(40, 105, 160, 40)), TRect{});
    EXPECT_EQ(Px(img, 0, 150), Red);
    EXPECT_EQ(Px(img, 199, 159), Red);
    EXPECT_EQ(Px(img, 50, 180), Blue);
    EXPECT_EQ(Px(img, 100, 180), White);
    EXPECT_EQ(Px(img, 150, 180), Blue);
}

TEST(PainterDC, PdfOutputWithoutRasterOperations)
{
    // A vector device: raster operations fall back instead of failing.
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&out);
        pdf.setResolution(300);
        TPainterDC dc(&pdf);
        EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 300);
        EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
        dc.SetMapMode(MM_HIMETRIC);
        QImage grey(1, 1, QImage::Format_RGB32);
        grey.fill(QColor(0x70, 0x70, 0x70));
        dc.StretchDIBits({0, 0, 5000, -5000}, {0, 0, 1, 1}, grey, SRCAND);
        dc.SetROP2(R2_XORPEN);
        dc.Rectangle({0, 0, 2000, -2000});
        TLogFont f;
        f.FaceName = QStringLiteral("Times New Roman");
        f.Height = -423;
        f.Escapement = -450;
        dc.SelectFont(f);
        dc.ExtTextOut(1000, -1000, 0, nullptr, QStringLiteral("PDF"));
    }
    EXPECT_TRUE(out.data().startsWith("%PDF"));
}

} // namespace
