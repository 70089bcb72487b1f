#include "classlib/controls/control.h"

#include "classlib/controls/application.h"
#include "classlib/controls/menus.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/reader.h"
#include "classlib/graphics/painterdc.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace classlib {

namespace detail {

// The widget of every self-painting control: it hands Qt's events to the
// control, guarded.
class TControlWidget : public QWidget {
public:
    explicit TControlWidget(TControl* AControl) : FControl(AControl) {}
    void Detach() { FControl = nullptr; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (FControl)
            CallGuarded(FControl, [this] { FControl->PaintWidget(this); });
    }
    void resizeEvent(QResizeEvent*) override
    {
        if (FControl)
            CallGuarded(FControl, [this] { FControl->WidgetResized(width(), height()); });
    }
    void moveEvent(QMoveEvent*) override
    {
        if (FControl)
            CallGuarded(FControl, [this] { FControl->WidgetMoved(x(), y()); });
    }
    void mousePressEvent(QMouseEvent* E) override
    {
        const TPoint screen = Global(E);
        Mouse(E, [this, screen](TMouseButton B, TShiftState S, int X, int Y) {
            if (B == mbLeft && FControl->DragMode() == dmAutomatic && !FControl->IsDesigning()) {
                FControl->BeginDragAt(screen, true, 0, true);
                return;
            }
            if (B == mbLeft)
                FControl->FPressed = true;
            FControl->MouseDown(B, S, X, Y);
        });
    }
    void mouseDoubleClickEvent(QMouseEvent* E) override
    {
        Mouse(E, [this](TMouseButton B, TShiftState S, int X, int Y) {
            FControl->MouseDown(B, S + TShiftState{ssDouble}, X, Y);
            if (B == mbLeft && FControl->ControlStyle().Contains(csDoubleClicks))
                FControl->DblClick();
        });
    }
    void mouseReleaseEvent(QMouseEvent* E) override
    {
        const TPoint screen = Global(E);
        Mouse(E, [this, screen](TMouseButton B, TShiftState S, int X, int Y) {
            if (FControl->Dragging()) {
                if (B == mbLeft) {
                    FControl->DragTo(screen);
                    if (FControl)
                        FControl->EndDrag(true);
                }
                return;
            }
            const bool click = B == mbLeft && FControl->FPressed;
            if (B == mbLeft)
                FControl->FPressed = false;
            FControl->MouseUp(B, S, X, Y);
            const TRect r = FControl->ClientRect();
            if (click && FControl->ControlStyle().Contains(csClickEvents) && X >= r.Left &&
                X < r.Right && Y >= r.Top && Y < r.Bottom)
                FControl->Click();
            if (B == mbRight)
                FControl->DoPopup(screen);
        });
    }
    void mouseMoveEvent(QMouseEvent* E) override
    {
        if (!FControl)
            return;
        const int b = FControl->BorderWidth();
        const TShiftState s = Shift(E);
        const int x = int(E->position().x()) - b;
        const int y = int(E->position().y()) - b;
        const TPoint screen = Global(E);
        CallGuarded(FControl, [&] {
            if (FControl->Dragging())
                FControl->DragTo(screen);
            else
                FControl->MouseMove(s, x, y);
        });
    }

private:
    static TPoint Global(const QMouseEvent* E)
    {
        return Point(int(E->globalPosition().x()), int(E->globalPosition().y()));
    }

    static TShiftState Shift(const QMouseEvent* E)
    {
        TShiftState s;
        if (E->modifiers() & Qt::ShiftModifier) s += ssShift;
        if (E->modifiers() & Qt::AltModifier) s += ssAlt;
        if (E->modifiers() & Qt::ControlModifier) s += ssCtrl;
        if (E->buttons() & Qt::LeftButton) s += ssLeft;
        if (E->buttons() & Qt::RightButton) s += ssRight;
        if (E->buttons() & Qt::MiddleButton) s += ssMiddle;
        return s;
    }

    template <class F>
    void Mouse(QMouseEvent* E, F&& Proc)
    {
        if (!FControl || !FControl->Enabled())
            return;
        TMouseButton button;
        switch (E->button()) {
        case Qt::LeftButton: button = mbLeft; break;
        case Qt::RightButton: button = mbRight; break;
        case Qt::MiddleButton: button = mbMiddle; break;
        default: return;
        }
        const int b = FControl->BorderWidth();
        const TShiftState s = Shift(E);
        const int x = int(E->position().x()) - b;
        const int y = int(E->position().y()) - b;
        CallGuarded(FControl, [&] { Proc(button, s, x, y); });
    }

