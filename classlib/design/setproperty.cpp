#include "classlib/design/setproperty.h"

namespace classlib {

using enum TPropertyAttribute;

namespace {

const TTypeInfo* ElementType(const TTypeInfo* SetType)
{
    return SetType ? SetType->CompType : nullptr;
}

} // namespace

TPropertyAttributes TSetProperty::GetAttributes()
{
    return {paMultiSelect, paSubProperties, paReadOnly, paRevertable};
}

QString TSetProperty::GetValue()
{
    const TTypeInfo* comp = ElementType(GetPropType());
    const quint64 mask = quint64(GetOrdValue());
    QStringList names;
    if (comp)
        for (qint64 e = comp->MinValue; e <= comp->MaxValue && e < 32; ++e)
            if (e >= 0 && (mask >> e) & 1u) names << comp->GetEnumName(e);
    return u'[' + names.join(u',') + u']';
}

void TSetProperty::GetProperties(const TGetPropEditProc& Proc)
{
    const TTypeInfo* comp = ElementType(GetPropType());
    if (!comp) return;
    for (qint64 e = std::max<qint64>(comp->MinValue, 0); e <= comp->MaxValue && e < 32; ++e)
        Proc(std::make_unique<TSetElementProperty>(*this, int(e)));
}

// ---------------------------------------------------------------------------

TSetElementProperty::TSetElementProperty(const TPropertyEditor& Parent, int Element)
    : TPropertyEditor(TNested{}, Parent), FElement(Element)
{
}

bool TSetElementProperty::HasElement(int Index) const
{
    return (quint64(GetOrdValueAt(Index)) >> FElement) & 1u;
}

bool TSetElementProperty::AllEqual()
{
    const bool v = HasElement(0);
    for (int i = 1; i < PropCount(); ++i)
        if (HasElement(i) != v) return false;
    return true;
}

TPropertyAttributes TSetElementProperty::GetAttributes()
{
    return {paMultiSelect, paValueList, paSortList};
}

QString TSetElementProperty::GetName()
{
    const TTypeInfo* comp = ElementType(GetPropType());
    return comp ? comp->GetEnumName(FElement) : QString();
}

QString TSetElementProperty::GetValue()
{
    return HasElement(0) ? QStringLiteral("True") : QStringLiteral("False");
}

void TSetElementProperty::GetValues(const TGetStrProc& Proc)
{
    Proc(QStringLiteral("False"));
    Proc(QStringLiteral("True"));
}

void TSetElementProperty::SetValue(const QString& Value)
{
    bool include;
    if (SameText(Value, u"True"))
        include = true;
    else if (SameText(Value, u"False"))
        include = false;
    else
        throw EPropertyError(QString::fromLatin1(SInvalidPropertyValue));
    const quint64 bit = quint64(1) << FElement;
    // Each component's own set: the first one's would overwrite the others'
    // elements.
    SetEach([bit, include](TObject& o, const TPropInfo& p) {
        const quint64 mask = quint64(p.GetOrd(o));
        p.SetOrd(o, qint64(include ? mask | bit : mask & ~bit));
    });
}

} // namespace classlib
