#pragma once

// The editor of object properties: "(TypeName)", read-only, with the
// object's own properties as sub-properties.

#include "classlib/design/propertyeditor.h"

namespace classlib {

class TClassProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    // The text names the type, which every component shares.
    bool AllEqual() override;
    TPropertyAttributes GetAttributes() override;
    QString GetValue() override;
    // The properties common to the objects of every selected component.
    void GetProperties(const TGetPropEditProc& Proc) override;
};

} // namespace classlib
