#include "classlib/controls/messages.h"

#include "classlib/controls/application.h"
#include "classlib/controls/control.h"

#include <QMetaObject>
#include <QWidget>

namespace classlib {

unsigned VirtualKeyOfQtKey(int Key)
{
    if ((Key >= Qt::Key_A && Key <= Qt::Key_Z) || (Key >= Qt::Key_0 && Key <= Qt::Key_9))
        return unsigned(Key);  // the same codes
    if (Key >= Qt::Key_F1 && Key <= Qt::Key_F24)
        return VK_F1 + unsigned(Key - Qt::Key_F1);
    switch (Key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Clear: return VK_CLEAR;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Pause: return VK_PAUSE;
    case Qt::Key_CapsLock: return VK_CAPITAL;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Print: return VK_SNAPSHOT;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Help: return VK_HELP;
    case Qt::Key_Asterisk: return VK_MULTIPLY;
    case Qt::Key_Plus: return VK_ADD;
    case Qt::Key_Minus: return VK_SUBTRACT;
    case Qt::Key_Slash: return VK_DIVIDE;
    case Qt::Key_NumLock: return VK_NUMLOCK;
    case Qt::Key_ScrollLock: return VK_SCROLL;
    default: return 0;
    }
}

void PostMessage(TControl* Control, unsigned Msg, qintptr WParam, qintptr LParam)
{
    QWidget* w = Control ? Control->Widget() : nullptr;
    if (!w)
        return;
    // The widget is the call's context: Qt drops the call when it is destroyed.
    QMetaObject::invokeMethod(
        w,
        [Control, Msg, WParam, LParam] {
            TMessage m{Msg, WParam, LParam, 0};
            CallGuarded(Control, [&] { Control->WndProc(m); });
        },
        Qt::QueuedConnection);
}

} // namespace classlib
