#pragma once

// Controls over QWidget. A control keeps its own bounds, visibility,
// enabled state and colour, and is the truth for them; its widget follows.
// Bounds are pixels relative to the parent's client area. Every entry from
// Qt into a control (paint, resize, mouse, posted messages) runs guarded
// (see application.h).

#include "classlib/controls/align.h"
#include "classlib/controls/messages.h"
#include "classlib/controls/mouse.h"
#include "classlib/core/component.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/color.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class QPaintDevice;


namespace classlib {

class TWinControl;
class TPopupMenu;
class TBitmap;

// Cursor identities: 0 and the negative stock cursors.
QX_INTEGER_TYPE(TCursor, qint16)
constexpr TCursor crDefault = TCursor(0);
constexpr TCursor crNone = TCursor(-1);
constexpr TCursor crArrow = TCursor(-2);
constexpr TCursor crCross = TCursor(-3);
constexpr TCursor crIBeam = TCursor(-4);
constexpr TCursor crSizeNESW = TCursor(-6);
constexpr TCursor crSizeNS = TCursor(-7);
constexpr TCursor crSizeNWSE = TCursor(-8);
constexpr TCursor crSizeWE = TCursor(-9);
constexpr TCursor crHourGlass = TCursor(-11);
constexpr TCursor crDrag = TCursor(-12);
constexpr TCursor crNoDrop = TCursor(-13);
constexpr TCursor crHandPoint = TCursor(-21);

// Types of their own, so that property editors can be registered for them:
// a caption is edited as it is typed, a tab order never for several controls.
QX_STRING_TYPE(TCaption, tkLString, std::numeric_limits<int>::max())
QX_INTEGER_RANGE(TTabOrder, qint16, -1, 32767)

QX_ENUM(TControlStyleItem, csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents,
        csFramed, csSetCaption, csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight,
        csNoDesignVisible, csReplicatable, csNoStdEvents, csDisplayDragImage, csReflector,
        csActionClient, csMenuEvents)
using TControlStyle = TSet<TControlStyleItem>;

QX_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
QX_ENUM(TShiftStateItem, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
using TShiftState = TSet<TShiftStateItem>;

// The shift state of a mouse message's MK_ flags; Alt, which they do not
// carry, is read from the keyboard.
TShiftState KeysToShiftState(unsigned Keys);
unsigned ShiftStateToKeys(TShiftState Shift);
// The shift state of the keyboard now (Shift, Alt, Ctrl).
TShiftState KeyboardShiftState();

// Forms take every border style; other controls draw bsSingle and treat
// the rest as none.
QX_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
using TBorderStyle = TFormBorderStyle;

QX_ENUM(TDragMode, dmManual, dmAutomatic)
QX_ENUM(TDragState, dsDragEnter, dsDragLeave, dsDragMove)

QX_EVENT(TMouseEvent, TObject* /*Sender*/, TMouseButton /*Button*/, TShiftState /*Shift*/,
         int /*X*/, int /*Y*/)
QX_EVENT(TMouseMoveEvent, TObject* /*Sender*/, TShiftState /*Shift*/, int /*X*/, int /*Y*/)
QX_EVENT(TKeyEvent, TObject* /*Sender*/, unsigned& /*Key*/, TShiftState /*Shift*/)
QX_EVENT(TKeyPressEvent, TObject* /*Sender*/, QChar& /*Key*/)
QX_EVENT(TDragDropEvent, TObject* /*Sender*/, TObject* /*Source*/, int /*X*/, int /*Y*/)
QX_EVENT(TDragOverEvent, TObject* /*Sender*/, TObject* /*Source*/, int /*X*/, int /*Y*/,
         TDragState /*State*/, bool& /*Accept*/)
QX_EVENT(TEndDragEvent, TObject* /*Sender*/, TObject* /*Target*/, int /*X*/, int /*Y*/)

// System metrics the layout of controls asks for.
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
// Pixels, from the widget style; 0 for an unknown index.
int GetSystemMetrics(int Index);

namespace detail { class TControlWidget; }
class TForm;
class TControl;

// The form that holds the control (the control itself for a form), or nil.
TForm* GetParentForm(const TControl* Control);

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
    // Between screen points and this control's client coordinates.
    TPoint ScreenToClient(const TPoint& Screen) const;
    TPoint ClientToScreen(const TPoint& Client) const;

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

    // Any change of the font (also through Font()) clears ParentFont; the
    // font follows the parent's while ParentFont is true.
    TFont* Font() const { return FFont; }
    void SetFont(const TFont* Value) { FFont->Assign(Value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);
    // Stored: what does not follow the parent.
    bool IsFontStored() const { return !FParentFont; }

    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);

    // The side of the parent's client area the control is placed against;
    // the parent aligns its children (TWinControl::AlignControls).
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);

