// The test program driven as a person would: palette buttons, clicks and
// drags on the surfaces, keys, the Edit popup menu and the inspector.

#include "designer-framework/testprogram/shape.h"
#include "designer-framework/testprogram/surfacetestwindow.h"
#include "designer-framework/testprogram/timer.h"

#include "designer-framework/alignpalette.h"
#include "designer-framework/borderpoint.h"
#include "designer-framework/capsule.h"
#include "designer-framework/controldesigner.h"
#include "designer-framework/inspectorgrid.h"
#include "designer-framework/inspectorwindow.h"

#include "classlib/controls/bevel.h"
#include "classlib/controls/label.h"
#include "classlib/controls/memo.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/mouse.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/speedbutton.h"
#include "classlib/controls/toolbar.h"
#include "classlib/controls/xoroverlay.h"
#include "classlib/system/clipboard.h"

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace designer_framework::testprogram {
namespace {

using namespace classlib;

QPoint At(const TPoint& P)
{
    return QPoint(P.X, P.Y);
}

// A left drag on a control's widget, in its client coordinates, moving in
// a few steps as a hand does.
void Drag(TControl* C, const TPoint& From, const TPoint& To, Qt::KeyboardModifiers Keys = Qt::NoModifier)
{
    QWidget* w = C->Widget();
    QTest::mousePress(w, Qt::LeftButton, Keys, At(From));
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(w, QPoint(From.X + (To.X - From.X) * step / 4, From.Y + (To.Y - From.Y) * step / 4));
    QTest::mouseRelease(w, Qt::LeftButton, Keys, At(To));
}

void Click(TControl* C, const TPoint& P, Qt::MouseButton Button = Qt::LeftButton,
           Qt::KeyboardModifiers Keys = Qt::NoModifier)
{
    QTest::mouseClick(C->Widget(), Button, Keys, At(P));
}

QAction* MenuAction(TPopupMenu* Menu, const QString& Text)
{
    if (!Menu->Menu()) return nullptr;
    for (QAction* action : Menu->Menu()->actions())
        if (action->text() == Text) return action;
    return nullptr;
}

QRgb PixelOf(TControl* C, int X, int Y)
{
    return C->Widget()->grab().toImage().pixel(X, Y) & 0xFFFFFF;
}

class TestProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        Window = std::make_unique<TSurfaceTestWindow>(nullptr);
        Window->ShowWindows();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window->Widget()));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window->Inspector()->Widget()));
    }
    void TearDown() override
    {
        if (QMenu* menu = Window->EditMenu()->Menu()) menu->close();
        Window.reset();
        // Whatever a test left captured or clipped goes with it.
        SetCaptureControl(nullptr);
        ClipCursor(nullptr);
    }

    TControlDesigner* Surface(int Index = 0) const { return Window->Surface(Index); }
    TfrmInspector* Inspector() const { return Window->Inspector(); }

    // The value the inspector's All page shows for a property; "<none>"
    // when it has no such row.
    QString Value(const QString& Name) const
    {
        TInspectorGrid* grid = Inspector()->dwgControlAll;
        for (int i = 0; grid->Visible() && i < grid->RowCount(); ++i)
            if (grid->Cells(0, i) == Name) return grid->Cells(1, i);
        return QStringLiteral("<none>");
    }
    // What the inspector shows: the chosen component (empty for several),
    // and where the selection stands when that is a property of it.
    QString Shown() const
    {
        QString text = Inspector()->cmbControl->ItemIndex() >= 0 ? Inspector()->cmbControl->Text() : QString();
        if (Value(QStringLiteral("Left")) != QStringLiteral("<none>"))
            text += QStringLiteral(" at %1, %2, %3 x %4")
                        .arg(Value(QStringLiteral("Left")), Value(QStringLiteral("Top")),
                             Value(QStringLiteral("Width")), Value(QStringLiteral("Height")));
        return text;
    }
    // A click on a row's name on the active page, as a person picks a row.
    void ClickRow(const QString& Name)
    {
        TInspectorGrid* grid = Inspector()->ActiveGrid();
        const int row = Inspector()->ActiveRows()->IndexOf(Name);
        ASSERT_GE(row, 0) << Name.toStdString();
        const TRect r = grid->CellRect(0, row);
        ASSERT_GT(r.Width(), 0) << Name.toStdString();
        QTest::mouseClick(grid->Widget(), Qt::LeftButton, Qt::NoModifier,
                          QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        ASSERT_EQ(grid->Row(), row) << Name.toStdString();
    }

    // Palette button of the class, then a click on the surface (or on a
    // control of it, at a point of the control).
    template <class T>
    T* Insert(TControlDesigner* S, const TPoint& P, TControl* On = nullptr)
    {
        for (int i = 0; i < Window->PaletteButtonCount(); ++i)
            if (Window->PaletteButton(i)->Hint() == T::StaticClass().Name) Click(Window->PaletteButton(i), Point(5, 5));
        EXPECT_EQ(Window->ChosenClass(), &T::StaticClass());
        const int before = S->ComponentCount();
        Click(On ? On : S, P);
        EXPECT_EQ(S->ComponentCount(), before + 1);
        return As<T>(S->Components(S->ComponentCount() - 1));
    }

    // Where the handles stand, in the surface's client coordinates, when
    // all eight are showing and 5 x 5; empty otherwise.
    QList<QRect> HandleRects(TControlDesigner* S) const
    {
        QList<QRect> rects;
        for (int i = 0; i < 8; ++i) {
            QWidget* w = S->Handles(i)->Widget();
            if (!w->isVisible() || w->size() != QSize(5, 5)) return {};
            rects << QRect(w->mapTo(S->Widget(), QPoint(0, 0)), w->size());
        }
        return rects;
    }

    std::unique_ptr<TSurfaceTestWindow> Window;
};

