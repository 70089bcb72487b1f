#include "classlib/controls/splitter.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/graphics/canvas.h"

namespace classlib {

const TClassInfo& TSplitter::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TSplitter>("TSplitter")
        .Prop("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize).Default(30)
        .Prop("OnMoved", &TSplitter::OnMoved)
        .Build();
    return info;
}

TSplitter::TSplitter(TComponent* AOwner) : TControl(AOwner)
{
    SetControlStyle({csCaptureMouse});
    SetAlign(alLeft);
    SetBounds(0, 0, 3, 100);
    SetCursor(crSizeWE);
}

TControl* TSplitter::FindControl() const
{
    const TWinControl* parent = Parent();
    if (!parent || Align() == alNone || Align() == alClient)
        return nullptr;
    // The control whose edge touches the splitter's edge on its side.
    TControl* found = nullptr;
    for (int i = 0; i < parent->ControlCount() && !found; ++i) {
        TControl* c = parent->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align())
            continue;
        switch (Align()) {
        case alLeft: found = c->Left() + c->Width() == Left() ? c : nullptr; break;
        case alRight: found = c->Left() == Left() + Width() ? c : nullptr; break;
        case alTop: found = c->Top() + c->Height() == Top() ? c : nullptr; break;
        case alBottom: found = c->Top() == Top() + Height() ? c : nullptr; break;
        default: break;
        }
    }
    return found;
}

int TSplitter::ClampSize(const TControl* Control, int Size) const
{
    const TWinControl* parent = Parent();
    // What the parent's other controls on the same axis leave, less MinSize
    // for whatever fills the rest.
    int taken = 0;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        const TControl* c = parent->Controls(i);
        if (c == Control || !c->Visible())
            continue;
        const bool sameAxis = Horizontal() ? (c->Align() == alTop || c->Align() == alBottom)
                                           : (c->Align() == alLeft || c->Align() == alRight);
        if (sameAxis)
            taken += Horizontal() ? c->Height() : c->Width();
    }
    const int whole = Horizontal() ? parent->ClientHeight() : parent->ClientWidth();
    const int most = whole - taken - FMinSize;
    return std::max(FMinSize, std::min(Size, most));
}

void TSplitter::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    FControl = FindControl();
    if (!FControl)
        return;
    const TPoint screen = ClientToScreen(TPoint{X, Y});
    FDownAt = Horizontal() ? screen.Y : screen.X;
    FStartSize = Horizontal() ? FControl->Height() : FControl->Width();
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y)
{
    TControl::MouseMove(Shift, X, Y);
    if (!FControl || !Shift.Contains(ssLeft))
        return;
    const TPoint screen = ClientToScreen(TPoint{X, Y});
    int delta = (Horizontal() ? screen.Y : screen.X) - FDownAt;
    if (Align() == alRight || Align() == alBottom)
        delta = -delta;
    const int size = ClampSize(FControl, FStartSize + delta);
    if (Horizontal())
        FControl->SetHeight(size);
    else
        FControl->SetWidth(size);
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || !FControl)
        return;
    FControl = nullptr;
    if (OnMoved)
        OnMoved(this);
}

namespace {
const bool SplitterRegistered = (RegisterClass(TSplitter::StaticClass()), true);
}

} // namespace classlib