    TControl* FControl;
};

} // namespace detail

int GetSystemMetrics(int Index)
{
    switch (Index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    default:
        return 0;
    }
}

// ---------------------------------------------------------------------------
// Drag state: one drag at a time in the process.

namespace {

const char* const ControlProperty = "qxControl";

struct TDragObject {
    TControl* Source = nullptr;
    TControl* Target = nullptr;  // the control the mouse is over
    TPoint Start{};
    TPoint Pos{};                // the last mouse position, screen
    int Threshold = 0;
    bool Started = false;        // past the threshold
    bool Accepted = false;       // the target's last answer
    bool Ending = false;
    bool Grabbed = false;
};

TDragObject* Drag = nullptr;

Qt::CursorShape CursorShape(TCursor Cursor, bool& Known)
{
    Known = true;
    switch (Cursor) {
    case crNone: return Qt::BlankCursor;
    case crArrow: return Qt::ArrowCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crDrag: return Qt::DragMoveCursor;
    case crNoDrop: return Qt::ForbiddenCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    default:
        Known = false;
        return Qt::ArrowCursor;
    }
}

void SetDragCursorShape(TCursor Cursor)
{
    bool known;
    const Qt::CursorShape shape = CursorShape(Cursor, known);
    QGuiApplication::changeOverrideCursor(QCursor(known ? shape : Qt::ArrowCursor));
}

// A control being freed leaves the drag (the drag's handlers may free
// controls): a target is forgotten; a source ends the drag without further
// events, or, when the drag is already ending, only misses its EndDrag.
void ForgetInDrag(TControl* Control)
{
    if (!Drag)
        return;
    if (Drag->Target == Control)
        Drag->Target = nullptr;
    if (Drag->Source == Control) {
        Drag->Source = nullptr;
        if (!Drag->Ending) {
            if (Drag->Started)
                QGuiApplication::restoreOverrideCursor();
            delete Drag;
            Drag = nullptr;
        }
    }
}

} // namespace

// ---------------------------------------------------------------------------
// TControl

const TClassInfo& TControl::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TControl>("TControl")
        .Prop("Left", &TControl::Left, &TControl::SetLeft)
        .Prop("Top", &TControl::Top, &TControl::SetTop)
        .Prop("Width", &TControl::Width, &TControl::SetWidth)
        .Prop("Height", &TControl::Height, &TControl::SetHeight)
        .Build();
    return info;
}

TControl::TControl(TComponent* AOwner) : TControl(AOwner, nullptr) {}

TControl::TControl(TComponent* AOwner, QWidget* AWidget)
    : TComponent(AOwner), FWidget(AWidget ? AWidget : new detail::TControlWidget(this)),
      FFont(new TFont), FCanvas(new TCanvas)
{
    FWidget->setAutoFillBackground(false);
    FWidget->setProperty(ControlProperty, QVariant::fromValue(static_cast<void*>(this)));
    FWidget->hide();
}

TControl::~TControl()
{
    ForgetInDrag(this);
    if (FPopupMenu)
        FPopupMenu->RemoveFreeNotification(this);
    if (FParent) {
        FParent->FControls.removeOne(this);
        if (FAlign != alNone)
            FParent->Realign();
    }
    if (auto* w = dynamic_cast<detail::TControlWidget*>(FWidget.data()))
        w->Detach();
    delete FWidget.data();
    delete FCanvas;
    delete FFont;
}

void TControl::SetParent(TWinControl* AParent)
{
    if (AParent == FParent)
        return;
    if (FParent) {
        FParent->FControls.removeOne(this);
        if (FAlign != alNone)
            FParent->Realign();
    }
    FParent = AParent;
    if (FParent) {
        FParent->FControls.append(this);
        if (FWidget)
            FWidget->setParent(FParent->Widget());
        ParentChanged();
    } else if (FWidget) {
        FWidget->setParent(nullptr);
    }
    PlaceWidget();
    ShowWidget();
    RequestAlign();
}

void TControl::ParentChanged()
{
    ParentColorChanged();
    ParentShowHintChanged();
}

void TControl::SetParentWidget(QWidget* AParent)
{
    if (FParent)
        SetParent(nullptr);
    if (!FWidget)
        return;
    FWidget->setParent(AParent);
    PlaceWidget();
    ShowWidget();
}

