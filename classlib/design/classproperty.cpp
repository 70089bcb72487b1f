#include "classlib/design/classproperty.h"

#include "classlib/design/propertyeditorregistry.h"

namespace classlib {

using enum TPropertyAttribute;

bool TClassProperty::AllEqual()
{
    return true;
}

TPropertyAttributes TClassProperty::GetAttributes()
{
    return {paMultiSelect, paSubProperties, paReadOnly};
}

QString TClassProperty::GetValue()
{
    const TTypeInfo* type = GetPropType();
    const TClassInfo* cls = type ? type->ClassType() : nullptr;
    return u'(' + (cls ? cls->Name : QString()) + u')';
}

void TClassProperty::GetProperties(const TGetPropEditProc& Proc)
{
    std::vector<TObject*> objects;
    for (int i = 0; i < PropCount(); ++i) {
        TObject* o = GetObjValueAt(i);
        if (!o) return;
        objects.push_back(o);
    }
    GetObjectProperties(objects, tkProperties, Designer(), Proc);
}

} // namespace classlib
