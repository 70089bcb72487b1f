#pragma once

// An element whose content the application draws in its OwnerDraw handler.

#include "runtime/control.h"

namespace runtime {

class TQXPaintBox : public TQXControl {
    QX_CLASS(TQXPaintBox, TQXControl)
public:
    explicit TQXPaintBox(classlib::TComponent* AOwner);

    // The handler gets the canvas clipped to the content rectangle, with the
    // origin at the element's outer top-left corner.
    void Paint(TCanvas& Canvas) override;
};

} // namespace runtime