void TControl::ShowWidget()
{
    // A control without a parent stays hidden: showing it would open a window.
    if (!FWidget || !(FParent || FWidget->parentWidget()))
        return;
    FWidget->setVisible(FVisible && !(IsDesigning() && FControlStyle.Contains(csNoDesignVisible)));
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    const bool resized = AWidth != FWidth || AHeight != FHeight;
    if (!resized && ALeft == FLeft && ATop == FTop)
        return;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    PlaceWidget();
    if (resized)
        SizeChanged();
    RequestAlign();
}

void TControl::SizeChanged()
{
    if (auto* w = dynamic_cast<TWinControl*>(this))
        w->Realign();
    Resize();
}

void TControl::RequestAlign()
{
    if (FAlign != alNone && FParent)
        FParent->Realign();
}

void TControl::SetAlign(TAlign Value)
{
    if (Value == FAlign)
        return;
    const TAlign old = FAlign;
    FAlign = Value;
    if (FParent && (old != alNone || Value != alNone))
        FParent->Realign();
}

void TControl::PlaceWidget()
{
    if (!FWidget)
        return;
    const int b = FParent ? FParent->BorderWidth() : 0;
    if (FParent || FWidget->parentWidget())
        FWidget->setGeometry(FLeft + b, FTop + b, FWidth, FHeight);
    else
        FWidget->resize(FWidth, FHeight);
}

TRect TControl::ClientRect() const
{
    const int b = BorderWidth();
    return Rect(0, 0, std::max(FWidth - 2 * b, 0), std::max(FHeight - 2 * b, 0));
}

TPoint TControl::ScreenToClient(const TPoint& Screen) const
{
    if (!FWidget)
        return Screen;
    const QPoint p = FWidget->mapFromGlobal(QPoint(Screen.X, Screen.Y));
    const int b = BorderWidth();
    return Point(p.x() - b, p.y() - b);
}

void TControl::SetVisible(bool Value)
{
    if (Value == FVisible)
        return;
    FVisible = Value;
    ShowWidget();
    RequestAlign();
}

bool TControl::Showing() const
{
    if (!FVisible || !FWidget)
        return false;
    return FParent ? FParent->Showing() : FWidget->isVisible();
}

void TControl::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    EnabledChanged();
}

void TControl::EnabledChanged()
{
    if (FWidget)
        FWidget->setEnabled(FEnabled);
    Invalidate();
}

void TControl::SetColor(TColor Value)
{
    FParentColor = false;
    if (Value == FColor)
        return;
    FColor = Value;
    ColorChanged();
}

void TControl::SetParentColor(bool Value)
{
    FParentColor = Value;
    if (Value)
        ParentColorChanged();
}

void TControl::ParentColorChanged()
{
    if (FParentColor && FParent && FParent->Color() != FColor) {
        FColor = FParent->Color();
        ColorChanged();
    }
}

void TControl::ColorChanged()
{
    Invalidate();
}

void TControl::SetHint(const QString& Value)
{
    FHint = Value;
    ApplyHint();
}

void TControl::SetShowHint(bool Value)
{
    FParentShowHint = false;
    if (Value == FShowHint)
        return;
    FShowHint = Value;
    ApplyHint();
}

void TControl::SetParentShowHint(bool Value)
{
    if (Value == FParentShowHint)
        return;
    FParentShowHint = Value;
    ParentShowHintChanged();
}

void TControl::ParentShowHintChanged()
{
    if (FParentShowHint && FParent && FParent->FShowHint != FShowHint) {
        FShowHint = FParent->FShowHint;
        ApplyHint();
    }
}

void TControl::ApplyHint()
{
    if (FWidget)
        FWidget->setToolTip(FShowHint ? FHint : QString());
    if (auto* w = dynamic_cast<TWinControl*>(this))
        for (TControl* c : w->FControls)
            c->ParentShowHintChanged();
}

void TControl::SetPopupMenu(TPopupMenu* Value)
{
    if (Value == FPopupMenu)
        return;
    if (FPopupMenu)
        FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = Value;
    if (FPopupMenu)
        FPopupMenu->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && FPopupMenu && AComponent == static_cast<TComponent*>(FPopupMenu))
        FPopupMenu = nullptr;
}

bool TControl::DoPopup(const TPoint& Screen)
{
    for (TControl* c = this; c; c = c->FParent) {
        if (c->FPopupMenu) {
            c->FPopupMenu->SetPopupComponent(this);
            c->FPopupMenu->Popup(Screen.X, Screen.Y);
            return true;
        }
    }
    return false;
}

