#include "designer/elements/label.h"
#include "designer/elements/panel.h"
#include "designer/tests/elements/elementtest.h"

#include "classlib/core/stringlist.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/font.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace designer;
using namespace designer::tests;

namespace {

TEST(Label, NewLabelSizesItselfAndTakesItsParentsFont)
{
    TQXLabel label(nullptr);
    EXPECT_TRUE(label.AutoSize());
    EXPECT_TRUE(label.ParentFont());
    EXPECT_FALSE(label.WordWrap());
    EXPECT_EQ(label.Alignment(), taLeftJustify);
    EXPECT_EQ(int(label.TextAngle()), 0);

    TTestPage page;
    auto* panel = page.Add<TQXPanel>(QStringLiteral("Panel1"));
    panel->Font()->SetName(QStringLiteral("Serif"));
    panel->Font()->SetHeight(-20);
    auto* inner = page.Add<TQXLabel>(QStringLiteral("Label1"), panel);
    EXPECT_EQ(inner->Font()->Height(), -20);
    EXPECT_TRUE(inner->ParentFont());
}

TEST(Label, RotationAndAlignmentExcludeEachOther)
{
    TQXLabel label(nullptr);
    label.SetTextAngle(TQXTextAngle(90));
    label.SetAlignment(taCenter);
    EXPECT_EQ(int(label.TextAngle()), 0);
    EXPECT_EQ(label.Alignment(), taCenter);
    label.SetTextAngle(TQXTextAngle(45));
    EXPECT_EQ(label.Alignment(), taLeftJustify);
    EXPECT_EQ(int(label.TextAngle()), 45);
    label.SetAlignment(taLeftJustify);  // left keeps the rotation
    EXPECT_EQ(int(label.TextAngle()), 45);
}

TEST(Label, LinesAreTheCaptionSplitAtLineBreaks)
{
    TQXLabel label(nullptr);
    TStringList lines;
    lines.Add(QStringLiteral("A"));
    lines.Add(QStringLiteral("B"));
    label.SetLines(&lines);
    EXPECT_EQ(label.Caption(), "A\r\nB");
    label.SetCaption(QStringLiteral("X\r\nY\r\nZ"));
    EXPECT_EQ(label.Lines()->Count(), 3);
    EXPECT_EQ(label.Lines()->Get(2), "Z");
    TStringList none;
    label.SetLines(&none);
    EXPECT_EQ(label.Caption(), "");
}

// The text's width and height in the label's font at the current zoom.
TSize Measured(TQXLabel& Label, const QString& Text)
{
    TCanvas& c = Label.MeasureCanvas();
    c.Font()->SetHeight(Label.DisplayFontHeight());
    return c.TextExtent(Text);
}

TEST(Label, AutoSizeMeasuresWithOneBlankMore)
{
    TZoomGuard guard(1.0);
    TTestPage page;
    auto* label = page.Add<TQXLabel>(QStringLiteral("Label1"));
    label->SetParentFont(false);
    label->Font()->SetHeight(-16);
    EXPECT_EQ(label->DisplayFontHeight(), -16);
    label->SetCaption(QStringLiteral("Hello"));
    const TSize size = Measured(*label, QStringLiteral("Hello "));
    EXPECT_EQ(label->Width(), size.cx);
    EXPECT_EQ(label->Height(), size.cy);
    EXPECT_EQ(label->QXWidth(), ToUnits(size.cx));

    // At zoom 2 the font is drawn twice as high.
    TZoomGuard twice(2.0);
    label->UpdateBounds();
    EXPECT_EQ(label->DisplayFontHeight(), -32);
    EXPECT_EQ(label->Width(), Measured(*label, QStringLiteral("Hello ")).cx);
}

TEST(Label, RightAlignedAutoSizeGrowsToTheLeft)
{
    TZoomGuard guard(1.0);
    TTestPage page;
    auto* label = page.Add<TQXLabel>(QStringLiteral("Label1"));
    label->SetAlignment(taRightJustify);
    label->SetCaption(QStringLiteral("A"));
    label->SetLeft(300);
    const int right = label->Left() + label->Width();
    label->SetCaption(QStringLiteral("A much longer text"));
    EXPECT_LT(label->Left(), 300);
    EXPECT_EQ(label->Left() + label->Width(), right);
    EXPECT_EQ(label->QXLeft(), ToUnits(label->Left()));

    label->SetAlignment(taLeftJustify);
    const int left = label->Left();
    label->SetCaption(QStringLiteral("B"));
    EXPECT_EQ(label->Left(), left);
}

TEST(Label, RotatedTextTakesItsTurnedBox)
{
    TZoomGuard guard(1.0);
    TTestPage page;
    auto* label = page.Add<TQXLabel>(QStringLiteral("Label1"));
    label->SetCaption(QStringLiteral("Turned text\r\nsecond line"));
    label->SetTextAngle(TQXTextAngle(90));
    // Only the first line turns.
    const TSize size = Measured(*label, QStringLiteral("Turned text "));
    EXPECT_EQ(label->Width(), size.cy);
    EXPECT_EQ(label->Height(), size.cx);
    for (int angle : {30, 135, 200, 300, 359}) {
        label->SetTextAngle(TQXTextAngle(angle));
        EXPECT_GT(label->Width(), 0) << angle;
        page.Widget()->show();
        Grab(*label);
    }
}

TEST(Label, NameShowsOnlyWithoutCaption)
{
    TZoomGuard guard(1.0);
    TFont nameFont;
    nameFont.SetSize(8);
    NameFont = &nameFont;
    ShowCaptions = true;
    TTestPage page;
    auto* label = page.Add<TQXLabel>(QStringLiteral("Label1"));
    label->SetAutoSize(false);
    label->SetQXWidth(4000);
    label->SetQXHeight(2000);
    page.Widget()->show();
    // Dark pixels inside the outline.
    const auto dark = [&] {
        const QImage image = Grab(*label);
        int n = 0;
        for (int y = 2; y < image.height() - 2; ++y)
            for (int x = 2; x < image.width() - 2; ++x) n += qGray(image.pixel(x, y)) < 128;
        return n;
    };
    EXPECT_GT(dark(), 0);
    label->SetCaption(QStringLiteral(" "));  // text, though nothing shows
    EXPECT_EQ(dark(), 0);
    ShowCaptions = false;
    label->SetCaption(QString());
    EXPECT_EQ(dark(), 0);
}

TEST(Label, WordWrapBreaksAtEveryWordWhenMeasuring)
{
    TZoomGuard guard(1.0);
    TTestPage page;
    auto* label = page.Add<TQXLabel>(QStringLiteral("Label1"));
    label->SetCaption(QStringLiteral("one two three"));
    const int oneLine = label->Height();
    label->SetWordWrap(true);
    EXPECT_GT(label->Height(), 2 * oneLine);
    EXPECT_LT(label->Width(), Measured(*label, QStringLiteral("one two")).cx);
}

} // namespace
