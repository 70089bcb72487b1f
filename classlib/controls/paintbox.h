#pragma once

// Paint boxes: an area the owner draws in its OnPaint handler.

#include "classlib/controls/control.h"

namespace classlib {

class TPaintBox : public TControl {
    QX_CLASS(TPaintBox, TControl)
public:
    explicit TPaintBox(TComponent* AOwner);

    TNotifyEvent OnPaint;

protected:
    void Paint() override;
};

} // namespace classlib
