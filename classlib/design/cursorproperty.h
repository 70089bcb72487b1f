#pragma once

// The editor of cursors: the stock cursor names as a sorted value list,
// any other cursor as a number.

#include "classlib/design/ordinalproperties.h"

namespace classlib {

class TCursorProperty : public TIntegerProperty {
public:
    using TIntegerProperty::TIntegerProperty;
    TPropertyAttributes GetAttributes() override;
    QString GetValue() override;
    void GetValues(const TGetStrProc& Proc) override;
    // A cursor name (in any case) or a number of the cursor's range.
    void SetValue(const QString& Value) override;
};

} // namespace classlib