// The handles by the table: clockwise from the top-left, overlapping the
// control's edge by one pixel.
QList<QRect> ExpectedHandles(int L, int T, int W, int H)
{
    const int left = L - 4, centreX = L + (W - 5) / 2, right = L + W - 1;
    const int top = T - 4, centreY = T + (H - 5) / 2, bottom = T + H - 1;
    const QPoint corners[] = {{left, top},     {centreX, top},    {right, top},  {right, centreY},
                              {right, bottom}, {centreX, bottom}, {left, bottom}, {left, centreY}};
    QList<QRect> rects;
    for (const QPoint& p : corners) rects << QRect(p, QSize(5, 5));
    return rects;
}

TEST_F(TestProgram, APaletteClassIsInsertedWhereTheSurfaceIsClickedAndSelected)
{
    TControlDesigner* s = Surface();
    auto* shape = Insert<TShape>(s, Point(40, 48));
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->Name(), QStringLiteral("TShape1"));
    EXPECT_EQ(shape->Parent(), s);
    EXPECT_EQ(shape->BoundsRect(), Bounds(40, 48, 65, 65));
    ASSERT_EQ(s->SelectionCount(), 1);
    EXPECT_EQ(s->GetSelectedComponent(0), shape);
    EXPECT_EQ(HandleRects(s), ExpectedHandles(40, 48, 65, 65));
    EXPECT_EQ(Shown(), QStringLiteral("TShape1 at 40, 48, 65 x 65"));
    // One click, one component: the palette is back at the pointer.
    EXPECT_EQ(Window->ChosenClass(), nullptr);
    Click(s, Point(200, 200));
    EXPECT_EQ(s->ComponentCount(), 1);
    EXPECT_EQ(s->SelectionCount(), 0);

    // Clicked on a panel, a new control goes into it.
    auto* panel = Insert<TPanel>(s, Point(16, 160));
    ASSERT_NE(panel, nullptr);
    auto* inner = Insert<TShape>(s, Point(24, 10), panel);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->Name(), QStringLiteral("TShape2"));
    EXPECT_EQ(inner->Parent(), panel);
    EXPECT_EQ(inner->BoundsRect(), Bounds(24, 10, 65, 65));
    EXPECT_EQ(HandleRects(s), ExpectedHandles(40, 170, 65, 65));

    // A non-visual component stands as a capsule showing its class's glyph.
    auto* timer = Insert<TTimer>(s, Point(240, 16));
    ASSERT_NE(timer, nullptr);
    auto* capsule = As<TCapsule>(s->ControlOfComponent(timer));
    ASSERT_NE(capsule, nullptr);
    EXPECT_EQ(capsule->BoundsRect(), Bounds(240, 16, 28, 28));
    EXPECT_FALSE(capsule->Glyph()->Empty());
    EXPECT_EQ(s->GetSelectedComponent(0), timer);
    EXPECT_EQ(Shown(), QStringLiteral("TTimer1"));
    EXPECT_EQ(Value(QStringLiteral("Interval")), QStringLiteral("1000"));
}

