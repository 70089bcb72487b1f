#pragma once

#include <QList>

#include <memory>

namespace classlib {

class TComponent;

// Components held, not owned: a component that is freed leaves the list by
// itself (free notification), so the list never points at a freed one.
// The same component may stand in the list more than once.
class TComponentList {
public:
    TComponentList();
    ~TComponentList();
    TComponentList(const TComponentList&) = delete;
    TComponentList& operator=(const TComponentList&) = delete;

    int Count() const { return int(FItems.size()); }
    // EListError "List index out of bounds (%d)" outside 0..Count-1.
    TComponent* Items(int Index) const;
    int IndexOf(const TComponent* Component) const;

    int Add(TComponent* Component);
    void Insert(int Index, TComponent* Component);
    void Delete(int Index);
    // Removes the first entry of Component; its former index, or -1.
    int Remove(TComponent* Component);
    void Clear();

private:
    class TListener;
    void CheckIndex(int Index, int Count) const;
    void Listen(TComponent* Component);
    void Forget(TComponent* Component);
    void Freed(TComponent* Component);

    QList<TComponent*> FItems;
    std::unique_ptr<TListener> FListener;
};

} // namespace classlib
