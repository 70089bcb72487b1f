// The align/size palette: its buttons clicked with a person's mouse act on
// the active surface, its bars hold the buttons in their order with their
// hints, and its popup menu keeps it on top or hides it.

#include "surfacefixture.h"

#include "designer-framework/alignpalette.h"

#include "classlib/controls/menus.h"
#include "classlib/controls/toolbar.h"
#include "classlib/core/classbuilder.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>

namespace designer_framework::test {
namespace {

// Refuses every close query and counts them.
class TRefuser : public TComponent {
    QX_CLASS(TRefuser, TComponent)
public:
    using TComponent::TComponent;
    void CloseQuery(TObject*, bool& CanClose)
    {
        ++Asked;
        CanClose = false;
    }
    TCloseQueryEvent Handler() { return TMethod{StaticClass().FindMethod(u"CloseQuery"), this}; }
    int Asked = 0;
};

} // namespace

const TClassInfo& TRefuser::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TRefuser>("TRefuser").Method("CloseQuery", &TRefuser::CloseQuery).Build();
    return info;
}

namespace {

class AlignPaletteTest : public SurfaceTest {
protected:
    AlignPaletteTest()
    {
        A = Put<TShape>(nullptr, 10, 20, 100, 50, "A");
        B = Put<TShape>(nullptr, 40, 80, 51, 30, "B");
        C = Put<TShape>(nullptr, 200, 5, 20, 70, "C");
        Palette->SetBounds(500, 40, 160, 104);
        Palette->Show();
    }
    void SelectThree()
    {
        A->SetBounds(10, 20, 100, 50);
        B->SetBounds(40, 80, 51, 30);
        C->SetBounds(200, 5, 20, 70);
        Surface->SelectOnly(A);
        Surface->SelectControl(B);
        Surface->SelectControl(C);
        Log.clear();
    }
    TToolButton* Button(const char* Name) const
    {
        return dynamic_cast<TToolButton*>(Palette->FindComponent(QString::fromLatin1(Name)));
    }
    static void ClickButton(TToolButton* Button)
    {
        QTest::mouseClick(Button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(16, 16));
    }
    // Right-clicks the palette between its bars and picks the item.
    void ChooseFromMenu(const QString& Caption)
    {
        QWidget* w = Palette->Widget();
        const QPointF at(80, 66);
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(t, at, w->mapToGlobal(at), Qt::RightButton,
                          t == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(w, &e);
        }
        QMenu* menu = Palette->ppmInsp->Menu();
        ASSERT_NE(menu, nullptr);
        ASSERT_TRUE(menu->isVisible());
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions())
            if (action->text() == Caption) chosen = action;
        ASSERT_NE(chosen, nullptr) << Caption.toStdString();
        chosen->trigger();
        menu->close();
    }
    static bool OnTopFlag(TForm* Form) { return Form->Widget()->windowFlags() & Qt::WindowStaysOnTopHint; }

    TShape* A;
    TShape* B;
    TShape* C;
    std::unique_ptr<TfrmAlign> Palette = std::make_unique<TfrmAlign>(nullptr);
};

TEST_F(AlignPaletteTest, EveryButtonAlignsTheActiveSurfacesSelection)
{
    struct TCase {
        const char* Button;
        TRect A, B, C;  // the reference first, in selection order
    };
    // The surface's client area is 400 x 300.
    const TCase cases[] = {
        {"ToolButton1", Bounds(10, 20, 100, 50), Bounds(10, 80, 51, 30), Bounds(10, 5, 20, 70)},
        {"ToolButton2", Bounds(10, 20, 100, 50), Bounds(34, 80, 51, 30), Bounds(50, 5, 20, 70)},
        {"ToolButton3", Bounds(95, 20, 100, 50), Bounds(125, 80, 51, 30), Bounds(285, 5, 20, 70)},
        {"ToolButton4", Bounds(10, 20, 100, 50), Bounds(105, 80, 51, 30), Bounds(200, 5, 20, 70)},
        {"ToolButton5", Bounds(10, 20, 100, 50), Bounds(59, 80, 51, 30), Bounds(90, 5, 20, 70)},
        {"ToolButton6", Bounds(10, 20, 100, 50), Bounds(40, 20, 51, 30), Bounds(200, 20, 20, 70)},
        {"ToolButton7", Bounds(10, 20, 100, 50), Bounds(40, 30, 51, 30), Bounds(200, 10, 20, 70)},
        {"ToolButton8", Bounds(10, 112, 100, 50), Bounds(40, 172, 51, 30), Bounds(200, 97, 20, 70)},
        {"ToolButton13", Bounds(10, 42, 100, 50), Bounds(40, 80, 51, 30), Bounds(200, 5, 20, 70)},
        {"ToolButton14", Bounds(10, 20, 100, 50), Bounds(40, 40, 51, 30), Bounds(200, 0, 20, 70)},
        {"ToolButton9", Bounds(10, 20, 20, 50), Bounds(40, 80, 20, 30), Bounds(200, 5, 20, 70)},
        {"ToolButton10", Bounds(10, 20, 100, 50), Bounds(40, 80, 100, 30), Bounds(200, 5, 100, 70)},
        {"ToolButton11", Bounds(10, 20, 100, 50), Bounds(40, 80, 100, 50), Bounds(200, 5, 100, 50)},
        // Grow vertically: as tall as the tallest; shrink: as short as the shortest.
        {"ToolButton15", Bounds(10, 20, 100, 70), Bounds(40, 80, 51, 70), Bounds(200, 5, 20, 70)},
        {"ToolButton12", Bounds(10, 20, 100, 30), Bounds(40, 80, 51, 30), Bounds(200, 5, 20, 30)},
    };
    Designer->SetAlignForm(Palette.get());
    ASSERT_EQ(Palette->Surface(), Surface.get());
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Button);
        SelectThree();
        TToolButton* button = Button(c.Button);
        ASSERT_NE(button, nullptr);
        ClickButton(button);
        EXPECT_EQ(A->BoundsRect(), c.A);
        EXPECT_EQ(B->BoundsRect(), c.B);
        EXPECT_EQ(C->BoundsRect(), c.C);
        EXPECT_EQ(Log, QStringList{"inspector modified"});
    }
}