TEST_F(TestProgram, ClickingAShapeShowsEightHandlesAroundIt)
{
    TControlDesigner* s = Surface();
    auto* first = Insert<TShape>(s, Point(10, 20));
    Insert<TShape>(s, Point(150, 100));
    Click(s, Point(250, 250));
    EXPECT_TRUE(HandleRects(s).isEmpty());
    EXPECT_EQ(Shown(), QStringLiteral("Surface1"));
    EXPECT_EQ(Value(QStringLiteral("Width")), QStringLiteral("300"));

    Click(first, Point(30, 30));
    ASSERT_EQ(s->SelectionCount(), 1);
    EXPECT_EQ(s->GetSelectedComponent(0), first);
    EXPECT_EQ(HandleRects(s), ExpectedHandles(10, 20, 65, 65));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(s->Handles(i)->Color(), s->HandleColor()) << "handle " << i;
    // The handle above the shape shows on top of it.
    EXPECT_EQ(PixelOf(s, 10 + 30 + 2, 20 - 2), PixelOf(s->Handles(1), 2, 2));
}

TEST_F(TestProgram, DraggingAndKeysMoveTheShapeByGridSteps)
{
    TControlDesigner* s = Surface();
    auto* shape = Insert<TShape>(s, Point(40, 48));
    QWidget* w = shape->Widget();
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseMove(w, QPoint(20, 15));
    QTest::mouseMove(w, QPoint(30, 23));
    // While it moves: red handles and an outline, the shape still in place.
    EXPECT_EQ(s->State(), dsMoving);
    EXPECT_EQ(s->Handles(0)->Color(), s->DragColor());
    EXPECT_TRUE(s->OutlineShown());
    EXPECT_EQ(s->OutlineRect(), Bounds(56, 56, 65, 65));
    EXPECT_GT(TXorOverlay::Of(s)->ShapeCount(), 0);
    EXPECT_EQ(shape->Left(), 40);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(30, 23));

    EXPECT_EQ(s->State(), dsIdle);
    EXPECT_EQ(shape->BoundsRect(), Bounds(56, 56, 65, 65));
    EXPECT_EQ(TXorOverlay::Of(s)->ShapeCount(), 0);
    EXPECT_EQ(s->Handles(0)->Color(), s->HandleColor());
    EXPECT_EQ(HandleRects(s), ExpectedHandles(56, 56, 65, 65));
    EXPECT_EQ(Shown(), QStringLiteral("TShape1 at 56, 56, 65 x 65"));

    struct {
        const char* Name;
        Qt::Key Key;
        Qt::KeyboardModifiers Keys;
        TRect Bounds;
    } keys[] = {
        {"Shift+Ctrl+Right moves a grid step", Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier,
         Bounds(64, 56, 65, 65)},
        {"Ctrl+Up moves a pixel", Qt::Key_Up, Qt::ControlModifier, Bounds(64, 55, 65, 65)},
        {"Shift+Left narrows", Qt::Key_Left, Qt::ShiftModifier, Bounds(64, 55, 64, 65)},
    };
    for (const auto& k : keys) {
        QTest::keyClick(s->Widget(), k.Key, k.Keys);
        EXPECT_EQ(shape->BoundsRect(), k.Bounds) << k.Name;
        EXPECT_EQ(HandleRects(s), ExpectedHandles(k.Bounds.Left, k.Bounds.Top, k.Bounds.Width(), k.Bounds.Height()))
            << k.Name;
    }

    // A key during a move cancels it.
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseMove(w, QPoint(40, 40));
    QTest::keyClick(s->Widget(), Qt::Key_Escape);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
    EXPECT_EQ(shape->BoundsRect(), Bounds(64, 55, 64, 65));
}

