#pragma once

// The inspector's editor of every Double property, which in the designer
// are the lengths in millimetres: shown and typed with two decimals.

#include "classlib/design/ordinalproperties.h"

namespace designer {

class TMetrixProperty : public classlib::TOrdinalProperty {
public:
    using TOrdinalProperty::TOrdinalProperty;
    // Neither a list nor a dialog, and one component at a time.
    classlib::TPropertyAttributes GetAttributes() override;
    QString GetValue() override;
    // EConvertError "'%s' is not a valid floating point value" for a text
    // that is no finite number; EConvertError "%.2f is out of range (%.2f
    // to %.2f)" for one whose hundredths no integer holds. The setter's own
    // errors pass through.
    void SetValue(const QString& Value) override;
};

} // namespace designer
