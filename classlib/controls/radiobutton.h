#pragma once

// Radio buttons: of the radio buttons sharing a parent at most one is
// checked. The user's click (or Space while focused) checks the button;
// checking one, from the user or from code, unchecks its siblings and
// fires its OnClick. Code may uncheck a button, leaving none checked.

#include "classlib/controls/buttoncontrol.h"

namespace classlib {

class TRadioButton : public TButtonControl {
    QX_CLASS(TRadioButton, TButtonControl)
public:
    explicit TRadioButton(TComponent* AOwner);

    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);

protected:
    // The user's click: checks.
    void Click() override;
    void Paint() override;

private:
    bool FChecked = false;
    // Set while Checked changes: the click it fires checks nothing.
    bool FChanging = false;
};

} // namespace classlib
