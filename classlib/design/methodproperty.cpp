#include "classlib/design/methodproperty.h"

#include "classlib/core/component.h"

namespace classlib {

namespace {

const char SCannotCreateName[] = "Cannot create a method for an unnamed component";
const char SNoDesigner[] = "No form designer to bind the event to";

} // namespace

bool TMethodProperty::AllEqual()
{
    const TMethod v = GetMethodValue();
    for (int i = 1; i < PropCount(); ++i)
        if (!(GetMethodValueAt(i) == v)) return false;
    return true;
}

TPropertyAttributes TMethodProperty::GetAttributes()
{
    using enum TPropertyAttribute;
    return {paMultiSelect, paValueList, paSortList, paRevertable};
}

int TMethodProperty::GetEditLimit()
{
    return 63;
}

QString TMethodProperty::GetValue()
{
    const TMethod m = GetMethodValue();
    if (Designer()) return Designer()->GetMethodName(m);
    return m.Code ? m.Code->Name : QString();
}

void TMethodProperty::GetValues(const TGetStrProc& Proc)
{
    if (Designer()) Designer()->GetMethods(GetPropType(), Proc);
}

void TMethodProperty::SetValue(const QString& Value)
{
    TFormDesigner* designer = Designer();
    if (!designer) throw EPropertyError(QString::fromLatin1(SNoDesigner));
    if (!Value.isEmpty() && !IsValidIdent(Value))
        throw EPropertyError(Format("'%s' is not a valid method name", {Value}));
    const QString current = GetValue();
    // The event's own handler takes the new name, unless that name is
    // another existing method or the handler is inherited.
    if (!current.isEmpty() && !Value.isEmpty() &&
        (SameText(current, Value) || !designer->MethodExists(Value)) &&
        !designer->MethodFromAncestor(GetMethodValue())) {
        designer->RenameMethod(current, Value);
        Modified();
        return;
    }
    const bool newMethod = !Value.isEmpty() && !designer->MethodExists(Value);
    SetMethodValue(Value.isEmpty() ? TMethod{} : designer->CreateMethod(Value, GetPropType()));
    if (newMethod) designer->ShowMethod(Value);
}

void TMethodProperty::Edit()
{
    TFormDesigner* designer = Designer();
    if (!designer) throw EPropertyError(QString::fromLatin1(SNoDesigner));
    QString name = GetValue();
    if (name.isEmpty() || designer->MethodFromAncestor(GetMethodValue())) {
        if (name.isEmpty()) name = GetFormMethodName();
        SetValue(name);
    }
    designer->ShowMethod(name);
}

QString TMethodProperty::GetFormMethodName()
{
    TFormDesigner* designer = Designer();
    if (!designer) throw EPropertyError(QString::fromLatin1(SNoDesigner));
    TObject* instance = GetComponent(0);
    QString base;
    if (instance && instance == designer->GetRoot()) {
        base = instance->ClassName();
        if (base.startsWith(u'T')) base.remove(0, 1);
    } else if (TComponent* c = As<TComponent>(instance)) {
        base = designer->GetComponentName(c);
    } else if (TPersistent* p = As<TPersistent>(instance)) {
        base = designer->GetObjectName(p);
    }
    base.remove(u'.').remove(u'[').remove(u']');
    if (base.isEmpty()) throw EPropertyError(QString::fromLatin1(SCannotCreateName));
    return base + GetTrimmedEventName();
}

QString TMethodProperty::GetTrimmedEventName()
{
    const QString name = GetName();
    if (name.size() >= 2 && name.startsWith(QLatin1String("On"), Qt::CaseInsensitive)) return name.mid(2);
    return name;
}

} // namespace classlib
