// The surface's mouse and keyboard: selecting, moving and sizing with the
// mouse and the keys, the rubber band, the popup menu and insertion.

#include "designer-framework/borderpoint.h"
#include "designer-framework/capsule.h"
#include "designer-framework/controldesigner.h"
#include "designer-framework/extdesigner.h"

#include "classlib/controls/menus.h"
#include "classlib/controls/xoroverlay.h"
#include "classlib/design/componenteditor.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace designer_framework {

using namespace classlib;

namespace {

// A band starts once the mouse is this far from the anchor both ways.
constexpr int BandThreshold = 6;
// Keys never size a control below this.
constexpr int MinKeySize = 6;
constexpr int MarkSize = 6;
constexpr TPoint NoPoint{-1, -1};

TRect Normalized(const TPoint& A, const TPoint& B)
{
    return Rect(std::min(A.X, B.X), std::min(A.Y, B.Y), std::max(A.X, B.X), std::max(A.Y, B.Y));
}

TRect Intersection(const TRect& A, const TRect& B)
{
    return Rect(std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
                std::min(A.Bottom, B.Bottom));
}

bool IsEmptyRect(const TRect& R)
{
    return R.Right <= R.Left || R.Bottom <= R.Top;
}

// A control's client area on the screen, optionally one pixel larger to
// the right and below.
TRect ScreenClientRect(const TControl* AControl, int Extra)
{
    const TPoint origin = AControl->ClientToScreen(Point(0, 0));
    return Rect(origin.X, origin.Y, SatAdd(origin.X, AControl->ClientWidth() + Extra),
                SatAdd(origin.Y, AControl->ClientHeight() + Extra));
}

bool IsButtonDown(unsigned Msg)
{
    return Msg == WM_LBUTTONDOWN || Msg == WM_RBUTTONDOWN;
}

} // namespace

// ---------------------------------------------------------------------------
// Coordinates

TPoint TControlDesigner::ToSurface(const TControl* AControl, const TPoint& P) const
{
    if (!AControl || AControl == this) return P;
    return ScreenToClient(AControl->ClientToScreen(P));
}

TPoint TControlDesigner::SurfaceToParent(const TControl* AControl, const TPoint& P) const
{
    const TWinControl* parent = AControl ? AControl->Parent() : nullptr;
    if (!parent || parent == this || AControl == this) return P;
    return parent->ScreenToClient(ClientToScreen(P));
}

TPoint TControlDesigner::ReferenceOrigin() const
{
    const TControl* reference = Reference();
    if (!reference || reference == this) return Point(0, 0);
    return ToSurface(reference->Parent(), Point(reference->Left(), reference->Top()));
}

// ---------------------------------------------------------------------------
// Messages of the edited controls

void TControlDesigner::DesignMessage(TControl* Sender, TMessage& Message)
{
    const unsigned msg = Message.Msg;
    if (msg == WM_PAINT) {
        // The outline lives over the window: a paint below leaves it alone.
        Sender->Dispatch(Message);
        if (FSelection.size() > 1 && IsSelected(Sender)) {
            FPainting = Sender;
            FPaintDevice = reinterpret_cast<QPaintDevice*>(Message.WParam);
            PaintSelectionMarks(Sender);
            FPainting = nullptr;
            FPaintDevice = nullptr;
        }
        return;
    }
    if (IsButtonDown(msg)) {
        // A click on an inner part of a compound control is the compound's.
        TControl* target = Sender;
        if (Sender->Owner() != this && !As<TCapsule>(Sender) && !As<TBorderPoint>(Sender) &&
            GetParentForm(Sender) == this) {
            for (TControl* c = Sender->Parent(); c && c != this; c = c->Parent())
                if (c->Owner() == this) {
                    target = c;
                    break;
                }
        }
        const TPoint at = ToSurface(Sender, Point(LParamX(Message.LParam), LParamY(Message.LParam)));
        const TShiftState shift = KeysToShiftState(unsigned(Message.WParam));
        if (shift.Contains(ssShift)) {
            if (IsSelected(target))
                RemoveFromSelection(target);
            else
                AddToSelection(target);
            UpdateSelection();
            return;
        }
        if (!IsSelected(target)) SelectOnly(ComponentOfControl(target));
        if (msg == WM_LBUTTONDOWN)
            StartMove(mbLeft, shift, at);
        else
            ShowPopup(target, at);
        return;
    }
    if (msg == WM_LBUTTONDBLCLK && FComponentEditor) FComponentEditor->Edit();
}

