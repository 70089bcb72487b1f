// Status bars: panels side by side, owner-drawn panels, the simple mode,
// and the size grip dragged with the mouse.

#include "classlib/controls/form.h"
#include "classlib/controls/statusbar.h"
#include "handlers.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

using testing::Bind;

TColorRef Px(const QImage& Img, int X, int Y)
{
    const QRgb c = Img.pixel(X, Y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// The designer's bar: a hint panel, then "Page" (120) and "Zoom" (70),
// both owner-drawn with a red square and their text.
struct TBottom {
    TForm Form{nullptr};
    TStatusBar* Bar = new TStatusBar(&Form);
    QList<std::pair<TStatusPanel*, TRect>> Drawn;

    TBottom()
    {
        Form.SetBounds(0, 0, 400, 100);
        Bar->SetParent(&Form);
        for (int width : {210, 120, 70}) {
            TStatusPanel* p = Bar->Panels()->Add();
            p->SetWidth(width);
        }
        Bar->Panels()->Items(0)->SetText(QStringLiteral("Creates a new report"));
        for (int i : {1, 2})
            Bar->Panels()->Items(i)->SetStyle(psOwnerDraw);
        Bar->Panels()->Items(1)->SetText(QStringLiteral("Page1"));
        Bar->Panels()->Items(2)->SetText(QStringLiteral("100%"));
        Bind(Bar->OnDrawPanel, [this](TStatusBar* StatusBar, TStatusPanel* Panel, TRect R) {
            Drawn << std::pair{Panel, R};
            TCanvas& c = *StatusBar->Canvas();
            c.Brush()->SetColor(clRed);
            c.FillRect(Rect(R.Left, R.Top, R.Left + 8, R.Top + 8));
            c.Brush()->SetStyle(bsClear);
            c.TextOut(R.Left + 12, R.Top + 1, Panel->Text());
        });
        Form.Show();
    }
    QImage Face() const { return Bar->Widget()->grab().toImage(); }
};

TEST(StatusBar, SitsAtTheBottomWithItsPanelsSideBySide)
{
    TBottom b;
    EXPECT_EQ(b.Bar->BoundsRect(), Rect(0, 100 - 19, 400, 100));
    EXPECT_EQ(b.Bar->PanelRect(0), Rect(1, 3, 209, 18));
    EXPECT_EQ(b.Bar->PanelRect(1), Rect(213, 3, 331, 18));
    EXPECT_EQ(b.Bar->PanelRect(2), Rect(335, 3, 399, 18));  // the last reaches the end
    EXPECT_EQ(b.Bar->PanelRect(3), TRect{});
    EXPECT_EQ(b.Bar->PanelRect(-1), TRect{});
}

TEST(StatusBar, OwnerDrawnPanelsAreDrawnByTheEvent)
{
    TBottom b;
    const QImage face = b.Face();
    ASSERT_EQ(b.Drawn.size(), 2);
    EXPECT_EQ(b.Drawn[0].first, b.Bar->Panels()->Items(1));
    EXPECT_EQ(b.Drawn[0].second, b.Bar->PanelRect(1));
    EXPECT_EQ(b.Drawn[1].first, b.Bar->Panels()->Items(2));
    EXPECT_EQ(Px(face, 215, 5), ColorToRGB(clRed));
    EXPECT_EQ(Px(face, 337, 5), ColorToRGB(clRed));
    EXPECT_NE(Px(face, 3, 5), ColorToRGB(clRed));  // a text panel is not the event's
    // Sunken bevels: shadow above, highlight below.
    EXPECT_EQ(Px(face, 100, 2), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Px(face, 100, 18), ColorToRGB(clBtnHighlight));

    // A change of a panel repaints it.
    b.Drawn.clear();
    b.Bar->Panels()->Items(2)->SetText(QStringLiteral("156%"));
    b.Face();
    ASSERT_FALSE(b.Drawn.isEmpty());
    EXPECT_EQ(b.Drawn.last().first->Text(), QStringLiteral("156%"));
}

TEST(StatusBar, TheSimpleModeShowsOneTextAcross)
{
    TBottom b;
    const QImage panels = b.Face();
    b.Drawn.clear();
    b.Bar->SetSimpleText(QStringLiteral("Ready"));
    b.Bar->SetSimplePanel(true);
    const QImage simple = b.Face();
    EXPECT_TRUE(b.Drawn.isEmpty());
    EXPECT_EQ(Px(simple, 215, 5), ColorToRGB(clBtnFace));  // no owner-drawn panels
    EXPECT_EQ(Px(simple, 210, 2), ColorToRGB(clBtnShadow));  // one bevel across
    EXPECT_EQ(b.Bar->PanelRect(1), TRect{});
    b.Bar->SetSimplePanel(false);
    EXPECT_EQ(b.Face(), panels);
}

TEST(StatusBar, TheGripSizesASizeableWindow)
{
    struct {
        const char* Name;
        TFormBorderStyle Style;
        bool SizeGrip;
        bool Shows;
    } cases[] = {
        {"a sizeable window", bsSizeable, true, true},
        {"grip switched off", bsSizeable, false, false},
        {"a dialog", bsDialog, true, false},
    };
    for (const auto& c : cases) {
        TBottom b;
        b.Form.SetBorderStyle(c.Style);
        b.Bar->SetSizeGrip(c.SizeGrip);
        EXPECT_EQ(b.Bar->GripShowing(), c.Shows) << c.Name;
        const QImage face = b.Face();
        EXPECT_EQ(Px(face, 396, 17) == ColorToRGB(clBtnShadow), c.Shows) << c.Name;

        QWidget* w = b.Bar->Widget();
        const QPoint from(395, 15);
        QTest::mousePress(w, Qt::LeftButton, {}, from);
        QTest::mouseMove(w, from + QPoint(30, 20));
        QTest::mouseRelease(w, Qt::LeftButton, {}, from + QPoint(30, 20));
        EXPECT_EQ(b.Form.Width(), c.Shows ? 430 : 400) << c.Name;
        EXPECT_EQ(b.Form.Height(), c.Shows ? 120 : 100) << c.Name;
    }
}

TEST(StatusBar, PanelWidthsStayWithinBounds)
{
    TBottom b;
    b.Bar->Panels()->Items(0)->SetWidth(-20);
    EXPECT_EQ(b.Bar->Panels()->Items(0)->Width(), 0);
    b.Bar->Panels()->Items(1)->SetWidth(1 << 30);
    EXPECT_EQ(b.Bar->Panels()->Items(1)->Width(), 8192);
    b.Face();  // panels beyond the bar are not drawn
    EXPECT_TRUE(b.Drawn.size() == 1 && b.Drawn[0].first == b.Bar->Panels()->Items(1));
}

} // namespace
} // namespace classlib