    // The tooltip: the short part of Hint (hints.h), shown while the
    // effective ShowHint is true; the long part goes to Application's Hint
    // while the mouse is over the control.
    // ShowHint follows the parent's while ParentShowHint is true; setting it
    // clears ParentShowHint.
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool Value);
    // Stored: what does not follow the parent.
    bool IsShowHintStored() const { return !FParentShowHint; }

    // Shown on a right click (of this control, or of a child without a
    // menu of its own); a freed menu leaves nil.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value);

    // Dragging of controls inside the process. dmAutomatic begins a drag
    // on a left press; BeginDrag begins one from code (Immediate, or once
    // the mouse has moved Threshold pixels). While dragging, the control
    // under the mouse gets DragOver; releasing over one that accepts calls
    // its DragDrop; then the source gets EndDrag (Target nil if none took it).
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode Value) { FDragMode = Value; }
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor Value) { FDragCursor = Value; }
    void BeginDrag(bool Immediate, int Threshold = 5);
    bool Dragging() const;
    // The drag of this control follows the mouse to Screen (what a mouse
    // move does), or ends there (Drop: as a release; else cancelled).
    void DragTo(const TPoint& Screen);
    void EndDrag(bool Drop);
    // The enabled control whose widget is at the screen point, or nil.
    static TControl* FindDragTarget(const TPoint& Screen);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    // A control read as the child of a windowed control joins it.
    void ReadState(TReader& Reader) override;

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value);

    // The canvas draws only while the control paints (inside Paint).
    TCanvas* Canvas() const { return FCanvas; }
    // Measures text in the control's font at any time (auto-sizing outside
    // Paint): its font is the control's whenever it is asked for, and what
    // is drawn on it is never shown. One canvas serves every control, so
    // use it before another control's is asked for.
    TCanvas& MeasureCanvas();

    void Invalidate();
    void Repaint();
    void Update();
    // Front and back of the parent's z-order and of its list of children.
    void BringToFront();
    void SendToBack();

    // Puts the control's widget into Host's widget (nil: back into its
    // parent's), without changing its parent: its bounds are then in
    // Host's client coordinates. A host that goes hands the widget back.
    void SetWidgetHost(TWinControl* Host);
    TWinControl* WidgetHost() const { return FWidgetHost; }

    bool MouseCapture() const;
    void SetMouseCapture(bool Value);

    // Sends a message to the control now; the message's Result.
    qintptr Perform(unsigned Msg, qintptr WParam = 0, qintptr LParam = 0);
    // Every message (input, paint, posted) enters here. In design state
    // the form's designer sees it first and may take it; the rest goes to
    // Dispatch.
    virtual void WndProc(TMessage& Message);
    // The control's own handling of a message.
    virtual void Dispatch(TMessage& Message);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TDragDropEvent OnDragDrop;
    TDragOverEvent OnDragOver;
    TEndDragEvent OnEndDrag;

    // The drag events as the drag calls them. DragOver: Accept starts false
    // and is set true before OnDragOver is called, when there is one.
    virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
    virtual void DragDrop(TObject* Source, int X, int Y);
    virtual void DoEndDrag(TObject* Target, int X, int Y);

