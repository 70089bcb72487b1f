#include "classlib/graphics/drawtext.h"

#include "classlib/graphics/canvas.h"
#include "classlib/graphics/painterdc.h"

#include "imageprobe.h"

#include <gtest/gtest.h>

#include <limits>
#include <numeric>

using namespace classlib;
using namespace classlib::test;

namespace {

class DrawTextTest : public ::testing::Test {
protected:
    DrawTextTest() : img(WhiteImage(400, 300)), dc(&img)
    {
        TLogFont f;
        f.FaceName = QStringLiteral("Arial");
        f.Height = -16;
        dc.SelectFont(f);
        dc.SetBkMode(TRANSPARENT);
    }
    int W(const char* S) { return dc.GetTextExtent(QString::fromUtf8(S)).cx; }
    int LineH() { return dc.GetTextMetrics().Height; }
    int Calc(const char* S, TRect& R, unsigned Flags)
    {
        return DrawText(dc, QString::fromUtf8(S), R, Flags | DT_CALCRECT);
    }

    QImage img;
    TPainterDC dc;
};

TEST_F(DrawTextTest, ZeroWidthRectangleGivesOneWordALine)
{
    TRect r{10, 20, 10, 20};
    const int h = Calc("one two three", r, DT_WORDBREAK | DT_NOPREFIX);
    EXPECT_EQ(h, 3 * LineH());
    EXPECT_EQ(r, (TRect{10, 20, 10 + std::max({W("one"), W("two"), W("three")}), 20 + 3 * LineH()}));
}

TEST_F(DrawTextTest, BreaksBeforeTheWordThatCrossesTheEdge)
{
    TRect r{0, 0, W("one two"), 0};
    EXPECT_EQ(Calc("one two three", r, DT_WORDBREAK), 2 * LineH());
    EXPECT_EQ(r.Right, W("one two"));
    TRect wide{0, 0, W("one two three"), 0};
    EXPECT_EQ(Calc("one two three", wide, DT_WORDBREAK), LineH());
    TRect narrower{0, 0, W("one two three") - 1, 0};
    EXPECT_EQ(Calc("one two three", narrower, DT_WORDBREAK), 2 * LineH());
}

TEST_F(DrawTextTest, LongWordKeepsItsOwnLineUnbroken)
{
    TRect r{0, 0, 20, 0};
    EXPECT_EQ(Calc("a incomprehensibilities b", r, DT_WORDBREAK), 3 * LineH());
    EXPECT_EQ(r.Right, W("incomprehensibilities"));
}

TEST_F(DrawTextTest, SpacesAtABreakAreDropped)
{
    TRect r{0, 0, W("one"), 0};
    EXPECT_EQ(Calc("one      two", r, DT_WORDBREAK), 2 * LineH());
    EXPECT_EQ(r.Right, W("one"));
}

TEST_F(DrawTextTest, ExplicitLineBreaks)
{
    TRect r{0, 0, 300, 0};
    EXPECT_EQ(Calc("a\r\nb\nc\rd", r, 0), 4 * LineH());
    TRect blank{0, 0, 300, 0};
    EXPECT_EQ(Calc("a\r\n\r\nb", blank, DT_WORDBREAK), 3 * LineH());
    TRect single{0, 0, 300, 0};
    EXPECT_EQ(Calc("a\r\nb", single, DT_SINGLELINE), LineH());
    EXPECT_EQ(single.Right, W("ab"));
}

TEST_F(DrawTextTest, PrefixAmpersands)
{
    TRect r{0, 0, 0, 0};
    Calc("&File && more", r, DT_SINGLELINE);
    EXPECT_EQ(r.Right, W("File & more"));
    TRect raw{0, 0, 0, 0};
    Calc("&File && more", raw, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(raw.Right, W("&File && more"));
}

TEST_F(DrawTextTest, ExpandedTabsReachTheNextStop)
{
    TRect r{0, 0, 0, 0};
    Calc("a\tb", r, DT_SINGLELINE | DT_EXPANDTABS);
    const int stop = 8 * dc.GetTextMetrics().AveCharWidth;
    EXPECT_EQ(r.Right, stop + W("b"));
}

TEST_F(DrawTextTest, EmptyTextHasNoHeight)
{
    TRect r{5, 5, 50, 50};
    EXPECT_EQ(Calc("", r, DT_WORDBREAK), 0);
    EXPECT_EQ(r, (TRect{5, 5, 5, 5}));
}

TEST_F(DrawTextTest, HiMetricExtendsDownwards)
{
    dc.SetMapMode(MM_HIMETRIC);
    TLogFont f;
    f.FaceName = QStringLiteral("Arial");
    f.Height = -423;
    dc.SelectFont(f);
    TRect r{0, 0, 0, 0};
    const int h = Calc("two words", r, DT_WORDBREAK);
    EXPECT_EQ(h, 2 * LineH());
    EXPECT_EQ(r.Bottom, -h);
    EXPECT_GT(r.Right, 0);
}

struct AlignCase {
    const char* Name;
    unsigned Flags;
    int ExpectedCentreX;  // of the ink, in the 100..300 rectangle
};

class DrawTextAlign : public DrawTextTest, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(DrawTextAlign, PlacesEachLine)
{
    const AlignCase& c = GetParam();
    TRect r{100, 10, 300, 200};
    const int w = W("MMMM");
    DrawText(dc, QStringLiteral("MMMM"), r, c.Flags);
    dc.EndPaint();
    const TRect ink = InkBounds(img);
    const int expected = c.ExpectedCentreX == 0 ? 100 + w / 2 : c.ExpectedCentreX == 2 ? 300 - w / 2 : 200;
    EXPECT_NEAR((ink.Left + ink.Right) / 2.0, expected, 3);
    EXPECT_GE(ink.Top, 10);
    EXPECT_LT(ink.Bottom, 10 + LineH() + 1);
}

INSTANTIATE_TEST_SUITE_P(Flags, DrawTextAlign,
    ::testing::Values(AlignCase{"Left", DT_LEFT, 0}, AlignCase{"Center", DT_CENTER, 1},
                      AlignCase{"Right", DT_RIGHT, 2}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(DrawTextTest, VerticalCentreAndBottomOfASingleLine)
{
    TRect r{0, 0, 200, 100};
    const int h = LineH();
    EXPECT_EQ(DrawText(dc, QStringLiteral("x"), r, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT), h);
    TRect c{0, 0, 200, 100};
    EXPECT_EQ(DrawText(dc, QStringLiteral(""), c, DT_SINGLELINE | DT_VCENTER), 0);
    EXPECT_EQ(DrawText(dc, QStringLiteral(" "), c, DT_SINGLELINE | DT_VCENTER), (100 - h) / 2 + h);
    TRect b{0, 0, 200, 100};
    EXPECT_EQ(DrawText(dc, QStringLiteral("x"), b, DT_SINGLELINE | DT_BOTTOM), 100);
    dc.EndPaint();
    const TRect ink = InkBounds(img);
    EXPECT_GT(ink.Top, 100 - h - 1);
    EXPECT_LE(ink.Bottom, 100);
}

TEST_F(DrawTextTest, ClipsToTheRectangleUnlessAskedNotTo)
{
    TRect r{10, 10, 30, 30};
    DrawText(dc, QStringLiteral("clipped text"), r, DT_SINGLELINE);
    TRect r2{10, 100, 30, 120};
    DrawText(dc, QStringLiteral("free text"), r2, DT_SINGLELINE | DT_NOCLIP);
    dc.EndPaint();
    QImage top = img.copy(0, 0, 400, 50);
    EXPECT_LE(InkBounds(top).Right, 30);
    QImage bottom = img.copy(0, 90, 400, 50);
    EXPECT_GT(InkBounds(bottom).Right, 40);
}

TEST_F(DrawTextTest, ThroughACanvasUsesItsFont)
{
    TCanvas canvas(&dc);
    canvas.Font()->SetHeight(-30);
    TRect r{0, 0, 0, 0};
    DrawText(canvas, QStringLiteral("x"), r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(r.Bottom, canvas.TextHeight(QStringLiteral("x")));
    EXPECT_GT(r.Bottom, 30);
}

} // namespace

namespace {

TEST_F(DrawTextTest, ExtremeRectanglesDoNotOverflow)
{
    const int big = std::numeric_limits<int>::max(), small = std::numeric_limits<int>::min();
    for (const unsigned flags : {0u, DT_WORDBREAK | DT_CENTER, DT_SINGLELINE | DT_BOTTOM | DT_RIGHT,
                                 DT_EXPANDTABS | DT_CALCRECT | DT_WORDBREAK}) {
        TRect r{big, small, small, big};
        DrawText(dc, QStringLiteral("a &b\tc d\r\ne"), r, flags);
        TRect s{small, big, big, small};
        DrawText(dc, QStringLiteral("a &b\tc d\r\ne"), s, flags);
    }
    SUCCEED();
}

} // namespace

namespace {

TEST_F(DrawTextTest, LongParagraphKeepsEveryWordAndEachLineFits)
{
    QString text;
    for (int i = 0; i < 2000; ++i)
        text += QStringLiteral("w%1 ").arg(i * 7919 % 100000);
    text += QStringLiteral("incomprehensibilitiesincomprehensibilitiesincomprehensibilities end");
    TRect r{0, 0, 300, 0};
    const int h = DrawText(dc, text, r, DT_WORDBREAK | DT_CALCRECT);
    const int lines = h / LineH();
    EXPECT_GT(lines, 20);
    EXPECT_EQ(r.Right, W("incomprehensibilitiesincomprehensibilitiesincomprehensibilities"));

    // The same breaking, line by line: each line is the longest that fits.
    QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int counted = 0;
    while (!words.isEmpty()) {
        QString line = words.takeFirst();
        while (!words.isEmpty() && W(qPrintable(line + QLatin1Char(' ') + words.first())) <= 300)
            line += QLatin1Char(' ') + words.takeFirst();
        ++counted;
    }
    EXPECT_EQ(lines, counted);
}


TEST_F(DrawTextTest, TheSameTextMeasuresAnewInAnotherFontOrMapping)
{
    // Measuring remembers the last text; a change of font or scale must not
    // answer from that memory.
    const QString text = QStringLiteral("Wide words");
    const int small = dc.GetTextExtent(text).cx;
    for (int round = 0; round < 3; ++round) {  // fonts freed and made again
        TLogFont big = dc.State().Font;
        big.Height = -32 - round;
        dc.SelectFont(big);
        const int wide = dc.GetTextExtent(text).cx;
        EXPECT_GT(wide, small);
        const std::vector<int> adv = dc.GetCharAdvances(text);
        EXPECT_EQ(std::accumulate(adv.begin(), adv.end(), 0), wide);
        TLogFont back = big;
        back.Height = -16;
        dc.SelectFont(back);
        EXPECT_EQ(dc.GetTextExtent(text).cx, small);
    }
    dc.SetMapMode(MM_HIMETRIC);
    TLogFont hi = dc.State().Font;
    hi.Height = -423;  // about 16 pixels
    dc.SelectFont(hi);
    EXPECT_GT(dc.GetTextExtent(text).cx, 10 * small);
}

} // namespace
