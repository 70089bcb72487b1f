#include "classlib/design/stringlistproperty.h"

#include "classlib/controls/stringlisteditor.h"
#include "classlib/core/stringlist.h"

namespace classlib {

TPropertyAttributes TStringListProperty::GetAttributes()
{
    using enum TPropertyAttribute;
    return {paMultiSelect, paDialog, paReadOnly};
}

void TStringListProperty::Edit()
{
    TStringList lines;
    if (const TStrings* current = As<TStrings>(GetObjValue()))
        lines.Assign(current);
    if (EditStringList(&lines))
        SetObjValue(&lines);
}

} // namespace classlib
