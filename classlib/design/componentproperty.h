#pragma once

// The editor of component references: the name of a component of the form
// whose class fits the property, or empty for none.

#include "classlib/design/propertyeditor.h"

namespace classlib {

class TComponentProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    bool AllEqual() override;
    TPropertyAttributes GetAttributes() override;
    int GetEditLimit() override;
    QString GetValue() override;
    void GetValues(const TGetStrProc& Proc) override;
    void SetValue(const QString& Value) override;
};

} // namespace classlib
