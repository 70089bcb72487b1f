#pragma once

// The design-time paint box: the application draws it at run time; the
// designer shows only its frame, shadow, background, outline and name.

#include "designer/elements/qxcontrol.h"

namespace designer {

class TQXPaintBox : public TQXControl {
    QX_CLASS(TQXPaintBox, TQXControl)
public:
    explicit TQXPaintBox(classlib::TComponent* AOwner) : TQXControl(AOwner) {}
};

} // namespace designer
