#include "classlib/core/collection.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/sysutils.h"

#include <algorithm>
#include <memory>

namespace classlib {

// ---------------------------------------------------------------------------
// TCollectionItem

const TClassInfo& TCollectionItem::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCollectionItem>("TCollectionItem").Build();
    return info;
}

TCollectionItem::TCollectionItem(TCollection* Collection)
{
    SetCollection(Collection);
}

TCollectionItem::~TCollectionItem()
{
    if (FCollection) FCollection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* Value)
{
    if (Value == FCollection) return;
    if (FCollection) FCollection->RemoveItem(this);
    if (Value) Value->InsertItem(this);
}

int TCollectionItem::Index() const
{
    return FCollection ? int(FCollection->FItems.indexOf(const_cast<TCollectionItem*>(this))) : -1;
}

void TCollectionItem::SetIndex(int Value)
{
    const int cur = Index();
    if (cur >= 0 && cur != Value) FCollection->MoveItem(cur, Value);
}

QString TCollectionItem::DisplayName() const
{
    return ClassName();
}

void TCollectionItem::SetDisplayName(const QString&)
{
    Changed(false);
}

void TCollectionItem::Changed(bool AllItems)
{
    if (FCollection) FCollection->NotifyChange(AllItems ? nullptr : this);
}

// ---------------------------------------------------------------------------
// TCollection

const TClassInfo& TCollection::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCollection>("TCollection").Build();
    return info;
}

TCollection::TCollection(const TClassInfo& ItemClass) : FItemClass(&ItemClass) {}

TCollection::~TCollection()
{
    FUpdateCount = 1;  // no Update calls from a half-destroyed collection
    while (!FItems.isEmpty()) delete FItems.last();
}

TCollectionItem* TCollection::Add()
{
    std::unique_ptr<TObject> obj(FItemClass->Create(nullptr));
    auto* item = dynamic_cast<TCollectionItem*>(obj.get());
    if (!item)
        throw EConvertError(Format("%s is not a collection item class", {FItemClass->Name}));
    obj.release();
    InsertItem(item);
    return item;
}

TCollectionItem* TCollection::Insert(int Index)
{
    TCollectionItem* item = Add();
    item->SetIndex(Index);
    return item;
}

void TCollection::Delete(int Index)
{
    delete Items(Index);
}

void TCollection::Clear()
{
    if (FItems.isEmpty()) return;
    BeginUpdate();
    try {
        while (!FItems.isEmpty()) delete FItems.last();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TCollectionItem* TCollection::Items(int Index) const
{
    if (Index < 0 || Index >= FItems.size())
        throw EListError(Format("List index out of bounds (%d)", {Index}));
    return FItems[Index];
}

void TCollection::SetItems(int Index, const TCollectionItem* Value)
{
    Items(Index)->Assign(Value);
}

TCollectionItem* TCollection::FindItemID(int ID) const
{
    for (TCollectionItem* item : FItems)
        if (item->FID == ID) return item;
    return nullptr;
}

void TCollection::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TCollection*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this) return;
    BeginUpdate();
    try {
        Clear();
        for (TCollectionItem* item : source->FItems) Add()->Assign(item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::BeginUpdate()
{
    ++FUpdateCount;
}

void TCollection::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Changed()
{
    if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::NotifyChange(TCollectionItem* Item)
{
    if (FUpdateCount == 0) Update(Item);
}

void TCollection::InsertItem(TCollectionItem* Item)
{
    FItems.append(Item);
    Item->FCollection = this;
    Item->FID = FNextID++;
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item)
{
    if (!FItems.removeOne(Item)) return;
    Item->FCollection = nullptr;
    Changed();
}

void TCollection::MoveItem(int CurIndex, int NewIndex)
{
    NewIndex = std::clamp(NewIndex, 0, int(FItems.size()) - 1);
    FItems.move(CurIndex, NewIndex);
    Changed();
}

} // namespace classlib
