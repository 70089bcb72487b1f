#include "classlib/graphics/fontmapping.h"
#include "classlib/graphics/painterdc.h"

#include "imageprobe.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>

#include <gtest/gtest.h>

#include <cmath>

using namespace classlib;
using namespace classlib::test;

namespace {

TLogFont Arial(int Height, int Escapement = 0)
{
    TLogFont f;
    f.FaceName = QStringLiteral("Arial");
    f.Height = Height;
    f.Escapement = f.Orientation = Escapement;
    return f;
}

const QString Hello = QStringLiteral("Hello World");

// Draws Hello at the device pixel (X, Y) and returns the ink's bounds and
// the text's extent in pixels.
struct TInk {
    TRect Bounds;
    TSize Extent;
};

TInk DrawHello(int MapMode, int Escapement, unsigned Align = TA_LEFT | TA_TOP)
{
    QImage img = WhiteImage(300, 300);
    TInk ink;
    {
        TPainterDC dc(&img);
        dc.SetMapMode(MapMode);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextAlign(Align);
        // 20 pixels; in 0.01 mm: 20 * 2540 / 96
        const bool metric = MapMode == MM_HIMETRIC;
        dc.SelectFont(Arial(metric ? -529 : -20, Escapement));
        const TPoint ref = dc.DPtoLP(TPoint{150, 150});
        dc.ExtTextOut(ref.X, ref.Y, 0, nullptr, Hello);
        const TSize e = dc.GetTextExtent(Hello);
        const TPoint d = dc.LPtoDP(TPoint{e.cx, e.cy});
        const TPoint o = dc.LPtoDP(TPoint{0, 0});
        ink.Extent = {std::abs(d.X - o.X), std::abs(d.Y - o.Y)};
    }
    ink.Bounds = InkBounds(img);
    return ink;
}

TEST(Text, UnrotatedTextHangsBelowAndRightOfTheReference)
{
    const TInk ink = DrawHello(MM_TEXT, 0);
    EXPECT_GE(ink.Bounds.Left, 150);
    EXPECT_LE(ink.Bounds.Left, 153);
    EXPECT_GE(ink.Bounds.Top, 150);
    EXPECT_LE(ink.Bounds.Bottom, 150 + ink.Extent.cy);
    EXPECT_LE(ink.Bounds.Right, 150 + ink.Extent.cx + 1);
    EXPECT_GT(ink.Bounds.Width(), ink.Extent.cx * 8 / 10);
}

struct RotCase {
    const char* Name;
    int MapMode;
    int Escapement;
};

class RotatedText : public ::testing::TestWithParam<RotCase> {};

// Turned a quarter counter-clockwise on the page: reading upwards from the
// reference point, the glyphs' tops to the left... so the cell lies to the
// right of the reference point, above it.
TEST_P(RotatedText, QuarterTurnReadsUpwards)
{
    const RotCase& c = GetParam();
    const TInk ink = DrawHello(c.MapMode, c.Escapement);
    ASSERT_NE(ink.Bounds, TRect{});
    EXPECT_GE(ink.Bounds.Left, 149);
    EXPECT_LE(ink.Bounds.Right, 150 + ink.Extent.cy + 1);
    EXPECT_LE(ink.Bounds.Bottom, 151);
    EXPECT_GE(ink.Bounds.Top, 150 - ink.Extent.cx - 1);
    EXPECT_GT(ink.Bounds.Height(), ink.Extent.cx * 8 / 10);
    EXPECT_LT(ink.Bounds.Width(), ink.Extent.cy + 1);
}

// A y-up mapping mirrors the angle: the report's labels negate theirs.
INSTANTIATE_TEST_SUITE_P(Mappings, RotatedText,
    ::testing::Values(RotCase{"Text", MM_TEXT, 900}, RotCase{"HiMetric", MM_HIMETRIC, -900}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(Text, HalfTurnRunsLeftAboveTheReference)
{
    const TInk ink = DrawHello(MM_TEXT, 1800);
    EXPECT_LE(ink.Bounds.Right, 151);
    EXPECT_GE(ink.Bounds.Left, 150 - ink.Extent.cx - 1);
    EXPECT_LE(ink.Bounds.Bottom, 151);
    EXPECT_GE(ink.Bounds.Top, 150 - ink.Extent.cy - 1);
}

TEST(Text, FortyFiveDegreesRisesAsItRuns)
{
    const TInk ink = DrawHello(MM_TEXT, 450);
    const double run = ink.Extent.cx / std::sqrt(2.0);
    EXPECT_NEAR(ink.Bounds.Width(), run + ink.Extent.cy / std::sqrt(2.0), ink.Extent.cy);
    EXPECT_LT(ink.Bounds.Top, 150 - run + ink.Extent.cy);
    EXPECT_GE(ink.Bounds.Left, 149);
}

struct AlignCase {
    const char* Name;
    unsigned Align;
    bool InkLeftOfRef;
    bool InkAboveRef;
};

class TextAlign : public ::testing::TestWithParam<AlignCase> {};

TEST_P(TextAlign, ReferencePointFollowsTheFlags)
{
    const AlignCase& c = GetParam();
    const TInk ink = DrawHello(MM_TEXT, 0, c.Align);
    if (c.InkLeftOfRef)
        EXPECT_LE(ink.Bounds.Right, 151);
    else
        EXPECT_GE(ink.Bounds.Left, 149);
    if (c.InkAboveRef)
        EXPECT_LE(ink.Bounds.Bottom, 151);
    else
        EXPECT_GE(ink.Bounds.Top, 149);
}

INSTANTIATE_TEST_SUITE_P(Flags, TextAlign,
    ::testing::Values(AlignCase{"LeftTop", TA_LEFT | TA_TOP, false, false},
                      AlignCase{"RightTop", TA_RIGHT | TA_TOP, true, false},
                      AlignCase{"LeftBottom", TA_LEFT | TA_BOTTOM, false, true},
                      AlignCase{"RightBottom", TA_RIGHT | TA_BOTTOM, true, true}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(Text, CenteredTextStraddlesTheReference)
{
    const TInk ink = DrawHello(MM_TEXT, 0, TA_CENTER | TA_BASELINE);
    EXPECT_NEAR((ink.Bounds.Left + ink.Bounds.Right) / 2.0, 150, 3);
    EXPECT_LT(ink.Bounds.Top, 150);
}

TEST(Text, OpaqueBackgroundFillsTheCell)
{
    QImage img = WhiteImage(300, 100);
    TSize e;
    {
        TPainterDC dc(&img);
        dc.SetBkMode(OPAQUE);
        dc.SetBkColor(Red);
        dc.SelectFont(Arial(-20));
        dc.ExtTextOut(10, 10, 0, nullptr, Hello);
        e = dc.GetTextExtent(Hello);
    }
    EXPECT_EQ(Px(img, 10, 10), Red);
    EXPECT_NEAR(InkBounds(img).Width(), e.cx, 1);
    EXPECT_NEAR(InkBounds(img).Height(), e.cy, 1);
}

TEST(Text, ClippedAndOpaqueOptions)
{
    QImage img = WhiteImage(300, 100);
    {
        TPainterDC dc(&img);
        dc.SetBkMode(TRANSPARENT);
        dc.SetBkColor(Blue);
        dc.SelectFont(Arial(-40));
        const TRect r{10, 10, 40, 60};
        dc.ExtTextOut(10, 10, ETO_CLIPPED | ETO_OPAQUE, &r, Hello);
    }
    EXPECT_EQ(InkBounds(img), (TRect{10, 10, 40, 60}));
    EXPECT_EQ(Px(img, 39, 59), Blue);
}

TEST(Text, MeasuresAlikeInPixelsAndHundredthsOfAMillimetre)
{
    QImage img = WhiteImage(10, 10);
    TPainterDC dc(&img);
    dc.SelectFont(Arial(-20));
    const TSize px = dc.GetTextExtent(Hello);
    const TTextMetric tmPx = dc.GetTextMetrics();
    dc.SetMapMode(MM_HIMETRIC);
    dc.SelectFont(Arial(-529));
    const TSize mm = dc.GetTextExtent(Hello);
    EXPECT_NEAR(mm.cx, px.cx * 2540.0 / 96, 2540.0 / 96);
    EXPECT_NEAR(mm.cy, px.cy * 2540.0 / 96, 2540.0 / 96);
    const TTextMetric tm = dc.GetTextMetrics();
    EXPECT_EQ(tm.Height, tm.Ascent + tm.Descent);
    EXPECT_EQ(tm.Height, mm.cy);
    EXPECT_NEAR(tm.Height - tm.InternalLeading, 529, 2);
    EXPECT_EQ(tmPx.Height, px.cy);
}

TEST(Text, PositiveHeightSelectsTheCell)
{
    QImage img = WhiteImage(10, 10);
    TPainterDC dc(&img);
    dc.SelectFont(Arial(30));
    EXPECT_NEAR(dc.GetTextMetrics().Height, 30, 1);
    dc.SelectFont(Arial(-30));
    EXPECT_GT(dc.GetTextMetrics().Height, 31);
}

TEST(Text, AdvancesAddUpToTheExtent)
{
    QImage img = WhiteImage(10, 10);
    TPainterDC dc(&img);
    dc.SetMapMode(MM_HIMETRIC);
    dc.SelectFont(Arial(-423));
    const QString s = QStringLiteral("Wave AV \U0001F600 To");
    const std::vector<int> adv = dc.GetCharAdvances(s);
    ASSERT_EQ(adv.size(), size_t(s.size()));
    int sum = 0;
    for (int a : adv) {
        EXPECT_GE(a, 0);
        sum += a;
    }
    EXPECT_EQ(sum, dc.GetTextExtent(s).cx);
}

TEST(Text, AdvancesPlaceTheCharacters)
{
    // Spread advances draw the same text wider than its natural width.
    QImage img = WhiteImage(400, 60);
    {
        TPainterDC dc(&img);
        dc.SetBkMode(TRANSPARENT);
        dc.SelectFont(Arial(-20));
        const std::vector<int> dx(5, 40);
        dc.ExtTextOut(10, 10, 0, nullptr, QStringLiteral("IIIII"), &dx);
    }
    const TRect b = InkBounds(img);
    EXPECT_GE(b.Width(), 160);
    EXPECT_LE(b.Width(), 200);
}

// Whether any pixel of the band [From, To) along the baseline is inked:
// columns for level text, rows (counted upwards from Y0) for text turned
// a quarter.
bool InkAlong(const QImage& Img, bool Upwards, int Y0, int From, int To)
{
    for (int a = From; a < To; ++a)
        for (int b = 0; b < (Upwards ? Img.width() : Img.height()); ++b) {
            const int x = Upwards ? b : a, y = Upwards ? Y0 - a : b;
            if (Img.valid(x, y) && Px(Img, x, y) != White)
                return true;
        }
    return false;
}

struct AdvanceCase {
    const char* Name;
    int ViewportScale;  // device pixels per logical unit
    int Escapement;
};

class TextAdvances : public ::testing::TestWithParam<AdvanceCase> {};

TEST_P(TextAdvances, EachGlyphStandsAtItsAdvance)
{
    const AdvanceCase& c = GetParam();
    const bool up = c.Escapement == 900;
    QImage img = WhiteImage(up ? 60 : 260, up ? 260 : 60);
    const int start = 10;  // device pixels along the baseline
    {
        TPainterDC dc(&img);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetViewportExt(c.ViewportScale, c.ViewportScale);
        dc.SetBkMode(TRANSPARENT);
        dc.SelectFont(Arial(-20 / c.ViewportScale, c.Escapement));
        const std::vector<int> dx(4, 40 / c.ViewportScale);
        const int along = start / c.ViewportScale, across = 20 / c.ViewportScale;
        dc.ExtTextOut(up ? across : along, up ? (250 - start) / c.ViewportScale : across, 0, nullptr,
                      QStringLiteral("IIII"), &dx);
    }
    // The stem of each I a few pixels past its pen position, blank between.
    for (int k = 0; k < 4; ++k) {
        const int pen = start + 40 * k;
        EXPECT_TRUE(InkAlong(img, up, 250, pen, pen + 8)) << k;
        EXPECT_FALSE(InkAlong(img, up, 250, pen + 10, pen + 38)) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Placements, TextAdvances,
    ::testing::Values(AdvanceCase{"Level", 1, 0}, AdvanceCase{"Scaled", 2, 0},
                      AdvanceCase{"QuarterTurn", 1, 900}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(Text, CharactersTheFontLacksStillDraw)
{
    // A Han character and a surrogate pair: other faces, or the box for a
    // missing glyph, but ink in each character's cell either way.
    const QString s = QStringLiteral("A\u4E2DB\U0001F600C");
    QImage img = WhiteImage(260, 60);
    {
        TPainterDC dc(&img);
        dc.SetBkMode(TRANSPARENT);
        dc.SelectFont(Arial(-20));
        const std::vector<int> dx(size_t(s.size()), 40);
        dc.ExtTextOut(10, 20, 0, nullptr, s, &dx);
    }
    for (int cell : {10, 50, 90, 130, 210})
        EXPECT_TRUE(InkAlong(img, false, 0, cell, cell + 30)) << cell;
    EXPECT_FALSE(InkAlong(img, false, 0, 170, 208));  // the pair's second unit
}

TEST(Text, UnderlineRunsUnderSpreadText)
{
    QImage img = WhiteImage(200, 60);
    {
        TPainterDC dc(&img);
        dc.SetBkMode(TRANSPARENT);
        TLogFont f = Arial(-20);
        f.Underline = true;
        dc.SelectFont(f);
        const std::vector<int> dx(3, 40);
        dc.ExtTextOut(10, 10, 0, nullptr, QStringLiteral("I I"), &dx);
    }
    const TRect b = InkBounds(img);
    ASSERT_GT(b.Width(), 0);
    // The lowest inked row is the underline: unbroken from the first glyph
    // to the last.
    for (int x = b.Left + 2; x < 95; ++x)
        EXPECT_NE(Px(img, x, b.Bottom - 1), White) << x;
}

TEST(Text, UpdateCurrentPositionMovesAlong)
{
    QImage img = WhiteImage(300, 60);
    TPainterDC dc(&img);
    dc.SelectFont(Arial(-20));
    dc.SetTextAlign(TA_UPDATECP);
    dc.MoveTo(10, 10);
    dc.ExtTextOut(0, 0, 0, nullptr, Hello);
    EXPECT_EQ(dc.State().CurrentPos, (TPoint{10 + dc.GetTextExtent(Hello).cx, 10}));
}

struct PlainTextCase {
    const char* Name;
    int Pixels;  // em
    const char* Text;
    bool Spaced;  // drawn at given advances, as metafiles are played
};

class TextAsQtDrawsIt : public ::testing::TestWithParam<PlainTextCase> {};

TEST_P(TextAsQtDrawsIt, PixelForPixel)
{
    // The same pixels as Qt's own text drawing with the same face: at the
    // sizes reports use, and filled as outlines far beyond them.
    const PlainTextCase& c = GetParam();
    const QString text = QString::fromUtf8(c.Text);
    const int w = std::min(100 + c.Pixels * int(text.size()), 600), h = std::min(2 * c.Pixels + 20, 600);
    const QPoint base(10, std::min(c.Pixels + 10, h - 10));
    std::vector<int> dx;
    QImage ours = WhiteImage(w, h);
    {
        TPainterDC dc(&ours);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextAlign(TA_BASELINE);
        dc.SelectFont(Arial(-c.Pixels));
        for (qsizetype i = 0; i < text.size(); ++i)
            dx.push_back(dc.GetTextExtent(text.mid(i, 1)).cx + 3);
        dc.ExtTextOut(base.x(), base.y(), 0, nullptr, text, c.Spaced ? &dx : nullptr);
    }
    QImage qt = WhiteImage(w, h);
    {
        const auto resolved = ResolveFont(Arial(-c.Pixels), c.Pixels, 0, 96, 96);
        const QFont font(resolved->Font(96), &qt);
        QPainter p(&qt);
        p.setPen(Qt::black);
        if (c.Spaced) {
            const QRawFont raw = QRawFont::fromFont(font);
            const QList<quint32> glyphs = raw.glyphIndexesForString(text);
            QList<QPointF> at;
            double x = 0;
            for (int a : dx) {
                at.append(QPointF(x, 0));
                x += a;
            }
            QGlyphRun run;
            run.setRawFont(raw);
            run.setGlyphIndexes(glyphs);
            run.setPositions(at);
            p.drawGlyphRun(base, run);
        } else {
            p.setFont(font);
            p.drawText(base, text);
        }
    }
    EXPECT_NE(InkBounds(ours), TRect{});
    EXPECT_TRUE(ours == qt);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TextAsQtDrawsIt,
    ::testing::Values(PlainTextCase{"Small", 13, "Total: 1,234.50", false},
                      PlainTextCase{"SmallSpaced", 13, "Total: 1,234.50", true},
                      PlainTextCase{"Heading", 48, "Report", false},
                      PlainTextCase{"HeadingSpaced", 48, "Report", true},
                      PlainTextCase{"Poster", 400, "Ag", false},
                      PlainTextCase{"PosterSpaced", 400, "Ag", true},
                      PlainTextCase{"Wall", 2500, "Ag", false},
                      PlainTextCase{"WallSpaced", 2500, "Ag", true}),
    [](const auto& Info) { return std::string(Info.param.Name); });

} // namespace
