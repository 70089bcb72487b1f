#include "classlib/core/componentlist.h"

#include "classlib/core/component.h"
#include "classlib/core/sysutils.h"

namespace classlib {

// Hears of the end of every component in the list.
class TComponentList::TListener : public TComponent {
public:
    explicit TListener(TComponentList& List) : TComponent(nullptr), FList(List) {}

    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove) FList.Freed(AComponent);
    }

private:
    TComponentList& FList;
};

TComponentList::TComponentList() : FListener(std::make_unique<TListener>(*this)) {}

TComponentList::~TComponentList()
{
    Clear();
}

void TComponentList::CheckIndex(int Index, int Count) const
{
    if (Index < 0 || Index >= Count) throw EListError(Format("List index out of bounds (%d)", {Index}));
}

TComponent* TComponentList::Items(int Index) const
{
    CheckIndex(Index, Count());
    return FItems[Index];
}

int TComponentList::IndexOf(const TComponent* Component) const
{
    return int(FItems.indexOf(const_cast<TComponent*>(Component)));
}

void TComponentList::Listen(TComponent* Component)
{
    if (Component) Component->FreeNotification(FListener.get());
}

// Stops listening once the last entry of Component has gone.
void TComponentList::Forget(TComponent* Component)
{
    if (Component && !FItems.contains(Component)) Component->RemoveFreeNotification(FListener.get());
}

void TComponentList::Freed(TComponent* Component)
{
    FItems.removeAll(Component);
}

int TComponentList::Add(TComponent* Component)
{
    Listen(Component);
    FItems.append(Component);
    return Count() - 1;
}

void TComponentList::Insert(int Index, TComponent* Component)
{
    CheckIndex(Index, Count() + 1);
    Listen(Component);
    FItems.insert(Index, Component);
}

void TComponentList::Delete(int Index)
{
    CheckIndex(Index, Count());
    TComponent* c = FItems.takeAt(Index);
    Forget(c);
}

int TComponentList::Remove(TComponent* Component)
{
    const int i = IndexOf(Component);
    if (i >= 0) Delete(i);
    return i;
}

void TComponentList::Clear()
{
    const QList<TComponent*> items = std::move(FItems);
    FItems.clear();
    for (TComponent* c : items) Forget(c);
}

} // namespace classlib
