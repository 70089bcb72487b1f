#pragma once

// Keys that a window takes before its focused control, as dialogs do:
//   1. the shortcut of an item of the pop-up menu of the focused control or
//      of one of its parents (nearest first), then of the main menus of the
//      forms that hold it (also one shown inside another form's widget);
//   2. a dialog key (Ctrl+Tab, Ctrl+Shift+Tab), sent as CM_DIALOGKEY to the
//      focused control and then to each parent; Enter and Escape, unless the
//      focused control wants them (CM_WANTSPECIALKEY), sent as CM_DIALOGKEY
//      to every control of the window in turn (the default and cancel
//      buttons answer);
//   3. an accelerator (Alt with a letter or digit), sent as CM_DIALOGCHAR
//      to every control of the window in turn;
//   4. F1, when the nearest form with a help context has one: the
//      application's help for that topic.
// The first that answers takes the key; the focused control never sees it.
// From a control being designed only the main menus' shortcuts are taken.

#include "classlib/controls/control.h"

#include <QString>

namespace classlib {

// WParam: the virtual-key code; LParam: the TShiftState mask. A non-zero
// Result takes the key.
constexpr unsigned CM_DIALOGKEY = 0xB005;
// WParam: the accelerator's character (an upper-case letter or a digit).
// A non-zero Result takes the key.
constexpr unsigned CM_DIALOGCHAR = 0xB006;
// WParam: the virtual-key code of Enter or Escape. A non-zero Result keeps
// the key for the focused control (a memo's new line, a list that is down).
constexpr unsigned CM_WANTSPECIALKEY = 0xB007;

// Whether Caption marks Key as its accelerator: the character after a
// single '&' ("&&" is an ampersand), compared without regard to case.
bool IsAccel(unsigned Key, const QString& Caption);

// Offers the key as the window would (the steps above) from Focus; true
// when something took it.
bool DoWindowKey(TControl* Focus, unsigned Key, TShiftState Shift);

namespace detail {
// Once per process, by the classes that answer these keys.
void InstallWindowKeys();
} // namespace detail

} // namespace classlib
