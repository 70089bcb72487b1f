#include "classlib/design/cursorproperty.h"

#include "classlib/controls/cursornames.h"

namespace classlib {

TPropertyAttributes TCursorProperty::GetAttributes()
{
    using enum TPropertyAttribute;
    return {paMultiSelect, paSortList, paValueList, paRevertable};
}

QString TCursorProperty::GetValue()
{
    return CursorToString(TCursor(GetOrdValue()));
}

void TCursorProperty::GetValues(const TGetStrProc& Proc)
{
    GetCursorValues(Proc);
}

void TCursorProperty::SetValue(const QString& Value)
{
    qint64 cursor = 0;
    if (IdentToCursor(Value, cursor))
        SetOrdValue(cursor);
    else
        TIntegerProperty::SetValue(Value);
}

} // namespace classlib
