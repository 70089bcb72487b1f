#pragma once

// The page order as the report manager shows it: a tree of page entries
// and groups, written to and read from the order text line by line. A
// line is the kind ("p" or "g"), the 0-based index of the parent's line
// (-1 at the top) right-aligned in four columns, and the name.

#include <QString>

namespace classlib {
class TTreeNode;
class TTreeView;
}

namespace designer {

// A node's mark: page entries carry 1, groups 0.
bool IsPageEntry(const classlib::TTreeNode* Node);

// The lines of the whole tree, each subtree depth first.
QString TreeToOrderText(const classlib::TTreeView& Tree);
// One subtree: its own line with ParentReference, its children with
// OwnLineIndex as theirs. (-1, 0) gives a fragment of its own.
QString NodeToOrderText(const classlib::TTreeNode* Node, int ParentReference, int OwnLineIndex);

// Adds the text's lines under Parent (at the top for nil), each line
// under the node of the line it refers to. The first line that does not
// read (kind, reference to an earlier line, a name) ends it silently; a
// group named like a group already in the tree takes NewGroupName.
void ParseOrderText(classlib::TTreeView& Tree, classlib::TTreeNode* Parent, const QString& Text);

// "Group1", "Group2", ...: the first that no group bears, in any case.
QString NewGroupName(const classlib::TTreeView& Tree);
// No group other than Except bears the name, in any case; page entries
// never count.
bool IsGroupNameFree(const classlib::TTreeView& Tree, const QString& Name, const classlib::TTreeNode* Except);

// Where new lines go below a reference node: into a group, beside a page
// entry inside a group, at the top otherwise (and without a reference).
classlib::TTreeNode* PlacementParent(classlib::TTreeNode* Reference);

} // namespace designer
