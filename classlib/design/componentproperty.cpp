#include "classlib/design/componentproperty.h"

#include "classlib/core/component.h"

namespace classlib {

bool TComponentProperty::AllEqual()
{
    TObject* v = GetObjValue();
    for (int i = 1; i < PropCount(); ++i)
        if (GetObjValueAt(i) != v) return false;
    return true;
}

TPropertyAttributes TComponentProperty::GetAttributes()
{
    using enum TPropertyAttribute;
    return {paMultiSelect, paValueList, paSortList, paRevertable};
}

int TComponentProperty::GetEditLimit()
{
    return 127;
}

QString TComponentProperty::GetValue()
{
    TComponent* c = As<TComponent>(GetObjValue());
    if (!c) return QString();
    return Designer() ? Designer()->GetComponentName(c) : c->Name();
}

void TComponentProperty::GetValues(const TGetStrProc& Proc)
{
    if (Designer()) Designer()->GetComponentNames(GetPropType(), Proc);
}

void TComponentProperty::SetValue(const QString& Value)
{
    TComponent* c = nullptr;
    if (!Value.isEmpty()) {
        const TTypeInfo* type = GetPropType();
        const TClassInfo* cls = type ? type->ClassType() : nullptr;
        c = Designer() ? Designer()->GetComponent(Value) : nullptr;
        if (!c || !cls || !c->InheritsFrom(cls))
            throw EPropertyError(QString::fromLatin1(SInvalidPropertyValue));
    }
    SetObjValue(c);
}

} // namespace classlib
