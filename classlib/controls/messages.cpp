#include "classlib/controls/messages.h"

#include "classlib/controls/application.h"
#include "classlib/controls/control.h"

#include <QMetaObject>
#include <QWidget>

namespace classlib {

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
