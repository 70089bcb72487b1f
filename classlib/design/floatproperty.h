#pragma once

// The editor of floating-point properties: shown with 7 significant digits
// for Single and 15 for the wider types, typed with a point as the decimal
// separator.

#include "classlib/design/propertyeditor.h"

namespace classlib {

class TFloatProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    bool AllEqual() override;
    TPropertyAttributes GetAttributes() override;
    QString GetValue() override;
    // NaN, infinities and values beyond the type's range are refused.
    void SetValue(const QString& Value) override;
};

// Text as a finite number of the given type; EPropertyError
// "'%s' is not a valid floating point value", or for a number beyond a
// Single or Double "Value must be between %g and %g".
long double StrToPropertyFloat(const QString& Value, TFloatType FloatType);

} // namespace classlib
