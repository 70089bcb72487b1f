#pragma once

// Owner-drawn items of list and combo boxes, and the notifications a list
// control sends itself (a parent's WM_COMMAND reflected to the control).

#include "classlib/controls/control.h"

namespace classlib {

QX_ENUM(TOwnerDrawStateItem, odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault,
        odHotLight, odInactive, odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit)
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

// Draws item Index in Rect on the control's canvas, whose brush and font
// are set (highlight colours for a selected item).
using TDrawItemEvent = TEvent<TWinControl* /*Control*/, int /*Index*/, TRect /*Rect*/,
                              TOwnerDrawState /*State*/>;

// WParam: the notification code in the high word.
constexpr unsigned CN_COMMAND = 0xBD11;
constexpr unsigned LBN_SELCHANGE = 1;
constexpr unsigned LBN_DBLCLK = 2;
constexpr unsigned CBN_SELCHANGE = 1;
constexpr unsigned CBN_DROPDOWN = 7;
constexpr unsigned CBN_CLOSEUP = 8;

constexpr qintptr NotifyWParam(unsigned Code) { return qintptr(quint32(Code) << 16); }
constexpr unsigned NotifyCode(qintptr WParam) { return unsigned((quint64(WParam) >> 16) & 0xFFFF); }

} // namespace classlib
