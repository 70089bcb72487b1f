#pragma once

// The inspector's editor of the report's paper size: a list of the named
// formats. Default and Custom are shown when they are the value but never
// offered, as neither has dimensions to choose.

#include "classlib/design/ordinalproperties.h"

namespace designer {

class TPaperSizeProperty : public classlib::TOrdinalProperty {
public:
    using TOrdinalProperty::TOrdinalProperty;
    classlib::TPropertyAttributes GetAttributes() override;
    QString GetValue() override;
    void GetValues(const classlib::TGetStrProc& Proc) override;
    // A name of the list in any letter case; EPropertyError
    // "Invalid property value" for any other text.
    void SetValue(const QString& Value) override;
};

} // namespace designer
