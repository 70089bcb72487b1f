#pragma once

// Radio buttons: of the radio buttons sharing a parent at most one is
// checked. The user's click (or Space while focused) checks the button;
// checking one, from the user or from code, unchecks its siblings and
// fires its OnClick. Code may uncheck a button, leaving none checked.

#include "classlib/controls/control.h"

namespace classlib {

class TRadioButton : public TCustomControl {
    QX_CLASS(TRadioButton, TCustomControl)
public:
    explicit TRadioButton(TComponent* AOwner);

    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);

    void Dispatch(TMessage& Message) override;

protected:
    // The user's click: checks.
    void Click() override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyUp(unsigned& Key, TShiftState Shift) override;

private:
    bool FChecked = false;
    // Set while Checked changes: the click it fires checks nothing.
    bool FChanging = false;
};

} // namespace classlib