protected:
    // Descendants that wrap a widget of their own pass it here.
    TControl(TComponent* AOwner, QWidget* AWidget);

    // Fills the client area with Color; descendants draw on Canvas().
    virtual void Paint();
    // After a change of size, also one made by the user on a top-level window.
    virtual void Resize();
    // After a change of place, also of a top-level window on the screen.
    virtual void Moved();
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    // Key 0 after a handler stops the key there.
    virtual void KeyDown(unsigned& Key, TShiftState Shift);
    virtual void KeyUp(unsigned& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    // Pixels of border on each side of the client area.
    virtual int BorderWidth() const { return 0; }
    // Draws the border around the client area (the canvas is in widget pixels).
    virtual void PaintBorder() {}
    virtual void ColorChanged();
    // After the font changed, also by following the parent's; repaints.
    virtual void FontChanged();
    // Called by the setters of a control's caption or text once it changed;
    // repaints.
    virtual void TextChanged();
    virtual void EnabledChanged();
    // The control was given another parent: take what follows the parent.
    virtual void ParentChanged();
    // Shows the popup menu of this control or of its nearest parent that has
    // one, at the screen point; false when there is none.
    bool DoPopup(const TPoint& Screen);
    // Begins a drag from Screen; Pressed: the left button is down on this
    // control, whose press already holds the mouse.
    void BeginDragAt(const TPoint& Screen, bool Immediate, int Threshold, bool Pressed);
    // For controls whose press picks what lies under it (lists, trees): a
    // left press with DragMode dmAutomatic is handled as any press, and
    // the drag begins only once the mouse moves on, so a click stays a
    // click. True when the message was such a press.
    bool PressThenDrag(TMessage& Message);

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
    void FontObjectChanged();
    void ParentFontChanged();
    void ParentShowHintChanged();
    void ApplyHint();
    void SizeChanged();
    void RequestAlign();
    void MouseMessage(TMessage& Message);
    void SendCancelMode();
    void KeyMessage(TMessage& Message);
    // The windowed control whose widget holds this control's widget: the
    // host, the parent, or the one whose widget it was placed in.
    TWinControl* WidgetParent() const;

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
    bool FParentFont = false;
    bool FFollowingParentFont = false;
    TCanvas* FCanvas;
    bool FPressed = false;  // a left press inside, waiting for its release
    TAlign FAlign = alNone;
    QString FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TPopupMenu* FPopupMenu = nullptr;
    TDragMode FDragMode = dmManual;
    TCursor FDragCursor = crDrag;
    TWinControl* FWidgetHost = nullptr;
};

// A control that holds other controls; children are freed with it.
class TWinControl : public TControl {
    QX_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    int ControlCount() const { return int(FControls.size()); }
    TControl* Controls(int Index) const { return FControls.at(Index); }

    // Focus: a control can take it while it and all its parents are visible
    // and enabled. SetFocus on one that cannot raises EInvalidOperation.
    // Losing it sends the control WM_KILLFOCUS, gaining it WM_SETFOCUS.
    bool CanFocus() const;
    bool Focused() const;
    void SetFocus();

    // Kept for callers that set it; Qt paints every widget double-buffered.
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }

    // Moves every child by (DeltaX, DeltaY) and repaints.
    void ScrollBy(int DeltaX, int DeltaY);

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);

    // A single border is a sunken 3-D edge (2 pixels) or, without Ctl3D, a
    // flat line (1 pixel). Ctl3D follows the parent's while ParentCtl3D is
    // true; setting it clears ParentCtl3D.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool Value);
    bool IsCtl3DStored() const { return !FParentCtl3D; }

    // Places the aligned children again (after a change of size or of a
    // child's alignment, bounds or visibility).
    void Realign();
    // Suspends aligning until the matching EnableAlign, which realigns.
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();

protected:
    TWinControl(TComponent* AOwner, QWidget* AWidget);
    int BorderWidth() const override;
    void PaintBorder() override;
    void ColorChanged() override;
    void ParentChanged() override;
    // Places the visible children with an alignment inside Rect, which
    // shrinks by each: alTop, alBottom, alLeft, alRight in the order of
    // their position on that side, then alClient in what is left.
    virtual void AlignControls(TControl* AControl, TRect& Rect);

    // The border style or the border's look changed.
    virtual void BorderChanged();

private:
    friend class TControl;
    void Ctl3DChanged();
    void ParentCtl3DChanged();

    QList<TControl*> FControls;
    TBorderStyle FBorderStyle = bsNone;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    int FAlignLevel = 0;
    bool FDoubleBuffered = false;
};

// A windowed control that paints itself on its canvas.
class TCustomControl : public TWinControl {
    QX_CLASS(TCustomControl, TWinControl)
public:
    explicit TCustomControl(TComponent* AOwner);

    // The text the control shows, drawn by its own Paint; a change calls
    // TextChanged.
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);

private:
    QString FCaption;
};

} // namespace classlib