TEST_F(TestProgram, ARubberBandSelectsTheShapesItTouches)
{
    TControlDesigner* s = Surface();
    auto* a = Insert<TShape>(s, Point(16, 16));
    auto* b = Insert<TShape>(s, Point(120, 16));
    auto* c = Insert<TShape>(s, Point(16, 200));
    QWidget* w = s->Widget();
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
    QTest::mouseMove(w, QPoint(12, 12));
    QTest::mouseMove(w, QPoint(100, 40));
    QTest::mouseMove(w, QPoint(150, 60));
    EXPECT_EQ(s->State(), dsRubberBand);
    EXPECT_EQ(TXorOverlay::Of(s)->ShapeCount(), 1);  // the old band was taken away
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(150, 60));

    EXPECT_EQ(s->State(), dsIdle);
    EXPECT_EQ(TXorOverlay::Of(s)->ShapeCount(), 0);
    ASSERT_EQ(s->SelectionCount(), 2);
    EXPECT_EQ(s->GetSelectedComponent(0), a);
    EXPECT_EQ(s->GetSelectedComponent(1), b);
    EXPECT_TRUE(HandleRects(s).isEmpty());
    // Several: no one name, and only the values they share.
    EXPECT_EQ(Shown(), QStringLiteral(" at , 16, 65 x 65"));
    // Grey corner marks on the selected shapes only.
    const QRgb grey = 0x808080;
    EXPECT_EQ(PixelOf(a, 2, 2), grey);
    EXPECT_EQ(PixelOf(b, 62, 62), grey);
    EXPECT_EQ(PixelOf(a, 32, 32), 0xFFFFFFu);
    EXPECT_NE(PixelOf(c, 2, 2), grey);

    // Shift-click takes one out again; the other gets its handles.
    Click(b, Point(30, 30), Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(s->SelectionCount(), 1);
    EXPECT_EQ(HandleRects(s), ExpectedHandles(16, 16, 65, 65));
}