TEST_F(AlignPaletteTest, ButtonsDoNothingWithoutAnActiveSurface)
{
    Designer->SetAlignForm(Palette.get());
    Palette->SetSurface(nullptr);
    SelectThree();
    for (TToolBar* bar : {Palette->tbrAlign, Palette->tbrSize})
        for (int i = 0; i < bar->ButtonCount(); ++i) ClickButton(bar->Buttons(i));
    EXPECT_EQ(A->BoundsRect(), Bounds(10, 20, 100, 50));
    EXPECT_EQ(B->BoundsRect(), Bounds(40, 80, 51, 30));
    EXPECT_EQ(C->BoundsRect(), Bounds(200, 5, 20, 70));
    EXPECT_TRUE(Log.isEmpty()) << Log.join(" | ").toStdString();

    // A freed surface leaves the palette without one.
    Designer->SetAlignForm(Palette.get());
    ASSERT_EQ(Palette->Surface(), Surface.get());
    Surface.reset();
    EXPECT_EQ(Palette->Surface(), nullptr);
    ClickButton(Palette->ToolButton1);
}

TEST_F(AlignPaletteTest, BarsHoldTheirButtonsInOrderWithHintsAndCodes)
{
    struct TCase {
        const char* Button;
        const char* Hint;
        int Code;
    };
    const TCase alignBar[] = {
        {"ToolButton1", "Align left edges", 0},
        {"ToolButton2", "Align horizontal centers", 1},
        {"ToolButton3", "Align horizontally in window", 2},
        {"ToolButton4", "Space eually, horizontally", 3},
        {"ToolButton5", "Align right edges", 4},
        {"ToolButton6", "Align tops", 5},
        {"ToolButton7", "Align vertical centers", 6},
        {"ToolButton8", "Align vertically in window", 7},
        {"ToolButton13", "Space eually, vertically", 8},
        {"ToolButton14", "Align bottoms", 9},
    };
    const TCase sizeBar[] = {
        {"ToolButton9", "Shrink to smallest, horizontally", 10},
        {"ToolButton10", "Grow to largest, horizontally", 11},
        {"ToolButton11", "Size equally", 12},
        {"ToolButton15", "Grow to largest, vertically", 14},
        {"ToolButton12", "Shrink to smallest, vertically", 13},
    };
    struct TBarCase {
        TToolBar* Bar;
        const TCase* Cases;
        int Count;
    };
    for (const TBarCase& bar : {TBarCase{Palette->tbrAlign, alignBar, 10}, TBarCase{Palette->tbrSize, sizeBar, 5}}) {
        ASSERT_EQ(bar.Bar->ButtonCount(), bar.Count);
        int lastLeft = -1;
        for (int i = 0; i < bar.Count; ++i) {
            const TCase& c = bar.Cases[i];
            SCOPED_TRACE(c.Button);
            TToolButton* button = bar.Bar->Buttons(i);
            EXPECT_EQ(button, Button(c.Button));
            EXPECT_EQ(button->Name(), QString::fromLatin1(c.Button));
            EXPECT_EQ(button->Hint(), QString::fromLatin1(c.Hint));
            EXPECT_EQ(button->Widget()->toolTip(), QString::fromLatin1(c.Hint));
            EXPECT_EQ(button->ImageIndex(), c.Code);
            EXPECT_EQ(Palette->ButtonCode(button), c.Code);
            // Left to right, the align bar starting its second row at the sixth.
            if (i % 5 == 0) lastLeft = -1;
            EXPECT_GT(button->Left(), lastLeft);
            EXPECT_EQ(button->Top(), i < 5 ? 0 : 32);
            lastLeft = button->Left();
        }
    }
    EXPECT_EQ(Palette->tbrAlign->RowCount(), 2);
    EXPECT_EQ(Palette->tbrSize->RowCount(), 1);
    EXPECT_EQ(Palette->imlAlign->Count(), 15);
    EXPECT_EQ(Palette->imlHot->Count(), 15);

    // Nothing else is a button of the palette.
    TToolBar other(nullptr);
    TToolButton stray(nullptr);
    stray.SetImageIndex(3);
    stray.SetToolBar(&other);
    for (const TControl* c : {static_cast<const TControl*>(nullptr), static_cast<const TControl*>(Palette->tbrAlign),
                              static_cast<const TControl*>(&stray), static_cast<const TControl*>(Palette.get())})
        EXPECT_EQ(Palette->ButtonCode(c), 255);
}

