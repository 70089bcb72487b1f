#pragma once

// Check boxes: a box with a tick and a caption beside it. A click (or
// Space while focused) toggles Checked; OnClick follows every change of
// Checked, from the user or from code, as the box's click does.

#include "classlib/controls/align.h"
#include "classlib/controls/buttoncontrol.h"

namespace classlib {

class TCheckBox : public TButtonControl {
    QX_CLASS(TCheckBox, TButtonControl)
public:
    explicit TCheckBox(TComponent* AOwner);

    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    // taRightJustify (the default) puts the caption right of the box,
    // taLeftJustify left of it, with the box at the right edge.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);

protected:
    // The user's click: toggles.
    void Click() override;
    // The second click of a double click toggles again, as two clicks do.
    void DblClick() override;
    void Paint() override;

private:
    bool FChecked = false;
    TAlignment FAlignment = taRightJustify;
    // Set while Checked changes: the click it fires toggles nothing.
    bool FChanging = false;
};

} // namespace classlib
