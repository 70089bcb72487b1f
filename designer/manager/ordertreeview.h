#pragma once

// The report manager's tree view as a picture of its order tree: each view
// node stands at the same place as its order node, so the one is found
// from the other by the way down from the top.

#include <vector>

namespace classlib {
class TTreeNode;
class TTreeView;
}

namespace designer {

class TOrderNode;
class TOrderTree;

// A view node's mark: page entries carry 1, groups 0.
bool IsPageEntry(const classlib::TTreeNode* Node);

// Shows the order nodes, with everything below them, as the last children
// of the view node Parent (at the top for nil).
void ShowOrderNodes(classlib::TTreeView& Tree, classlib::TTreeNode* Parent, const std::vector<TOrderNode*>& Nodes);

// The order node shown by a view node, and the view node showing an order
// node; nil for nil.
TOrderNode* OrderNodeOf(const TOrderTree& Order, const classlib::TTreeNode* Node);
classlib::TTreeNode* TreeNodeOf(const classlib::TTreeView& Tree, const TOrderNode* Node);

} // namespace designer
