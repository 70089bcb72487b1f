#include "classlib/design/propertyeditorregistry.h"

#include "classlib/core/component.h"
#include "classlib/core/componentlist.h"
#include "classlib/core/registrationgroup.h"
#include "classlib/design/classproperty.h"
#include "classlib/design/floatproperty.h"
#include "classlib/design/methodproperty.h"
#include "classlib/design/ordinalproperties.h"
#include "classlib/design/setproperty.h"
#include "classlib/design/stringproperties.h"

#include <algorithm>
#include <climits>

namespace classlib {

namespace {

struct TEditorRegistration {
    const TTypeInfo* PropertyType;
    const TClassInfo* ComponentClass;
    QString PropertyName;
    TPropertyEditorClass EditorClass;
    TRegistrationGroup Group;
};

// In registration order.
std::vector<TEditorRegistration>& Registrations()
{
    static std::vector<TEditorRegistration> registrations;
    return registrations;
}

// How closely a registration fits; -1 when it does not apply. Lower is
// closer.
int TypeScore(const TTypeInfo* Registered, const TTypeInfo* PropType)
{
    if (Registered == PropType) return 0;
    if (Registered->Kind != TTypeKind::tkClass || PropType->Kind != TTypeKind::tkClass) return -1;
    const TClassInfo* reg = Registered->ClassType();
    const TClassInfo* cls = PropType->ClassType();
    const int d = reg && cls ? cls->InheritanceDistance(reg) : -1;
    return d < 0 ? -1 : 1 + d;
}

int ClassScore(const TClassInfo* Registered, const TObject* Instance)
{
    if (!Registered) return INT_MAX;
    return Instance->ClassType()->InheritanceDistance(Registered);
}

int NameScore(const QString& Registered, const QString& PropName)
{
    if (Registered.isEmpty()) return 1;
    return SameText(Registered, PropName) ? 0 : -1;
}

TPropertyEditorClass StandardEditor(TTypeKind Kind)
{
    switch (Kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkInt64:
        return PropertyEditorClass<TIntegerProperty>();
    case TTypeKind::tkChar:
        return PropertyEditorClass<TCharProperty>();
    case TTypeKind::tkEnumeration:
        return PropertyEditorClass<TEnumProperty>();
    case TTypeKind::tkFloat:
        return PropertyEditorClass<TFloatProperty>();
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
        return PropertyEditorClass<TStringProperty>();
    case TTypeKind::tkSet:
        return PropertyEditorClass<TSetProperty>();
    case TTypeKind::tkClass:
        return PropertyEditorClass<TClassProperty>();
    case TTypeKind::tkMethod:
        return PropertyEditorClass<TMethodProperty>();
    case TTypeKind::tkUnknown:
        break;
    }
    return nullptr;
}

bool Readable(const TPropInfo& Prop)
{
    switch (Prop.Kind()) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkChar:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet:
    case TTypeKind::tkInt64:
        return bool(Prop.GetOrd);
    case TTypeKind::tkFloat:
        return bool(Prop.GetFloat);
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
        return bool(Prop.GetStr);
    case TTypeKind::tkClass:
        return bool(Prop.GetObj);
    case TTypeKind::tkMethod:
        return bool(Prop.GetMethod);
    case TTypeKind::tkUnknown:
        break;
    }
    return false;
}

// Objects are edited through their own properties, so a read-only object
// property still gets a row.
bool Editable(const TPropInfo& Prop)
{
    return Readable(Prop) && (Prop.Kind() == TTypeKind::tkClass || Prop.Writable());
}

} // namespace

void RegisterPropertyEditor(const TTypeInfo* PropertyType, const TClassInfo* ComponentClass,
                            const QString& PropertyName, TPropertyEditorClass EditorClass)
{
    if (PropertyType) Registrations().push_back({PropertyType, ComponentClass, PropertyName, EditorClass, CurrentRegistrationGroup()});
}