void TControl::Loaded()
{
    TComponent::Loaded();
    if (auto* w = dynamic_cast<TWinControl*>(this))
        w->Realign();
    RequestAlign();
}

void TControl::ReadState(TReader& Reader)
{
    auto* parent = dynamic_cast<TWinControl*>(Reader.Parent());
    if (parent && parent != this && !FParent)
        SetParent(parent);
    TComponent::ReadState(Reader);
}

// ---------------------------------------------------------------------------
// Dragging

TControl* TControl::FindDragTarget(const TPoint& Screen)
{
    for (QWidget* w = QApplication::widgetAt(QPoint(Screen.X, Screen.Y)); w; w = w->parentWidget()) {
        const QVariant v = w->property(ControlProperty);
        if (!v.isValid())
            continue;
        auto* c = static_cast<TControl*>(v.value<void*>());
        return c && c->Enabled() ? c : nullptr;
    }
    return nullptr;
}

bool TControl::Dragging() const
{
    return Drag && Drag->Source == this && !Drag->Ending;
}

void TControl::BeginDrag(bool Immediate, int Threshold)
{
    const QPoint p = QCursor::pos();
    BeginDragAt(Point(p.x(), p.y()), Immediate, Threshold, false);
}

void TControl::BeginDragAt(const TPoint& Screen, bool Immediate, int Threshold, bool Pressed)
{
    if (Drag)
        return;
    Drag = new TDragObject;
    Drag->Source = this;
    Drag->Start = Drag->Pos = Screen;
    Drag->Threshold = Immediate ? 0 : std::max(Threshold, 0);
    // Moves and the release come to the source while it drags: by the
    // implicit grab of a press, else by grabbing the mouse.
    if (!Pressed && FWidget && FWidget->isVisible() && !QWidget::mouseGrabber()) {
        FWidget->grabMouse();
        Drag->Grabbed = true;
    }
    if (Immediate)
        DragTo(Screen);
}

void TControl::DragTo(const TPoint& Screen)
{
    if (!Dragging())
        return;
    Drag->Pos = Screen;
    if (!Drag->Started) {
        if (std::abs(Screen.X - Drag->Start.X) < Drag->Threshold &&
            std::abs(Screen.Y - Drag->Start.Y) < Drag->Threshold)
            return;
        Drag->Started = true;
        QGuiApplication::setOverrideCursor(QCursor(Qt::ForbiddenCursor));
    }
    TControl* target = FindDragTarget(Screen);
    bool accept = false;
    if (target != Drag->Target) {
        if (TControl* old = Drag->Target) {
            const TPoint p = old->ScreenToClient(Screen);
            bool ignored = false;
            old->DragOver(this, p.X, p.Y, dsDragLeave, ignored);
            if (!Dragging())
                return;
        }
        Drag->Target = target;
        if (target) {
            const TPoint p = target->ScreenToClient(Screen);
            target->DragOver(this, p.X, p.Y, dsDragEnter, accept);
        }
    } else if (target) {
        const TPoint p = target->ScreenToClient(Screen);
        target->DragOver(this, p.X, p.Y, dsDragMove, accept);
    }
    if (!Dragging())
        return;
    Drag->Accepted = Drag->Target && accept;
    SetDragCursorShape(Drag->Accepted ? FDragCursor : crNoDrop);
}

void TControl::EndDrag(bool Drop)
{
    if (!Dragging())
        return;
    TDragObject* d = Drag;
    d->Ending = true;
    if (d->Grabbed && FWidget && QWidget::mouseGrabber() == FWidget)
        FWidget->releaseMouse();
    if (d->Started)
        QGuiApplication::restoreOverrideCursor();
    TControl* target = d->Started ? d->Target : nullptr;
    bool accepted = false;
    TPoint p{0, 0};
    if (target) {
        // The target hears that the mouse leaves it; the drop goes where
        // the last answer accepted it.
        p = target->ScreenToClient(d->Pos);
        bool ignored = false;
        target->DragOver(this, p.X, p.Y, dsDragLeave, ignored);
        accepted = Drop && d->Accepted && d->Target == target && d->Source;
        if (accepted)
            target->DragDrop(this, p.X, p.Y);
    }
    const bool sourceAlive = d->Source != nullptr;
    if (!accepted || !d->Target) {
        target = nullptr;
        p = Point(0, 0);
    }
    Drag = nullptr;
    delete d;
    if (sourceAlive)
        DoEndDrag(target, p.X, p.Y);
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept)
{
    Accept = false;
    if (OnDragOver) {
        Accept = true;
        OnDragOver(this, Source, X, Y, State, Accept);
    }
}