TEST_F(TestProgram, TheEditMenuOrdersTheControlsOfTheSurfaceItWasOpenedOn)
{
    TControlDesigner* s = Surface(1);
    auto* a = Insert<TShape>(s, Point(16, 16));
    auto* b = Insert<TShape>(s, Point(40, 40));
    auto order = [s, a, b] {
        int ia = -1, ib = -1;
        for (int i = 0; i < s->ControlCount(); ++i) {
            if (s->Controls(i) == a) ia = i;
            if (s->Controls(i) == b) ib = i;
        }
        return ia < ib ? QStringLiteral("a below b") : QStringLiteral("b below a");
    };
    EXPECT_EQ(order(), QStringLiteral("a below b"));

    Click(a, Point(5, 5), Qt::RightButton);
    TPopupMenu* menu = Window->EditMenu();
    ASSERT_NE(menu->Menu(), nullptr);
    EXPECT_TRUE(menu->Menu()->isVisible());
    EXPECT_EQ(menu->PopupComponent(), a);
    EXPECT_EQ(Window->Inspector()->ActiveSurface(), s);
    ASSERT_NE(MenuAction(menu, QStringLiteral("&Bring to Front")), nullptr);
    EXPECT_TRUE(MenuAction(menu, QStringLiteral("&Bring to Front"))->isEnabled());
    MenuAction(menu, QStringLiteral("&Bring to Front"))->trigger();
    EXPECT_EQ(order(), QStringLiteral("b below a"));
    EXPECT_EQ(HandleRects(s), ExpectedHandles(16, 16, 65, 65));
    menu->Menu()->close();

    Click(a, Point(5, 5), Qt::RightButton);
    MenuAction(menu, QStringLiteral("&Send to Back"))->trigger();
    EXPECT_EQ(order(), QStringLiteral("a below b"));
    menu->Menu()->close();

    // On the empty surface nothing is selected: only Paste may be offered.
    Click(s, Point(250, 250), Qt::RightButton);
    EXPECT_EQ(menu->PopupComponent(), s);
    for (const char* text : {"Cu&t", "&Copy", "&Delete", "&Bring to Front", "&Send to Back"}) {
        QAction* action = MenuAction(menu, QString::fromLatin1(text));
        ASSERT_NE(action, nullptr) << text;
        EXPECT_FALSE(action->isEnabled()) << text;
    }
    MenuAction(menu, QStringLiteral("&Bring to Front"))->trigger();  // disabled: nothing happens
    EXPECT_EQ(order(), QStringLiteral("a below b"));
}

// Whether the surface can delete yet: the clipboard commands are built on
// their own.
bool SurfaceDeletes()
{
    TControlDesigner probe(nullptr);
    auto* shape = new TShape(&probe);
    shape->SetParent(&probe);
    probe.SelectOnly(shape);
    probe.DeleteSelection();
    return probe.ComponentCount() == 0;
}

TEST_F(TestProgram, DeleteFromTheMenuFreesTheSelection)
{
    if (!SurfaceDeletes()) GTEST_SKIP() << "the surface does not delete yet";
    TControlDesigner* s = Surface();
    auto* panel = Insert<TPanel>(s, Point(16, 16));
    Insert<TShape>(s, Point(14, 4), panel);
    auto* kept = Insert<TShape>(s, Point(200, 200));
    Click(panel, Point(2, 2), Qt::RightButton);
    ASSERT_NE(MenuAction(Window->EditMenu(), QStringLiteral("&Delete")), nullptr);
    MenuAction(Window->EditMenu(), QStringLiteral("&Delete"))->trigger();
    ASSERT_EQ(s->ComponentCount(), 1);
    EXPECT_EQ(s->Components(0), kept);
    EXPECT_EQ(s->SelectionCount(), 0);
    EXPECT_TRUE(HandleRects(s).isEmpty());
}

TEST_F(TestProgram, ActivatingOneSurfaceGreysTheHandlesOfTheOther)
{
    TControlDesigner* one = Surface(0);
    TControlDesigner* two = Surface(1);
    auto* a = Insert<TShape>(one, Point(16, 16));
    auto* b = Insert<TShape>(two, Point(100, 100));
    Click(a, Point(5, 5));
    EXPECT_EQ(Window->Inspector()->ActiveSurface(), one);

    struct {
        const char* Name;
        TControl* Clicked;
        TControlDesigner* Active;
        TControlDesigner* Inactive;
        QString Text;
    } steps[] = {
        {"the second surface", b, two, one, QStringLiteral("TShape1 at 100, 100, 65 x 65")},
        {"back to the first", a, one, two, QStringLiteral("TShape1 at 16, 16, 65 x 65")},
    };
    for (const auto& step : steps) {
        Click(step.Clicked, Point(5, 5));
        EXPECT_EQ(Window->Inspector()->ActiveSurface(), step.Active) << step.Name;
        EXPECT_EQ(Shown(), step.Text) << step.Name;
        EXPECT_EQ(HandleRects(step.Inactive).size(), 8) << step.Name;  // still shown, dimmed
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(step.Inactive->Handles(i)->Color(), step.Inactive->InactiveColor()) << step.Name << i;
            EXPECT_EQ(step.Active->Handles(i)->Color(), step.Active->HandleColor()) << step.Name << i;
        }
        EXPECT_EQ(PixelOf(step.Inactive->Handles(0), 2, 2), 0x808080u) << step.Name;
    }
}

