#include "classlib/controls/control.h"

#include "classlib/controls/application.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/painterdc.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QStyle>
#include <QWidget>

#include <algorithm>

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
        Mouse(E, [this](TMouseButton B, TShiftState S, int X, int Y) {
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
        Mouse(E, [this](TMouseButton B, TShiftState S, int X, int Y) {
            const bool click = B == mbLeft && FControl->FPressed;
            if (B == mbLeft)
                FControl->FPressed = false;
            FControl->MouseUp(B, S, X, Y);
            const TRect r = FControl->ClientRect();
            if (click && FControl->ControlStyle().Contains(csClickEvents) && X >= r.Left &&
                X < r.Right && Y >= r.Top && Y < r.Bottom)
                FControl->Click();
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
        CallGuarded(FControl, [&] { FControl->MouseMove(s, x, y); });
    }

private:
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
    FWidget->hide();
}

TControl::~TControl()
{
    if (FParent)
        FParent->FControls.removeOne(this);
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
    if (FParent)
        FParent->FControls.removeOne(this);
    FParent = AParent;
    if (FParent) {
        FParent->FControls.append(this);
        if (FWidget)
            FWidget->setParent(FParent->Widget());
        if (FParentColor)
            ParentColorChanged();
    } else if (FWidget) {
        FWidget->setParent(nullptr);
    }
    PlaceWidget();
    ShowWidget();
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
        Resize();
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

void TControl::SetCursor(TCursor Value)
{
    FCursor = Value;
    ApplyCursor();
}

void TControl::ApplyCursor()
{
    if (!FWidget)
        return;
    Qt::CursorShape shape;
    switch (FCursor) {
    case crNone: shape = Qt::BlankCursor; break;
    case crArrow: shape = Qt::ArrowCursor; break;
    case crCross: shape = Qt::CrossCursor; break;
    case crIBeam: shape = Qt::IBeamCursor; break;
    case crHourGlass: shape = Qt::WaitCursor; break;
    case crDrag: shape = Qt::DragMoveCursor; break;
    case crHandPoint: shape = Qt::PointingHandCursor; break;
    default:
        FWidget->unsetCursor();
        return;
    }
    FWidget->setCursor(shape);
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
    Resize();
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
    for (TControl* c : FControls)
        c->PlaceWidget();
    Resize();
    Invalidate();
}

int TWinControl::BorderWidth() const
{
    return FBorderStyle == bsSingle ? 2 : 0;
}

void TWinControl::PaintBorder()
{
    // A sunken edge two pixels wide.
    TCanvas& c = *Canvas();
    const int w = Width(), h = Height();
    auto line = [&c](TColor Color, const TRect& R) {
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(Color);
        c.FillRect(R);
    };
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
