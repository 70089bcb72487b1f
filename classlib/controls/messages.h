#pragma once

// Posted messages: a call queued on the event loop to one control, dropped
// when the control is gone before it arrives.

#include <QtGlobal>

namespace classlib {

class TControl;

constexpr unsigned WM_USER = 0x0400;

struct TMessage {
    unsigned Msg = 0;
    qintptr WParam = 0;
    qintptr LParam = 0;
    qintptr Result = 0;
};

// Queues Message for Control->WndProc; runs guarded when it arrives.
void PostMessage(TControl* Control, unsigned Msg, qintptr WParam = 0, qintptr LParam = 0);

} // namespace classlib
