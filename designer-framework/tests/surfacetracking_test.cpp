// Moving, sizing and selecting on the surface with a person's mouse and keys.

#include "surfacefixture.h"

#include "designer-framework/capsule.h"

#include "classlib/controls/updatehold.h"
#include "classlib/controls/xoroverlay.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

namespace designer_framework::test {
namespace {

int OverlayShapes(const TControl* C)
{
    const TXorOverlay* overlay = TXorOverlay::Of(C);
    return overlay ? overlay->ShapeCount() : 0;
}

TEST_F(SurfaceTest, DraggingMovesInGridSteps)
{
    // With grid 8 a control at 13 keeps its offset from the grid and jumps
    // once the mouse has gone half a step.
    struct TCase {
        int Delta;
        int Left;
    };
    const TCase cases[] = {{-5, 13}, {0, 13}, {2, 13}, {3, 21}, {10, 21}, {-6, 5}, {11, 29}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Delta);
        TShape* shape = Put<TShape>(nullptr, 13, 21, 40, 30);
        Drag(shape, Point(10, 10), Point(10 + c.Delta, 10));
        EXPECT_EQ(shape->BoundsRect(), Bounds(c.Left, 21, 40, 30));
        EXPECT_EQ(Surface->State(), dsIdle);
        EXPECT_EQ(GetCaptureControl(), nullptr);
        EXPECT_EQ(OverlayShapes(Surface.get()), 0);
        EXPECT_TRUE(HandlesShown());
        EXPECT_EQ(Surface->Handles(0)->Left(), c.Left - 4);
        EXPECT_EQ(Surface->Handles(0)->Color(), Surface->HandleColor());
        delete shape;
    }
}

TEST_F(SurfaceTest, AMoveShowsAnOutlineAndRedHandlesUntilReleased)
{
    TShape* a = Put<TShape>(nullptr, 16, 16, 40, 24);
    Press(a, Point(5, 5));
    EXPECT_EQ(Surface->State(), dsMoving);
    EXPECT_EQ(GetCaptureControl(), Surface.get());
    EXPECT_EQ(Surface->Handles(0)->Color(), Surface->DragColor());
    EXPECT_EQ(OverlayShapes(Surface.get()), 4);
    MoveTo(a, Point(30, 21));
    EXPECT_EQ(Surface->OutlineRect(), Bounds(40, 32, 40, 24));
    EXPECT_EQ(OverlayShapes(Surface.get()), 4);
    Release(a, Point(30, 21));
    EXPECT_EQ(a->BoundsRect(), Bounds(40, 32, 40, 24));
}

TEST_F(SurfaceTest, SeveralSelectedControlsMoveTogether)
{
    // Two controls sharing an edge: their outlines merge into five segments.
    TShape* a = Put<TShape>(nullptr, 8, 8, 40, 40);
    TShape* b = Put<TShape>(nullptr, 48, 8, 40, 40);
    TShape* far = Put<TShape>(nullptr, 200, 200, 20, 20);
    Surface->SelectControl(a);
    Surface->SelectControl(b);
    Press(b, Point(5, 5));
    EXPECT_EQ(OverlayShapes(Surface.get()), 5);
    MoveTo(b, Point(21, 13));
    Release(b, Point(21, 13));
    EXPECT_EQ(a->BoundsRect(), Bounds(24, 16, 40, 40));
    EXPECT_EQ(b->BoundsRect(), Bounds(64, 16, 40, 40));
    EXPECT_EQ(far->BoundsRect(), Bounds(200, 200, 20, 20));
    EXPECT_EQ(OverlayShapes(Surface.get()), 0);
}

TEST_F(SurfaceTest, DraggingAHandleSizesWithSnapping)
{
    // The right edge at 100, pressed at x = 101: within half a step of the
    // press the edge stays; further out it snaps to the nearest grid line.
    struct TCase {
        int Handle;
        int MouseX, MouseY;  // where the mouse goes, surface coordinates
        TRect Bounds;
    };
    const TCase cases[] = {
        {3, 103, 39, Bounds(20, 20, 80, 40)},
        {3, 110, 39, Bounds(20, 20, 92, 40)},
        {3, 106, 39, Bounds(20, 20, 84, 40)},
        {7, 9, 39, Bounds(8, 20, 92, 40)},
        {5, 60, 90, Bounds(20, 20, 80, 68)},
        {4, 130, 90, Bounds(20, 20, 108, 68)},
        // The left edge dragged past the right one turns the control over.
        {7, 140, 39, Bounds(100, 20, 44, 40)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "handle " << c.Handle << " to " << c.MouseX << "," << c.MouseY);
        TShape* shape = Put<TShape>(nullptr, 20, 20, 80, 40);
        Surface->SelectOnly(shape);
        TBorderPoint* handle = Surface->Handles(c.Handle);
        // Press one pixel right of the handle's left edge, as the 101 above.
        const TPoint press = Point(2, 2);
        const TPoint origin = Point(handle->Left(), handle->Top());
        Press(handle, press);
        EXPECT_EQ(Surface->State(), c.Handle);
        EXPECT_EQ(GetCaptureControl(), handle);
        const TPoint to = Point(c.MouseX - origin.X, c.MouseY - origin.Y);
        MoveTo(handle, to);
        Release(handle, to);
        EXPECT_EQ(Surface->State(), dsIdle);
        EXPECT_EQ(shape->BoundsRect(), c.Bounds);
        EXPECT_EQ(OverlayShapes(Surface.get()), 0);
        delete shape;
    }
}

TEST_F(SurfaceTest, RightButtonOrKeyCancelsADrag)
{
    TShape* shape = Put<TShape>(nullptr, 16, 16, 40, 24);
    // A right press during a move.
    Press(shape, Point(5, 5));
    MoveTo(shape, Point(60, 60));
    Press(shape, Point(60, 60), Qt::RightButton);
    EXPECT_EQ(Surface->State(), dsIdle);
    Release(shape, Point(60, 60));
    EXPECT_EQ(shape->BoundsRect(), Bounds(16, 16, 40, 24));
    // A key during a move.
    Press(shape, Point(5, 5));
    MoveTo(shape, Point(60, 60));
    Key(Qt::Key_A);
    EXPECT_EQ(Surface->State(), dsIdle);
    Release(shape, Point(60, 60));
    EXPECT_EQ(shape->BoundsRect(), Bounds(16, 16, 40, 24));
    // A key during a resize.
    TBorderPoint* handle = Surface->Handles(4);
    Press(handle, Point(2, 2));
    MoveTo(handle, Point(40, 40));
    Key(Qt::Key_Shift);
    EXPECT_EQ(Surface->State(), dsIdle);
    Release(handle, Point(40, 40));
    EXPECT_EQ(shape->BoundsRect(), Bounds(16, 16, 40, 24));
    // A right press on the handle during a resize.
    Press(handle, Point(2, 2));
    MoveTo(handle, Point(40, 40));
    Press(handle, Point(40, 40), Qt::RightButton);
    EXPECT_EQ(Surface->State(), dsIdle);
    EXPECT_EQ(shape->BoundsRect(), Bounds(16, 16, 40, 24));
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(OverlayShapes(Surface.get()), 0);
}

TEST_F(SurfaceTest, ARubberBandSelectsTheChildrenItOverlaps)
{
    TShape* a = Put<TShape>(nullptr, 40, 40, 40, 40, "A");
    TShape* b = Put<TShape>(nullptr, 120, 60, 40, 40, "B");
    TShape* touched = Put<TShape>(nullptr, 200, 30, 40, 40, "Touched");
    TBox* box = Put<TBox>(nullptr, 300, 200, 80, 80, "Box");
    Put<TShape>(box, 5, 5, 20, 20, "Inner");
    Surface->SelectOnly(box);

    Press(Surface.get(), Point(10, 10));
    EXPECT_EQ(Surface->SelectionCount(), 0);
    // Ten across and three down starts no band.
    MoveTo(Surface.get(), Point(20, 13));
    EXPECT_EQ(Surface->State(), dsIdle);
    MoveTo(Surface.get(), Point(150, 80));
    EXPECT_EQ(Surface->State(), dsRubberBand);
    EXPECT_EQ(GetCaptureControl(), Surface.get());
    EXPECT_EQ(OverlayShapes(Surface.get()), 1);
    // The band ends where a control only touches it.
    MoveTo(Surface.get(), Point(200, 90));
    EXPECT_EQ(OverlayShapes(Surface.get()), 1);
    Release(Surface.get(), Point(200, 90));
    EXPECT_EQ(Selected(), (QList<TComponent*>{a, b}));
    EXPECT_EQ(OverlayShapes(Surface.get()), 0);
    EXPECT_FALSE(HandlesShown());
    (void)touched;

    // Each selected control shows grey corner marks.
    const QImage image = b->Widget()->grab().toImage();
    const QColor grey(0x80, 0x80, 0x80);
    EXPECT_EQ(image.pixelColor(0, 0), grey);
    EXPECT_EQ(image.pixelColor(5, 5), grey);
    EXPECT_NE(image.pixelColor(6, 6), grey);
    EXPECT_EQ(image.pixelColor(39, 39), grey);
    EXPECT_EQ(image.pixelColor(34, 0), grey);

    // Shift-click takes one out and starts no move; again puts it back.
    Press(a, Point(5, 5), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(Surface->State(), dsIdle);
    Release(a, Point(5, 5));
    EXPECT_EQ(Selected(), QList<TComponent*>{b});
    EXPECT_TRUE(HandlesShown());
    Press(a, Point(5, 5), Qt::LeftButton, Qt::ShiftModifier);
    Release(a, Point(5, 5));
    EXPECT_EQ(Selected(), (QList<TComponent*>{b, a}));
}

TEST_F(SurfaceTest, ArrowKeysStepThroughSiblings)
{
    TShape* a = Put<TShape>(nullptr, 10, 10, 20, 20, "A");
    TShape* b = Put<TShape>(nullptr, 40, 10, 20, 20, "B");
    TShape* c = Put<TShape>(nullptr, 70, 10, 20, 20, "C");
    Surface->SelectOnly(a);
    struct TCase {
        Qt::Key Key;
        TShape* Expected;
    };
    const TCase steps[] = {{Qt::Key_Right, b}, {Qt::Key_Down, c}, {Qt::Key_Right, a},
                           {Qt::Key_Left, c},  {Qt::Key_Up, b},   {Qt::Key_Left, a}};
    for (const auto& s : steps) {
        Key(s.Key);
        EXPECT_EQ(Selected(), QList<TComponent*>{s.Expected}) << s.Expected->Name().toStdString();
    }
}

TEST_F(SurfaceTest, KeysMoveAndSize)
{
    struct TCase {
        const char* Name;
        Qt::Key Key;
        Qt::KeyboardModifiers Mods;
        TRect Bounds;
    };
    const TCase cases[] = {
        {"Ctrl+Right", Qt::Key_Right, Qt::ControlModifier, Bounds(41, 40, 20, 10)},
        {"Ctrl+Up", Qt::Key_Up, Qt::ControlModifier, Bounds(40, 39, 20, 10)},
        {"Shift+Ctrl+Left", Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier, Bounds(32, 40, 20, 10)},
        {"Shift+Ctrl+Down", Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier, Bounds(40, 48, 20, 10)},
        {"Shift+Right", Qt::Key_Right, Qt::ShiftModifier, Bounds(40, 40, 21, 10)},
        {"Shift+Up", Qt::Key_Up, Qt::ShiftModifier, Bounds(40, 40, 20, 9)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TShape* shape = Put<TShape>(nullptr, 40, 40, 20, 10);
        Surface->SelectOnly(shape);
        Key(c.Key, c.Mods);
        EXPECT_EQ(shape->BoundsRect(), c.Bounds);
        EXPECT_EQ(Surface->Handles(0)->Left(), c.Bounds.Left - 4);
        delete shape;
    }
    // Never below six pixels; a smaller control does not grow on a move.
    TShape* narrow = Put<TShape>(nullptr, 40, 40, 6, 7);
    Surface->SelectOnly(narrow);
    Key(Qt::Key_Left, Qt::ShiftModifier);
    Key(Qt::Key_Up, Qt::ShiftModifier);
    Key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(narrow->BoundsRect(), Bounds(40, 40, 6, 6));
    narrow->SetBounds(40, 40, 0, 0);
    Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(narrow->BoundsRect(), Bounds(41, 40, 0, 0));
}

TEST_F(SurfaceTest, EscapeSelectsTheParent)
{
    TBox* box = Put<TBox>(nullptr, 100, 100, 200, 150, "Box");
    TShape* inner = Put<TShape>(box, 10, 10, 40, 40, "Inner");
    TShape* inner2 = Put<TShape>(box, 60, 10, 40, 40, "Inner2");
    Surface->SelectControl(inner);
    Surface->SelectControl(inner2);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Selected(), QList<TComponent*>{box});
    EXPECT_TRUE(HandlesShown());
    Key(Qt::Key_Escape);
    EXPECT_EQ(Selected(), QList<TComponent*>{Surface.get()});
    EXPECT_FALSE(HandlesShown());
    // The surface itself goes nowhere: not by Escape, keys, or alignment.
    Key(Qt::Key_Escape);
    Key(Qt::Key_Right, Qt::ControlModifier);
    Key(Qt::Key_Right);
    Surface->AlignSize(2);
    EXPECT_EQ(Selected(), QList<TComponent*>{Surface.get()});
    EXPECT_EQ(Surface->BoundsRect(), Bounds(50, 40, 400, 300));
}

TEST_F(SurfaceTest, InsertingNamesPlacesAndSelects)
{
    TComponent* first = Surface->CreateComponent(TShape::StaticClass(), Point(30, 40));
    TComponent* second = Surface->CreateComponent(TShape::StaticClass(), Point(50, 60));
    EXPECT_EQ(first->Name(), "TShape1");
    EXPECT_EQ(second->Name(), "TShape2");
    auto* shape = As<TShape>(second);
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->BoundsRect(), Bounds(50, 60, 65, 41));
    EXPECT_EQ(Selected(), QList<TComponent*>{second});

    // Into a selected box, at the point in the box's coordinates.
    TBox* box = Put<TBox>(nullptr, 100, 100, 200, 150, "Box");
    Surface->SelectOnly(box);
    auto* inner = As<TShape>(Surface->CreateComponent(TShape::StaticClass(), Point(120, 130)));
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->Parent(), box);
    EXPECT_EQ(Point(inner->Left(), inner->Top()), Point(20, 30));
    // Beside a selected control that holds none: into its parent.
    auto* sibling = As<TShape>(Surface->CreateComponent(TShape::StaticClass(), Point(110, 110)));
    EXPECT_EQ(sibling->Parent(), box);

