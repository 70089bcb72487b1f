#pragma once

// Base of the drawing tools a canvas holds (font, pen, brush): persistent
// values that tell their owner when they change.

#include "classlib/core/persistent.h"

#include <functional>

namespace classlib {

class TGraphicsObject : public TPersistent {
    QX_CLASS(TGraphicsObject, TPersistent)
public:
    using TChangeHandler = std::function<void(TObject* Sender)>;
    TChangeHandler OnChange;

protected:
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }
};

} // namespace classlib
