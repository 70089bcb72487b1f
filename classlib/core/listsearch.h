#pragma once

#include <QtGlobal>

namespace classlib {

// The index of Item in List, or -1, looked for from both ends at once:
// lists are mostly emptied from one end or the other (owners free their
// components from the last, windows their children from the first), and
// either way the item is found at once.
template <class List, class T>
qsizetype IndexFromEnds(const List& Items, const T& Item)
{
    qsizetype lo = 0, hi = Items.size() - 1;
    while (lo <= hi) {
        if (Items[lo] == Item) return lo;
        if (Items[hi] == Item) return hi;
        ++lo;
        --hi;
    }
    return -1;
}

} // namespace classlib
