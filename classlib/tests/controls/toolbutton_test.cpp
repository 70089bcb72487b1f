// Tool button styles, driven with the mouse: check buttons and their
// groups, drop-down buttons and their menus, gaps between buttons, and a
// descendant that draws over the button.

#include "classlib/controls/form.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/toolbar.h"
#include "classlib/core/classbuilder.h"

#include <QImage>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

class TBarForm : public TForm {
    QX_CLASS(TBarForm, TForm)
public:
    using TForm::TForm;
    void btnClick(TObject* Sender) { Clicks << Sender; }
    QList<TObject*> Clicks;
};

} // namespace

const TClassInfo& TBarForm::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TBarForm>("TBarForm").Method("btnClick", &TBarForm::btnClick).Build();
    return info;
}

namespace {

TColorRef Px(const QImage& Img, int X, int Y)
{
    const QRgb c = Img.pixel(X, Y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// Draws a frame inside itself while down and marked, as a palette tool
// that stays selected does.
class TFramedButton : public TToolButton {
public:
    using TToolButton::TToolButton;
    bool Marked = false;

protected:
    void Paint() override
    {
        TToolButton::Paint();
        if (!Marked || !Down())
            return;
        TCanvas& c = *Canvas();
        c.Pen()->SetColor(clBlue);
        c.Brush()->SetStyle(bsClear);
        const TRect r = ClientRect();
        c.Rectangle(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
    }
};

// A flat bar: Arrow, Band, Label (a group of check buttons), a divider,
// Grid (a check button of its own), a separator, Open (drop-down).
struct TBar {
    TBarForm Form{nullptr};
    QList<TObject*>& Clicks = Form.Clicks;
    TToolBar* Bar = new TToolBar(&Form);
    TFramedButton* Arrow = Add(tbsCheck, true);
    TFramedButton* Band = Add(tbsCheck, true);
    TFramedButton* Label = Add(tbsCheck, true);
    TFramedButton* Divider = Add(tbsDivider, false);
    TFramedButton* Grid = Add(tbsCheck, false);
    TFramedButton* Gap = Add(tbsSeparator, false);
    TFramedButton* Open = Add(tbsDropDown, false);
    TPopupMenu* Recent = new TPopupMenu(&Form);

    TBar()
    {
        Form.SetBounds(0, 0, 400, 60);
        Bar->SetParent(&Form);
        Bar->SetAlign(alTop);
        Bar->SetFlat(true);
        Bar->SetEdgeBorders({});
        Bar->SetButtonWidth(24);
        Bar->SetShowHint(true);
        Arrow->SetDown(true);
        auto* item = new TMenuItem(&Form);
        item->SetCaption(QStringLiteral("report1.qxf"));
        Recent->Add(item);
        Open->SetDropdownMenu(Recent);
        Open->SetHint(QStringLiteral("Open report|Opens an existing report"));
        Form.Show();
    }

    TFramedButton* Add(TToolButtonStyle Style, bool Grouped)
    {
        auto* b = new TFramedButton(&Form);
        b->SetStyle(Style);
        b->SetGrouped(Grouped);
        b->OnClick = TMethod{TBarForm::StaticClass().FindMethod(u"btnClick"), &Form};
        b->SetToolBar(Bar);
        return b;
    }

    static void ClickAt(TToolButton* B, int X, int Y)
    {
        QTest::mouseClick(B->Widget(), Qt::LeftButton, {}, QPoint(X, Y));
    }
    QList<bool> Downs() const
    {
        return {Arrow->Down(), Band->Down(), Label->Down(), Grid->Down()};
    }
};

TEST(ToolButton, ButtonsTakeTheWidthOfTheirStyle)
{
    TBar b;
    struct {
        TFramedButton* TBar::*Button;
        int Left, Width;
    } cases[] = {
        {&TBar::Arrow, 0, 24}, {&TBar::Band, 24, 24}, {&TBar::Label, 48, 24}, {&TBar::Divider, 72, 8},
        {&TBar::Grid, 80, 24}, {&TBar::Gap, 104, 8}, {&TBar::Open, 112, 24 + 14},
    };
    for (const auto& c : cases) {
        TToolButton* button = b.*c.Button;
        EXPECT_EQ(button->Left(), c.Left) << button->Index();
        EXPECT_EQ(button->Width(), c.Width) << button->Index();
    }
    b.Gap->SetStyle(tbsButton);  // a gap that becomes a button takes a button's width
    EXPECT_EQ(b.Open->Left(), 128);
}

TEST(ToolButton, CheckButtonsToggleAndGroupsKeepOneDown)
{
    struct {
        const char* Name;
        bool AllowAllUp;
        TFramedButton* TBar::*Clicked;
        int Times;
        QList<bool> Downs;  // Arrow, Band, Label, Grid
    } cases[] = {
        {"a grouped button goes down, the others up", false, &TBar::Band, 1, {false, true, false, false}},
        {"the down one of a group stays down", false, &TBar::Arrow, 1, {true, false, false, false}},
        {"unless the group allows all up", true, &TBar::Arrow, 1, {false, false, false, false}},
        {"a button of its own toggles", false, &TBar::Grid, 1, {true, false, false, true}},
        {"and back", false, &TBar::Grid, 2, {true, false, false, false}},
        {"a divider is not clicked", false, &TBar::Divider, 1, {true, false, false, false}},
    };
    for (const auto& c : cases) {
        TBar b;
        b.Arrow->SetAllowAllUp(c.AllowAllUp);
        TFramedButton* button = b.*c.Clicked;
        for (int i = 0; i < c.Times; ++i)
            TBar::ClickAt(button, 4, 4);
        EXPECT_EQ(b.Downs(), c.Downs) << c.Name;
        EXPECT_EQ(b.Clicks.size(), button == b.Divider ? 0 : c.Times) << c.Name;
    }
    // Setting a grouped button down from code lets the others up too; the
    // divider ends the group, so Grid keeps its state.
    TBar b;
    b.Grid->SetDown(true);
    b.Label->SetGrouped(true);
    b.Label->SetDown(true);
    EXPECT_EQ(b.Downs(), (QList<bool>{false, false, true, true}));
}

TEST(ToolButton, TheArrowOfADropDownButtonShowsItsMenuBelowIt)
{
    TBar b;
    TBar::ClickAt(b.Open, 5, 5);  // the face clicks
    EXPECT_EQ(b.Clicks, QList<TObject*>{b.Open});
    EXPECT_EQ(b.Recent->Menu(), nullptr);

    TBar::ClickAt(b.Open, b.Open->Width() - 4, 5);  // the arrow drops the menu
    EXPECT_EQ(b.Clicks.size(), 1);
    ASSERT_NE(b.Recent->Menu(), nullptr);
    EXPECT_TRUE(b.Recent->Menu()->isVisible());
    EXPECT_EQ(b.Recent->PopupComponent(), b.Open);
    const TPoint below = b.Open->ClientToScreen(TPoint{0, b.Open->Height()});
    EXPECT_EQ(b.Recent->Menu()->pos(), QPoint(below.X, below.Y));
    b.Recent->Menu()->close();

    delete b.Recent;
    EXPECT_EQ(b.Open->DropdownMenu(), nullptr);
    EXPECT_FALSE(b.Open->CheckMenuDropdown());
    TBar::ClickAt(b.Open, b.Open->Width() - 4, 5);  // an arrow without a menu does nothing
    EXPECT_EQ(b.Clicks.size(), 1);
}

TEST(ToolButton, DownButtonsAreDrawnPressedAndADescendantDrawsOverThem)
{
    TBar b;
    const auto face = [](TToolButton* B) { return B->Widget()->grab().toImage(); };
    const QImage up = face(b.Band);
    const QImage down = face(b.Arrow);
    // Sunken: dark top-left edge; a lighter face than the bar's.
    EXPECT_EQ(Px(up, 0, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(Px(down, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Px(down, 12, 12), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Px(down, 1, 1), ColorToRGB(clBtnHighlight));  // no frame yet

    b.Arrow->Marked = true;
    b.Arrow->Invalidate();
    EXPECT_EQ(Px(face(b.Arrow), 1, 1), ColorToRGB(clBlue));
    b.Band->Marked = true;  // marked but up: no frame
    b.Band->Invalidate();
    EXPECT_EQ(Px(face(b.Band), 1, 1), ColorToRGB(clBtnFace));

    // A divider draws its line in the middle.
    const QImage divider = face(b.Divider);
    EXPECT_EQ(Px(divider, 3, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Px(divider, 4, 10), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Px(divider, 0, 10), ColorToRGB(clBtnFace));
}

TEST(ToolButton, TheTipShowsTheShortPartOfTheHint)
{
    TBar b;
    EXPECT_EQ(b.Open->Widget()->toolTip(), QStringLiteral("Open report"));
    b.Open->SetHint(QStringLiteral("Plain"));
    EXPECT_EQ(b.Open->Widget()->toolTip(), QStringLiteral("Plain"));
}

TEST(ToolButton, StylesAndStatesArePublished)
{
    for (const char* name : {"AllowAllUp", "Down", "DropdownMenu", "Grouped", "Style"})
        EXPECT_NE(TToolButton::StaticClass().FindProp(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(TToolButton::StaticClass().FindProp(u"Style")->Default, tbsButton);
}

} // namespace
} // namespace classlib
