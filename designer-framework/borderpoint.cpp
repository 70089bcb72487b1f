#include "designer-framework/borderpoint.h"

#include "designer-framework/controldesigner.h"

#include "classlib/core/classbuilder.h"

namespace designer_framework {

using namespace classlib;

namespace {
constexpr int HandleSize = 5;
}

const TClassInfo& TBorderPoint::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TBorderPoint>("TBorderPoint").Build();
    return info;
}

TBorderPoint::TBorderPoint(TControlDesigner* Surface, int AIndex)
    : TCustomPanel(nullptr), FIndex(AIndex), FSurface(Surface)
{
    SetVisible(false);
    SetBounds(0, 0, HandleSize, HandleSize);
    SetBevelOuter(bvNone);
    SetBevelInner(bvRaised);
    SetDoubleBuffered(true);
    SetColor(Surface->HandleColor());
    SetParent(Surface);
}

void TBorderPoint::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        FSurface->StartResize(this, Point(X, Y));
        return;
    }
    // A right button cancels a resize under way.
    if (Button == mbRight && FSurface->State() < dsMoving) {
        FSurface->EndResize(mbRight, Point(X, Y));
        return;
    }
    TCustomPanel::MouseDown(Button, Shift, X, Y);
}

void TBorderPoint::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomPanel::MouseMove(Shift, X, Y);
    if (FSurface->State() < dsMoving) FSurface->ResizeMove(Point(X, Y));
}

void TBorderPoint::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (FSurface->State() >= dsMoving) {
        TCustomPanel::MouseUp(Button, Shift, X, Y);
        return;
    }
    FSurface->EndResize(Button, Point(X, Y));
}

} // namespace designer_framework
