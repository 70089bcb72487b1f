#pragma once

// What a form's designer has selected: components of the form, or any
// persistent objects that editors hand it (objects standing in for things
// that are not components of the form). The list does not own them.

#include <vector>

namespace classlib {

class TPersistent;

class TDesignerSelectionList {
public:
    int Count() const { return int(FItems.size()); }
    // EListError "List index out of bounds (%d)" outside 0..Count-1.
    TPersistent* Items(int Index) const;
    int IndexOf(const TPersistent* Item) const;

    // Adds Item once; its index.
    int Add(TPersistent* Item);
    // Removes Item; its former index, or -1.
    int Remove(const TPersistent* Item);
    void Clear() { FItems.clear(); }

private:
    std::vector<TPersistent*> FItems;
};

} // namespace classlib