// ---------------------------------------------------------------------------
// Moving

void TControlDesigner::StartMove(TMouseButton Button, TShiftState Shift, const TPoint& At)
{
    // The surface's mouse-down event comes first: a palette class may be
    // inserted there, and then the new component is what moves.
    TForm::MouseDown(Button, Shift, At.X, At.Y);
    const TControl* reference = Reference();
    if (!reference || reference == this) return;
    SetMouseCapture(true);
    ClipToParentOf(reference);
    FLines.clear();
    FState = dsMoving;
    FAnchor = At;
    FLastPoint = NoPoint;
    SetHandleColor(FDragColor);
    DragTrack(At.X, At.Y, true);
}

void TControlDesigner::ClipToParentOf(const TControl* AControl)
{
    const TWinControl* parent = AControl->Parent();
    const TRect clip = ScreenClientRect(parent ? static_cast<const TControl*>(parent) : this, 1);
    ClipCursor(&clip);
}

void TControlDesigner::ReleaseMouse()
{
    if (GetCaptureControl() == this || As<TBorderPoint>(GetCaptureControl())) SetCaptureControl(nullptr);
    ClipCursor(nullptr);
}

void TControlDesigner::EndMove(TMouseButton Button, const TPoint& At)
{
    ReleaseMouse();
    FLastPoint = At;
    DragTrack(At.X, At.Y, false);
    const TRect R = TrackRect(At.X, At.Y);
    FState = dsIdle;
    TControl* reference = Reference();
    if (Button != mbLeft || !reference || reference == this) {
        UpdateHandles();
        return;
    }
    const TPoint to = SurfaceToParent(reference, R.TopLeft());
    const int dx = SatSub(to.X, reference->Left());
    const int dy = SatSub(to.Y, reference->Top());
    for (TControl* control : EditableControls()) {
        if (control == reference)
            control->SetBounds(to.X, to.Y, control->Width(), control->Height());
        else
            control->SetBounds(SatAdd(control->Left(), dx), SatAdd(control->Top(), dy), control->Width(),
                               control->Height());
    }
    if (FInspector && (dx || dy))
        FInspector->Modified();
    else
        UpdateHandles();
}

// ---------------------------------------------------------------------------
// Sizing with a grab handle

void TControlDesigner::StartResize(TBorderPoint* Handle, const TPoint& At)
{
    const TControl* reference = Reference();
    if (!reference || reference == this) return;
    Handle->SetMouseCapture(true);
    ClipToParentOf(reference);
    FLines.clear();
    FState = quint8(Handle->Index());
    FAnchor = ToSurface(Handle, At);
    SetHandleColor(FDragColor);
    DragTrack(FAnchor.X, FAnchor.Y, true);
}

void TControlDesigner::ResizeMove(const TPoint& At)
{
    if (FState >= dsMoving) return;
    FLastPoint = ToSurface(FHandles[FState], At);
    DragTrack(FLastPoint.X, FLastPoint.Y, true);
}

void TControlDesigner::EndResize(TMouseButton Button, const TPoint& At)
{
    if (FState >= dsMoving) return;
    ReleaseMouse();
    FLastPoint = ToSurface(FHandles[FState], At);
    DragTrack(FLastPoint.X, FLastPoint.Y, false);
    const TRect R = TrackRect(FLastPoint.X, FLastPoint.Y);
    FState = dsIdle;
    TControl* reference = Reference();
    if (Button == mbLeft && reference && reference != this) {
        const TPoint to = SurfaceToParent(reference, R.TopLeft());
        reference->SetBounds(to.X, to.Y, R.Width(), R.Height());
        if (FInspector) FInspector->Modified();
    }
    UpdateHandles();
    FAnchor = NoPoint;
}

