#pragma once

// The editor of picture properties: "(TPicture)", and the picture editor
// dialog behind the "..." button.

#include "classlib/design/classproperty.h"

namespace classlib {

class TPictureProperty : public TClassProperty {
public:
    using TClassProperty::TClassProperty;
    TPropertyAttributes GetAttributes() override;
    // The first component's picture in the dialog; on OK the picture goes
    // to every selected component.
    void Edit() override;
};

} // namespace classlib
