#pragma once

// A non-visual component: it stands on a design surface as a capsule.
// Its interval is plain storage; nothing ticks.

#include "classlib/core/component.h"

namespace designer_framework::testprogram {

class TTimer : public classlib::TComponent {
    QX_CLASS(TTimer, classlib::TComponent)
public:
    using TComponent::TComponent;

    int Interval() const { return FInterval; }
    void SetInterval(int Value) { FInterval = Value; }

private:
    int FInterval = 1000;
};

} // namespace designer_framework::testprogram
