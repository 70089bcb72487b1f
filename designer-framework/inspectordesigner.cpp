#include "designer-framework/inspectordesigner.h"

#include "designer-framework/controldesigner.h"
#include "designer-framework/designregistry.h"
#include "designer-framework/inspectorform.h"

#include "classlib/design/propertyeditorregistry.h"

namespace designer_framework {

using namespace classlib;

namespace {

// The kinds the inspector shows; characters, methods and the rest never.
const TTypeKinds ShownKinds{TTypeKind::tkInteger, TTypeKind::tkEnumeration, TTypeKind::tkFloat,
                            TTypeKind::tkString,  TTypeKind::tkSet,         TTypeKind::tkClass,
                            TTypeKind::tkLString};

std::unique_ptr<TStringList> NewRowList(bool Owning)
{
    auto list = std::make_unique<TStringList>();
    list->SetOwnsObjects(Owning);
    return list;
}

bool IsEventProperty(const TTypeInfo* Type)
{
    const TClassInfo* events = EventPropertyClass();
    const TClassInfo* cls = Type && Type->Kind == TTypeKind::tkClass ? Type->ClassType() : nullptr;
    return events && cls && cls->InheritsFrom(events);
}

} // namespace

// ---------------------------------------------------------------------------
// Rows

TPropItem::TPropItem(std::unique_ptr<TPropertyEditor> AEditor) : Editor(std::move(AEditor))
{
    Attributes = Editor->GetAttributes();
    Name = Editor->GetName();
    EditLimit = Editor->GetEditLimit();
}

TPropItem::~TPropItem() = default;

QString TPropItem::GetValue()
{
    return Editor ? Editor->GetValue() : QString();
}

QString TPropItem::GetDisplayValue()
{
    return Editor && Editor->AllEqual() ? Editor->GetValue() : QString();
}

QString TPropItem::GetHint()
{
    if (Hint != QLatin1String("  ") || !Editor || Editor->PropCount() == 0) return Hint;
    const auto* component = As<TComponent>(Editor->GetComponent(0));
    if (const TRegControlItem* item = FindRegControlItem(component)) {
        const int k = item->Properties().IndexOf(Name);
        if (k >= 0 && k < item->Hints().Count()) Hint = item->Hints().Get(k);
    }
    return Hint;
}

QString TPropItem::GetTypeName()
{
    TTypeKind kind = TTypeKind::tkUnknown;
    QVariant value;
    const TObject* instance = Editor && Editor->PropCount() > 0 ? Editor->GetComponent(0) : nullptr;
    if (instance) GetPropertyValue(instance, Name, kind, value);
    switch (kind) {
    case TTypeKind::tkUnknown: return "Unknown";
    case TTypeKind::tkInteger: return "Integer";
    case TTypeKind::tkChar: return "Char";
    case TTypeKind::tkEnumeration: return value.typeId() == QMetaType::Bool ? "Boolean" : "Enumeration";
    case TTypeKind::tkFloat: return "Float";
    case TTypeKind::tkString: return "String";
    case TTypeKind::tkSet: return "Set";
    case TTypeKind::tkClass: {
        const TClassInfo* events = EventPropertyClass();
        return events && GetPropertyClass(instance->ClassType(), Name) == events ? "Event" : "Class";
    }
    case TTypeKind::tkMethod: return "Method";
    case TTypeKind::tkLString: return "Long String";
    default: return "error";
    }
}

// ---------------------------------------------------------------------------
// The designer

TInspectorDesigner::TInspectorDesigner(TInspectorForm* AInspectorForm) : TExtDesigner(AInspectorForm) {}

TInspectorDesigner::~TInspectorDesigner()
{
    // The window lets go of the rows before they go, unless it shows
    // another surface's. It is handed none at all: a list of this frame
    // would be left dangling in it.
    TInspectorForm* form = InspectorForm();
    if (form && FAllRows && (!form->ActiveSurface() || form->ActiveSurface() == Surface()))
        form->SetPropertyRows(nullptr, nullptr, nullptr);
}

void TInspectorDesigner::SelectionChanged(TComponentList* List)
{
    FSelection.Clear();
    for (int i = 0; List && i < List->Count(); ++i) FSelection.Add(List->Items(i));
    TInspectorForm* form = InspectorForm();
    if (!form) return;
    // New rows go into new lists; the old ones go once the window has the new.
    std::unique_ptr<TStringList> oldAll = std::exchange(FAllRows, NewRowList(true));
    std::unique_ptr<TStringList> oldGeneral = std::exchange(FGeneralRows, NewRowList(false));
    std::unique_ptr<TStringList> oldEvent = std::exchange(FEventRows, NewRowList(false));
    form->ShowSelection(&FSelection);
    GetComponentProperties(FSelection, ShownKinds, this,
                           [this](std::unique_ptr<TPropertyEditor> Editor) { AddProperty(std::move(Editor)); });
    // The General page follows the first selected class's registration.
    if (FSelection.Count() > 0)
        if (const TRegControlItem* item = FindRegControlItem(FSelection.Items(0))) {
            const TStringList& order = item->GeneralProperties();
            TStringList& rows = *FGeneralRows;
            for (int i = 0; i < rows.Count(); ++i) {
                int best = order.IndexOf(rows.Get(i));
                for (int j = i + 1; j < rows.Count(); ++j) {
                    const int position = order.IndexOf(rows.Get(j));
                    if (position < best) {
                        rows.Exchange(i, j);
                        best = position;
                    }
                }
            }
        }
    form->SetPropertyRows(FAllRows.get(), FGeneralRows.get(), FEventRows.get());
}

void TInspectorDesigner::AddProperty(std::unique_ptr<TPropertyEditor> Editor)
{
    if (!Editor || !FAllRows) return;
    const QString name = Editor->GetName();
    bool general = true;
    for (int i = 0; i < FSelection.Count(); ++i) {
        const TRegControlItem* item = FindRegControlItem(FSelection.Items(i));
        if (!item || item->Properties().IndexOf(name) < 0) return;
        if (general) general = item->GeneralProperties().IndexOf(name) >= 0;
    }
    const bool event = IsEventProperty(Editor->GetPropType());
    auto* row = new TPropItem(std::move(Editor));
    FAllRows->AddObject(row->Name, row);
    if (general && !event) {
        FGeneralRows->AddObject(row->Name, row);
        row->OnGeneralPage = true;
    }
    if (event) {
        FEventRows->AddObject(row->Name, row);
        row->OnGeneralPage = false;
    }
}

bool TInspectorDesigner::AcceptsComponent(TComponent* AComponent)
{
    const TRegControlItem* item = FindRegControlItem(AComponent);
    return !item || item->ShowOnPalette();
}

// ---------------------------------------------------------------------------
// Properties by path

const TPropInfo* FindPropInfo(const TClassInfo* ClassType, const QString& Path)
{
    if (!ClassType) return nullptr;
    const qsizetype dot = Path.indexOf('.');
    if (dot >= 0) {
        const TPropInfo* first = FindPropInfo(ClassType, Path.left(dot));
        const TClassInfo* inner = first && first->Kind() == TTypeKind::tkClass ? first->PropType->ClassType() : nullptr;
        return inner ? FindPropInfo(inner, Path.mid(dot + 1)) : first;
    }
    const QString wanted = Path.toUpper();
    for (const TPropInfo* p : ClassType->Props())
        if (p->Name.toUpper() == wanted) return p;
    return nullptr;
}

void GetPropertyValue(const TObject* Instance, const QString& Path, TTypeKind& Kind, QVariant& Value)
{
    Value = 0;
    if (!Instance) return;
    const TPropInfo* prop = FindPropInfo(Instance->ClassType(), Path);
    if (!prop) return;
    // A dotted path reads from the object that holds the last part.
    const TObject* holder = Instance;
    for (qsizetype dot = Path.indexOf('.'), start = 0; dot >= 0 && holder; start = dot + 1, dot = Path.indexOf('.', start)) {
        const TPropInfo* part = FindPropInfo(holder->ClassType(), Path.mid(start, dot - start));
        holder = part && part->GetObj ? part->GetObj(*holder) : nullptr;
    }
    Kind = prop->Kind();
    if (!holder) return;
    switch (Kind) {
    case TTypeKind::tkFloat:
        if (prop->GetFloat) Value = double(prop->GetFloat(*holder));
        break;
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
        if (prop->GetStr) Value = prop->GetStr(*holder);
        break;
    case TTypeKind::tkMethod:
    case TTypeKind::tkSet:
        break;
    case TTypeKind::tkClass:
        if (prop->GetObj) Value = qint64(quintptr(prop->GetObj(*holder)));
        break;
    default:
        if (!prop->GetOrd) break;
        if (prop->PropType == TypeInfo<bool>())
            Value = prop->GetOrd(*holder) != 0;
        else
            Value = prop->GetOrd(*holder);
        break;
    }
}

const TClassInfo* GetPropertyClass(const TClassInfo* ClassType, const QString& PropName)
{
    const TPropInfo* prop = ClassType ? ClassType->FindProp(PropName) : nullptr;
    return prop && prop->Kind() == TTypeKind::tkClass ? prop->PropType->ClassType() : nullptr;
}

} // namespace designer_framework
