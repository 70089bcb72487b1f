#pragma once

// The print order as the report manager holds it: a tree of page entries
// and groups, written to and read from the order text line by line. A
// line is the kind ("p" or "g"), the 0-based index of the parent's line
// (-1 at the top) right-aligned in four columns, and the name. The tree
// view only shows this tree; every edit goes through it.

#include "designer/manager/groupnames.h"

#include <QString>

#include <memory>
#include <vector>

namespace designer {

class TOrderNode {
public:
    TOrderNode(const TOrderNode&) = delete;
    TOrderNode& operator=(const TOrderNode&) = delete;
    ~TOrderNode();

    bool IsPage() const { return FPage; }
    const QString& Name() const { return FName; }
    TOrderNode* Parent() const { return FParent; }
    int Count() const { return int(FChildren.size()); }
    TOrderNode* Item(int Index) const { return FChildren.at(size_t(Index)).get(); }
    // The place among its siblings.
    int Index() const { return FIndex; }
    bool HasAsParent(const TOrderNode* Node) const;

private:
    friend class TOrderTree;
    TOrderNode(bool Page, const QString& Name) : FPage(Page), FName(Name) {}

    bool FPage;
    QString FName;
    TOrderNode* FParent = nullptr;
    int FIndex = 0;
    std::vector<std::unique_ptr<TOrderNode>> FChildren;
};

// What a reading added: the new nodes right below the parent, in order,
// and how many lines (blank ones aside) it left from the first it could
// not take.
struct TOrderReading {
    std::vector<TOrderNode*> Added;
    int Unread = 0;
};

// A reading that would take the order beyond what a run accepts stops
// there (the rest is unread), or is refused as a whole.
enum class TOverLimit { Stop, Refuse };

class TOrderTree {
public:
    TOrderTree();
    ~TOrderTree();
    TOrderTree(const TOrderTree&) = delete;
    TOrderTree& operator=(const TOrderTree&) = delete;

    int RootCount() const { return int(FRoots.size()); }
    TOrderNode* Root(int Index) const { return FRoots.at(size_t(Index)).get(); }
    // Every entry: the number of lines the order text has.
    int Count() const { return FCount; }
    void Clear();

    // Adds the text's lines under Parent (at the top for nil). Lines are
    // read as the run reads them (blanks and control characters trimmed,
    // blank lines skipped), and a line is taken only where the run nests
    // it too: its kind is "p" or "g", its reference names the group the
    // run has open there (-1 for none), its name is not empty. The first
    // line that is not ends the reading; a group named like a group
    // already in the tree takes NewGroupName. Beyond the run's limits
    // (lines, nesting of groups) OverLimit decides; a refusal raises
    // EQXError and leaves the tree as it was.
    TOrderReading ParseOrderText(TOrderNode* Parent, const QString& Text, TOverLimit OverLimit);
    // The lines of the whole tree, each subtree depth first.
    QString TreeToOrderText() const;
    // One subtree: its own line with ParentReference, its children with
    // OwnLineIndex as theirs. (-1, 0) gives a fragment of its own.
    static QString NodeToOrderText(const TOrderNode* Node, int ParentReference, int OwnLineIndex);

    // Raises EQXError unless Entries more entries fit into the order.
    void CheckRoom(int Entries) const;
    // Frees the node and those below it.
    void Delete(TOrderNode* Node);
    // Moves the node with its subtree to the end of NewParent's children
    // (the top for nil). Into itself or below itself nothing moves; too
    // deep a nesting raises EQXError and nothing moves.
    void Move(TOrderNode* Node, TOrderNode* NewParent);
    // The name as a line would carry it: trimmed as the run trims it; empty
    // when no line could carry it back (nothing left, or a line break).
    static QString ReadableName(const QString& Name);
    // Renames a group; a name that no line could carry back keeps the old
    // one; another group's name raises EQXError. Gives the name it bears.
    QString Rename(TOrderNode* Group, const QString& Name);

    // "Group1", "Group2", ...: the first that no group bears, in any case.
    QString NewGroupName() const;
    // No group other than Except bears the name, in any case; page entries
    // never count.
    bool IsGroupNameFree(const QString& Name, const TOrderNode* Except) const;

    // Where new lines go below a reference node: into a group, beside a
    // page entry inside a group, at the top otherwise (and without one).
    static TOrderNode* PlacementParent(TOrderNode* Reference);
    // The groups from Node up to the top, Node included when a group.
    static int GroupDepth(const TOrderNode* Node);

private:
    std::vector<std::unique_ptr<TOrderNode>>& SiblingsOf(TOrderNode* Parent);
    void Attach(std::unique_ptr<TOrderNode> Node, TOrderNode* Parent);
    std::unique_ptr<TOrderNode> Detach(TOrderNode* Node);
    void ForgetNames(const TOrderNode* Node);

    std::vector<std::unique_ptr<TOrderNode>> FRoots;
    int FCount = 0;
    TGroupNames FNames;
};

} // namespace designer
