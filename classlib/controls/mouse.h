#pragma once

// The mouse: Qt's mouse events become a control's window messages, and
// mouse capture and cursor clipping, which offscreen Qt lacks, are done
// here. While a control holds the capture, every mouse event of the
// application's widgets reaches that control, in its client coordinates.

#include "classlib/graphics/gditypes.h"

#include <Qt>

class QMouseEvent;
class QWidget;

namespace classlib {

class TControl;

// Taking the capture from another control sends it WM_CANCELMODE, and so
// does the application losing activation; nil releases the capture.
void SetCaptureControl(TControl* Control);
TControl* GetCaptureControl();
// Clamps the mouse positions that the capture control is told to Rect
// (screen pixels, right and bottom excluded); nil frees the cursor.
void ClipCursor(const TRect* Rect);
// The mouse position last seen, on screen (clamped while captured).
TPoint GetCursorPos();
// The MK_ flags of Qt's buttons and modifiers.
unsigned MouseKeys(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers);

namespace detail {

// Sends the mouse event to Control as its message, at the client point,
// guarded.
void SendMouseMessage(TControl* Control, const QMouseEvent* E, const TPoint& Client);
// Once per process, when the first control is made.
void InstallInputFilter();
// A control being freed lets the capture go without being told.
void ForgetCapture(const TControl* Control);
// With the controls: the control a widget shows (nil for none), and
// whether the widget turns its own events into messages.
TControl* ControlOfWidget(const QWidget* Widget);
bool SendsOwnMessages(const QWidget* Widget);

} // namespace detail

} // namespace classlib