    // A non-visual component gets its capsule at the point.
    TComponent* ticker = Surface->CreateComponent(TTicker::StaticClass(), Point(200, 20));
    EXPECT_EQ(ticker->Name(), "TTicker1");
    TControl* capsule = Surface->ControlOfComponent(ticker);
    ASSERT_NE(As<TCapsule>(capsule), nullptr);
    EXPECT_EQ(capsule->BoundsRect(), Bounds(200, 20, 28, 28));
    EXPECT_EQ(Selected(), QList<TComponent*>{ticker});
}

TEST_F(SurfaceTest, DoubleClickRunsTheComponentEditor)
{
    TComponent* ticker = Surface->CreateComponent(TTicker::StaticClass(), Point(200, 20));
    TControl* capsule = Surface->ControlOfComponent(ticker);
    const int before = TTicker::Edits;
    DoubleClick(capsule, Point(5, 5));
    EXPECT_EQ(TTicker::Edits, before + 1);
    // A shape has the default editor: nothing happens, nothing breaks.
    TShape* shape = Put<TShape>(nullptr, 10, 10, 40, 40);
    DoubleClick(shape, Point(5, 5));
    EXPECT_EQ(Selected(), QList<TComponent*>{shape});
    EXPECT_EQ(TTicker::Edits, before + 1);
}

