// The surface's selection, grab handles, capsules, names and lifetimes.

#include "surfacefixture.h"

#include "designer-framework/alignsizeform.h"
#include "designer-framework/capsule.h"
#include "designer-framework/inspectorform.h"

#include "classlib/core/componentlist.h"

namespace designer_framework::test {
namespace {

// Announcements reach the designer's SelectionChanged; this one logs them.
class TLogDesigner : public TExtDesigner {
public:
    TLogDesigner(TInspectorForm* Form, QStringList& Log) : TExtDesigner(Form), FLog(Log) {}
    void SelectionChanged(TComponentList* List) override
    {
        QStringList names;
        for (int i = 0; i < List->Count(); ++i) names << List->Items(i)->Name();
        FLog << "selection " + names.join(',');
    }

private:
    QStringList& FLog;
};

class SurfaceSelectionTest : public SurfaceTest {
protected:
    SurfaceSelectionTest()
    {
        Surface->SetInspector(new TLogDesigner(Inspector.get(), Log));
        Log.clear();
    }
};

TEST_F(SurfaceSelectionTest, ClickShowsEightHandlesAroundTheControl)
{
    TShape* shape = Put<TShape>(nullptr, 10, 20, 100, 50, "Shape1");
    Log.clear();
    Press(shape, Point(5, 5));
    Release(shape, Point(5, 5));
    ASSERT_EQ(Selected(), QList<TComponent*>{shape});
    EXPECT_TRUE(HandlesShown());
    struct TCase {
        int X, Y;
        TCursor Cursor;
    };
    const TCase expected[8] = {{6, 16, crSizeNWSE},  {57, 16, crSizeNS},  {109, 16, crSizeNESW}, {109, 42, crSizeWE},
                               {109, 69, crSizeNWSE}, {57, 69, crSizeNS}, {6, 69, crSizeNESW},   {6, 42, crSizeWE}};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        const TBorderPoint* h = Surface->Handles(i);
        EXPECT_EQ(h->Index(), i);
        EXPECT_EQ(Point(h->Left(), h->Top()), Point(expected[i].X, expected[i].Y));
        EXPECT_EQ(Point(h->Width(), h->Height()), Point(5, 5));
        EXPECT_EQ(h->Cursor(), expected[i].Cursor);
        EXPECT_EQ(h->Color(), Surface->HandleColor());
    }
    EXPECT_EQ(Log, QStringList{"selection Shape1"});
}

TEST_F(SurfaceSelectionTest, SelectionHoldsSiblingsOfOneParent)
{
    TShape* a = Put<TShape>(nullptr, 10, 10, 40, 40, "A");
    TShape* b = Put<TShape>(nullptr, 60, 10, 40, 40, "B");
    TBox* box = Put<TBox>(nullptr, 150, 10, 200, 200, "Box");
    TShape* inner = Put<TShape>(box, 10, 10, 40, 40, "Inner");
    EXPECT_TRUE(Surface->AddToSelection(a));
    EXPECT_TRUE(Surface->AddToSelection(b));
    EXPECT_TRUE(Surface->Changed());
    Surface->UpdateSelection();
    EXPECT_FALSE(Surface->Changed());
    EXPECT_FALSE(HandlesShown());

    // Selecting what is selected changes and announces nothing.
    Log.clear();
    Surface->SelectControl(a);
    EXPECT_TRUE(Log.isEmpty());

    // A control of another parent drops both.
    Surface->SelectControl(inner);
    EXPECT_EQ(Selected(), QList<TComponent*>{inner});
    EXPECT_EQ(Log, QStringList{"selection Inner"});
    // The handles live in the box's window, at the inner control's place.
    EXPECT_EQ(Surface->Handles(0)->WidgetHost(), box);
    EXPECT_EQ(Surface->Handles(0)->Left(), 6);
}

TEST_F(SurfaceSelectionTest, RemovingAndClearing)
{
    TShape* a = Put<TShape>(nullptr, 10, 10, 40, 40, "A");
    TShape* b = Put<TShape>(nullptr, 60, 10, 40, 40, "B");
    EXPECT_FALSE(Surface->RemoveFromSelection(a));
    EXPECT_FALSE(Surface->Changed());
    Surface->AddToSelection(a);
    Surface->AddToSelection(b);
    EXPECT_TRUE(Surface->RemoveFromSelection(a));
    EXPECT_EQ(Selected(), QList<TComponent*>{b});
    EXPECT_TRUE(Surface->ClearSelection());
    EXPECT_FALSE(Surface->ClearSelection());
    // Unselecting nothing announces nothing.
    Surface->UpdateSelection();
    Log.clear();
    Surface->UnselectAll();
    EXPECT_TRUE(Log.isEmpty());
    // With nothing selected the inspector is handed the surface.
    Surface->SelectionToInspector();
    EXPECT_EQ(Log, QStringList{"selection Surface"});
}

TEST_F(SurfaceSelectionTest, NonVisualComponentsAndTheirCapsules)
{
    auto* ticker = new TTicker(Surface.get());
    ticker->SetName("Ticker1");
    QCoreApplication::processEvents();
    auto* capsule = As<TCapsule>(Surface->ControlOfComponent(ticker));
    ASSERT_NE(capsule, nullptr);
    EXPECT_EQ(Surface->ComponentOfControl(capsule), ticker);
    Surface->SelectControl(capsule);
    EXPECT_EQ(Selected(), QList<TComponent*>{ticker});
    EXPECT_TRUE(Surface->IsSelected(capsule));
    EXPECT_EQ(Surface->GetSelected(0), capsule);

    // A capsule is always 28 x 28 and keeps its place in the component.
    capsule->SetBounds(300, 200, 40, 10);
    EXPECT_EQ(capsule->BoundsRect(), Bounds(300, 200, 28, 28));
    EXPECT_EQ(ticker->DesignInfo(), 200 * 65536 + 300);
    capsule->SetBounds(-5, 70000, 1, 1);
    EXPECT_EQ(capsule->BoundsRect(), Bounds(0, 65535, 28, 28));

    // Without a capsule, the surface shows the component.
    delete capsule;
    EXPECT_EQ(Surface->GetSelected(0), Surface.get());
    Surface->CreateCapsules();
    EXPECT_NE(Surface->ControlOfComponent(ticker), nullptr);

    // A selected component that goes leaves the selection, announced.
    Log.clear();
    delete ticker;
    EXPECT_EQ(Surface->SelectionCount(), 0);
    EXPECT_EQ(Log.last(), "selection Surface");
}

TEST_F(SurfaceSelectionTest, UniqueNames)
{
    Put<TShape>(nullptr, 0, 0, 10, 10, "TButton1");
    Put<TShape>(nullptr, 0, 0, 10, 10, "Shape1");
    struct TCase {
        const char* Wanted;
        const char* Base;
        const char* Expected;
    } cases[] = {{"", "TButton", "TButton2"},
                 {"Button5", "TButton", "Button5"},
                 {"shape1", "Shape", "Shape2"},  // letter case does not make a name free
                 {"", "TShape", "TShape1"}};
    for (const auto& c : cases) EXPECT_EQ(Surface->MakeUniqueName(c.Wanted, c.Base), c.Expected) << c.Wanted;
}

TEST_F(SurfaceSelectionTest, HandlesLeaveAPanelBeforeItIsFreed)
{
    TBox* box = Put<TBox>(nullptr, 100, 100, 200, 150, "Box");
    TShape* inner = Put<TShape>(box, 10, 10, 40, 40, "Inner");
    Surface->SelectControl(inner);
    ASSERT_EQ(Surface->Handles(0)->WidgetHost(), box);
    delete box;
    EXPECT_EQ(Surface->SelectionCount(), 0);
    for (int i = 0; i < 8; ++i) {
        ASSERT_NE(Surface->Handles(i)->Widget(), nullptr);
        EXPECT_EQ(Surface->Handles(i)->WidgetHost(), nullptr);
        EXPECT_EQ(Surface->Handles(i)->Widget()->parentWidget(), Surface->Widget());
        EXPECT_FALSE(Surface->Handles(i)->Visible());
    }
    // The handles still work for the next selection.
    TShape* shape = Put<TShape>(nullptr, 10, 20, 100, 50, "Shape1");
    Surface->SelectControl(shape);
    EXPECT_TRUE(HandlesShown());
}

TEST_F(SurfaceSelectionTest, ClearAllEmptiesTheSurface)
{
    TBox* box = Put<TBox>(nullptr, 100, 100, 200, 150, "Box");
    Put<TShape>(box, 10, 10, 40, 40, "Inner");
    (new TTicker(Surface.get()))->SetName("Ticker1");
    Surface->SelectControl(box);
    Log.clear();
    Surface->ClearAll();
    EXPECT_EQ(Surface->ComponentCount(), 0);
    EXPECT_EQ(Surface->SelectionCount(), 0);
    EXPECT_FALSE(HandlesShown());
    EXPECT_EQ(Inspector->ActiveSurface(), nullptr);
    EXPECT_TRUE(Log.contains("inspector clear"));
}

TEST_F(SurfaceSelectionTest, ZOrderCommandsKeepCapsulesInFront)
{
    TShape* a = Put<TShape>(nullptr, 10, 10, 40, 40, "A");
    TShape* b = Put<TShape>(nullptr, 20, 20, 40, 40, "B");
    (new TTicker(Surface.get()))->SetName("Ticker1");
    QCoreApplication::processEvents();  // its capsule comes once it is whole
    auto indexOf = [&](TControl* c) {
        for (int i = 0; i < Surface->ControlCount(); ++i)
            if (Surface->Controls(i) == c) return i;
        return -1;
    };
    TControl* capsule = Surface->ControlOfComponent(Surface->FindComponent("Ticker1"));
    Surface->SelectOnly(a);
    Surface->BringToFront();
    EXPECT_GT(indexOf(a), indexOf(b));
    EXPECT_GT(indexOf(capsule), indexOf(a));
    Surface->SendToBack();
    EXPECT_LT(indexOf(a), indexOf(b));
    EXPECT_EQ(Log.count("inspector modified"), 2);
}

// ---------------------------------------------------------------------------
// Activation of one surface among several

TEST_F(SurfaceTest, ActivatingOneSurfaceGreysTheOthersHandles)
{
    TShape* a = Put<TShape>(nullptr, 10, 10, 40, 40, "A");
    Surface->SelectControl(a);
    auto align = std::make_unique<TAlignSizeForm>(nullptr);
    Designer->SetAlignForm(align.get());
    EXPECT_EQ(align->Surface(), Surface.get());

    auto other = std::make_unique<TControlDesigner>(nullptr);
    other->SetName("Other");
    Log.clear();
    other->SetInspector(new TExtDesigner(Inspector.get()));
    EXPECT_EQ(Inspector->ActiveSurface(), other.get());
    EXPECT_EQ(align->Surface(), other.get());
    EXPECT_EQ(Surface->Handles(0)->Color(), Surface->InactiveColor());
    EXPECT_EQ(Log.first(), "inspector clear");
    EXPECT_EQ(Log.at(1), "inspector insert Other");

    // Activating the active surface again tells nothing.
    Log.clear();
    other->Activate();
    EXPECT_TRUE(Log.isEmpty());

    Surface->Activate();
    EXPECT_EQ(Inspector->ActiveSurface(), Surface.get());
    EXPECT_EQ(Surface->Handles(0)->Color(), Surface->HandleColor());
    EXPECT_TRUE(Log.contains("inspector insert A"));

    // Freeing the inactive surface leaves the active one served.
    Log.clear();
    other.reset();
    EXPECT_EQ(Inspector->ActiveSurface(), Surface.get());
    EXPECT_EQ(align->Surface(), Surface.get());
    EXPECT_FALSE(Log.contains("inspector clear"));
    // Freeing the active one leaves nothing pointing at it.
    Surface.reset();
    EXPECT_EQ(Inspector->ActiveSurface(), nullptr);
    EXPECT_EQ(align->Surface(), nullptr);
}

TEST_F(SurfaceTest, WindowActivationActivatesTheSurface)
{
    auto other = std::make_unique<TControlDesigner>(nullptr);
    other->SetBounds(500, 40, 200, 200);
    other->Show();
    other->SetInspector(new TExtDesigner(Inspector.get()));
    ASSERT_EQ(Inspector->ActiveSurface(), other.get());
    Surface->Widget()->activateWindow();
    QCoreApplication::processEvents();
    if (!Surface->Widget()->isActiveWindow()) GTEST_SKIP() << "the platform does not activate windows";
    EXPECT_EQ(Inspector->ActiveSurface(), Surface.get());
}

} // namespace
} // namespace designer_framework::test
