#pragma once

// The classes that may be designed: for each, the properties the object
// inspector shows, the ones of its General page and a hint per property;
// the palette pages they stand on; and hints registered by property name.
// Registrations live as long as the library; registering a class key again
// replaces its entry, in place on its page.

#include "designer-framework/export.h"

#include "classlib/core/stringlist.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

namespace classlib {
class TClassInfo;
class TComponent;
}

namespace designer_framework {

// A hint text as the object of a string list entry.
class QX_DESIGNFW_EXPORT TStringObject : public classlib::TObject {
public:
    explicit TStringObject(const QString& AText) : Text(AText) {}
    QString Text;
};

class QX_DESIGNFW_EXPORT TRegControlItem : public classlib::TObject {
public:
    // Hints: one null value (the hints registered by name are taken), or
    // one value per entry of Properties; an empty list counts as the null.
    TRegControlItem(const QString& ClassKey, const classlib::TClassInfo* ComponentClass,
                    const QStringList& Properties, const QStringList& GeneralProperties,
                    const QVariantList& Hints, bool ShowOnPalette);

    const QString& Name() const { return FName; }
    const classlib::TClassInfo* ComponentClass() const { return FComponentClass; }
    // Sorted without regard to case, each name once.
    const classlib::TStringList& Properties() const { return FProperties; }
    // In the order given.
    const classlib::TStringList& GeneralProperties() const { return FGeneralProperties; }
    // Entry k is the hint of Properties entry k.
    const classlib::TStringList& Hints() const { return FHints; }
    bool ShowOnPalette() const { return FShowOnPalette; }

private:
    QString FName;
    const classlib::TClassInfo* FComponentClass;
    classlib::TStringList FProperties;
    classlib::TStringList FGeneralProperties;
    classlib::TStringList FHints;
    bool FShowOnPalette;
};

// A palette page: the items on it in registration order, not owned.
class QX_DESIGNFW_EXPORT TDesignerPage : public classlib::TObject {
public:
    explicit TDesignerPage(const QString& AName) : Name(AName) {}
    int Count() const { return int(FItems.size()); }
    TRegControlItem* GetItem(int Index) const { return FItems.at(Index); }
    void Add(TRegControlItem* Item) { FItems.append(Item); }
    bool Contains(const TRegControlItem* Item) const { return FItems.contains(Item); }

    QString Name;

private:
    friend class TDesignerPages;
    QList<TRegControlItem*> FItems;
};

// The palette pages in order of first use; it owns them.
class QX_DESIGNFW_EXPORT TDesignerPages : public classlib::TObject {
public:
    TDesignerPages();
    int Count() const { return FPages.Count(); }
    TDesignerPage* GetPage(int Index) const;
    // Names match without regard to case; nil when absent.
    TDesignerPage* FindPage(const QString& Name) const;
    TDesignerPage* FindOrAddPage(const QString& Name);
    // Puts New where Old stands on every page; whether Old stood anywhere.
    bool ReplaceItem(const TRegControlItem* Old, TRegControlItem* New);
    // Takes Item off every page.
    void RemoveItem(const TRegControlItem* Item);
    // Drops the pages that hold no item.
    void RemoveEmptyPages();

private:
    classlib::TStringList FPages;
};

// Registered classes by key (sorted, without regard to case), owning.
QX_DESIGNFW_EXPORT classlib::TStringList& RegisteredClasses();
QX_DESIGNFW_EXPORT TDesignerPages& DesignerPages();
// Hints by "Class-Property" or "Property" key (sorted, without regard to
// case), owning their TStringObjects.
QX_DESIGNFW_EXPORT classlib::TStringList& PropertyHints();
// The class whose descendants are event properties; nil, as nothing sets it.
QX_DESIGNFW_EXPORT const classlib::TClassInfo*& EventPropertyClass();

// With ComponentClass nil the hint is every class's.
QX_DESIGNFW_EXPORT void RegisterPropertyHint(const QString& PropName, const classlib::TClassInfo* ComponentClass,
                                             const QString& Hint);
QX_DESIGNFW_EXPORT void RegisterDesignClass(const QString& PageName, const QString& ClassKey,
                                            const classlib::TClassInfo& ComponentClass,
                                            const QStringList& Properties, const QStringList& GeneralProperties,
                                            const QVariantList& Hints, bool ShowOnPalette);
// Takes back the hint of that key; nothing when there is none.
QX_DESIGNFW_EXPORT void UnregisterPropertyHint(const QString& PropName, const classlib::TClassInfo* ComponentClass);
// Takes back the entry of ClassKey when it holds exactly ComponentClass:
// off its page (a page left empty goes), out of the registry, and the class
// out of the class library's registry. A same-named class of another
// library is never taken out.
QX_DESIGNFW_EXPORT void UnregisterDesignClass(const QString& ClassKey, const classlib::TClassInfo& ComponentClass);
// The registration of the component's own class (not of an ancestor, nor
// of another class of the same name); nil.
QX_DESIGNFW_EXPORT TRegControlItem* FindRegControlItem(const classlib::TComponent* Component);
QX_DESIGNFW_EXPORT TRegControlItem* FindRegControlItem(const QString& ClassKey);

} // namespace designer_framework
