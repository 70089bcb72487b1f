#include "runtime/label.h"

#include "runtime/paper.h"
#include "runtime/report.h"
#include "runtime/tests/elementtree.h"
#include "runtime/tests/eventform.h"
#include "runtime/tests/pageloop.h"

#include "classlib/core/sysutils.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/drawtext.h"
#include "classlib/graphics/font.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;

namespace {

TEST(LabelFont, StoredPixelHeightBecomesHundredthsOfAMillimetre)
{
    struct {
        int Pixels;
        int Expected;
    } const cases[] = {
        {-27, -706},   // 20 pt
        {-11, -282},   // 8 pt
        {-13, -353},   // 9.75 pt reported as 10
        {-96, -2540},  // 72 pt: one inch
        {-12, -318},   // 9 pt: 317.5 goes to the even neighbour
        {-36, -952},   // 27 pt: 952.5 goes to the even neighbour
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Pixels);
        TQXLabel label(nullptr);
        label.QXFont()->SetHeight(c.Pixels);
        label.Loaded();
        EXPECT_EQ(label.QXFont()->Height(), c.Expected);
    }
}

TEST(LabelFont, CopyResetsThePointSize)
{
    TQXLabel label(nullptr);
    label.QXFont()->SetHeight(-27);
    label.Loaded();
    TQXLabel copy(nullptr);
    copy.Assign(&label);
    // 706 units are 529.5 "points" on the screen, 530 back to 707 units.
    EXPECT_EQ(copy.QXFont()->Height(), -MulDiv(label.QXFont()->Size(), ScreenPixelsPerInch, 72));
    EXPECT_EQ(copy.QXFont()->Height(), -707);
}

class LabelLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        dc.SetMapMode(MM_HIMETRIC);
        label.SetBounds(1000, 2000, 3000, 600);
        label.QXFont()->SetName(QStringLiteral("Liberation Sans"));
        label.QXFont()->SetHeight(-27);
        label.Loaded();
    }

    // What the text measures with the label's font, the way the label asks.
    TRect Measure(const QString& Text)
    {
        canvas.Font()->Assign(label.QXFont());
        TRect m{0, 0, 0, 0};
        DrawText(canvas, Text, m, DT_CALCRECT | DT_NOPREFIX);
        return m;
    }

    TPaintLogDC dc;
    TCanvas canvas{&dc};
    TQXLabel label{nullptr};
};

TEST_F(LabelLayout, AutoSizeFitsTheMeasuredTextPlusFrameAndShadow)
{
    label.SetCaption(QStringLiteral("Hello world"));
    label.SetAutoSize(true);
    label.Frame()->SetShape({fsLeft, fsTop});
    label.Frame()->SetWidth(50);
    label.Shadow()->SetShape(ssRightBottom);
    label.Shadow()->SetWidth(100);
    label.Process(canvas);
    const TRect m = Measure(QStringLiteral("Hello world "));  // one space more
    ASSERT_GT(m.Right, 0);
    ASSERT_LT(m.Bottom, 0);  // lines run downwards in the upward mapping
    EXPECT_EQ(label.QXWidth(), m.Right - m.Left + 50 + 100);
    EXPECT_EQ(label.QXHeight(), m.Top - m.Bottom + 50 + 100);
    EXPECT_EQ(label.QXLeft(), 1000);
    EXPECT_EQ(label.QXTop(), 2000);
}

TEST_F(LabelLayout, AutoSizeRightAlignedKeepsTheRightEdge)
{
    label.SetCaption(QStringLiteral("Right"));
    label.SetAutoSize(true);
    label.SetAlignment(taRightJustify);
    label.Frame()->SetShape({fsLeft});
    label.Frame()->SetWidth(40);
    label.Process(canvas);
    const TRect m = Measure(QStringLiteral("Right "));
    const int w = m.Right - m.Left;
    EXPECT_EQ(label.QXLeft(), 1000 + 3000 - 40 - w);
    EXPECT_EQ(label.QXWidth(), w + 40);
}

TEST_F(LabelLayout, AutoSizeOfRotatedText)
{
    struct {
        int Angle;
        bool Swapped;
    } const cases[] = {{90, true}, {270, true}, {-90, false}, {0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Angle);
        TQXLabel l(nullptr);
        l.SetBounds(0, 0, 10, 10);
        l.QXFont()->SetHeight(-27);
        l.SetTextAngle(c.Angle);
        l.Loaded();
        l.SetCaption(QStringLiteral("Turned text"));
        l.SetAutoSize(true);
        l.Process(canvas);
        canvas.Font()->Assign(l.QXFont());
        TRect m{0, 0, 0, 0};
        DrawText(canvas, QStringLiteral("Turned text "), m, DT_CALCRECT | DT_NOPREFIX);
        const int w = m.Right - m.Left, h = m.Top - m.Bottom;
        EXPECT_EQ(l.QXWidth(), c.Swapped ? h : w);
        EXPECT_EQ(l.QXHeight(), c.Swapped ? w : h);
    }
}

