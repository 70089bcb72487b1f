#include "classlib/core/freenotifylist.h"

#include <algorithm>

namespace classlib {

namespace {
// Short lists (nearly all) are searched; longer ones keep an index.
constexpr qsizetype IndexFrom = 16;
} // namespace

qsizetype TFreeNotifyList::Find(const TComponent* C) const
{
    if (!C) return -1;
    if (!FIndex.isEmpty()) return FIndex.value(C, -1);
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i] == C) return qsizetype(i);
    return -1;
}

bool TFreeNotifyList::Contains(const TComponent* C) const
{
    return Find(C) >= 0;
}

void TFreeNotifyList::Add(TComponent* C)
{
    if (!C || Contains(C)) return;
    FItems.push_back(C);
    ++FCount;
    if (!FIndex.isEmpty()) {
        FIndex.insert(C, qsizetype(FItems.size()) - 1);
    } else if (FCount >= IndexFrom) {
        for (size_t i = 0; i < FItems.size(); ++i) FIndex.insert(FItems[i], qsizetype(i));
    }
}

bool TFreeNotifyList::Remove(const TComponent* C)
{
    const qsizetype i = Find(C);
    if (i < 0) return false;
    --FCount;
    if (FIndex.isEmpty()) {
        FItems.erase(FItems.begin() + i);
        return true;
    }
    // A hole, so that the positions after it stay true.
    FIndex.remove(C);
    FItems[size_t(i)] = nullptr;
    while (!FItems.empty() && !FItems.back()) FItems.pop_back();
    if (qsizetype(FItems.size()) > 2 * FCount + IndexFrom) Compact();
    return true;
}

TComponent* TFreeNotifyList::TakeLast()
{
    while (!FItems.empty() && !FItems.back()) FItems.pop_back();
    if (FItems.empty()) return nullptr;
    TComponent* c = FItems.back();
    Remove(c);
    return c;
}

void TFreeNotifyList::Compact()
{
    FItems.erase(std::remove(FItems.begin(), FItems.end(), nullptr), FItems.end());
    FIndex.clear();
    if (FCount >= IndexFrom)
        for (size_t i = 0; i < FItems.size(); ++i) FIndex.insert(FItems[i], qsizetype(i));
}

} // namespace classlib
