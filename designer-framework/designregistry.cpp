#include "designer-framework/designregistry.h"

#include "classlib/controls/control.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/component.h"
#include "classlib/design/colorproperty.h"
#include "classlib/design/componentproperty.h"
#include "classlib/design/cursorproperty.h"
#include "classlib/design/fontproperty.h"
#include "classlib/design/ordinalproperties.h"
#include "classlib/design/propertyeditorregistry.h"
#include "classlib/design/stringproperties.h"

namespace designer_framework {

using namespace classlib;

namespace {

// A sorted list that finds keys without regard to case and owns what it holds.
std::unique_ptr<TStringList> NewOwningIndex()
{
    auto list = std::make_unique<TStringList>();
    list->SetCaseSensitive(false);
    list->SetSorted(true);
    list->SetOwnsObjects(true);
    return list;
}

// Stores Object under Key; an existing key takes it, and what it held goes.
void PutObject(TStringList& List, const QString& Key, TObject* Object)
{
    int index = 0;
    if (!List.Find(Key, index)) {
        List.AddObject(Key, Object);
        return;
    }
    TObject* old = List.Objects(index);
    List.SetObjects(index, Object);
    if (old != Object) delete old;
}

QString HintOf(const QString& Key)
{
    int index = 0;
    if (!PropertyHints().Find(Key, index)) return {};
    return static_cast<const TStringObject*>(PropertyHints().Objects(index))->Text;
}

} // namespace

TRegControlItem::TRegControlItem(const QString& ClassKey, const TClassInfo* ComponentClass,
                                 const QStringList& Properties, const QStringList& GeneralProperties,
                                 const QVariantList& Hints, bool ShowOnPalette)
    : FName(ClassKey), FComponentClass(ComponentClass), FShowOnPalette(ShowOnPalette)
{
    FProperties.SetCaseSensitive(false);
    FProperties.SetSorted(true);
    for (const QString& name : Properties) {
        FProperties.Add(name);
        FHints.Add(QString());
    }
    // A repeated name leaves one entry: the hint list is as long as the names.
    while (FHints.Count() > FProperties.Count()) FHints.Delete(FHints.Count() - 1);
    const bool byName = Hints.isEmpty() || Hints.first().isNull();
    for (qsizetype i = 0; i < Properties.size(); ++i) {
        const int k = FProperties.IndexOf(Properties[i]);
        if (byName) {
            QString hint = HintOf(ClassKey + '-' + FProperties.Get(k));
            if (hint.isNull()) hint = HintOf(FProperties.Get(k));
            FHints.Put(k, hint.isNull() ? QString("") : hint);
        } else if (i < Hints.size()) {
            FHints.Put(k, Hints[i].toString());
        }
    }
    for (const QString& name : GeneralProperties) FGeneralProperties.Add(name);
}

TDesignerPages::TDesignerPages()
{
    FPages.SetCaseSensitive(false);
    FPages.SetOwnsObjects(true);
}

TDesignerPage* TDesignerPages::GetPage(int Index) const
{
    return static_cast<TDesignerPage*>(FPages.Objects(Index));
}

TDesignerPage* TDesignerPages::FindPage(const QString& Name) const
{
    const int index = FPages.IndexOf(Name);
    return index < 0 ? nullptr : GetPage(index);
}

TDesignerPage* TDesignerPages::FindOrAddPage(const QString& Name)
{
    if (TDesignerPage* page = FindPage(Name)) return page;
    auto* page = new TDesignerPage(Name);
    FPages.AddObject(Name, page);
    return page;
}

bool TDesignerPages::ReplaceItem(const TRegControlItem* Old, TRegControlItem* New)
{
    bool found = false;
    for (int i = 0; i < Count(); ++i)
        for (TRegControlItem*& item : GetPage(i)->FItems)
            if (item == Old) {
                item = New;
                found = true;
            }
    return found;
}

void TDesignerPages::RemoveItem(const TRegControlItem* Item)
{
    for (int i = 0; i < Count(); ++i) GetPage(i)->FItems.removeAll(Item);
}

void TDesignerPages::RemoveEmptyPages()
{
    for (int i = Count() - 1; i >= 0; --i)
        if (GetPage(i)->Count() == 0) FPages.Delete(i);
}

// The inspector's editors of the class library's own types, registered
// when the library loads, before anything registers a class.
[[maybe_unused]] const bool StandardEditors = [] {
    RegisterPropertyEditor(TypeInfo<TFont*>(), nullptr, {}, PropertyEditorClass<TFontProperty>());
    RegisterPropertyEditor(TypeInfo<TTabOrder>(), nullptr, {}, PropertyEditorClass<TTabOrderProperty>());
    RegisterPropertyEditor(TypeInfo<TColor>(), nullptr, {}, PropertyEditorClass<TColorProperty>());
    RegisterPropertyEditor(TypeInfo<TCursor>(), nullptr, {}, PropertyEditorClass<TCursorProperty>());
    RegisterPropertyEditor(TypeInfo<TComponentName>(), nullptr, {}, PropertyEditorClass<TComponentNameProperty>());
    RegisterPropertyEditor(TypeInfo<TCaption>(), nullptr, {}, PropertyEditorClass<TCaptionProperty>());
    RegisterPropertyEditor(TypeInfo<TComponent*>(), nullptr, {}, PropertyEditorClass<TComponentProperty>());
    return true;
}();

TStringList& RegisteredClasses()
{
    static const std::unique_ptr<TStringList> list = NewOwningIndex();
    return *list;
}

TDesignerPages& DesignerPages()
{
    static TDesignerPages pages;
    return pages;
}

TStringList& PropertyHints()
{
    static const std::unique_ptr<TStringList> list = NewOwningIndex();
    return *list;
}

const TClassInfo*& EventPropertyClass()
{
    static const TClassInfo* cls = nullptr;
    return cls;
}

void RegisterPropertyHint(const QString& PropName, const TClassInfo* ComponentClass, const QString& Hint)
{
    const QString key = ComponentClass ? ComponentClass->Name + '-' + PropName : PropName;
    PutObject(PropertyHints(), key, new TStringObject(Hint));
}

void RegisterDesignClass(const QString& PageName, const QString& ClassKey, const TClassInfo& ComponentClass,
                         const QStringList& Properties, const QStringList& GeneralProperties,
                         const QVariantList& Hints, bool ShowOnPalette)
{
    // A clash with another class of that name raises before any page
    // holds the new entry.
    RegisterClass(ComponentClass);
    auto item = std::make_unique<TRegControlItem>(ClassKey, &ComponentClass, Properties, GeneralProperties, Hints,
                                                  ShowOnPalette);
    TRegControlItem* old = FindRegControlItem(ClassKey);
    TDesignerPages& pages = DesignerPages();
    // A class registered again keeps its place on its page.
    bool placed = false;
    if (old) {
        const TDesignerPage* page = ShowOnPalette ? pages.FindPage(PageName) : nullptr;
        placed = page && page->Contains(old) && pages.ReplaceItem(old, item.get());
        if (!placed) pages.RemoveItem(old);
    }
    if (ShowOnPalette && !placed) pages.FindOrAddPage(PageName)->Add(item.get());
    PutObject(RegisteredClasses(), ClassKey, item.release());
}

void UnregisterPropertyHint(const QString& PropName, const TClassInfo* ComponentClass)
{
    const QString key = ComponentClass ? ComponentClass->Name + '-' + PropName : PropName;
    int index = 0;
    if (PropertyHints().Find(key, index)) PropertyHints().Delete(index);
}

void UnregisterDesignClass(const QString& ClassKey, const TClassInfo& ComponentClass)
{
    int index = 0;
    if (!RegisteredClasses().Find(ClassKey, index)) return;
    auto* item = static_cast<TRegControlItem*>(RegisteredClasses().Objects(index));
    if (item->ComponentClass() != &ComponentClass) return;
    DesignerPages().RemoveItem(item);
    DesignerPages().RemoveEmptyPages();
    RegisteredClasses().Delete(index);
    UnregisterClass(ComponentClass);
}

TRegControlItem* FindRegControlItem(const QString& ClassKey)
{
    int index = 0;
    if (!RegisteredClasses().Find(ClassKey, index)) return nullptr;
    return static_cast<TRegControlItem*>(RegisteredClasses().Objects(index));
}

TRegControlItem* FindRegControlItem(const TComponent* Component)
{
    if (!Component) return nullptr;
    TRegControlItem* item = FindRegControlItem(Component->ClassName());
    return item && item->ComponentClass() == Component->ClassType() ? item : nullptr;
}

} // namespace designer_framework
