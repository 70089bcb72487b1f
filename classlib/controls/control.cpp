#include "classlib/controls/control.h"

#include "classlib/controls/application.h"
#include "classlib/controls/form.h"
#include "classlib/controls/hints.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/mouse.h"
#include "classlib/controls/updatehold.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/listsearch.h"
#include "classlib/core/reader.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/painterdc.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace classlib {

namespace {

const char* const ControlProperty = "qxControl";

} // namespace

namespace detail {

// The widget of every self-painting control: it hands Qt's events to the
// control as messages, guarded.
class TControlWidget : public QWidget {
public:
    explicit TControlWidget(TControl* AControl) : FControl(AControl) {}
    void Detach() { FControl = nullptr; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (FControl)
            CallGuarded(FControl, [this] { FControl->Perform(WM_PAINT, qintptr(static_cast<QPaintDevice*>(this))); });
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
    void mousePressEvent(QMouseEvent* E) override { Mouse(E); }
    void mouseDoubleClickEvent(QMouseEvent* E) override { Mouse(E); }
    void mouseReleaseEvent(QMouseEvent* E) override { Mouse(E); }
    void mouseMoveEvent(QMouseEvent* E) override { Mouse(E); }
    void wheelEvent(QWheelEvent* E) override
    {
        if (!FControl || !FControl->Enabled()) {
            E->ignore();
            return;
        }
        const unsigned keys = MouseKeys(E->buttons(), E->modifiers());
        const int delta = E->angleDelta().y();
        const QPointF g = E->globalPosition();
        qintptr result = 0;
        CallGuarded(FControl, [&] {
            result = FControl->Perform(WM_MOUSEWHEEL, qintptr(qint32((quint32(quint16(delta)) << 16) | keys)),
                                       MakeLParam(int(g.x()), int(g.y())));
        });
        // Unhandled wheels scroll what holds the control.
        if (!result)
            E->ignore();
    }
    void keyPressEvent(QKeyEvent* E) override { Key(E, true); }
    void keyReleaseEvent(QKeyEvent* E) override { Key(E, false); }
    void focusInEvent(QFocusEvent* E) override
    {
        QWidget::focusInEvent(E);
        if (FControl)
            CallGuarded(FControl, [this] {
                if (auto* c = dynamic_cast<TWinControl*>(FControl))
                    if (TForm* form = GetParentForm(c); form && form != c)
                        form->SetFocusedControl(c);
                FControl->Perform(WM_SETFOCUS);
            });
    }
    void focusOutEvent(QFocusEvent* E) override
    {
        QWidget::focusOutEvent(E);
        if (FControl)
            CallGuarded(FControl, [this] { FControl->Perform(WM_KILLFOCUS); });
    }
    void changeEvent(QEvent* E) override
    {
        QWidget::changeEvent(E);
        if (E->type() == QEvent::ActivationChange && FControl && isWindow())
            CallGuarded(FControl, [this] { FControl->Perform(WM_ACTIVATE, isActiveWindow() ? WA_ACTIVE : WA_INACTIVE); });
    }
    void closeEvent(QCloseEvent* E) override
    {
        // Kept unless the control lets it go; a failing handler keeps it too.
        qintptr keep = 1;
        if (FControl)
            CallGuarded(FControl, [&] { keep = FControl->Perform(WM_CLOSE); });
        E->setAccepted(!keep);
    }

private:
    void Mouse(QMouseEvent* E)
    {
        if (!FControl || !FControl->Enabled())
            return;
        const int b = FControl->BorderWidth();
        SendMouseMessage(FControl, E, Point(int(E->position().x()) - b, int(E->position().y()) - b));
    }

    void Key(QKeyEvent* E, bool Down)
    {
        if (!FControl || !FControl->Enabled())
            return;
        const unsigned vk = VirtualKeyOfQtKey(E->key());
        const bool alt = E->modifiers() & Qt::AltModifier;
        const QString text = E->text();
        QPointer<QWidget> self(this);
        CallGuarded(FControl, [&] {
            if (vk)
                FControl->Perform(Down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP), vk,
                                  E->isAutoRepeat() ? qintptr(1) << 30 : 0);
            if (!Down || !self || !FControl)
                return;
            for (const QChar ch : text) {
                if (!ch.isPrint() && ch != QLatin1Char('\r') && ch != QLatin1Char('\b') &&
                    ch != QChar(0x1B) && ch != QLatin1Char('\t'))
                    continue;
                FControl->Perform(alt ? WM_SYSCHAR : WM_CHAR, ch.unicode());
                if (!self || !FControl)
                    return;
            }
        });
    }

