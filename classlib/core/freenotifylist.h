#pragma once

#include <QHash>

#include <vector>

namespace classlib {

class TComponent;

// The components that hear of one component's end, in the order they
// asked. A reader's load context asks of every component it reads, so
// membership and removal do not search once the list is long.
class TFreeNotifyList {
public:
    bool IsEmpty() const { return FCount == 0; }
    qsizetype Count() const { return FCount; }
    bool Contains(const TComponent* C) const;
    // Added at the end unless already there.
    void Add(TComponent* C);
    // Whether C was there.
    bool Remove(const TComponent* C);
    // The last one added that is still there, taken off; nil when empty.
    TComponent* TakeLast();

private:
    qsizetype Find(const TComponent* C) const;
    void Compact();

    std::vector<TComponent*> FItems;  // nil where one was removed
    QHash<const TComponent*, qsizetype> FIndex;  // positions, only for long lists
    qsizetype FCount = 0;
};

} // namespace classlib
