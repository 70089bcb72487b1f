#include "classlib/design/selectionlist.h"

#include "classlib/core/sysutils.h"

#include <algorithm>

namespace classlib {

TPersistent* TDesignerSelectionList::Items(int Index) const
{
    if (Index < 0 || Index >= Count()) throw EListError(Format("List index out of bounds (%d)", {Index}));
    return FItems[Index];
}

int TDesignerSelectionList::IndexOf(const TPersistent* Item) const
{
    const auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

int TDesignerSelectionList::Add(TPersistent* Item)
{
    const int index = IndexOf(Item);
    if (index >= 0) return index;
    FItems.push_back(Item);
    return Count() - 1;
}

int TDesignerSelectionList::Remove(const TPersistent* Item)
{
    const int index = IndexOf(Item);
    if (index >= 0) FItems.erase(FItems.begin() + index);
    return index;
}

} // namespace classlib