    TControl* FControl;
};

TControl* ControlOfWidget(const QWidget* Widget)
{
    const QVariant v = Widget ? Widget->property(ControlProperty) : QVariant();
    return v.isValid() ? static_cast<TControl*>(v.value<void*>()) : nullptr;
}

bool SendsOwnMessages(const QWidget* Widget)
{
    return dynamic_cast<const TControlWidget*>(Widget) != nullptr;
}

} // namespace detail

TShiftState KeysToShiftState(unsigned Keys)
{
    TShiftState s;
    if (Keys & MK_SHIFT) s += ssShift;
    if (Keys & MK_CONTROL) s += ssCtrl;
    if (Keys & MK_LBUTTON) s += ssLeft;
    if (Keys & MK_RBUTTON) s += ssRight;
    if (Keys & MK_MBUTTON) s += ssMiddle;
    if (QGuiApplication::keyboardModifiers() & Qt::AltModifier) s += ssAlt;
    return s;
}

unsigned ShiftStateToKeys(TShiftState Shift)
{
    unsigned k = 0;
    if (Shift.Contains(ssShift)) k |= MK_SHIFT;
    if (Shift.Contains(ssCtrl)) k |= MK_CONTROL;
    if (Shift.Contains(ssLeft)) k |= MK_LBUTTON;
    if (Shift.Contains(ssRight)) k |= MK_RBUTTON;
    if (Shift.Contains(ssMiddle)) k |= MK_MBUTTON;
    return k;
}

TShiftState KeyboardShiftState()
{
    const Qt::KeyboardModifiers m = QGuiApplication::keyboardModifiers();
    TShiftState s;
    if (m & Qt::ShiftModifier) s += ssShift;
    if (m & Qt::AltModifier) s += ssAlt;
    if (m & Qt::ControlModifier) s += ssCtrl;
    return s;
}

TForm* GetParentForm(const TControl* Control)
{
    while (Control && Control->Parent())
        Control = Control->Parent();
    return dynamic_cast<TForm*>(const_cast<TControl*>(Control));
}

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

// The last move of the focus between widgets, for cancel mode.
QPointer<QWidget> FocusTakenFrom;
QPointer<QWidget> FocusTakenBy;

void TrackFocus()
{
    static bool tracking = false;
    if (tracking || !qApp)
        return;
    tracking = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget* Old, QWidget* Now) {
        static quint64 generation = 0;
        FocusTakenFrom = Old;
        FocusTakenBy = Now;
        // Only the press being delivered may use it: forgotten once the
        // event loop comes round again.
        QTimer::singleShot(0, qApp, [noted = ++generation] {
            if (noted == generation) {
                FocusTakenFrom = nullptr;
                FocusTakenBy = nullptr;
            }
        });
    });
}