// ---------------------------------------------------------------------------
// The outline

TRect TControlDesigner::TrackRect(int X, int Y) const
{
    const TControl* reference = Reference();
    if (!reference) return TRect{};
    const TPoint origin = ReferenceOrigin();
    const qint64 c = origin.X, d = origin.Y, W = reference->Width(), H = reference->Height();
    const qint64 ax = FAnchor.X, ay = FAnchor.Y;
    const int left = SatInt(X + c - ax), top = SatInt(Y + d - ay);
    const int right = SatInt(X + c + W - ax), bottom = SatInt(Y + d + H - ay);
    TRect R = Rect(int(c), int(d), SatInt(c + W), SatInt(d + H));
    switch (FState) {
    case 0: R.Left = SnapX(left, 0); R.Top = SnapY(top, 0); break;
    case 1: R.Top = SnapY(top, 0); break;
    case 2: R.Top = SnapY(top, 0); R.Right = SnapX(right, 0); break;
    case 3: R.Right = SnapX(right, 0); break;
    case 4: R.Right = SnapX(right, 0); R.Bottom = SnapY(bottom, 0); break;
    case 5: R.Bottom = SnapY(bottom, 0); break;
    case 6: R.Left = SnapX(left, 0); R.Bottom = SnapY(bottom, 0); break;
    case 7: R.Left = SnapX(left, 0); break;
    case dsMoving:
        R.Left = SnapX(left, 1);
        R.Top = SnapY(top, 1);
        R.Right = SatInt(qint64(R.Left) + W);
        R.Bottom = SatInt(qint64(R.Top) + H);
        break;
    default: break;
    }
    // An edge dragged across the opposite one turns the control over.
    if (R.Right < R.Left) std::swap(R.Left, R.Right);
    if (R.Bottom < R.Top) std::swap(R.Top, R.Bottom);
    return R;
}

namespace {

// One axis of the grid: Origin and Size are the reference's left and width
// (or top and height), Anchor where the drag began on that axis, and the
// states that drag the near and the far edge.
int Snap(int Value, int Mode, int Grid, int Origin, int Size, int Anchor, bool NearEdge, bool FarEdge)
{
    const qint64 g = Grid, v = Value;
    if (Mode == 1) return SatInt(g * (v / g) + Origin % Grid);
    const qint64 half = g / 2;
    if (Anchor - half < v && v < Anchor + half) {
        if (NearEdge) return Origin;
        if (FarEdge) return SatAdd(Origin, Size);
        return Value;
    }
    const qint64 q = (v / g) * g;
    const qint64 r = v % g;
    return SatInt(r != 0 && r > half ? q + g : q);
}

} // namespace

int TControlDesigner::SnapX(int Value, int Mode) const
{
    const TControl* reference = Reference();
    const int width = reference ? reference->Width() : 0;
    const bool nearEdge = FState == 0 || FState == 6 || FState == 7;
    const bool farEdge = FState == 2 || FState == 3 || FState == 4;
    return Snap(Value, Mode, FGridX, ReferenceOrigin().X, width, FAnchor.X, nearEdge, farEdge);
}

int TControlDesigner::SnapY(int Value, int Mode) const
{
    const TControl* reference = Reference();
    const int height = reference ? reference->Height() : 0;
    const bool nearEdge = FState == 0 || FState == 1 || FState == 2;
    const bool farEdge = FState == 4 || FState == 5 || FState == 6;
    return Snap(Value, Mode, FGridY, ReferenceOrigin().Y, height, FAnchor.Y, nearEdge, farEdge);
}

