#include "classlib/design/stringproperties.h"

namespace classlib {

using enum TPropertyAttribute;

bool TStringProperty::AllEqual()
{
    const QString v = GetStrValue();
    for (int i = 1; i < PropCount(); ++i)
        if (GetStrValueAt(i) != v) return false;
    return true;
}

TPropertyAttributes TStringProperty::GetAttributes()
{
    return {paMultiSelect, paRevertable};
}

int TStringProperty::GetEditLimit()
{
    const TTypeInfo* type = GetPropType();
    return type && type->Kind == TTypeKind::tkString ? type->MaxLength : 255;
}

QString TStringProperty::GetValue()
{
    return GetStrValue();
}

void TStringProperty::SetValue(const QString& Value)
{
    const TTypeInfo* type = GetPropType();
    if (type && Value.size() > type->MaxLength)
        throw EPropertyError(Format("Text is longer than %d characters", {type->MaxLength}));
    SetStrValue(Value);
}

TPropertyAttributes TComponentNameProperty::GetAttributes()
{
    return {};
}

int TComponentNameProperty::GetEditLimit()
{
    return 63;
}

void TComponentNameProperty::SetValue(const QString& Value)
{
    if (!IsValidIdent(Value))
        throw EPropertyError(Format("'%s' is not a valid component name", {Value}));
    TStringProperty::SetValue(Value);
}

TPropertyAttributes TCaptionProperty::GetAttributes()
{
    return {paMultiSelect, paAutoUpdate};
}

} // namespace classlib
