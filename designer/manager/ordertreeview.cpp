#include "designer/manager/ordertreeview.h"

#include "designer/manager/ordertree.h"

#include "classlib/controls/treeview.h"

namespace designer {

using namespace classlib;

namespace {

void* PageMark()
{
    return reinterpret_cast<void*>(quintptr(1));
}

void ShowSubtree(TTreeNodes& Items, TTreeNode* Parent, const TOrderNode* Node)
{
    const bool page = Node->IsPage();
    TTreeNode* shown = Items.AddChildObject(Parent, Node->Name(), page ? PageMark() : nullptr);
    shown->SetImageIndex(page ? 0 : 1);
    shown->SetSelectedIndex(page ? 0 : 1);
    for (int i = 0; i < Node->Count(); ++i) ShowSubtree(Items, shown, Node->Item(i));
}

// The indexes from the top down to the node.
template <class TNode>
std::vector<int> WayDown(const TNode* Node)
{
    std::vector<int> way;
    for (const TNode* n = Node; n; n = n->Parent()) way.push_back(n->Index());
    return {way.rbegin(), way.rend()};
}

} // namespace

bool IsPageEntry(const TTreeNode* Node)
{
    return Node && Node->Data() != nullptr;
}

void ShowOrderNodes(TTreeView& Tree, TTreeNode* Parent, const std::vector<TOrderNode*>& Nodes)
{
    TTreeNodes& items = *Tree.Items();
    items.BeginUpdate();
    for (const TOrderNode* node : Nodes) ShowSubtree(items, Parent, node);
    items.EndUpdate();
}

TOrderNode* OrderNodeOf(const TOrderTree& Order, const TTreeNode* Node)
{
    if (!Node) return nullptr;
    TOrderNode* at = nullptr;
    for (int index : WayDown(Node)) {
        const int count = at ? at->Count() : Order.RootCount();
        if (index < 0 || index >= count) return nullptr;
        at = at ? at->Item(index) : Order.Root(index);
    }
    return at;
}

TTreeNode* TreeNodeOf(const TTreeView& Tree, const TOrderNode* Node)
{
    if (!Node) return nullptr;
    TTreeNode* at = nullptr;
    for (int index : WayDown(Node)) {
        const int count = at ? at->Count() : Tree.Items()->RootCount();
        if (index < 0 || index >= count) return nullptr;
        at = at ? at->Item(index) : Tree.Items()->Root(index);
    }
    return at;
}

} // namespace designer