TRect TControlDesigner::OutlineClip() const
{
    const TControl* reference = Reference();
    const TWinControl* parent = reference ? reference->Parent() : nullptr;
    if (!parent || reference == this) return ScreenClientRect(this, 1);
    TRect clip = ScreenClientRect(parent, 1);
    for (const TWinControl* p = parent->Parent(); p; p = p->Parent()) clip = Intersection(clip, ScreenClientRect(p, 0));
    return clip;
}

void TControlDesigner::DrawOutline(const TRect& R)
{
    TXorOverlay* overlay = TXorOverlay::Of(this);
    if (!overlay) return;
    // A single control's outline is the rectangle itself; a selection's
    // follows the reference's move from where the controls stand.
    const TPoint origin = FSelection.size() == 1 ? ClientToScreen(Point(0, 0)) : [&] {
        const TPoint c = ReferenceOrigin();
        return ClientToScreen(Point(SatSub(R.Left, c.X), SatSub(R.Top, c.Y)));
    }();
    const TRect clip = OutlineClip();
    for (const TLine& line : FLines) {
        const TPoint from = line.From(), to = line.To();
        overlay->Line(Point(SatAdd(from.X, origin.X), SatAdd(from.Y, origin.Y)),
                      Point(SatAdd(to.X, origin.X), SatAdd(to.Y, origin.Y)), clip);
    }
}

void TControlDesigner::DragTrack(int X, int Y, bool Show)
{
    TRect old = FOutline;
    const TRect R = TrackRect(X, Y);
    FOutline = R;
    if (Show == FOutlineShown && old == R) return;
    FOutlineShown = Show;
    if (old != TRect{}) {
        DrawOutline(old);
        old = TRect{};
    }
    if (!Show) {
        FOutline = old;
        return;
    }
    if (FSelection.size() == 1) {
        FLines.clear();
        AddRectLines(FLines, R);
    } else if (FLines.isEmpty()) {
        for (TControl* control : EditableControls()) {
            const TPoint at = ToSurface(control->Parent(), Point(control->Left(), control->Top()));
            AddRectLines(FLines, Bounds(at.X, at.Y, control->Width(), control->Height()));
            MergeLines(FLines);
        }
    }
    DrawOutline(R);
}

void TControlDesigner::PaintSelectionMarks(TControl* AControl)
{
    if (!AControl) return;
    // Marks are drawn on the control while it paints; asked at another
    // time, the control paints again and draws them then.
    if (AControl != FPainting || !FPaintDevice) {
        AControl->Invalidate();
        return;
    }
    const int W = AControl->Width(), H = AControl->Height();
    const TColorRef rgb = ColorToRGB(FInactiveColor);
    const QColor colour(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
    QPainter painter(FPaintDevice);
    painter.fillRect(0, 0, MarkSize, MarkSize, colour);
    painter.fillRect(W - MarkSize, 0, MarkSize, MarkSize, colour);
    painter.fillRect(0, H - MarkSize, MarkSize, MarkSize, colour);
    painter.fillRect(W - MarkSize, H - MarkSize, MarkSize, MarkSize, colour);
}

// ---------------------------------------------------------------------------
// The surface's own mouse

void TControlDesigner::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (FState == dsIdle) {
        UnselectAll();
        if (Button == mbLeft && FAnchor == NoPoint) FAnchor = Point(X, Y);
    } else if (Button == mbRight && FState == dsMoving) {
        MouseUp(mbRight, Shift, X, Y);
        return;
    }
    TForm::MouseDown(Button, Shift, X, Y);
}

