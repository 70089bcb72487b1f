// Cool bars: bands in rows holding a tool bar each, hidden bands, and
// bands moved by dragging their grips with the mouse.

#include "classlib/controls/coolbar.h"
#include "classlib/controls/form.h"
#include "classlib/controls/toolbar.h"
#include "classlib/core/sysutils.h"
#include "handlers.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

using testing::Bind;

// The designer's layout: Standard (22 high, 200 wide) and Components (30
// high) on one row of a self-sizing bar across a 500-pixel window.
struct TBands {
    TForm Form{nullptr};
    TCoolBar* Bar = new TCoolBar(&Form);
    TToolBar* Standard = new TToolBar(&Form);
    TToolBar* Components = new TToolBar(&Form);
    TCoolBand* First;
    TCoolBand* Second;
    int Changes = 0;

    TBands()
    {
        Form.SetBounds(0, 0, 500, 200);
        Standard->SetName(QStringLiteral("tbrStandard"));
        Components->SetName(QStringLiteral("tbrComponents"));
        Bar->SetParent(&Form);
        Bar->SetAlign(alTop);
        Bar->SetAutoSize(true);
        First = Bar->Bands()->Add();
        First->SetControl(Standard);
        First->SetMinHeight(22);
        First->SetWidth(200);
        Second = Bar->Bands()->Add();
        Second->SetControl(Components);
        Second->SetMinHeight(30);
        Second->SetBreak(false);
        Bind(Bar->OnChange, [this](TObject*) { ++Changes; });
        Form.Show();
    }

    // Presses the grip of Band, moves by (DX, DY) in steps, releases.
    void DragGrip(TCoolBand* Band, int DX, int DY)
    {
        QWidget* w = Bar->Widget();
        const QPoint from(Band->BandRect().Left + 5, Band->BandRect().Top + 5);
        QTest::mousePress(w, Qt::LeftButton, {}, from);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(w, from + QPoint(DX * step / 4, DY * step / 4));
        QTest::mouseRelease(w, Qt::LeftButton, {}, from + QPoint(DX, DY));
    }
};

TEST(CoolBar, BandsStandInRowsAndTheBarSizesItself)
{
    struct {
        const char* Name;
        bool SecondBreaks;
        bool FirstVisible;
        int Rows;
        int BarHeight;
        TRect StandardBounds;
        TRect ComponentsBounds;
    } cases[] = {
        {"one row", false, true, 1, 34, Rect(10, 2, 198, 32), Rect(210, 2, 498, 32)},
        {"two rows", true, true, 2, 26 + 34, Rect(10, 2, 498, 24), Rect(10, 28, 498, 58)},
        {"the first hidden", false, false, 1, 34, Rect(10, 2, 198, 32), Rect(10, 2, 498, 32)},
    };
    for (const auto& c : cases) {
        TBands b;
        b.Second->SetBreak(c.SecondBreaks);
        b.First->SetVisible(c.FirstVisible);
        EXPECT_EQ(b.Bar->RowCount(), c.Rows) << c.Name;
        EXPECT_EQ(b.Bar->Height(), c.BarHeight) << c.Name;
        EXPECT_EQ(b.Standard->Visible(), c.FirstVisible) << c.Name;
        if (c.FirstVisible)
            EXPECT_EQ(b.Standard->BoundsRect(), c.StandardBounds) << c.Name;
        else
            EXPECT_EQ(b.First->BandRect(), TRect{}) << c.Name;
        EXPECT_EQ(b.Components->BoundsRect(), c.ComponentsBounds) << c.Name;
    }
}

TEST(CoolBar, AHiddenBandComesBackAtItsWidth)
{
    TBands b;
    b.First->SetVisible(false);
    EXPECT_EQ(b.Second->BandRect(), Rect(0, 0, 500, 34));
    b.Second->SetVisible(false);
    EXPECT_EQ(b.Bar->RowCount(), 0);
    EXPECT_EQ(b.Bar->Height(), 0);
    b.First->SetVisible(true);
    EXPECT_EQ(b.Bar->Height(), 26);
    EXPECT_TRUE(b.Standard->Visible());
    EXPECT_FALSE(b.Components->Visible());
    b.Second->SetVisible(true);
    EXPECT_EQ(b.First->BandRect(), Rect(0, 0, 200, 34));
    EXPECT_EQ(b.Second->BandRect(), Rect(200, 0, 500, 34));
}

