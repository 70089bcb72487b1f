#pragma once

// Push buttons. A click of a button with a ModalResult hands the result to
// its form, which ends a modal run with it. The Default button of a window
// answers Enter, the Cancel button Escape, wherever the focus is in it
// (unless the focused control keeps the key for itself); a focused button
// answers Space and Enter itself.

#include "classlib/controls/control.h"
#include "classlib/controls/modalresponder.h"

namespace classlib {

class TButton : public TCustomControl {
    QX_CLASS(TButton, TCustomControl)
public:
    explicit TButton(TComponent* AOwner);

    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }

    // What a click does: OnClick, then the modal result goes to the form.
    void Click() override;
    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyUp(unsigned& Key, TShiftState Shift) override;

private:
    void SetPressed(bool Value);

    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
    bool FPressed = false;
    // Space went down on the button: its release clicks.
    bool FSpaceDown = false;
};

} // namespace classlib
