#pragma once

// Qt's editing widgets under a control: their keys, mouse and focus reach
// the control as window messages before the widget's own handling, so that
// a descendant can change or swallow a key (KeyDown, KeyPress) the way an
// edit control's subclass does.

#include "classlib/controls/application.h"
#include "classlib/controls/control.h"
#include "classlib/controls/mouse.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace classlib::detail {

// Sends a key press to Control as WM_KEYDOWN (WM_SYSKEYDOWN with Alt) and
// its characters as WM_CHAR. Returns whether the widget should still see
// the key; Text receives the characters the handlers left (changed ones
// included).
bool KeyPressToControl(TControl* Control, const QKeyEvent* E, QString& Text);
// WM_KEYUP; whether the widget should still see the release.
bool KeyReleaseToControl(TControl* Control, const QKeyEvent* E);
// The clipboard keys of an edit: Ctrl+C/X/V, Ctrl+Insert, Shift+Insert,
// Shift+Delete. 0 for another key, else 'C', 'X' or 'V'.
char ClipboardKey(const QKeyEvent* E);

template <class W>
class TRoutedWidget : public W {
public:
    explicit TRoutedWidget(TControl* AControl) : FControl(AControl) {}
    void Detach() { FControl = nullptr; }

    // What the control does with a clipboard key ('C', 'X', 'V').
    std::function<void(char)> OnClipboardKey;

protected:
    void keyPressEvent(QKeyEvent* E) override
    {
        if (!FControl || !FControl->Enabled())
            return W::keyPressEvent(E);
        QPointer<QWidget> self(this);
        bool pass = true;
        QString text;
        CallGuarded(FControl, [&] { pass = KeyPressToControl(FControl, E, text); });
        if (!self)
            return;
        E->accept();
        if (!pass)
            return;
        if (const char k = ClipboardKey(E); k && OnClipboardKey) {
            CallGuarded(FControl, [&] { OnClipboardKey(k); });
            return;
        }
        if (text == E->text()) {
            W::keyPressEvent(E);
            return;
        }
        QKeyEvent changed(E->type(), E->key(), E->modifiers(), text, E->isAutoRepeat(), ushort(E->count()));
        W::keyPressEvent(&changed);
    }
    void keyReleaseEvent(QKeyEvent* E) override
    {
        QPointer<QWidget> self(this);
        bool pass = true;
        if (FControl && FControl->Enabled())
            CallGuarded(FControl, [&] { pass = KeyReleaseToControl(FControl, E); });
        if (self && pass)
            W::keyReleaseEvent(E);
    }
    void mousePressEvent(QMouseEvent* E) override { Mouse(E, [&] { W::mousePressEvent(E); }); }
    void mouseReleaseEvent(QMouseEvent* E) override { Mouse(E, [&] { W::mouseReleaseEvent(E); }); }
    void mouseDoubleClickEvent(QMouseEvent* E) override { Mouse(E, [&] { W::mouseDoubleClickEvent(E); }); }
    void mouseMoveEvent(QMouseEvent* E) override { Mouse(E, [&] { W::mouseMoveEvent(E); }); }
    void focusInEvent(QFocusEvent* E) override
    {
        W::focusInEvent(E);
        if (FControl)
            CallGuarded(FControl, [this] { FControl->Perform(WM_SETFOCUS); });
    }
    void focusOutEvent(QFocusEvent* E) override
    {
        W::focusOutEvent(E);
        if (FControl)
            CallGuarded(FControl, [this] { FControl->Perform(WM_KILLFOCUS); });
    }

private:
    template <class F>
    void Mouse(QMouseEvent* E, F&& Base)
    {
        QPointer<QWidget> self(this);
        // The widget's own handling first (the caret moves, the text is
        // selected), then the control hears it, as a subclassed edit does.
        Base();
        if (self && FControl && FControl->Enabled())
            SendMouseMessage(FControl, E, Point(int(E->position().x()), int(E->position().y())));
    }

    TControl* FControl;
};

} // namespace classlib::detail