Qt::CursorShape CursorShape(TCursor Cursor, bool& Known)
{
    Known = true;
    switch (Cursor) {
    case crNone: return Qt::BlankCursor;
    case crArrow: return Qt::ArrowCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
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
        // Bound by name to the methods of the form that reads them.
        .Prop("OnClick", &TControl::OnClick)
        .Prop("OnDblClick", &TControl::OnDblClick)
        .Prop("OnDragDrop", &TControl::OnDragDrop)
        .Prop("OnDragOver", &TControl::OnDragOver)
        .Prop("OnEndDrag", &TControl::OnEndDrag)
        .Prop("OnKeyDown", &TControl::OnKeyDown)
        .Prop("OnKeyPress", &TControl::OnKeyPress)
        .Prop("OnKeyUp", &TControl::OnKeyUp)
        .Prop("OnMouseDown", &TControl::OnMouseDown)
        .Prop("OnMouseMove", &TControl::OnMouseMove)
        .Prop("OnMouseUp", &TControl::OnMouseUp)
        .Prop("OnResize", &TControl::OnResize)
        .Build();
    return info;
}

TControl::TControl(TComponent* AOwner) : TControl(AOwner, nullptr) {}

TControl::TControl(TComponent* AOwner, QWidget* AWidget)
    // Deaf to the owner's news: a form holds controls by the thousand, and
    // what a control watches (its popup menu) it asks FreeNotification of.
    : TComponent(AOwner, false), FWidget(AWidget ? AWidget : new detail::TControlWidget(this)),
      FFont(new TFont), FCanvas(new TCanvas)
{
    detail::InstallInputFilter();
    TrackFocus();
    FWidget->setAutoFillBackground(false);
    FWidget->setProperty(ControlProperty, QVariant::fromValue(static_cast<void*>(this)));
    FWidget->hide();
    FFont->OnChange = [this](TObject*) { FontObjectChanged(); };
}

TControl::~TControl()
{
    ForgetInDrag(this);
    detail::ForgetCapture(this);
    // Widgets of other controls hosted here go back to their parents, and
    // those of parentless controls shown here (a form as a child window)
    // go hidden, so that Qt does not free them with this one.
    if (FWidget) {
        const QObjectList children = FWidget->children();  // handing back changes the list
        for (QObject* o : children)
            if (auto* w = qobject_cast<QWidget*>(o)) {
                TControl* c = detail::ControlOfWidget(w);
                if (c && c->FWidgetHost == this) {
                    c->SetWidgetHost(nullptr);
                } else if (c && !c->FParent && !c->FWidgetHost) {
                    w->hide();
                    w->setParent(nullptr);
                }
            }
    }
    if (FPopupMenu)
        FPopupMenu->RemoveFreeNotification(this);
    if (FParent) {
        if (const qsizetype i = IndexFromEnds(FParent->FControls, this); i >= 0)
            FParent->FControls.removeAt(i);
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
        if (const qsizetype i = IndexFromEnds(FParent->FControls, this); i >= 0)
            FParent->FControls.removeAt(i);
        if (FAlign != alNone)
            FParent->Realign();
    }
    FParent = AParent;
    if (FParent) {
        FParent->FControls.append(this);
        if (FWidget && !FWidgetHost)
            FWidget->setParent(FParent->Widget());
        ParentChanged();
    } else if (FWidget && !FWidgetHost) {
        FWidget->setParent(nullptr);
    }
    PlaceWidget();
    ShowWidget();
    RequestAlign();
}

void TControl::ParentChanged()
{
    ParentColorChanged();
    ParentFontChanged();
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

void TControl::SetWidgetHost(TWinControl* Host)
{
    if (Host == this)
        Host = nullptr;
    if (Host == FWidgetHost)
        return;
    FWidgetHost = Host;
    if (FWidget) {
        if (FWidgetHost)
            FWidget->setParent(FWidgetHost->Widget());
        else
            FWidget->setParent(FParent ? FParent->Widget() : nullptr);
    }
    PlaceWidget();
    ShowWidget();
}

void TControl::ShowWidget()
{
    if (!FWidget)
        return;
    // A control without a parent opens no window here (a form's Show does);
    // hiding one closes its window.
    if (!(FParent || FWidgetHost || FWidget->parentWidget())) {
        if (!FVisible)
            FWidget->hide();
        return;
    }
    FWidget->setVisible(FVisible && !(IsDesigning() && FControlStyle.Contains(csNoDesignVisible)));
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    const bool resized = AWidth != FWidth || AHeight != FHeight;
    if (!resized && ALeft == FLeft && ATop == FTop)
        return;
    const bool moved = ALeft != FLeft || ATop != FTop;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    PlaceWidget();
    if (moved)
        Moved();
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

TWinControl* TControl::WidgetParent() const
{
    if (FWidgetHost)
        return FWidgetHost;
    if (FParent || !FWidget || FWidget->isWindow())
        return FParent;
    return dynamic_cast<TWinControl*>(detail::ControlOfWidget(FWidget->parentWidget()));
}

void TControl::PlaceWidget()
{
    if (!FWidget)
        return;
    const TWinControl* p = WidgetParent();
    const int b = p ? p->BorderWidth() : 0;
    // The control keeps its bounds; its widget stays within what Qt sums.
    const auto clampPos = [](int V) { return std::clamp(V, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX); };
    const int w = std::min(FWidth, QWIDGETSIZE_MAX);
    const int h = std::min(FHeight, QWIDGETSIZE_MAX);
    if (p || FWidget->parentWidget())
        FWidget->setGeometry(clampPos(SatAdd(FLeft, b)), clampPos(SatAdd(FTop, b)), w, h);
    else
        FWidget->resize(w, h);
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

TPoint TControl::ClientToScreen(const TPoint& Client) const
{
    if (!FWidget)
        return Client;
    const int b = BorderWidth();
    const QPoint p = FWidget->mapToGlobal(QPoint(Client.X + b, Client.Y + b));
    return Point(p.x(), p.y());
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

void TControl::SetParentFont(bool Value)
{
    FParentFont = Value;
    if (Value)
        ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (!FParentFont || !FParent)
        return;
    struct TFollow {
        bool& Flag;
        TFollow(bool& F) : Flag(F) { Flag = true; }
        ~TFollow() { Flag = false; }
    } follow{FFollowingParentFont};
    FFont->Assign(FParent->Font());
}

void TControl::FontObjectChanged()
{
    if (!FFollowingParentFont)
        FParentFont = false;
    FontChanged();
    if (auto* w = dynamic_cast<TWinControl*>(this))
        for (TControl* c : w->FControls)
            c->ParentFontChanged();
}

void TControl::FontChanged()
{
    Invalidate();
}

void TControl::TextChanged()
{
    Invalidate();
}

TCanvas& TControl::MeasureCanvas()
{
    // A painter per control cost more than the measuring when a page of
    // thousands of labels opened.
    static TBitmap* bitmap = nullptr;
    if (!bitmap) {
        bitmap = new TBitmap;
        bitmap->SetSize(1, 1);
        qAddPostRoutine([] {
            delete bitmap;
            bitmap = nullptr;
        });
    }
    TCanvas& c = bitmap->Canvas();
    c.SetFont(FFont);
    return c;
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
        FWidget->setToolTip(FShowHint ? GetShortHint(FHint) : QString());
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
            if (!c->FPopupMenu->AutoPopup())
                return false;
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
        TControl* c = detail::ControlOfWidget(w);
        if (!c)
            continue;
        return c->Enabled() ? c : nullptr;
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

bool TControl::PressThenDrag(TMessage& Message)
{
    if ((Message.Msg != WM_LBUTTONDOWN && Message.Msg != WM_LBUTTONDBLCLK) || FDragMode != dmAutomatic ||
        IsDesigning() || Dragging())
        return false;
    // Handled again with the drag mode off: as any press.
    constexpr int Threshold = 5;
    QPointer<QWidget> alive(Widget());
    FDragMode = dmManual;
    try {
        Dispatch(Message);
    } catch (...) {
        if (alive)
            FDragMode = dmAutomatic;
        throw;
    }
    if (!alive)
        return true;
    FDragMode = dmAutomatic;
    BeginDragAt(ClientToScreen(Point(LParamX(Message.LParam), LParamY(Message.LParam))), false, Threshold, true);
    return true;
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
    // csOpaque is not passed on to Qt: for an opaque widget it clips the
    // siblings' paint around it and checks them for overlap at every move,
    // one walk over all siblings each, which many controls on one parent
    // cannot afford. The parent paints below instead, a fill.
    ShowWidget();
}

void TControl::Invalidate()
{
    if (FWidget && !TUpdateHold::Hold(FWidget))
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
    if (FParent) {
        FParent->FControls.removeOne(this);
        FParent->FControls.append(this);
    }
    if (FWidget)
        FWidget->raise();
}

void TControl::SendToBack()
{
    if (FParent) {
        FParent->FControls.removeOne(this);
        FParent->FControls.prepend(this);
    }
    if (FWidget)
        FWidget->lower();
}

bool TControl::MouseCapture() const
{
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool Value)
{
    if (Value)
        SetCaptureControl(this);
    else if (GetCaptureControl() == this)
        SetCaptureControl(nullptr);
}

qintptr TControl::Perform(unsigned Msg, qintptr WParam, qintptr LParam)
{
    TMessage m{Msg, WParam, LParam, 0};
    WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& Message)
{
    if (IsDesigning())
        if (TForm* form = GetParentForm(this))
            if (TDesigner* designer = form->Designer())
                if (designer->IsDesignMsg(this, Message))
                    return;
    Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT:
        if (Message.WParam)
            PaintWidget(reinterpret_cast<QPaintDevice*>(Message.WParam));
        break;
    case WM_CANCELMODE:
        if (GetCaptureControl() == this)
            SetCaptureControl(nullptr);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
        KeyMessage(Message);
        break;
    default:
        if (Message.Msg >= WM_MOUSEMOVE && Message.Msg < WM_MOUSEWHEEL)
            MouseMessage(Message);
        break;
    }
}

void TControl::MouseMessage(TMessage& Message)
{
    const unsigned msg = Message.Msg;
    const TShiftState shift = KeysToShiftState(unsigned(Message.WParam));
    const int x = LParamX(Message.LParam);
    const int y = LParamY(Message.LParam);
    if (msg == WM_MOUSEMOVE) {
        if (Dragging())
            DragTo(ClientToScreen(Point(x, y)));
        else
            MouseMove(shift, x, y);
        return;
    }
    const unsigned kind = (msg - WM_LBUTTONDOWN) % 3;  // down, up, double click
    const TMouseButton button = msg <= WM_LBUTTONDBLCLK   ? mbLeft
                                : msg <= WM_RBUTTONDBLCLK ? mbRight
                                                          : mbMiddle;
    if (kind == 0) {
        if (!IsDesigning())
            SendCancelMode();
        if (button == mbLeft && FDragMode == dmAutomatic && !IsDesigning()) {
            BeginDragAt(ClientToScreen(Point(x, y)), true, 0, true);
            return;
        }
        if (button == mbLeft)
            FPressed = true;
        MouseDown(button, shift, x, y);
    } else if (kind == 2) {
        MouseDown(button, shift + TShiftState{ssDouble}, x, y);
        if (button == mbLeft && FControlStyle.Contains(csDoubleClicks))
            DblClick();
    } else {
        const TPoint screen = ClientToScreen(Point(x, y));
        if (Dragging()) {
            if (button == mbLeft) {
                DragTo(screen);
                EndDrag(true);
            }
            return;
        }
        const bool click = button == mbLeft && FPressed;
        if (button == mbLeft)
            FPressed = false;
        // The handlers may free the control: what follows needs it.
        QPointer<QWidget> alive(FWidget);
        MouseUp(button, shift, x, y);
        if (!alive)
            return;
        const TRect r = ClientRect();
        if (click && FControlStyle.Contains(csClickEvents) && x >= r.Left && x < r.Right && y >= r.Top &&
            y < r.Bottom)
            Click();
        if (button == mbRight && alive)
            DoPopup(screen);
    }
}

void TControl::SendCancelMode()
{
    // The control that had the focus before this press hears that another
    // one takes the mouse (a drop-down list closes). Qt hands the focus to
    // the pressed widget before the press arrives: the widget it came from
    // was noted then.
    TForm* form = GetParentForm(this);
    if (!form || !form->Widget())
        return;
    QWidget* focus = form->Widget()->focusWidget();
    if (focus && focus == FocusTakenBy && FocusTakenFrom)
        focus = FocusTakenFrom;
    FocusTakenBy = nullptr;
    FocusTakenFrom = nullptr;
    TControl* focused = detail::ControlOfWidget(focus);
    if (focused && focused != this && GetParentForm(focused) == form)
        focused->Perform(CM_CANCELMODE, 0, qintptr(this));
}

void TControl::KeyMessage(TMessage& Message)
{
    // A form with KeyPreview hears its controls' keys first.
    TForm* form = GetParentForm(this);
    TControl* preview = form && form != this && form->KeyPreview() ? form : nullptr;
    if (Message.Msg == WM_CHAR || Message.Msg == WM_SYSCHAR) {
        QChar ch(char16_t(Message.WParam));
        if (preview)
            preview->KeyPress(ch);
        if (!ch.isNull())
            KeyPress(ch);
        Message.WParam = ch.unicode();
        return;
    }
    unsigned key = unsigned(Message.WParam);
    const TShiftState shift = KeyboardShiftState();
    const bool down = Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN;
    if (preview)
        down ? preview->KeyDown(key, shift) : preview->KeyUp(key, shift);
    if (key)
        down ? KeyDown(key, shift) : KeyUp(key, shift);
    Message.WParam = key;
}

void TControl::KeyDown(unsigned& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TControl::KeyUp(unsigned& Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TControl::KeyPress(QChar& Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TControl::Paint()
{
    FCanvas->Brush()->SetStyle(bsSolid);
    FCanvas->Brush()->SetColor(FColor);
    FCanvas->FillRect(ClientRect());
}

void TControl::Moved() {}

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
    const TWinControl* p = WidgetParent();
    const int b = p ? p->BorderWidth() : 0;
    if (p || (FWidget && FWidget->parentWidget())) {
        if (FLeft == AX - b && FTop == AY - b)
            return;
        FLeft = AX - b;
        FTop = AY - b;
    }
    Moved();
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
    // The first first, each leaving the list itself: Qt finds a child
    // widget that goes from the front of its parent's list at once.
    while (!FControls.isEmpty()) {
        TControl* c = FControls.first();
        delete c;
        if (!FControls.isEmpty() && FControls.first() == c)
            FControls.removeFirst();
    }
}

bool TWinControl::CanFocus() const
{
    if (!Showing())
        return false;
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const
{
    return Widget() && Widget()->hasFocus();
}

void TWinControl::SetFocus()
{
    if (!CanFocus())
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    if (QWidget* window = Widget()->window(); window->isVisible())
        window->activateWindow();
    Widget()->setFocus(Qt::OtherFocusReason);
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

void TCustomControl::SetCaption(const QString& Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    TextChanged();
}

} // namespace classlib
