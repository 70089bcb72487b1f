#pragma once

// The inspector's editor of background properties: "(TQXBackground)", and
// the background dialog behind the "..." button.

#include "classlib/design/classproperty.h"

namespace designer {

class TBackgroundProperty : public classlib::TClassProperty {
public:
    using TClassProperty::TClassProperty;
    classlib::TPropertyAttributes GetAttributes() override;
    // The first component's background in the dialog; on OK the result
    // goes to every selected component.
    void Edit() override;
};

} // namespace designer