void UnregisterPropertyEditor(const TTypeInfo* PropertyType, const TClassInfo* ComponentClass,
                              const QString& PropertyName, TPropertyEditorClass EditorClass)
{
    auto& list = Registrations();
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (it->PropertyType == PropertyType && it->ComponentClass == ComponentClass &&
            it->PropertyName == PropertyName && it->EditorClass == EditorClass) {
            list.erase(std::next(it).base());
            return;
        }
}

void UnregisterPropertyEditorGroup(TRegistrationGroup Group)
{
    if (Group == NoRegistrationGroup) return;
    std::erase_if(Registrations(), [Group](const TEditorRegistration& r) { return r.Group == Group; });
}

int PropertyEditorGroupCount(TRegistrationGroup Group)
{
    return int(std::count_if(Registrations().begin(), Registrations().end(),
                             [Group](const TEditorRegistration& r) { return r.Group == Group; }));
}

TPropertyEditorClass GetEditorClass(const TPropInfo* PropInfo, const TObject* Instance)
{
    if (!PropInfo || !PropInfo->PropType || !Instance) return nullptr;
    const TEditorRegistration* best = nullptr;
    int bestType = 0, bestClass = 0, bestName = 0;
    for (const TEditorRegistration& r : Registrations()) {
        const int type = TypeScore(r.PropertyType, PropInfo->PropType);
        const int cls = ClassScore(r.ComponentClass, Instance);
        const int name = NameScore(r.PropertyName, PropInfo->Name);
        if (type < 0 || cls < 0 || name < 0) continue;
        // Ties go to the later registration.
        if (!best || std::tie(type, cls, name) <= std::tie(bestType, bestClass, bestName)) {
            best = &r;
            bestType = type, bestClass = cls, bestName = name;
        }
    }
    return best ? best->EditorClass : StandardEditor(PropInfo->Kind());
}

void GetObjectProperties(const std::vector<TObject*>& Objects, TTypeKinds Filter, TFormDesigner* Designer,
                         const TGetPropEditProc& Proc)
{
    if (Objects.empty() || std::find(Objects.begin(), Objects.end(), nullptr) != Objects.end()) return;
    TObject* first = Objects.front();
    const TClassInfo* firstClass = first->ClassType();
    const int count = int(Objects.size());

    std::vector<const TPropInfo*> props;
    for (const TPropInfo* p : firstClass->Props())
        if (Filter.Contains(p->Kind())) props.push_back(p);
    std::stable_sort(props.begin(), props.end(), [](const TPropInfo* a, const TPropInfo* b) {
        return CompareText(a->Name, b->Name) < 0;
    });

    for (const TPropInfo* p : props) {
        const TPropertyEditorClass editorClass = GetEditorClass(p, first);
        if (!editorClass || !Editable(*p)) continue;
        if (count > 1) {
            const std::unique_ptr<TPropertyEditor> trial = editorClass(Designer, 1);
            trial->SetPropEntry(0, first, p);
            trial->Initialize();
            if (!trial->GetAttributes().Contains(TPropertyAttribute::paMultiSelect)) continue;
        }
        std::unique_ptr<TPropertyEditor> editor = editorClass(Designer, count);
        bool common = true;
        for (int j = 0; j < count && common; ++j) {
            TObject* o = Objects[j];
            const TPropInfo* q = j == 0 ? p : o->ClassType()->FindProp(p->Name);
            common = q && q->PropType == p->PropType && Editable(*q) &&
                     (o->ClassType() == firstClass || GetEditorClass(q, o) == editorClass);
            if (common) editor->SetPropEntry(j, o, q);
        }
        if (!common) continue;
        editor->Initialize();
        Proc(std::move(editor));
    }
}

void GetComponentProperties(const TComponentList& Components, TTypeKinds Filter, TFormDesigner* Designer,
                            const TGetPropEditProc& Proc)
{
    std::vector<TObject*> objects;
    objects.reserve(size_t(Components.Count()));
    for (int i = 0; i < Components.Count(); ++i) objects.push_back(Components.Items(i));
    GetObjectProperties(objects, Filter, Designer, Proc);
}

} // namespace classlib