TEST_F(SurfaceTest, AClickOnAnInnerPartSelectsTheCompound)
{
    TBox* compound = Put<TBox>(nullptr, 100, 100, 100, 60, "Compound");
    // An inner part owned by the compound, not by the surface.
    auto* part = new TShape(compound);
    part->SetBounds(5, 5, 30, 20);
    part->SetParent(compound);
    part->SetDesigning(true);
    Press(part, Point(3, 3));
    Release(part, Point(3, 3));
    EXPECT_EQ(Selected(), QList<TComponent*>{compound});
}

TEST_F(SurfaceTest, FocusLossCancelsAMove)
{
    TShape* shape = Put<TShape>(nullptr, 16, 16, 40, 24);
    Press(shape, Point(5, 5));
    MoveTo(shape, Point(60, 60));
    Surface->Perform(WM_KILLFOCUS);
    EXPECT_EQ(Surface->State(), dsIdle);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    Release(shape, Point(60, 60));
    EXPECT_EQ(shape->BoundsRect(), Bounds(16, 16, 40, 24));
}

} // namespace
} // namespace designer_framework::test

namespace designer_framework::test {
namespace {

// What the surface window shows: its backing store, not a fresh rendering.
QImage Shown(const TControlDesigner* Surface)
{
    return QGuiApplication::primaryScreen()->grabWindow(Surface->Widget()->winId()).toImage();
}

TEST_F(SurfaceTest, ManySelectedControlsMovedByKeyShowTheirMarksWhereTheyNowAre)
{
    QList<TShape*> shapes;
    for (int i = 0; i < 60; ++i) {
        TShape* shape = Put<TShape>(nullptr, 10 + i % 10 * 36, 10 + i / 10 * 36, 20, 20);
        shape->SetColor(clWhite);
        shapes.append(shape);
    }
    Press(Surface.get(), Point(2, 2));
    MoveTo(Surface.get(), Point(200, 150));
    MoveTo(Surface.get(), Point(395, 295));
    Release(Surface.get(), Point(395, 295));
    ASSERT_EQ(Surface->SelectionCount(), 60);
    QCoreApplication::processEvents();

    Key(Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_FALSE(TUpdateHold::Active());
    EXPECT_FALSE(HandlesShown());
    QCoreApplication::processEvents();
    const QImage shown = Shown(Surface.get());
    ASSERT_FALSE(shown.isNull());
    const QColor grey(0x80, 0x80, 0x80), white(Qt::white);
    const TColorRef face = ColorToRGB(clBtnFace);
    const QColor surface(GetRValue(face), GetGValue(face), GetBValue(face));
    for (int i = 0; i < 60; ++i) {
        SCOPED_TRACE(i);
        const TShape* shape = shapes[i];
        const int x = 10 + i % 10 * 36 + 8, y = 10 + i / 10 * 36;
        ASSERT_EQ(shape->BoundsRect(), Bounds(x, y, 20, 20));
        EXPECT_EQ(shown.pixelColor(x, y), grey);
        EXPECT_EQ(shown.pixelColor(x + 19, y + 19), grey);
        EXPECT_EQ(shown.pixelColor(x + 10, y + 10), white);
        // Where it stood, off the grid's dots, the surface shows again.
        EXPECT_EQ(shown.pixelColor(x - 7, y + 9), surface);
    }

    // One of them alone has its handles around it, at its new place.
    Press(Surface.get(), Point(390, 290));
    Release(Surface.get(), Point(390, 290));
    ASSERT_EQ(Surface->SelectionCount(), 0);
    QCoreApplication::processEvents();
    const QImage none = Shown(Surface.get());
    for (const TShape* shape : shapes) EXPECT_EQ(none.pixelColor(shape->Left(), shape->Top()), white);
    Press(shapes[11], Point(10, 10));
    Release(shapes[11], Point(10, 10));
    ASSERT_EQ(Selected(), QList<TComponent*>{shapes[11]});
    EXPECT_TRUE(HandlesShown());
    EXPECT_EQ(Surface->Handles(0)->BoundsRect(), Bounds(50, 42, 5, 5));
    EXPECT_EQ(Surface->Handles(4)->BoundsRect(), Bounds(73, 65, 5, 5));
    QCoreApplication::processEvents();
    const QImage single = Shown(Surface.get());
    EXPECT_EQ(single.pixelColor(shapes[12]->Left(), shapes[12]->Top()), white);
    EXPECT_EQ(single.pixelColor(55, 47), white);
}

} // namespace
} // namespace designer_framework::test
