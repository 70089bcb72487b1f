#pragma once

// Controls over QWidget. A control keeps its own bounds, visibility,
// enabled state and colour, and is the truth for them; its widget follows.
// Bounds are pixels relative to the parent's client area. Every entry from
// Qt into a control (paint, resize, mouse, posted messages) runs guarded
// (see application.h).

#include "classlib/controls/messages.h"
#include "classlib/core/component.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/color.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class QPaintDevice;


namespace classlib {

class TWinControl;

// Cursor identities: 0 and the negative stock cursors.
QX_INTEGER_TYPE(TCursor, qint16)
constexpr TCursor crDefault = TCursor(0);
constexpr TCursor crNone = TCursor(-1);
constexpr TCursor crArrow = TCursor(-2);
constexpr TCursor crCross = TCursor(-3);
constexpr TCursor crIBeam = TCursor(-4);
constexpr TCursor crHourGlass = TCursor(-11);
constexpr TCursor crDrag = TCursor(-12);
constexpr TCursor crHandPoint = TCursor(-21);

QX_ENUM(TControlStyleItem, csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents,
        csFramed, csSetCaption, csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight,
        csNoDesignVisible, csReplicatable, csNoStdEvents, csDisplayDragImage, csReflector,
        csActionClient, csMenuEvents)
using TControlStyle = TSet<TControlStyleItem>;

QX_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
QX_ENUM(TShiftStateItem, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
using TShiftState = TSet<TShiftStateItem>;

QX_ENUM(TBorderStyle, bsNone, bsSingle)

using TMouseEvent = TEvent<TObject* /*Sender*/, TMouseButton /*Button*/, TShiftState /*Shift*/,
                           int /*X*/, int /*Y*/>;
using TMouseMoveEvent = TEvent<TObject* /*Sender*/, TShiftState /*Shift*/, int /*X*/, int /*Y*/>;

// System metrics the layout of controls asks for.
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
// Pixels, from the widget style; 0 for an unknown index.
int GetSystemMetrics(int Index);

namespace detail { class TControlWidget; }

class TControl : public TComponent {
    QX_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    // The widget that shows the control; null once Qt has destroyed it.
    QWidget* Widget() const { return FWidget; }

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    // Shows a control without a parent control inside a plain widget.
    void SetParentWidget(QWidget* AParent);

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    // Negative sizes count as 0. A change of size calls Resize.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }

    // The area inside the border, at (0, 0).
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    // A screen point in this control's client coordinates.
    TPoint ScreenToClient(const TPoint& Screen) const;

    // A control styled csNoDesignVisible stays hidden while designed.
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent visible (a top-level control: its window shown).
    bool Showing() const;

    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);

    TFont* Font() const { return FFont; }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value);

    // The canvas draws only while the control paints (inside Paint).
    TCanvas* Canvas() const { return FCanvas; }

    void Invalidate();
    void Repaint();
    void Update();
    void BringToFront();

    // Posted messages arrive here (see PostMessage).
    virtual void WndProc(TMessage& Message);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    // Descendants that wrap a widget of their own pass it here.
    TControl(TComponent* AOwner, QWidget* AWidget);

    // Fills the client area with Color; descendants draw on Canvas().
    virtual void Paint();
    // After a change of size, also one made by the user on a top-level window.
    virtual void Resize();
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    // Pixels of border on each side of the client area.
    virtual int BorderWidth() const { return 0; }
    // Draws the border around the client area (the canvas is in widget pixels).
    virtual void PaintBorder() {}
    virtual void ColorChanged();
    virtual void EnabledChanged();

private:
    friend class detail::TControlWidget;
    friend class TWinControl;

    void Init();
    void PlaceWidget();
    void ShowWidget();
    void ApplyCursor();
    void PaintWidget(QPaintDevice* Device);
    void WidgetMoved(int AX, int AY);
    void WidgetResized(int AWidth, int AHeight);
    void ParentColorChanged();

    QPointer<QWidget> FWidget;
    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clBtnFace;
    bool FParentColor = false;
    TCursor FCursor = crDefault;
    TControlStyle FControlStyle;
    TFont* FFont;
    TCanvas* FCanvas;
    bool FPressed = false;  // a left press inside, waiting for its release
};

// A control that holds other controls; children are freed with it.
class TWinControl : public TControl {
    QX_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    int ControlCount() const { return int(FControls.size()); }
    TControl* Controls(int Index) const { return FControls.at(Index); }

    // Moves every child by (DeltaX, DeltaY) and repaints.
    void ScrollBy(int DeltaX, int DeltaY);

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);

protected:
    TWinControl(TComponent* AOwner, QWidget* AWidget);
    int BorderWidth() const override;
    void PaintBorder() override;
    void ColorChanged() override;

private:
    friend class TControl;
    QList<TControl*> FControls;
    TBorderStyle FBorderStyle = bsNone;
};

// A windowed control that paints itself on its canvas.
class TCustomControl : public TWinControl {
    QX_CLASS(TCustomControl, TWinControl)
public:
    explicit TCustomControl(TComponent* AOwner);
};

} // namespace classlib