TEST_F(TestProgram, FreeingASurfaceLeavesNothingDangling)
{
    TControlDesigner* one = Surface(0);
    TControlDesigner* two = Surface(1);
    Insert<TTimer>(two, Point(200, 200));
    auto* shape = Insert<TShape>(two, Point(16, 16));
    Click(shape, Point(5, 5), Qt::RightButton);
    ASSERT_EQ(Window->EditMenu()->PopupComponent(), shape);
    Window->EditMenu()->Menu()->close();
    // A rubber band under way holds the mouse when its surface goes.
    QTest::mousePress(two->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
    QTest::mouseMove(two->Widget(), QPoint(170, 130));
    ASSERT_EQ(two->State(), dsRubberBand);

    delete two;
    EXPECT_EQ(Window->Surface(1), nullptr);
    EXPECT_EQ(Window->EditMenu()->PopupComponent(), nullptr);
    EXPECT_EQ(Window->Inspector()->ActiveSurface(), nullptr);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    QCoreApplication::processEvents();
    // The menu's commands find no surface and do nothing.
    for (QAction* action : Window->EditMenu()->Menu()->actions()) action->trigger();

    // The other surface carries on.
    auto* other = Insert<TShape>(one, Point(40, 40));
    Drag(other, Point(5, 5), Point(21, 5));
    EXPECT_EQ(other->BoundsRect(), Bounds(56, 40, 65, 65));
    EXPECT_EQ(Window->Inspector()->ActiveSurface(), one);
    EXPECT_EQ(HandleRects(one), ExpectedHandles(56, 40, 65, 65));
    Window->Widget()->grab();
}

TEST_F(TestProgram, SelectingAShapeWithTheMouseFillsTheInspector)
{
    TControlDesigner* s = Surface();
    auto* first = Insert<TShape>(s, Point(10, 20));
    Insert<TShape>(s, Point(150, 100));
    Click(s, Point(250, 250));
    EXPECT_EQ(Inspector()->ActiveRows()->Count(), 1);  // the surface's Name

    Click(first, Point(30, 30));
    EXPECT_EQ(Inspector()->cmbControl->Text(), QStringLiteral("TShape1"));
    EXPECT_TRUE(Inspector()->dwgControlGeneral->Visible());
    // The General page in the registration's order, with the values.
    struct {
        const char* Name;
        const char* Value;
    } rows[] = {{"Name", "TShape1"}, {"Left", "10"}, {"Top", "20"}, {"Width", "65"}, {"Height", "65"}};
    TInspectorGrid* general = Inspector()->dwgControlGeneral;
    ASSERT_EQ(general->RowCount(), int(std::size(rows)));
    for (int i = 0; i < int(std::size(rows)); ++i) {
        EXPECT_EQ(general->Cells(0, i), QString::fromLatin1(rows[i].Name)) << i;
        EXPECT_EQ(general->Cells(1, i), QString::fromLatin1(rows[i].Value)) << rows[i].Name;
    }
    // The All page has the rest, the hint comes with the row.
    EXPECT_EQ(Value(QStringLiteral("Tag")), QStringLiteral("0"));
    ClickRow(QStringLiteral("Top"));
    EXPECT_EQ(Inspector()->lblPropName->Caption(), QStringLiteral("Top"));
    EXPECT_EQ(Inspector()->memStatus->Lines()->Text().trimmed(), QStringLiteral("Distance from the parent's top edge"));
    EXPECT_EQ(Inspector()->edtValue->Text(), QStringLiteral("20"));
}

TEST_F(TestProgram, AWidthTypedInTheInspectorMovesTheHandles)
{
    TControlDesigner* s = Surface();
    auto* shape = Insert<TShape>(s, Point(40, 48));
    struct {
        const char* Row;
        const char* Typed;
        TRect Bounds;
        bool Taken;
    } steps[] = {
        {"Width", "100", Bounds(40, 48, 100, 65), true},
        {"Left", "12", Bounds(12, 48, 100, 65), true},
        {"Height", "abc", Bounds(12, 48, 100, 65), false},
    };
    for (const auto& step : steps) {
        ClickRow(QString::fromLatin1(step.Row));
        QWidget* editor = Inspector()->edtValue->Widget();
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, QString::fromLatin1(step.Typed));
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_EQ(shape->BoundsRect(), step.Bounds) << step.Row;
        EXPECT_EQ(HandleRects(s), ExpectedHandles(step.Bounds.Left, step.Bounds.Top, step.Bounds.Width(),
                                                  step.Bounds.Height()))
            << step.Row;
        EXPECT_EQ(Inspector()->edtValue->Text(), QString::fromLatin1(step.Typed)) << step.Row;
        // A refused value says so in red and stays until escaped.
        EXPECT_EQ(Inspector()->memStatus->Font()->Color() == TColor(255), !step.Taken) << step.Row;
    }
    QTest::keyClick(Inspector()->edtValue->Widget(), Qt::Key_Escape);
    EXPECT_EQ(Inspector()->edtValue->Text(), QStringLiteral("65"));
}

