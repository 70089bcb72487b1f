#pragma once

// The designer hook of the test program's surfaces: it hands every new
// selection to the inspector window, as the real inspector's designer will.

#include "designer-framework/extdesigner.h"

namespace designer_framework::testprogram {

class TTestDesigner : public TExtDesigner {
public:
    using TExtDesigner::TExtDesigner;

    void SelectionChanged(classlib::TComponentList* List) override;
};

} // namespace designer_framework::testprogram