void TControlDesigner::MouseMove(TShiftState Shift, int X, int Y)
{
    TForm::MouseMove(Shift, X, Y);
    const TPoint at = Point(X, Y);
    if (FState == dsMoving) {
        FLastPoint = at;
        DragTrack(X, Y, true);
    } else if (FState == dsRubberBand) {
        if (TXorOverlay* overlay = TXorOverlay::Of(this)) {
            const TPoint origin = ClientToScreen(Point(0, 0));
            overlay->FocusRect(SatOffsetRect(Normalized(FAnchor, FLastPoint), origin.X, origin.Y));
            overlay->FocusRect(SatOffsetRect(Normalized(FAnchor, at), origin.X, origin.Y));
        }
        FLastPoint = at;
    } else if (FState == dsIdle && FAnchor != NoPoint) {
        if (std::abs(qint64(X) - FAnchor.X) < BandThreshold || std::abs(qint64(Y) - FAnchor.Y) < BandThreshold)
            return;
        FState = dsRubberBand;
        SetMouseCapture(true);
        const TRect clip = ScreenClientRect(this, 1);
        ClipCursor(&clip);
        FLastPoint = at;
        if (TXorOverlay* overlay = TXorOverlay::Of(this)) {
            const TPoint origin = ClientToScreen(Point(0, 0));
            overlay->FocusRect(SatOffsetRect(Normalized(FAnchor, at), origin.X, origin.Y));
        }
    }
}

void TControlDesigner::EndRubberBand()
{
    FState = dsIdle;
    ReleaseMouse();
    const TRect band = Normalized(FAnchor, FLastPoint);
    if (TXorOverlay* overlay = TXorOverlay::Of(this)) {
        const TPoint origin = ClientToScreen(Point(0, 0));
        overlay->FocusRect(SatOffsetRect(band, origin.X, origin.Y));
    }
    bool changed = false;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* control = Controls(i);
        if (As<TBorderPoint>(control)) continue;
        if (IsEmptyRect(Intersection(control->BoundsRect(), band))) continue;
        changed = AddToSelection(control) || changed;
    }
    FChanged = changed || FChanged;
    UpdateSelection();
}

void TControlDesigner::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TPoint at = Point(X, Y);
    bool cancelled = false;
    if (FState == dsMoving) {
        cancelled = Button != mbLeft;
        EndMove(Button, at);
    } else if (FState == dsRubberBand) {
        EndRubberBand();
    }
    if (Button == mbRight && !cancelled) ShowPopup(this, at);
    TForm::MouseUp(Button, Shift, X, Y);
    FAnchor = NoPoint;
}

void TControlDesigner::SendMiddleRelease(TControl* Target)
{
    const TPoint at = Target->ScreenToClient(GetCursorPos());
    Target->Perform(WM_MBUTTONUP, 0, MakeLParam(at.X, at.Y));
}

void TControlDesigner::CancelDrag()
{
    if (FState == dsMoving || FState == dsRubberBand)
        SendMiddleRelease(this);
    else if (FState < dsMoving)
        SendMiddleRelease(FHandles[FState]);
}

void TControlDesigner::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_RBUTTONUP: {
        // The surface shows its menu itself, and not after a cancelled move.
        MouseUp(mbRight, KeysToShiftState(unsigned(Message.WParam)), LParamX(Message.LParam),
                LParamY(Message.LParam));
        return;
    }
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
        // A drag that loses the mouse or the keys ends here.
        CancelDrag();
        break;
    default:
        break;
    }
    TForm::Dispatch(Message);
}

// ---------------------------------------------------------------------------
// Keys

void TControlDesigner::KeyDown(unsigned& Key, TShiftState Shift)
{
    if (FState != dsIdle) {
        CancelDrag();
        return;
    }
    const bool shift = Shift.Contains(ssShift);
    const bool ctrl = Shift.Contains(ssCtrl);
    const int gx = FGridX, gy = FGridY;
    auto arrow = [&](int Step, int DX, int DY) {
        if (!shift && !ctrl)
            SelectSibling(Step);
        else if (shift && !ctrl)
            MoveSizeSelection(0, 0, DX, DY);
        else if (ctrl && !shift)
            MoveSizeSelection(DX, DY, 0, 0);
        else
            MoveSizeSelection(DX * gx, DY * gy, 0, 0);
    };
    switch (Key) {
    case VK_LEFT: arrow(-1, -1, 0); break;
    case VK_RIGHT: arrow(1, 1, 0); break;
    case VK_UP: arrow(-1, 0, -1); break;
    case VK_DOWN: arrow(1, 0, 1); break;
    case VK_ESCAPE: {
        // The parent joins the selection, which drops its children.
        TControl* reference = Reference();
        if (reference && reference != this && reference->Parent()) {
            TWinControl* parent = reference->Parent();
            AddToSelection(parent);
            UpdateSelection();
        }
        break;
    }
    default: break;
    }
    TForm::KeyDown(Key, Shift);
}

