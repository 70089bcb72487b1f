#pragma once

// The editor of colours: the colour names as a value list, any other colour
// as a number, and the colour dialog behind the "..." button.

#include "classlib/design/ordinalproperties.h"
#include "classlib/graphics/color.h"

namespace classlib {

class TColorProperty : public TIntegerProperty {
public:
    using TIntegerProperty::TIntegerProperty;
    void Edit() override;
    TPropertyAttributes GetAttributes() override;
    QString GetValue() override;
    void GetValues(const TGetStrProc& Proc) override;
    // A colour name (in any case) or a number of the colour's range.
    void SetValue(const QString& Value) override;
};

} // namespace classlib