TEST_F(LabelLayout, AmpersandIsDrawnAsItIs)
{
    label.SetCaption(QStringLiteral("Fish & Chips &Co"));
    label.Paint(canvas);
    EXPECT_EQ(dc.Texts(), QStringList({"Fish & Chips &Co"}));
    EXPECT_TRUE(dc.Calls(QStringLiteral("LineTo")).empty());
    EXPECT_TRUE(dc.Calls(QStringLiteral("FillRect")).empty());
}

TEST_F(LabelLayout, UnrotatedTextIgnoresTheElementClip)
{
    label.SetCaption(QStringLiteral("Clipped?"));
    dc.IntersectClipRect({0, 0, 10, -10});
    label.Paint(canvas);
    const auto texts = dc.Calls(QStringLiteral("Text"));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_FALSE(texts[0]->Clip.has_value());
    // The clip is back afterwards.
    EXPECT_TRUE(dc.State().Clip.has_value());
}

TEST_F(LabelLayout, WordWrapBreaksWithinTheContentWidth)
{
    label.SetCaption(QStringLiteral("alpha beta gamma"));
    label.SetWordWrap(true);
    const int oneWord = Measure(QStringLiteral("gamma ")).Right;
    label.SetBounds(0, 0, oneWord + 10, 5000);
    label.Paint(canvas);
    EXPECT_EQ(dc.Texts().size(), 3);
    label.SetWordWrap(false);
    dc.Log.clear();
    label.Paint(canvas);
    EXPECT_EQ(dc.Texts().size(), 1);
}

TEST_F(LabelLayout, RotatedTextOffsets)
{
    struct {
        int Angle;
        const char* Row;
    } const cases[] = {
        {30, "below 90"}, {-30, "below 90"}, {90, "90 to 180"}, {180, "90 to 180"},
        {200, "181 to 270"}, {270, "181 to 270"}, {315, "above 270"}, {400, "above 270"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Angle);
        TQXLabel l(nullptr);
        l.SetBounds(0, 0, 2000, 1500);
        l.QXFont()->SetHeight(-27);
        l.SetTextAngle(c.Angle);
        l.Loaded();
        l.SetCaption(QStringLiteral("First line\r\nSecond line"));
        dc.Log.clear();
        l.Paint(canvas);
        const auto texts = dc.Calls(QStringLiteral("Text"));
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0]->Text, "First line");  // only the first line turns
        EXPECT_EQ(texts[0]->Font.Escapement, -10 * c.Angle);
        EXPECT_EQ(texts[0]->Font.Orientation, -10 * c.Angle);
        EXPECT_EQ(dc.State().Font.Escapement, 0);  // the unrotated font is back

        canvas.Font()->Assign(l.QXFont());
        TRect m{0, 0, 0, 0};
        DrawText(canvas, QStringLiteral("First line"), m, DT_CALCRECT | DT_NOPREFIX);
        const double tw = m.Right - m.Left, th = m.Bottom - m.Top;
        const double rad = c.Angle * M_PI / 180;
        const double s = std::fabs(std::sin(rad)), co = std::fabs(std::cos(rad));
        const QString row = QString::fromLatin1(c.Row);
        TPoint expected;
        if (row == "below 90") expected = {0, -int(std::nearbyint(tw * s))};
        if (row == "above 270") expected = {-int(std::nearbyint(th * s)), 0};
        if (row == "90 to 180") expected = {int(std::nearbyint(tw * co)), -1500};
        if (row == "181 to 270") expected = {2000, int(std::nearbyint(th * co))};
        EXPECT_EQ(texts[0]->P, expected);
    }
}

TEST(LabelData, EachPageAsksWithTheDesignedCaption)
{
    std::unique_ptr<TQXPaper> paper(NewA4Paper());
    TQXReport report(nullptr);
    paper->SetReport(&report);
    auto* label = AddElement<TQXLabel>(paper.get(), nullptr, QStringLiteral("Total"), {0, 0, 5000, 500});
    label->SetCaption(QStringLiteral("Designed"));
    TEventForm form(nullptr);
    form.Bind(label);
    QStringList received;
    form.Text = [&](const QString&, const QString& current) {
        received << current;
        return QStringLiteral("Page value %1").arg(received.size());
    };
    TPaintLogDC dc;
    TCanvas canvas(&dc);
    for (int page = 0; page < 2; ++page) {
        paper->Process(canvas);
        EXPECT_EQ(label->Caption(), QStringLiteral("Page value %1").arg(page + 1));
        paper->Reset();
    }
    EXPECT_EQ(received, QStringList({"Designed", "Designed"}));
    EXPECT_EQ(label->Caption(), "Designed");

    // Static: the caption stays as designed.
    label->SetStatic(true);
    paper->Process(canvas);
    EXPECT_EQ(label->Caption(), "Designed");
}

} // namespace
