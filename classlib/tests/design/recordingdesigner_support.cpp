#include "recordingdesigner.h"

#include "classlib/design/selectionlist.h"

namespace classlib::test {

TMethod TRecordingDesigner::CreateMethod(const QString& Name, const TTypeInfo* TypeData)
{
    if (Name.isEmpty()) return {};
    auto& m = Methods[Name.toUpper()];
    if (!m) {
        m = std::make_unique<TMethodInfo>();
        m->Name = Name;
        m->Signature = TypeData ? TypeData->Signature : nullptr;
    }
    return TMethod{m.get(), FRoot};
}

QString TRecordingDesigner::GetMethodName(const TMethod& Method)
{
    for (const auto& [key, m] : Methods)
        if (m.get() == Method.Code) return m->Name;
    return Method.Code ? Method.Code->Name : QString();
}

void TRecordingDesigner::GetMethods(const TTypeInfo* TypeData, const TGetStrProc& Proc)
{
    for (const auto& [key, m] : Methods)
        if (TypeData && m->Signature == TypeData->Signature) Proc(m->Name);
}

bool TRecordingDesigner::MethodExists(const QString& Name)
{
    return Methods.count(Name.toUpper()) != 0;
}

void TRecordingDesigner::RenameMethod(const QString& CurName, const QString& NewName)
{
    auto it = Methods.find(CurName.toUpper());
    if (it == Methods.end()) return;
    std::unique_ptr<TMethodInfo> m = std::move(it->second);
    Methods.erase(it);
    m->Name = NewName;
    Methods[NewName.toUpper()] = std::move(m);
    Renamed << CurName + "->" + NewName;
}

void TRecordingDesigner::SetSelections(TDesignerSelectionList* List)
{
    ++SelectionCount;
    Selection.clear();
    QStringList names;
    for (int i = 0; List && i < List->Count(); ++i) {
        TPersistent* item = List->Items(i);
        Selection.push_back(item);
        if (auto* c = dynamic_cast<TComponent*>(item)) {
            names << c->Name();
        } else if (ObjectNameOf) {
            if (std::optional<QString> name = ObjectNameOf(item)) names << *name;
        }
    }
    SelectionLog << names.join(u',');
}

void TRecordingDesigner::GetComponentNames(const TTypeInfo* TypeData, const TGetStrProc& Proc)
{
    const TClassInfo* cls = TypeData ? TypeData->ClassType() : nullptr;
    for (int i = 0; i < FRoot->ComponentCount(); ++i) {
        TComponent* c = FRoot->Components(i);
        if (cls && c->InheritsFrom(cls)) Proc(c->Name());
    }
}

} // namespace classlib::test
