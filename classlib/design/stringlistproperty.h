#pragma once

// The editor of string-list properties: "(TStrings)", and the string-list
// editor dialog behind the "..." button.

#include "classlib/design/classproperty.h"

namespace classlib {

class TStringListProperty : public TClassProperty {
public:
    using TClassProperty::TClassProperty;
    TPropertyAttributes GetAttributes() override;
    // The first component's lines in the dialog; on OK the edited lines go
    // to every selected component.
    void Edit() override;
};

} // namespace classlib
