#include "classlib/design/propertyeditor.h"

#include "classlib/core/stringlist.h"

namespace classlib {

TPropertyEditor::TPropertyEditor(TFormDesigner* ADesigner, int APropCount)
    : FDesigner(ADesigner), FEntries(std::max(APropCount, 0))
{
}

TPropertyEditor::TPropertyEditor(TNested, const TPropertyEditor& Parent)
    : FDesigner(Parent.FDesigner), FEntries(Parent.FEntries)
{
}

TPropertyEditor::~TPropertyEditor() = default;

void TPropertyEditor::SetPropEntry(int Index, TObject* Instance, const TPropInfo* PropInfo)
{
    if (Index < 0 || Index >= PropCount())
        throw EListError(Format("List index out of bounds (%d)", {Index}));
    FEntries[Index] = {Instance, PropInfo};
}

const TPropertyEditor::TInstProp& TPropertyEditor::Entry(int Index) const
{
    if (Index < 0 || Index >= PropCount())
        throw EListError(Format("List index out of bounds (%d)", {Index}));
    return FEntries[Index];
}

TObject* TPropertyEditor::GetComponent(int Index) const
{
    return Entry(Index).Instance;
}

const TPropInfo* TPropertyEditor::GetPropInfo() const
{
    return FEntries.empty() ? nullptr : FEntries.front().PropInfo;
}

const TTypeInfo* TPropertyEditor::GetPropType() const
{
    const TPropInfo* p = GetPropInfo();
    return p ? p->PropType : nullptr;
}

TPropertyAttributes TPropertyEditor::GetAttributes()
{
    return {TPropertyAttribute::paRevertable};
}

int TPropertyEditor::GetEditLimit()
{
    return 255;
}

QString TPropertyEditor::GetName()
{
    const TPropInfo* p = GetPropInfo();
    return p ? p->Name : QString();
}

QString TPropertyEditor::GetValue()
{
    return QStringLiteral("(Unknown)");
}

void TPropertyEditor::SetValue(const QString& Value)
{
    // An editor that takes no text accepts only the value it shows.
    if (Value != GetValue()) throw EPropertyError(QString::fromLatin1(SInvalidPropertyValue));
}

void TPropertyEditor::GetValues(const TGetStrProc&) {}

void TPropertyEditor::GetProperties(const TGetPropEditProc&) {}

void TPropertyEditor::Edit()
{
    TStringList values;
    values.SetSorted(GetAttributes().Contains(TPropertyAttribute::paSortList));
    GetValues([&values](const QString& S) { values.Add(S); });
    if (values.Count() == 0) return;
    int next = values.IndexOf(GetValue()) + 1;
    if (next == values.Count()) next = 0;
    SetValue(values.Get(next));
}

bool TPropertyEditor::AllEqual()
{
    return PropCount() == 1;
}

void TPropertyEditor::Initialize() {}

QString TPropertyEditor::GetVisualValue()
{
    return AllEqual() ? GetValue() : QString();
}

qint64 TPropertyEditor::GetOrdValueAt(int Index) const
{
    const TInstProp& e = Entry(Index);
    return e.PropInfo && e.PropInfo->GetOrd ? e.PropInfo->GetOrd(*e.Instance) : 0;
}

long double TPropertyEditor::GetFloatValueAt(int Index) const
{
    const TInstProp& e = Entry(Index);
    return e.PropInfo && e.PropInfo->GetFloat ? e.PropInfo->GetFloat(*e.Instance) : 0;
}

QString TPropertyEditor::GetStrValueAt(int Index) const
{
    const TInstProp& e = Entry(Index);
    return e.PropInfo && e.PropInfo->GetStr ? e.PropInfo->GetStr(*e.Instance) : QString();
}

TObject* TPropertyEditor::GetObjValueAt(int Index) const
{
    const TInstProp& e = Entry(Index);
    return e.PropInfo && e.PropInfo->GetObj ? e.PropInfo->GetObj(*e.Instance) : nullptr;
}

TMethod TPropertyEditor::GetMethodValueAt(int Index) const
{
    const TInstProp& e = Entry(Index);
    return e.PropInfo && e.PropInfo->GetMethod ? e.PropInfo->GetMethod(*e.Instance) : TMethod{};
}

void TPropertyEditor::SetEach(const std::function<void(TObject& Instance, const TPropInfo& Prop)>& Set)
{
    // Checked for all first, so that a read-only entry changes nothing.
    for (const TInstProp& e : FEntries)
        if (!e.Instance || !e.PropInfo || !e.PropInfo->Writable())
            throw EPropertyError(QStringLiteral("Property is read-only"));
    for (const TInstProp& e : FEntries) Set(*e.Instance, *e.PropInfo);
    Modified();
}

void TPropertyEditor::SetOrdValue(qint64 Value)
{
    SetEach([Value](TObject& o, const TPropInfo& p) { p.SetOrd(o, Value); });
}

void TPropertyEditor::SetFloatValue(long double Value)
{
    SetEach([Value](TObject& o, const TPropInfo& p) { p.SetFloat(o, Value); });
}

void TPropertyEditor::SetStrValue(const QString& Value)
{
    SetEach([&Value](TObject& o, const TPropInfo& p) { p.SetStr(o, Value); });
}

void TPropertyEditor::SetObjValue(TObject* Value)
{
    SetEach([Value](TObject& o, const TPropInfo& p) { p.SetObj(o, Value); });
}

void TPropertyEditor::SetMethodValue(const TMethod& Value)
{
    SetEach([&Value](TObject& o, const TPropInfo& p) { p.SetMethod(o, Value); });
}

void TPropertyEditor::Modified()
{
    if (FDesigner) FDesigner->Modified();
}

} // namespace classlib
