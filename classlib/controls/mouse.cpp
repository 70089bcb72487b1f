#include "classlib/controls/mouse.h"

#include "classlib/controls/application.h"
#include "classlib/controls/control.h"
#include "classlib/controls/form.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace classlib {

namespace {

TControl* CaptureControl = nullptr;
bool CursorClipped = false;
TRect CursorClip{};
bool CursorKnown = false;
TPoint CursorPos{};

TPoint Clipped(TPoint P)
{
    if (CursorClipped && CaptureControl) {
        P.X = std::clamp(P.X, CursorClip.Left, std::max(CursorClip.Left, CursorClip.Right - 1));
        P.Y = std::clamp(P.Y, CursorClip.Top, std::max(CursorClip.Top, CursorClip.Bottom - 1));
    }
    return P;
}

TPoint Global(const QMouseEvent* E)
{
    return Point(int(E->globalPosition().x()), int(E->globalPosition().y()));
}

// The message of a Qt mouse event; 0 for none (another button).
unsigned MouseMessageOf(const QMouseEvent* E)
{
    unsigned base;
    switch (E->button()) {
    case Qt::LeftButton: base = WM_LBUTTONDOWN; break;
    case Qt::RightButton: base = WM_RBUTTONDOWN; break;
    case Qt::MiddleButton: base = WM_MBUTTONDOWN; break;
    default: base = 0; break;
    }
    switch (E->type()) {
    case QEvent::MouseMove: return WM_MOUSEMOVE;
    case QEvent::MouseButtonPress: return base;
    case QEvent::MouseButtonRelease: return base ? base + 1 : 0;
    case QEvent::MouseButtonDblClick: return base ? base + 2 : 0;
    default: return 0;
    }
}

} // namespace

unsigned MouseKeys(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers)
{
    unsigned k = 0;
    if (Buttons & Qt::LeftButton) k |= MK_LBUTTON;
    if (Buttons & Qt::RightButton) k |= MK_RBUTTON;
    if (Buttons & Qt::MiddleButton) k |= MK_MBUTTON;
    if (Modifiers & Qt::ShiftModifier) k |= MK_SHIFT;
    if (Modifiers & Qt::ControlModifier) k |= MK_CONTROL;
    return k;
}

namespace detail {

// Sends the mouse event to Control as its message, at the client point.
void SendMouseMessage(TControl* Control, const QMouseEvent* E, const TPoint& Client)
{
    const unsigned msg = MouseMessageOf(E);
    if (!msg)
        return;
    // Alt is not among the message's flags: it is read from the keyboard,
    // which Qt updates from the event.
    CallGuarded(Control, [&] {
        Control->Perform(msg, MouseKeys(E->buttons(), E->modifiers()), MakeLParam(Client.X, Client.Y));
    });
}

namespace {

// Routes the mouse to the capture control, and that of Qt's own widgets
// of designed controls to their controls; keeps the last cursor position;
// tells the capture control when the application deactivates.
class TInputFilter : public QObject {
public:
    static void Install()
    {
        static TInputFilter* filter = nullptr;
        if (filter || !qGuiApp)
            return;
        filter = new TInputFilter(qGuiApp);
        qGuiApp->installEventFilter(filter);
        QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, filter,
                         [](Qt::ApplicationState State) {
                             if (State != Qt::ApplicationActive && CaptureControl) {
                                 TControl* c = CaptureControl;
                                 CallGuarded(c, [c] { c->Perform(WM_CANCELMODE); });
                             }
                         });
    }

protected:
    using QObject::QObject;

    // A press inside a form shown as a child window activates that form
    // first. A press that a widget passes on to its parent is the same
    // event object: it activates once.
    void MouseActivate(QWidget* W, const QMouseEvent* M)
    {
        if (M == FLastPress && M->timestamp() == FLastPressTime)
            return;
        FLastPress = M;
        FLastPressTime = M->timestamp();
        TControl* c = nullptr;
        for (QWidget* p = W; p && !c; p = p->parentWidget())
            c = ControlOfWidget(p);
        for (; c; c = c->Parent())
            if (auto* form = dynamic_cast<TForm*>(c)) {
                if (form->Widget() && !form->Widget()->isWindow())
                    CallGuarded(form, [form] { form->Perform(WM_MOUSEACTIVATE); });
                return;
            }
    }

    const QMouseEvent* FLastPress = nullptr;
    quint64 FLastPressTime = 0;

    bool eventFilter(QObject* Watched, QEvent* E) override
    {
        switch (E->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            break;
        default:
            return false;
        }
        if (!Watched->isWidgetType())
            return false;
        const auto* m = static_cast<QMouseEvent*>(E);
        if (E->type() != QEvent::MouseButtonRelease && E->type() != QEvent::MouseMove) {
            QPointer<QObject> alive(Watched);
            MouseActivate(static_cast<QWidget*>(Watched), m);
            if (!alive)
                return true;
        }
        CursorPos = Clipped(Global(m));
        CursorKnown = true;
        if (TControl* c = CaptureControl; c && c->Widget()) {
            SendMouseMessage(c, m, c->ScreenToClient(CursorPos));
            return true;
        }
        // A control over a widget of Qt's own (a scroll bar) hears its mouse
        // as messages only while designed, and so does a disabled one, which
        // Qt gives no mouse: the designer sees them all.
        auto* w = static_cast<QWidget*>(Watched);
        if (SendsOwnMessages(w) && w->isEnabled())
            return false;
        TControl* c = ControlOfWidget(w);
        if (!c || !c->IsDesigning())
            return false;
        SendMouseMessage(c, m, c->ScreenToClient(Global(m)));
        return true;
    }
};

} // namespace

void InstallInputFilter()
{
    TInputFilter::Install();
}

void ForgetCapture(const TControl* Control)
{
    if (CaptureControl == Control)
        CaptureControl = nullptr;
}

} // namespace detail

void SetCaptureControl(TControl* Control)
{
    TControl* old = CaptureControl;
    if (old == Control)
        return;
    CaptureControl = Control;
    if (old && Control)
        CallGuarded(old, [old] { old->Perform(WM_CANCELMODE); });
}

TControl* GetCaptureControl()
{
    return CaptureControl;
}

void ClipCursor(const TRect* Rect)
{
    CursorClipped = Rect != nullptr;
    if (Rect)
        CursorClip = *Rect;
}

TPoint GetCursorPos()
{
    if (CursorKnown)
        return Clipped(CursorPos);
    const QPoint p = QCursor::pos();
    return Clipped(Point(p.x(), p.y()));
}

} // namespace classlib
