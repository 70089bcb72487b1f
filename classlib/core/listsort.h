#pragma once

// The class library's list sort: a quicksort whose exact steps decide the
// order of items that compare equal. Callers that must agree on the order
// of ties (a report run and the designer that shows its order) sort with
// this one, never with another algorithm.

#include <QtGlobal>

#include <utility>
#include <vector>

namespace classlib {

namespace detail {

template <class T, class Compare>
void QuickSortList(std::vector<T>& List, qint64 L, qint64 R, Compare& Cmp)
{
    qint64 I, J;
    do {
        I = L;
        J = R;
        const T P = List[size_t((L + R) / 2)];
        do {
            // The bounds never stop a scan on their own: the pivot stops
            // it first. They keep a comparison that is not a strict ordering
            // inside the list.
            while (I < R && Cmp(List[size_t(I)], P) < 0) ++I;
            while (J > L && Cmp(List[size_t(J)], P) > 0) --J;
            if (I <= J) {
                std::swap(List[size_t(I)], List[size_t(J)]);
                ++I;
                --J;
            }
        } while (I <= J);
        if (L < J) QuickSortList(List, L, J, Cmp);
        L = I;
    } while (I < R);
}

} // namespace detail

// Sorts List by Cmp (negative, zero or positive, as the first item is
// smaller, equal or greater). Safe for any comparison: the result is a
// permutation of the list.
template <class T, class Compare>
void SortList(std::vector<T>& List, Compare Cmp)
{
    if (List.size() > 1) detail::QuickSortList(List, 0, qint64(List.size()) - 1, Cmp);
}

} // namespace classlib