void TControl::DragDrop(TObject* Source, int X, int Y)
{
    if (OnDragDrop)
        OnDragDrop(this, Source, X, Y);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y)
{
    if (OnEndDrag)
        OnEndDrag(this, Target, X, Y);
}

void TControl::SetCursor(TCursor Value)
{
    FCursor = Value;
    ApplyCursor();
}

void TControl::ApplyCursor()
{
    if (!FWidget)
        return;
    bool known;
    const Qt::CursorShape shape = CursorShape(FCursor, known);
    if (known)
        FWidget->setCursor(shape);
    else
        FWidget->unsetCursor();
}

void TControl::SetControlStyle(TControlStyle Value)
{
    FControlStyle = Value;
    if (FWidget)
        FWidget->setAttribute(Qt::WA_OpaquePaintEvent, Value.Contains(csOpaque));
    ShowWidget();
}

void TControl::Invalidate()
{
    if (FWidget)
        FWidget->update();
}

void TControl::Repaint()
{
    if (FWidget)
        FWidget->repaint();
}

void TControl::Update()
{
    if (FWidget && FWidget->isVisible())
        FWidget->repaint(FWidget->visibleRegion());
}

void TControl::BringToFront()
{
    if (FWidget)
        FWidget->raise();
}

void TControl::WndProc(TMessage&) {}

void TControl::Paint()
{
    FCanvas->Brush()->SetStyle(bsSolid);
    FCanvas->Brush()->SetColor(FColor);
    FCanvas->FillRect(ClientRect());
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TControl::PaintWidget(QPaintDevice* Device)
{
    TPainterDC dc(Device);
    // The canvas must not keep a context that dies with this paint.
    struct TRelease {
        TCanvas* C;
        ~TRelease() { C->SetHandle(nullptr); }
    } release{FCanvas};
    FCanvas->SetHandle(&dc);
    if (const int b = BorderWidth()) {
        PaintBorder();
        dc.SetViewportOrg(b, b);
        FCanvas->Refresh();
    }
    Paint();
}

void TControl::WidgetMoved(int AX, int AY)
{
    // A layout or the user moved the widget: keep the bounds true.
    const int b = FParent ? FParent->BorderWidth() : 0;
    if (FParent || (FWidget && FWidget->parentWidget())) {
        FLeft = AX - b;
        FTop = AY - b;
    }
}

void TControl::WidgetResized(int AWidth, int AHeight)
{
    if (AWidth == FWidth && AHeight == FHeight)
        return;
    FWidth = AWidth;
    FHeight = AHeight;
    SizeChanged();
}

// ---------------------------------------------------------------------------
// TWinControl

const TClassInfo& TWinControl::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TWinControl>("TWinControl").Build();
    return info;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::TWinControl(TComponent* AOwner, QWidget* AWidget) : TControl(AOwner, AWidget) {}

TWinControl::~TWinControl()
{
    ++FAlignLevel;  // no aligning while the children go
    while (!FControls.isEmpty())
        delete FControls.takeLast();
}

void TWinControl::ScrollBy(int DeltaX, int DeltaY)
{
    if (DeltaX == 0 && DeltaY == 0)
        return;
    for (TControl* c : FControls)
        c->SetBounds(c->Left() + DeltaX, c->Top() + DeltaY, c->Width(), c->Height());
    Invalidate();
}

void TWinControl::SetBorderStyle(TBorderStyle Value)
{
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    BorderChanged();
}

void TWinControl::BorderChanged()
{
    for (TControl* c : FControls)
        c->PlaceWidget();
    Realign();
    Resize();
    Invalidate();
}

void TWinControl::SetCtl3D(bool Value)
{
    FParentCtl3D = false;
    if (Value == FCtl3D)
        return;
    FCtl3D = Value;
    Ctl3DChanged();
}

void TWinControl::SetParentCtl3D(bool Value)
{
    if (Value == FParentCtl3D)
        return;
    FParentCtl3D = Value;
    ParentCtl3DChanged();
}

void TWinControl::ParentCtl3DChanged()
{
    if (FParentCtl3D && Parent() && Parent()->FCtl3D != FCtl3D) {
        FCtl3D = Parent()->FCtl3D;
        Ctl3DChanged();
    }
}

void TWinControl::Ctl3DChanged()
{
    if (FBorderStyle == bsSingle)
        BorderChanged();
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->ParentCtl3DChanged();
}

void TWinControl::ParentChanged()
{
    TControl::ParentChanged();
    ParentCtl3DChanged();
}

void TWinControl::EnableAlign()
{
    if (FAlignLevel > 0 && --FAlignLevel == 0)
        Realign();
}

void TWinControl::Realign()
{
    if (FAlignLevel > 0 || IsLoading() || IsDestroying())
        return;
    if (std::none_of(FControls.begin(), FControls.end(),
                     [](const TControl* c) { return c->FAlign != alNone; }))
        return;
    struct TLevel {
        int& L;
        explicit TLevel(int& AL) : L(AL) { ++L; }
        ~TLevel() { --L; }
    } level(FAlignLevel);
    TRect r = ClientRect();
    AlignControls(nullptr, r);
}

namespace {

// Whether C1 comes before C2 on the side A.
bool InsertBefore(const TControl* C1, const TControl* C2, TAlign A)
{
    switch (A) {
    case alTop: return C1->Top() < C2->Top();
    case alBottom: return C1->Top() + C1->Height() >= C2->Top() + C2->Height();
    case alLeft: return C1->Left() < C2->Left();
    case alRight: return C1->Left() + C1->Width() >= C2->Left() + C2->Width();
    default: return false;
    }
}

} // namespace

void TWinControl::AlignControls(TControl*, TRect& Rect)
{
    for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) {
        QList<TControl*> list;
        for (TControl* c : FControls) {
            if (c->FAlign != a || !c->FVisible)
                continue;
            qsizetype at = 0;
            while (at < list.size() && !InsertBefore(c, list[at], a))
                ++at;
            list.insert(at, c);
        }
        for (TControl* c : list) {
            const int w = c->Width(), h = c->Height();
            const int rw = std::max(Rect.Right - Rect.Left, 0);
            const int rh = std::max(Rect.Bottom - Rect.Top, 0);
            switch (a) {
            case alTop:
                c->SetBounds(Rect.Left, Rect.Top, rw, h);
                Rect.Top += h;
                break;
            case alBottom:
                Rect.Bottom -= h;
                c->SetBounds(Rect.Left, Rect.Bottom, rw, h);
                break;
            case alLeft:
                c->SetBounds(Rect.Left, Rect.Top, w, rh);
                Rect.Left += w;
                break;
            case alRight:
                Rect.Right -= w;
                c->SetBounds(Rect.Right, Rect.Top, w, rh);
                break;
            default:
                c->SetBounds(Rect.Left, Rect.Top, rw, rh);
                break;
            }
        }
    }
}

