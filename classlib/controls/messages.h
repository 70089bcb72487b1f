#pragma once

// Window messages: Qt's input and paint events reach a control as these
// (TControl::Perform, WndProc, Dispatch), and posted messages are a call
// queued on the event loop to one control, dropped when the control is gone
// before it arrives.

#include <QtGlobal>

namespace classlib {

class TControl;

// WParam: WA_ACTIVE when a top-level window becomes the active one,
// WA_INACTIVE when it stops being it.
constexpr unsigned WM_ACTIVATE = 0x0006;
constexpr unsigned WA_INACTIVE = 0;
constexpr unsigned WA_ACTIVE = 1;
constexpr unsigned WM_SETFOCUS = 0x0007;
constexpr unsigned WM_KILLFOCUS = 0x0008;
// WParam: the QPaintDevice* to paint on while the widget paints.
constexpr unsigned WM_PAINT = 0x000F;
// The window's close box (or a form's Close). Result non-zero keeps the
// window: the control hid, minimised or refused it itself.
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_CANCELMODE = 0x001F;
// LParam: the TMinMaxInfo (form.h) to fill; asked of a form whenever the
// limits of its size may have changed.
constexpr unsigned WM_GETMINMAXINFO = 0x0024;
// Sent to a form shown as a child window before a mouse button press inside
// it (on the form or any of its controls) reaches its control. The form
// activates; Result MA_ACTIVATE.
constexpr unsigned WM_MOUSEACTIVATE = 0x0021;
constexpr unsigned MA_ACTIVATE = 1;

// WParam: the virtual-key code (a character code for WM_CHAR).
constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_KEYUP = 0x0101;
constexpr unsigned WM_CHAR = 0x0102;
constexpr unsigned WM_DEADCHAR = 0x0103;
constexpr unsigned WM_SYSKEYDOWN = 0x0104;
constexpr unsigned WM_SYSKEYUP = 0x0105;
constexpr unsigned WM_SYSCHAR = 0x0106;
constexpr unsigned WM_SYSDEADCHAR = 0x0107;
constexpr unsigned WM_KEYLAST = 0x0108;

// WParam: MK_ flags; LParam: the client point (MakeLParam).
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_RBUTTONUP = 0x0205;
constexpr unsigned WM_RBUTTONDBLCLK = 0x0206;
constexpr unsigned WM_MBUTTONDOWN = 0x0207;
constexpr unsigned WM_MBUTTONUP = 0x0208;
constexpr unsigned WM_MBUTTONDBLCLK = 0x0209;
// WParam: MK_ flags low, the signed wheel delta high; LParam: the screen point.
constexpr unsigned WM_MOUSEWHEEL = 0x020A;

// The user dragged an edge of a window (WParam: the WMSZ_ edge; LParam: the
// TRect* of the window's client area in screen pixels as the drag left it).
// Sent once the window system has sized the window (its resize is heard
// first); a handler may change the rectangle, and the window then takes it.
constexpr unsigned WM_SIZING = 0x0214;
constexpr unsigned WMSZ_LEFT = 1;
constexpr unsigned WMSZ_RIGHT = 2;
constexpr unsigned WMSZ_TOP = 3;
constexpr unsigned WMSZ_TOPLEFT = 4;
constexpr unsigned WMSZ_TOPRIGHT = 5;
constexpr unsigned WMSZ_BOTTOM = 6;
constexpr unsigned WMSZ_BOTTOMLEFT = 7;
constexpr unsigned WMSZ_BOTTOMRIGHT = 8;

constexpr unsigned WM_USER = 0x0400;

// Sent to the focused control of a form when a mouse button goes down on
// another control of it, from that control's Dispatch of the press (before
// MouseDown); LParam: the TControl* pressed.
constexpr unsigned CM_CANCELMODE = 0xB004;

// Asked of a control in design state with a mouse message's WParam and
// LParam: non-zero claims the click for the control itself.
constexpr unsigned CM_DESIGNHITTEST = 0xB01C;

constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_RBUTTON = 0x0002;
constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;
constexpr unsigned MK_MBUTTON = 0x0010;

// Virtual-key codes; letters and digits are their upper-case characters.
constexpr unsigned VK_LBUTTON = 0x01;
constexpr unsigned VK_RBUTTON = 0x02;
constexpr unsigned VK_MBUTTON = 0x04;
constexpr unsigned VK_BACK = 0x08;
constexpr unsigned VK_TAB = 0x09;
constexpr unsigned VK_CLEAR = 0x0C;
constexpr unsigned VK_RETURN = 0x0D;
constexpr unsigned VK_SHIFT = 0x10;
constexpr unsigned VK_CONTROL = 0x11;
constexpr unsigned VK_MENU = 0x12;
constexpr unsigned VK_PAUSE = 0x13;
constexpr unsigned VK_CAPITAL = 0x14;
constexpr unsigned VK_ESCAPE = 0x1B;
constexpr unsigned VK_SPACE = 0x20;
constexpr unsigned VK_PRIOR = 0x21;
constexpr unsigned VK_NEXT = 0x22;
constexpr unsigned VK_END = 0x23;
constexpr unsigned VK_HOME = 0x24;
constexpr unsigned VK_LEFT = 0x25;
constexpr unsigned VK_UP = 0x26;
constexpr unsigned VK_RIGHT = 0x27;
constexpr unsigned VK_DOWN = 0x28;
constexpr unsigned VK_PRINT = 0x2A;
constexpr unsigned VK_SNAPSHOT = 0x2C;
constexpr unsigned VK_INSERT = 0x2D;
constexpr unsigned VK_DELETE = 0x2E;
constexpr unsigned VK_HELP = 0x2F;
constexpr unsigned VK_NUMPAD0 = 0x60;
constexpr unsigned VK_MULTIPLY = 0x6A;
constexpr unsigned VK_ADD = 0x6B;
constexpr unsigned VK_SUBTRACT = 0x6D;
constexpr unsigned VK_DECIMAL = 0x6E;
constexpr unsigned VK_DIVIDE = 0x6F;
constexpr unsigned VK_F1 = 0x70;
constexpr unsigned VK_F2 = 0x71;
constexpr unsigned VK_F24 = 0x87;
constexpr unsigned VK_NUMLOCK = 0x90;
constexpr unsigned VK_SCROLL = 0x91;

struct TMessage {
    unsigned Msg = 0;
    qintptr WParam = 0;
    qintptr LParam = 0;
    qintptr Result = 0;
};

// A point packed as the low (x) and high (y) signed 16-bit words.
constexpr qintptr MakeLParam(int X, int Y)
{
    return qintptr(qint32(quint32(quint16(X)) | (quint32(quint16(Y)) << 16)));
}
constexpr int LParamX(qintptr LParam) { return qint16(quint16(quint64(LParam) & 0xFFFF)); }
constexpr int LParamY(qintptr LParam) { return qint16(quint16((quint64(LParam) >> 16) & 0xFFFF)); }

// The virtual-key code of a Qt key (Qt::Key), 0 for one without a code.
unsigned VirtualKeyOfQtKey(int Key);

// Queues Message for Control->WndProc; runs guarded when it arrives.
void PostMessage(TControl* Control, unsigned Msg, qintptr WParam = 0, qintptr LParam = 0);

} // namespace classlib
