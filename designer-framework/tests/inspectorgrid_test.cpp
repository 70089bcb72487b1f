// The inspector's grid, value editor, buttons, drop-down list and chooser.

#include "designer-framework/inspectorgrid.h"

#include "classlib/controls/form.h"
#include "classlib/core/classbuilder.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace designer_framework::test {
namespace {

using namespace classlib;

// Counts the calls of a published event through a handler bound by name.
class THost : public TForm {
    QX_CLASS(THost, TForm)
public:
    THost() : TForm(nullptr)
    {
        SetBounds(20, 20, 300, 300);
        Grid = new TInspectorGrid(this);
        Grid->SetParent(this);
        Grid->SetBounds(0, 0, 200, 100);
        Grid->SetColCount(2);
        Grid->SetDefaultRowHeight(16);
        Grid->SetRowCount(20);
        Grid->SetScrollBars(ssVertical);
        Grid->OnTopLeftChanged = TMethod{StaticClass().FindMethod(u"Scrolled"), this};
        List = new TExtListBox(this);
        List->SetParent(this);
        List->SetItemHeight(13);
        List->SetBounds(10, 120, 90, 60);
        List->OnClick = TMethod{StaticClass().FindMethod(u"Picked"), this};
        for (const char* s : {"alpha", "beta", "gamma", "delta"}) List->Items()->Add(s);
        Button = new TExtButton(this);
        Button->SetParent(this);
        Button->SetBounds(150, 120, 19, 18);
        Button->SetListBox(List);
        Other = new TExtEdit(this);
        Other->SetParent(this);
        Other->SetBounds(150, 200, 100, 20);
        Show();
        Widget()->activateWindow();
        (void)QTest::qWaitForWindowActive(Widget());
    }
    void Scrolled(TObject*) { ++Scrolls; }
    void Picked(TObject*) { Picks << List->Items()->Get(List->ItemIndex()); }

    TInspectorGrid* Grid;
    TExtListBox* List;
    TExtButton* Button;
    TExtEdit* Other;
    int Scrolls = 0;
    QStringList Picks;
};

} // namespace

const TClassInfo& THost::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<THost>("THostOfInspectorControls")
        .Method("Scrolled", &THost::Scrolled)
        .Method("Picked", &THost::Picked)
        .Build();
    return info;
}

namespace {

TEST(InspectorControls, GridScrollsTheCurrentRowIntoView)
{
    THost host;
    TInspectorGrid* grid = host.Grid;
    const int visible = grid->VisibleRowCount();
    ASSERT_GT(visible, 2);
    EXPECT_FALSE(grid->EnsureRowVisible());
    grid->SetRow(visible - 1);
    EXPECT_FALSE(grid->EnsureRowVisible());
    const int scrolls = host.Scrolls;
    // One below the last whole row: one row of scrolling.
    grid->SetRow(visible);
    grid->SetTopRow(0);
    EXPECT_TRUE(grid->EnsureRowVisible());
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_GT(host.Scrolls, scrolls);
    grid->SetRow(0);
    grid->SetTopRow(5);
    const int before = host.Scrolls;
    EXPECT_TRUE(grid->EnsureRowVisible());
    EXPECT_EQ(grid->TopRow(), 0);
    EXPECT_EQ(host.Scrolls, before + 1);
    // A hidden grid does nothing.
    grid->Hide();
    grid->SetTopRow(5);
    EXPECT_FALSE(grid->EnsureRowVisible());
}

TEST(InspectorControls, RepeatedMovesAtOnePointAreDropped)
{
    THost host;
    host.Grid->Perform(WM_MOUSEMOVE, 0, MakeLParam(30, 20));
    EXPECT_EQ(host.Grid->LastMousePos(), Point(30, 20));
    host.Grid->Perform(WM_MOUSEMOVE, 0, MakeLParam(31, 20));
    EXPECT_EQ(host.Grid->LastMousePos(), Point(31, 20));
}

TEST(InspectorControls, EditorSwallowsEnterEscapeAndLineFeed)
{
    THost host;
    for (int ch : {13, 27, 10}) {
        TMessage m{WM_CHAR, qintptr(ch), 0, 0};
        host.Other->WndProc(m);
        EXPECT_EQ(m.WParam, 0) << ch;
    }
    TMessage m{WM_CHAR, qintptr('a'), 0, 0};
    host.Other->WndProc(m);
    EXPECT_EQ(m.WParam, 'a');
}

TEST(InspectorControls, TheListTakesOnlyAReleaseOrEnter)
{
    THost host;
    TExtListBox* list = host.List;
    list->SetItemIndex(0);
    list->SetFocus();
    // Arrows move the highlight and take nothing.
    QTest::keyClick(list->Widget(), Qt::Key_Down);
    QTest::keyClick(list->Widget(), Qt::Key_Down);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_TRUE(host.Picks.isEmpty());
    EXPECT_TRUE(list->Visible());
    QTest::keyClick(list->Widget(), Qt::Key_Return);
    EXPECT_EQ(host.Picks, QStringList{"gamma"});
    EXPECT_FALSE(list->Visible());
    // A left release on an item takes it.
    list->Show();
    const TRect second = list->ItemRect(1);
    QTest::mouseClick(list->Widget(), Qt::LeftButton, {}, QPoint(second.Left + 5, second.Top + 3));
    EXPECT_EQ(host.Picks.last(), "beta");
    EXPECT_FALSE(list->Visible());
}

TEST(InspectorControls, TheButtonClosesAnOpenListAndAnotherControlToo)
{
    THost host;
    host.List->Show();
    QTest::mouseClick(host.Button->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(host.List->Visible());
    EXPECT_FALSE(host.Button->Down());
    // A press on another control of the window closes it, taking nothing.
    host.List->Show();
    host.List->SetFocus();
    ASSERT_TRUE(host.List->Focused());
    QTest::mouseClick(host.Grid->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(host.List->Visible());
    EXPECT_TRUE(host.Picks.isEmpty());
}

TEST(InspectorControls, TheListOpensWhereItFits)
{
    THost host;  // client height 300
    TExtListBox* list = host.List;
    struct TCase {
        const char* Name;
        TRect Cell;
        int Height;
        TRect Expected;
    } cases[] = {
        {"below", Rect(50, 20, 150, 36), 60, Bounds(49, 36, 90, 60)},
        {"above", Rect(50, 260, 150, 276), 60, Bounds(49, 200, 90, 60)},
        {"roomier above, shrunk", Rect(50, 150, 150, 166), 200, Bounds(49, 5, 90, 145)},
        {"roomier below, shrunk", Rect(50, 100, 150, 116), 250, Bounds(49, 116, 90, 184)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        list->SetBounds(0, 0, 90, c.Height);
        list->PlaceAt(c.Cell);
        EXPECT_EQ(list->BoundsRect(), c.Expected);
    }
}

} // namespace
} // namespace designer_framework::test
