#pragma once

// What check boxes and radio buttons share: a press takes the focus, Space
// released clicks, and the caption's accelerator focuses and clicks.

#include "classlib/controls/control.h"

namespace classlib {

class TButtonControl : public TCustomControl {
    QX_CLASS(TButtonControl, TCustomControl)
public:
    explicit TButtonControl(TComponent* AOwner);

    void Dispatch(TMessage& Message) override;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyUp(unsigned& Key, TShiftState Shift) override;
};

} // namespace classlib
