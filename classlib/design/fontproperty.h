#pragma once

// The editor of font properties: the font's own properties as rows, and the
// font dialog behind the "..." button.

#include "classlib/design/classproperty.h"

namespace classlib {

class TFont;

class TFontProperty : public TClassProperty {
public:
    using TClassProperty::TClassProperty;
    TPropertyAttributes GetAttributes() override;
    // The first component's font in the dialog; the chosen font goes to
    // every selected component.
    void Edit() override;
};

} // namespace classlib