TEST(CoolBar, BandsKeepTheirSizesWithinBounds)
{
    TBands b;
    b.First->SetWidth(-5);
    EXPECT_EQ(b.First->Width(), CoolGripWidth + 2 * CoolBandMargin);
    b.First->SetWidth(1 << 30);
    EXPECT_EQ(b.First->Width(), 8192);
    b.First->SetMinHeight(0);
    EXPECT_EQ(b.First->MinHeight(), 1);
    // The last band of a row stays usable however wide the first is.
    EXPECT_GE(b.Second->BandRect().Width(), CoolGripWidth + 2 * CoolBandMargin);
}

TEST(CoolBar, DraggingAGripMovesItsBand)
{
    struct {
        const char* Name;
        bool Second;  // drag the second band, else the first
        int DX, DY;
        QList<TToolBar* TBands::*> Order;
        QList<bool> Breaks;
        int FirstWidth;  // of the band that ends up first
        int Rows;
    } cases[] = {
        {"left: the band before gets narrower", true, -50, 0,
         {&TBands::Standard, &TBands::Components}, {true, false}, 150, 1},
        {"right: wider", true, 40, 0, {&TBands::Standard, &TBands::Components}, {true, false}, 240, 1},
        {"past the band before: they change places", true, -199, 0,
         {&TBands::Components, &TBands::Standard}, {true, false}, 100, 1},
        {"below the row: a row of its own", true, 0, 40, {&TBands::Standard, &TBands::Components},
         {true, true}, 200, 2},
        {"above the bar: a row at the top", true, 0, -20, {&TBands::Components, &TBands::Standard},
         {true, true}, 100, 2},
        {"the first band along its row: nothing", false, 60, 0, {&TBands::Standard, &TBands::Components},
         {true, false}, 200, 1},
    };
    for (const auto& c : cases) {
        TBands b;
        b.DragGrip(c.Second ? b.Second : b.First, c.DX, c.DY);
        ASSERT_EQ(b.Bar->Bands()->Count(), 2);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(b.Bar->Bands()->Items(i)->Control(), b.*c.Order[i]) << c.Name << " band " << i;
            EXPECT_EQ(b.Bar->Bands()->Items(i)->Break(), c.Breaks[i]) << c.Name << " band " << i;
        }
        EXPECT_EQ(b.Bar->Bands()->Items(0)->Width(), c.FirstWidth) << c.Name;
        EXPECT_EQ(b.Bar->RowCount(), c.Rows) << c.Name;
        EXPECT_EQ(b.Changes > 0, c.Rows == 2 || c.FirstWidth != 200 || c.Order[0] != &TBands::Standard) << c.Name;
    }

    // And back: a band dragged up from its own row joins the row above.
    TBands b;
    b.DragGrip(b.Second, 0, 40);
    ASSERT_EQ(b.Bar->RowCount(), 2);
    b.DragGrip(b.Second, 250, -30);
    EXPECT_EQ(b.Bar->RowCount(), 1);
    EXPECT_EQ(b.Bar->Bands()->Items(1)->Control(), b.Components);
    EXPECT_EQ(b.Bar->Height(), 34);
}

TEST(CoolBar, AControlBelongsToOneBandAndAFreedOneLeavesNil)
{
    TBands b;
    b.First->SetControl(b.Components);  // taken from the second band
    EXPECT_EQ(b.Second->Control(), nullptr);
    EXPECT_EQ(b.Bar->Bands()->FindBand(b.Components), b.First);
    EXPECT_THROW(b.First->SetControl(b.Bar), EInvalidOperation);
    delete b.Components;
    EXPECT_EQ(b.First->Control(), nullptr);
    b.Bar->Bands()->Delete(0);  // a band that goes leaves its control on the bar
    EXPECT_EQ(b.Standard->Parent(), b.Bar);
    EXPECT_EQ(b.Bar->Bands()->Count(), 1);
}

TEST(CoolBar, GripsAreDrawnAtTheLeftOfEachBand)
{
    TBands b;
    const QImage img = b.Bar->Widget()->grab().toImage();
    const auto px = [&img](int X, int Y) {
        const QRgb c = img.pixel(X, Y);
        return RGB(qRed(c), qGreen(c), qBlue(c));
    };
    for (int left : {0, 200}) {
        EXPECT_EQ(px(left + 3, 10), ColorToRGB(clBtnHighlight)) << left;  // a ridge's lit side
        EXPECT_EQ(px(left + 5, 10), ColorToRGB(clBtnShadow)) << left;     // and its shaded side
    }
}

} // namespace
} // namespace classlib
