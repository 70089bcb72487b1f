#include "classlib/controls/editinput.h"

namespace classlib::detail {

namespace {

// The characters an edit takes as WM_CHAR: printable ones, and Backspace,
// Enter, Line feed and Escape.
bool IsCharMessage(QChar C)
{
    return C.isPrint() || C == QLatin1Char('\b') || C == QLatin1Char('\r') || C == QLatin1Char('\n') ||
           C == QChar(0x1B);
}

} // namespace

bool KeyPressToControl(TControl* Control, const QKeyEvent* E, QString& Text)
{
    QPointer<QWidget> alive(Control->Widget());
    const bool alt = E->modifiers() & Qt::AltModifier;
    bool keyLeft = true;
    if (const unsigned vk = VirtualKeyOfQtKey(E->key())) {
        TMessage m{alt ? WM_SYSKEYDOWN : WM_KEYDOWN, qintptr(vk), E->isAutoRepeat() ? qintptr(1) << 30 : 0, 0};
        Control->WndProc(m);
        keyLeft = m.WParam != 0;
        if (!alive)
            return false;
    }
    Text.clear();
    bool sentChars = false;
    // Control characters other than the edit's own (Ctrl+C gives ^C) are
    // not characters to the control: the key decides alone.
    if (!(E->modifiers() & Qt::ControlModifier)) {
        for (const QChar ch : E->text()) {
            if (!IsCharMessage(ch)) {
                Text += ch;
                continue;
            }
            sentChars = true;
            TMessage m{alt ? WM_SYSCHAR : WM_CHAR, qintptr(ch.unicode()), 0, 0};
            Control->WndProc(m);
            if (!alive)
                return false;
            if (m.WParam)
                Text += QChar(char16_t(m.WParam));
        }
    } else {
        Text = E->text();
    }
    // A character key is the characters' to decide; any other key the key's.
    return sentChars ? !Text.isEmpty() : keyLeft;
}

bool KeyReleaseToControl(TControl* Control, const QKeyEvent* E)
{
    const unsigned vk = VirtualKeyOfQtKey(E->key());
    if (!vk)
        return true;
    TMessage m{E->modifiers() & Qt::AltModifier ? WM_SYSKEYUP : WM_KEYUP, qintptr(vk), 0, 0};
    Control->WndProc(m);
    return m.WParam != 0;
}

char ClipboardKey(const QKeyEvent* E)
{
    const Qt::KeyboardModifiers mods = E->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    switch (E->key()) {
    case Qt::Key_C: return mods == Qt::ControlModifier ? 'C' : 0;
    case Qt::Key_X: return mods == Qt::ControlModifier ? 'X' : 0;
    case Qt::Key_V: return mods == Qt::ControlModifier ? 'V' : 0;
    case Qt::Key_Insert:
        return mods == Qt::ControlModifier ? 'C' : mods == Qt::ShiftModifier ? 'V' : 0;
    case Qt::Key_Delete: return mods == Qt::ShiftModifier ? 'X' : 0;
    default: return 0;
    }
}

} // namespace classlib::detail
