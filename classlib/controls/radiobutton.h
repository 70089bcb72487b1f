#pragma once

// Radio buttons: a round box with a caption beside it. Of the radio
// buttons of one parent at most one is checked: checking one unchecks the
// others. A click (or Space while focused) checks it; OnClick follows
// every change to checked, from the user or from code.

#include "classlib/controls/control.h"

namespace classlib {

class TRadioButton : public TCustomControl {
    QX_CLASS(TRadioButton, TCustomControl)
public:
    explicit TRadioButton(TComponent* AOwner);

    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);

protected:
    void Click() override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyUp(unsigned& Key, TShiftState Shift) override;

private:
    bool FChecked = false;
    bool FChanging = false;
};

} // namespace classlib