int TWinControl::BorderWidth() const
{
    if (FBorderStyle != bsSingle)
        return 0;
    return FCtl3D ? 2 : 1;
}

void TWinControl::PaintBorder()
{
    TCanvas& c = *Canvas();
    const int w = Width(), h = Height();
    auto line = [&c](TColor Color, const TRect& R) {
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(Color);
        c.FillRect(R);
    };
    if (!FCtl3D) {
        // A flat line one pixel wide.
        line(clWindowFrame, Rect(0, 0, w, 1));
        line(clWindowFrame, Rect(0, 0, 1, h));
        line(clWindowFrame, Rect(0, h - 1, w, h));
        line(clWindowFrame, Rect(w - 1, 0, w, h));
        return;
    }
    // A sunken edge two pixels wide.
    line(clBtnShadow, Rect(0, 0, w, 1));
    line(clBtnShadow, Rect(0, 0, 1, h));
    line(clBtnHighlight, Rect(0, h - 1, w, h));
    line(clBtnHighlight, Rect(w - 1, 0, w, h));
    line(cl3DDkShadow, Rect(1, 1, w - 1, 2));
    line(cl3DDkShadow, Rect(1, 1, 2, h - 1));
    line(cl3DLight, Rect(1, h - 2, w - 1, h - 1));
    line(cl3DLight, Rect(w - 2, 1, w - 1, h - 1));
}

void TWinControl::ColorChanged()
{
    TControl::ColorChanged();
    for (TControl* c : FControls)
        c->ParentColorChanged();
}

// ---------------------------------------------------------------------------
// TCustomControl

const TClassInfo& TCustomControl::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCustomControl>("TCustomControl").Build();
    return info;
}

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

} // namespace classlib
