#pragma once

// A shown design surface with a bound designer and a logging inspector,
// test classes to put on it, and the mouse and keys of a person.

#include "fakes.h"

#include "designer-framework/borderpoint.h"
#include "designer-framework/controldesigner.h"
#include "designer-framework/extdesigner.h"

#include "classlib/controls/panel.h"

#include <gtest/gtest.h>

#include <QTest>

#include <memory>

namespace designer_framework::test {

QX_ENUM(TShapeKind, skRectangle, skCircle, skSquare)
QX_ENUM(TShapeSide, sdLeft, sdTop, sdRight, sdBottom)
using TShapeSides = TSet<TShapeSide>;

// A control of a fixed default size, as a palette class brings it.
class TShape : public TCustomControl {
    QX_CLASS(TShape, TCustomControl)
public:
    explicit TShape(TComponent* AOwner);
    TShapeKind Kind = skRectangle;
    TShapeSides Sides{sdLeft, sdTop, sdRight, sdBottom};
};

// A panel that holds other controls.
class TBox : public TCustomPanel {
    QX_CLASS(TBox, TCustomPanel)
public:
    explicit TBox(TComponent* AOwner) : TCustomPanel(AOwner) {}
};

// A component that is no control; its editor logs the double click.
class TTicker : public TComponent {
    QX_CLASS(TTicker, TComponent)
public:
    explicit TTicker(TComponent* AOwner) : TComponent(AOwner) {}
    static inline int Edits = 0;
};

class SurfaceTest : public ::testing::Test {
protected:
    SurfaceTest();
    ~SurfaceTest() override;

    template <class T>
    T* Put(TWinControl* Parent, int L, int T_, int W, int H, const QString& Name = {})
    {
        auto* c = new T(Surface.get());
        if (!Name.isEmpty()) c->SetName(Name);
        c->SetBounds(L, T_, W, H);
        c->SetParent(Parent ? Parent : Surface.get());
        c->Show();
        return c;
    }

    // A person's mouse on a control, at a point of its client area.
    static void Press(TControl* C, TPoint At, Qt::MouseButton B = Qt::LeftButton, Qt::KeyboardModifiers M = {});
    static void MoveTo(TControl* C, TPoint At);
    static void Release(TControl* C, TPoint At, Qt::MouseButton B = Qt::LeftButton);
    static void DoubleClick(TControl* C, TPoint At);
    void Key(Qt::Key K, Qt::KeyboardModifiers M = {});
    // A left drag on a control from one client point to another.
    static void Drag(TControl* C, TPoint From, TPoint To);

    QList<TComponent*> Selected() const;
    // Whether all eight handles show.
    bool HandlesShown() const;

    QStringList Log;
    std::unique_ptr<TFakeInspector> Inspector = std::make_unique<TFakeInspector>(Log);
    std::unique_ptr<TControlDesigner> Surface = std::make_unique<TControlDesigner>(nullptr);
    TExtDesigner* Designer = nullptr;
};

} // namespace designer_framework::test