TEST_F(AlignPaletteTest, HintsShowWhileAnotherWindowIsActive)
{
    Surface->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Surface->Widget()));
    QWidget* w = Palette->ToolButton15->Widget();
    QTest::mouseMove(w, QPoint(10, 10));
    QTest::mouseMove(w, QPoint(12, 12));
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 5000));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Grow to largest, vertically"));
    QToolTip::hideText();
}

TEST_F(AlignPaletteTest, TheWindowIsASmallToolWindowOnTop)
{
    EXPECT_EQ(Palette->Name(), QStringLiteral("frmAlign"));
    EXPECT_EQ(Palette->Caption(), QStringLiteral("Align/Size"));
    EXPECT_EQ(Palette->ClientWidth(), 160);
    EXPECT_EQ(Palette->ClientHeight(), 104);
    EXPECT_EQ(Palette->BorderStyle(), bsToolWindow);
    EXPECT_EQ(Palette->BorderIcons(), TBorderIcons{biSystemMenu});
    EXPECT_EQ(Palette->FormStyle(), fsStayOnTop);
    EXPECT_TRUE(OnTopFlag(Palette.get()));
    EXPECT_EQ(Palette->PopupMenu(), Palette->ppmInsp);
    EXPECT_TRUE(Palette->GetStayOnTop());
    EXPECT_EQ(Palette->pmiStayOnTop->Caption(), QStringLiteral("&Stay on top"));
    EXPECT_EQ(Palette->pmiHide->Caption(), QStringLiteral("Hide"));
    EXPECT_EQ(Palette->tbrAlign->BoundsRect(), Rect(0, 0, 160, 64));
    EXPECT_EQ(Palette->tbrSize->BoundsRect(), Rect(0, 68, 160, 104));
}

TEST_F(AlignPaletteTest, StayOnTopTogglesAndLeavesTheInspectorAbove)
{
    Inspector->SetFormStyle(fsStayOnTop);
    Inspector->Show();

    ChooseFromMenu(QStringLiteral("&Stay on top"));
    EXPECT_FALSE(Palette->GetStayOnTop());
    EXPECT_EQ(Palette->FormStyle(), fsNormal);
    EXPECT_FALSE(OnTopFlag(Palette.get()));
    EXPECT_TRUE(Palette->Widget()->isVisible());  // shown again after the new flags
    EXPECT_EQ(Inspector->FormStyle(), fsStayOnTop);
    EXPECT_TRUE(OnTopFlag(Inspector.get()));

    // Setting the state it has changes nothing; another clicks the item.
    Palette->SetStayOnTop(false);
    EXPECT_FALSE(Palette->GetStayOnTop());
    Palette->SetStayOnTop(true);
    EXPECT_TRUE(Palette->GetStayOnTop());
    EXPECT_EQ(Palette->FormStyle(), fsStayOnTop);
    EXPECT_TRUE(OnTopFlag(Palette.get()));
    Palette->SetStayOnTop(true);
    EXPECT_TRUE(Palette->GetStayOnTop());
}

TEST_F(AlignPaletteTest, HideAsksNothingAndTheCloseBoxHidesToo)
{
    TRefuser refuser(nullptr);
    Palette->OnCloseQuery = refuser.Handler();
    ChooseFromMenu(QStringLiteral("Hide"));
    EXPECT_FALSE(Palette->Visible());
    EXPECT_FALSE(Palette->Widget()->isVisible());
    EXPECT_EQ(refuser.Asked, 0);

    // The close box hides the palette too, once the query agrees.
    Palette->Show();
    Palette->OnCloseQuery = TCloseQueryEvent();
    EXPECT_TRUE(Palette->Widget()->close());
    EXPECT_FALSE(Palette->Visible());
    Palette->Show();
    EXPECT_TRUE(Palette->Widget()->isVisible());
}

TEST_F(AlignPaletteTest, AMinimisedPaletteComesBackWhenActivated)
{
    Palette->SetWindowState(wsMinimized);
    ASSERT_EQ(Palette->WindowState(), wsMinimized);
    Palette->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Palette->Widget()));
    EXPECT_EQ(Palette->WindowState(), wsNormal);
}

} // namespace
} // namespace designer_framework::test
