#pragma once

#include "classlib/core/persistent.h"

#include <QList>
#include <QString>

namespace classlib {

class TCollection;

// An item of a collection. Item classes are default-constructible (the
// collection creates them from their class information) and copy their
// values in Assign.
class TCollectionItem : public TPersistent {
    QX_CLASS(TCollectionItem, TPersistent)
public:
    TCollectionItem() = default;
    // Appends the new item to Collection (when given).
    explicit TCollectionItem(TCollection* Collection);
    ~TCollectionItem() override;

    TCollection* Collection() const { return FCollection; }
    // Moves the item from its collection into another (or out of any).
    void SetCollection(TCollection* Value);

    int Index() const;
    void SetIndex(int Value);
    // Unique within the collection, never reused.
    int ID() const { return FID; }

    // The class name unless a descendant names its items.
    virtual QString DisplayName() const;
    virtual void SetDisplayName(const QString& Value);

protected:
    // Tells the collection that this item (or, with AllItems, every item)
    // has changed.
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = 0;
};

// An ordered list of items of one class; owns its items. Stored as a
// collection value, each item with its published properties.
class TCollection : public TPersistent {
    QX_CLASS(TCollection, TPersistent)
public:
    explicit TCollection(const TClassInfo& ItemClass);
    ~TCollection() override;

    const TClassInfo* ItemClass() const { return FItemClass; }

    TCollectionItem* Add();
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    int Count() const { return int(FItems.size()); }
    // EListError "List index out of bounds (%d)" outside 0..Count-1.
    TCollectionItem* Items(int Index) const;
    void SetItems(int Index, const TCollectionItem* Value);
    TCollectionItem* FindItemID(int ID) const;

    // Copies a collection of the same item class item by item.
    void Assign(const TPersistent* Source) override;

    // Changes between BeginUpdate and the matching EndUpdate are told to
    // Update once, as a change of all items.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

protected:
    // Called after a change of Item, or of all items when Item is null.
    virtual void Update(TCollectionItem* Item);
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);
    void MoveItem(int CurIndex, int NewIndex);
    void NotifyChange(TCollectionItem* Item);

    const TClassInfo* FItemClass;
    QList<TCollectionItem*> FItems;
    int FNextID = 0;
    int FUpdateCount = 0;
};

} // namespace classlib
