#pragma once

// A control that draws a rectangle: the simplest thing to place, move and
// size on a design surface.

#include "classlib/controls/control.h"

namespace designer_framework::testprogram {

class TShape : public classlib::TControl {
    QX_CLASS(TShape, classlib::TControl)
public:
    explicit TShape(classlib::TComponent* AOwner);

protected:
    void Paint() override;
};

} // namespace designer_framework::testprogram
