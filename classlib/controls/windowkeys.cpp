#include "classlib/controls/windowkeys.h"

#include "classlib/controls/application.h"
#include "classlib/controls/form.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/mouse.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace classlib {

bool IsAccel(unsigned Key, const QString& Caption)
{
    for (qsizetype i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != QLatin1Char('&'))
            continue;
        ++i;
        if (Caption[i] == QLatin1Char('&'))
            continue;
        return Caption[i].toUpper().unicode() == Key;
    }
    return false;
}

namespace {

// Offers Message to Control and every control inside it, depth first,
// until one answers. Only the one that answers acts, so the children do
// not change under the walk.
bool Broadcast(TControl* Control, TMessage& Message)
{
    Control->WndProc(Message);
    if (Message.Result)
        return true;
    if (auto* w = dynamic_cast<TWinControl*>(Control))
        for (int i = 0; i < w->ControlCount(); ++i)
            if (Broadcast(w->Controls(i), Message))
                return true;
    return false;
}

TShiftState ShiftOf(Qt::KeyboardModifiers Modifiers)
{
    TShiftState s;
    if (Modifiers & Qt::ShiftModifier) s += ssShift;
    if (Modifiers & Qt::AltModifier) s += ssAlt;
    if (Modifiers & Qt::ControlModifier) s += ssCtrl;
    return s;
}

class TWindowKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* Watched, QEvent* E) override
    {
        // An open menu takes its own keys; those it passes on to its bar and
        // window are not the window's.
        if (E->type() != QEvent::KeyPress || !Watched->isWidgetType() ||
            qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            return false;
        const auto* k = static_cast<QKeyEvent*>(E);
        const unsigned key = VirtualKeyOfQtKey(k->key());
        if (!key)
            return false;
        // A pop-up menu that is open closes on Enter or Escape itself.
        const QWidget* top = static_cast<QWidget*>(Watched)->window();
        if ((key == VK_RETURN || key == VK_ESCAPE) && top->windowType() == Qt::Popup &&
            !detail::ControlOfWidget(top))
            return false;
        // The control whose widget has the key, or holds the widget that has it.
        TControl* focus = nullptr;
        for (auto* w = static_cast<QWidget*>(Watched); w && !focus; w = w->parentWidget())
            focus = detail::ControlOfWidget(w);
        if (!focus)
            return false;
        bool taken = false;
        CallGuarded(focus, [&] { taken = DoWindowKey(focus, key, ShiftOf(k->modifiers())); });
        return taken;
    }
};

} // namespace

bool DoWindowKey(TControl* Focus, unsigned Key, TShiftState Shift)
{
    if (!Focus)
        return false;
    // A control being designed keeps its keys, except the shortcuts of the
    // main menus of the forms that hold it: the designer's own commands.
    const bool designing = Focus->IsDesigning();
    if (!designing)
        for (TControl* c = Focus; c; c = c->Parent())
            if (TPopupMenu* menu = c->PopupMenu(); menu && menu->IsShortCut(Key, Shift))
                return true;
    // The main menus of the forms that hold the focus, nearest first; a form
    // shown inside another's widget is held by the control that holds that.
    for (TControl* c = Focus; c;) {
        if (auto* form = dynamic_cast<TForm*>(c); form && form->Menu() && form->Menu()->IsShortCut(Key, Shift))
            return true;
        if (c->Parent()) {
            c = c->Parent();
            continue;
        }
        TControl* holder = nullptr;
        for (QWidget* w = c->Widget() ? c->Widget()->parentWidget() : nullptr; w && !holder; w = w->parentWidget())
            holder = detail::ControlOfWidget(w);
        c = holder;
    }
    if (designing)
        return false;
    if (Key == VK_TAB && Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)) {
        for (TControl* c = Focus; c; c = c->Parent())
            if (c->Perform(CM_DIALOGKEY, Key, Shift.Mask()))
                return true;
        return false;
    }
    if ((Key == VK_RETURN || Key == VK_ESCAPE) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)) {
        if (Focus->Perform(CM_WANTSPECIALKEY, Key))
            return false;
        TControl* root = Focus;
        while (root->Parent())
            root = root->Parent();
        TMessage m{CM_DIALOGKEY, qintptr(Key), qintptr(Shift.Mask()), 0};
        return Broadcast(root, m);
    }
    if (Key == VK_F1 && Shift.Mask() == 0) {
        for (TForm* form = GetParentForm(Focus); form; form = form->Parent() ? GetParentForm(form->Parent()) : nullptr)
            if (form->HelpContext() != 0) {
                Application()->HelpContext(form->HelpContext());
                return true;
            }
        return false;
    }
    const bool character = (Key >= 'A' && Key <= 'Z') || (Key >= '0' && Key <= '9');
    if (character && Shift.Contains(ssAlt) && !Shift.Contains(ssCtrl)) {
        TControl* root = Focus;
        while (root->Parent())
            root = root->Parent();
        TMessage m{CM_DIALOGCHAR, qintptr(Key), 0, 0};
        return Broadcast(root, m);
    }
    return false;
}

namespace detail {

void InstallWindowKeys()
{
    static TWindowKeyFilter* filter = nullptr;
    if (filter || !qGuiApp)
        return;
    filter = new TWindowKeyFilter(qGuiApp);
    qGuiApp->installEventFilter(filter);
}

} // namespace detail

} // namespace classlib
