// Panels: the frame of bevels and border, where aligned children go, and
// the stored frame settings.

#include "classlib/controls/panel.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/writer.h"

#include <QImage>

#include <gtest/gtest.h>

namespace classlib {
namespace {

TColorRef Px(const QImage& Img, int X, int Y)
{
    const QRgb c = Img.pixel(X, Y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

TEST(Panel, AlignedChildrenKeepOffTheFrameAndPlacedOnesDoNot)
{
    struct {
        const char* Name;
        TBevelCut Outer, Inner;
        int BevelWidth, BorderWidth, Frame;
    } cases[] = {
        {"no frame", bvNone, bvNone, 1, 0, 0},
        {"raised outer bevel", bvRaised, bvNone, 1, 0, 1},
        {"status panel: lowered outer, border 2", bvLowered, bvNone, 1, 2, 3},
        {"both bevels two wide and a border", bvRaised, bvLowered, 2, 1, 5},
        {"a space counts as a bevel", bvSpace, bvSpace, 1, 0, 2},
    };
    for (const auto& c : cases) {
        TPanel panel(nullptr);
        panel.SetBounds(0, 0, 200, 65);
        panel.SetBevelOuter(c.Outer);
        panel.SetBevelInner(c.Inner);
        panel.SetBevelWidth(c.BevelWidth);
        panel.SetBorderWidth(c.BorderWidth);
        EXPECT_EQ(panel.FrameWidth(), c.Frame) << c.Name;

        auto* memo = new TCustomControl(&panel);
        memo->SetHeight(40);
        memo->SetParent(&panel);
        memo->SetAlign(alBottom);
        auto* label = new TCustomControl(&panel);
        label->SetBounds(23, 4, 50, 13);
        label->SetParent(&panel);
        const int f = c.Frame;
        EXPECT_EQ(memo->BoundsRect(), Rect(f, 65 - f - 40, 200 - f, 65 - f)) << c.Name;
        EXPECT_EQ(label->BoundsRect(), Rect(23, 4, 73, 17)) << c.Name;
    }
}

TEST(Panel, AChangedFrameRealignsAndOddValuesAreBounded)
{
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 100, 50);
    auto* fill = new TCustomControl(&panel);
    fill->SetParent(&panel);
    fill->SetAlign(alClient);
    EXPECT_EQ(fill->BoundsRect(), Rect(1, 1, 99, 49));
    panel.SetBorderWidth(4);
    EXPECT_EQ(fill->BoundsRect(), Rect(5, 5, 95, 45));
    panel.SetBevelOuter(bvNone);
    EXPECT_EQ(fill->BoundsRect(), Rect(4, 4, 96, 46));

    panel.SetBorderWidth(-3);
    panel.SetBevelWidth(0);
    EXPECT_EQ(panel.GetBorderWidth(), 0);
    EXPECT_EQ(panel.BevelWidth(), 1);
    // A frame wider than the panel leaves an empty area, not a negative one.
    panel.SetBorderWidth(1000);
    EXPECT_EQ(fill->Width(), 0);
    EXPECT_EQ(fill->Height(), 0);
    panel.Widget()->grab();  // paints without looping past the panel
}

TEST(Panel, DrawsTheOuterBevelThenTheBorderInItsColourThenTheInnerBevel)
{
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 40, 30);
    panel.SetColor(clWindow);
    panel.SetBevelOuter(bvLowered);
    panel.SetBorderWidth(2);
    panel.SetBevelInner(bvRaised);
    const QImage img = panel.Widget()->grab().toImage();
    EXPECT_EQ(Px(img, 0, 0), ColorToRGB(clBtnShadow));        // lowered: dark top left
    EXPECT_EQ(Px(img, 39, 29), ColorToRGB(clBtnHighlight));   // light bottom right
    EXPECT_EQ(Px(img, 1, 10), ColorToRGB(clWindow));          // the border
    EXPECT_EQ(Px(img, 2, 10), ColorToRGB(clWindow));
    EXPECT_EQ(Px(img, 3, 10), ColorToRGB(clBtnHighlight));    // raised inner bevel
    EXPECT_EQ(Px(img, 36, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Px(img, 20, 15), ColorToRGB(clWindow));         // the inside
}

TEST(Panel, ItsCaptionIsDrawnInTheMiddle)
{
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 120, 30);
    panel.SetColor(clWindow);
    panel.Font()->SetColor(clBlack);
    auto inked = [&panel](int From, int To) {
        const QImage img = panel.Widget()->grab().toImage();
        int n = 0;
        for (int x = From; x < To; ++x)
            for (int y = 5; y < 25; ++y) n += qRed(img.pixel(x, y)) < 128 ? 1 : 0;
        return n;
    };
    EXPECT_EQ(inked(2, 118), 0);
    panel.SetCaption(QStringLiteral("Designs"));
    EXPECT_GT(inked(40, 80), 0);
    EXPECT_EQ(inked(2, 20), 0);  // centred: nothing at the left edge
}

TEST(Panel, FrameSettingsAreStoredWhenNotDefaultAndReadBack)
{
    TPanel plain(nullptr);
    TMemoryStream plainStream;
    WriteComponentToStream(plainStream, &plain);
    for (const char* name : {"BevelInner", "BevelOuter", "BevelWidth", "BorderWidth"})
        EXPECT_FALSE(plainStream.Bytes().contains(name)) << name;

    TPanel panel(nullptr);
    panel.SetBevelInner(bvLowered);
    panel.SetBevelOuter(bvNone);
    panel.SetBevelWidth(3);
    panel.SetBorderWidth(2);
    TMemoryStream stream;
    WriteComponentToStream(stream, &panel);
    stream.SetPosition(0);
    TPanel copy(nullptr);
    ReadComponentFromStream(stream, &copy);
    EXPECT_EQ(copy.BevelInner(), bvLowered);
    EXPECT_EQ(copy.BevelOuter(), bvNone);
    EXPECT_EQ(copy.BevelWidth(), 3);
    EXPECT_EQ(copy.GetBorderWidth(), 2);
}

} // namespace
} // namespace classlib