TEST_F(TestProgram, DraggingAShapeShowsItsNewPlaceInTheInspector)
{
    TControlDesigner* s = Surface();
    auto* shape = Insert<TShape>(s, Point(40, 48));
    ClickRow(QStringLiteral("Left"));
    Drag(shape, Point(10, 10), Point(42, 26));
    EXPECT_EQ(shape->BoundsRect(), Bounds(72, 64, 65, 65));
    EXPECT_EQ(Shown(), QStringLiteral("TShape1 at 72, 64, 65 x 65"));
    // The editor on the current row follows too.
    EXPECT_EQ(Inspector()->edtValue->Text(), QStringLiteral("72"));
    QTest::keyClick(s->Widget(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Value(QStringLiteral("Top")), QStringLiteral("65"));
}

TEST_F(TestProgram, FreeingTheSelectedControlEmptiesTheInspector)
{
    TControlDesigner* s = Surface();
    auto* panel = Insert<TPanel>(s, Point(16, 16));
    auto* inner = Insert<TShape>(s, Point(14, 4), panel);
    ClickRow(QStringLiteral("Width"));
    delete inner;
    // Nothing selected: the inspector shows the surface, not the freed shape.
    EXPECT_EQ(Shown(), QStringLiteral("Surface1"));
    EXPECT_EQ(Inspector()->cmbControl->Items()->IndexOf(QStringLiteral("TShape1")), -1);
    Inspector()->Widget()->grab();

    // The Edit menu's Delete does the same; the panel's rows go with it.
    Click(panel, Point(2, 2));
    EXPECT_EQ(Value(QStringLiteral("BevelOuter")), QStringLiteral("bvRaised"));
    Click(panel, Point(2, 2), Qt::RightButton);
    ASSERT_NE(MenuAction(Window->EditMenu(), QStringLiteral("&Delete")), nullptr);
    MenuAction(Window->EditMenu(), QStringLiteral("&Delete"))->trigger();
    if (s->ComponentCount() == 0) {
        EXPECT_EQ(Value(QStringLiteral("BevelOuter")), QStringLiteral("<none>"));
        EXPECT_EQ(Shown(), QStringLiteral("Surface1"));
    }
    Inspector()->Widget()->grab();

    // The surface itself goes: the inspector is left with nothing.
    delete s;
    EXPECT_EQ(Inspector()->cmbControl->Items()->Count(), 0);
    EXPECT_FALSE(Inspector()->dwgControlGeneral->Visible());
    EXPECT_FALSE(Inspector()->edtValue->Visible());
    Inspector()->Widget()->grab();
}

TEST_F(TestProgram, APaletteButtonAlignsTheSelectionOfTheActiveSurface)
{
    TfrmAlign* palette = Window->AlignPalette();
    ASSERT_NE(palette, nullptr);
    auto* idle = Insert<TShape>(Surface(0), Point(100, 40));
    auto* a = Insert<TShape>(Surface(1), Point(16, 16));
    auto* b = Insert<TShape>(Surface(1), Point(120, 100));
    Click(a, Point(5, 5));
    Click(b, Point(5, 5), Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(Surface(1)->SelectionCount(), 2);

    // "Align left edges": the others take the first selected one's left.
    QTest::mouseClick(palette->ToolButton1->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
    EXPECT_EQ(a->BoundsRect(), Bounds(16, 16, 65, 65));
    EXPECT_EQ(b->BoundsRect(), Bounds(16, 100, 65, 65));
    EXPECT_EQ(idle->BoundsRect(), Bounds(100, 40, 65, 65));
    // The inspector shows the left they now share.
    EXPECT_EQ(Value(QStringLiteral("Left")), QStringLiteral("16"));
}

// The classes of a control's tree, each child indented below its parent.
QString TreeOf(const TControl* Control, int Indent = 0)
{
    QString tree = QString(Indent, QLatin1Char(' ')) + Control->ClassName() + QLatin1Char('\n');
    if (const auto* parent = As<TWinControl>(Control))
        for (int i = 0; i < parent->ControlCount(); ++i) tree += TreeOf(parent->Controls(i), Indent + 2);
    return tree;
}

// The Edit menu's command, opened with a right click on a control.
void Command(TSurfaceTestWindow& Window, TControl* On, const char* Text)
{
    Click(On, Point(2, 2), Qt::RightButton);
    QAction* action = MenuAction(Window.EditMenu(), QString::fromLatin1(Text));
    ASSERT_NE(action, nullptr) << Text;
    ASSERT_TRUE(action->isEnabled()) << Text;
    action->trigger();
    Window.EditMenu()->Menu()->close();
}

TEST_F(TestProgram, TheSurfaceKeepsPastingWhatItsDesignerKeeps)
{
    TControlDesigner* s = Surface();
    // A class-library control and the program's own classes, as another
    // program copies them.
    Clipboard().SetAsText("object Bevel: TBevel\r\n  Left = 8\r\n  Top = 8\r\nend\r\n"
                          "object Holder: TPanel\r\n  Left = 100\r\n  Top = 8\r\n"
                          "  object Inside: TShape\r\n  end\r\nend\r\n"
                          "object Ticker: TTimer\r\nend\r\n");
    Command(*Window, s, "&Paste");
    ASSERT_NE(As<TBevel>(s->FindComponent(QStringLiteral("Bevel"))), nullptr);
    ASSERT_NE(As<TTimer>(s->FindComponent(QStringLiteral("Ticker"))), nullptr);
    auto* holder = As<TPanel>(s->FindComponent(QStringLiteral("Holder")));
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(TreeOf(holder), "TPanel\n  TShape\n");

    // Copied from the menu and pasted on the other surface, the panel comes
    // back as the tree it was.
    auto* nested = Insert<TPanel>(s, Point(8, 8), holder);
    Insert<TShape>(s, Point(4, 4), nested);
    Command(*Window, holder, "&Copy");
    Command(*Window, Surface(1), "&Paste");
    auto* copy = As<TPanel>(Surface(1)->FindComponent(QStringLiteral("Holder")));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(TreeOf(copy).toStdString(), TreeOf(holder).toStdString());
    EXPECT_EQ(TreeOf(copy), "TPanel\n  TShape\n  TPanel\n    TShape\n");
}

} // namespace
} // namespace designer_framework::testprogram
