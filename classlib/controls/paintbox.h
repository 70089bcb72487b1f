#pragma once

// A paint box: a plain area its owner draws in OnPaint, on Canvas().

#include "classlib/controls/control.h"

namespace classlib {

class TPaintBox : public TCustomControl {
    QX_CLASS(TPaintBox, TCustomControl)
public:
    explicit TPaintBox(TComponent* AOwner);

    TNotifyEvent OnPaint;

protected:
    void Paint() override;
};

} // namespace classlib