void TControlDesigner::MoveSizeSelection(int DX, int DY, int DW, int DH)
{
    for (TControl* control : EditableControls()) {
        // Shrinking stops at the minimum; a control already smaller keeps
        // its size rather than growing on a shrink or a move.
        if (DW < 0 && qint64(control->Width()) + DW < MinKeySize) DW = std::min(0, MinKeySize - control->Width());
        if (DH < 0 && qint64(control->Height()) + DH < MinKeySize) DH = std::min(0, MinKeySize - control->Height());
        control->SetBounds(SatAdd(control->Left(), DX), SatAdd(control->Top(), DY), SatAdd(control->Width(), DW),
                           SatAdd(control->Height(), DH));
    }
    if (!FSelection.isEmpty() && FInspector) FInspector->Modified();
    UpdateHandles();
}

void TControlDesigner::SelectSibling(int Step)
{
    TControl* reference = Reference();
    TWinControl* parent = reference && reference != this ? reference->Parent() : nullptr;
    if (parent) {
        const int count = parent->ControlCount();
        int i = 0;
        while (i < count && parent->Controls(i) != reference) ++i;
        for (int n = 0; n < count && i < count; ++n) {
            i = (i + Step + count) % count;
            TControl* sibling = parent->Controls(i);
            if (As<TBorderPoint>(sibling)) continue;
            if (sibling != reference) {
                ClearSelection();
                AddToSelection(sibling);
            }
            break;
        }
    }
    UpdateSelection();
}

// ---------------------------------------------------------------------------
// Popup and insertion

void TControlDesigner::ShowPopup(TControl* AControl, const TPoint& At)
{
    TPopupMenu* menu = TControl::PopupMenu();
    if (!menu || !menu->AutoPopup()) return;
    Perform(WM_CANCELMODE);
    menu->SetPopupComponent(AControl);
    const TPoint screen = ClientToScreen(At);
    menu->Popup(screen.X, screen.Y);
}

TComponent* TControlDesigner::CreateComponent(const TClassInfo& ComponentClass, const TPoint& At)
{
    TWinControl* parent = this;
    if (TControl* reference = Reference(); reference && reference != this) {
        auto* windowed = As<TWinControl>(reference);
        if (windowed && windowed->ControlStyle().Contains(csAcceptsControls))
            parent = windowed;
        else if (reference->Parent())
            parent = reference->Parent();
    }
    UnselectAll();
    TObject* object = ComponentClass.Create(this);
    auto* component = As<TComponent>(object);
    if (!component) {
        delete object;
        return nullptr;
    }
    component->SetName(MakeUniqueName(QString(), ComponentClass.Name));
    if (TControl* control = As<TControl>(component)) {
        const TPoint at = parent == this ? At : parent->ScreenToClient(ClientToScreen(At));
        control->SetBounds(at.X, at.Y, control->Width(), control->Height());
        control->SetParent(parent);
    } else if (!ControlOfComponent(component)) {
        // The insertion notice came while the component was being made.
        CreateCapsules();
    }
    if (TCapsule* capsule = As<TCapsule>(ControlOfComponent(component)))
        capsule->SetBounds(At.X, At.Y, capsule->Width(), capsule->Height());
    SelectOnly(component);
    CapsulesToFront();
    return component;
}

} // namespace designer_framework
