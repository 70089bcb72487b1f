#pragma once

// Tree views: nodes with a text, a pointer of data and pictures, shown one
// row each, indented by their level, children under their parent while it
// is expanded. The selection follows the mouse and the keys (OnChanging,
// then OnChange); a selected node's text can be edited in place (OnEditing,
// then OnEdited, whose exception refuses the new text). A view frees its
// nodes; a node frees the nodes below it.

#include "classlib/controls/control.h"
#include "classlib/controls/imagelist.h"

#include <memory>
#include <vector>

class QLineEdit;
class QScrollBar;

namespace classlib {

class TCustomTreeView;
class TTreeNodes;

class TTreeNode {
public:
    ~TTreeNode();
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    TTreeNodes* Owner() const { return FOwner; }
    TCustomTreeView* TreeView() const;

    const QString& Text() const { return FText; }
    void SetText(const QString& Value);
    void* Data() const { return FData; }
    void SetData(void* Value) { FData = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    int SelectedIndex() const { return FSelectedIndex; }
    void SetSelectedIndex(int Value);

    TTreeNode* Parent() const { return FParent; }
    // The nodes right below this one.
    int Count() const { return int(FChildren.size()); }
    TTreeNode* Item(int Index) const { return FChildren.at(Index).get(); }
    bool HasChildren() const { return !FChildren.empty(); }
    // The place among its siblings (kept, not searched: walks stay linear);
    // its depth, 0 at the top.
    int Index() const { return FIndex; }
    int Level() const;
    TTreeNode* GetFirstChild() const { return FChildren.empty() ? nullptr : FChildren.front().get(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next node depth first: the first child, else the next sibling
    // of this node or of the nearest parent that has one.
    TTreeNode* GetNext() const;
    bool HasAsParent(const TTreeNode* Node) const;

    // Collapsing asks OnCollapsing, expanding OnExpanding; a refusal
    // leaves the node as it was.
    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool Value);
    void Expand(bool Recurse);
    void Collapse(bool Recurse);

    bool Selected() const;
    void SetSelected(bool Value);
    // Starts editing the text in place; false when the view is read-only
    // or OnEditing refuses.
    bool EditText();
    // The row's rectangle, or that of its text only; empty while the node
    // is not shown (a parent collapsed) or scrolled away.
    TRect DisplayRect(bool TextOnly) const;
    // Frees the node and those below it.
    void Delete();

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;
    explicit TTreeNode(TTreeNodes* Owner) : FOwner(Owner) {}

    TTreeNodes* FOwner;
    TTreeNode* FParent = nullptr;
    int FIndex = 0;
    QString FText;
    void* FData = nullptr;
    int FImageIndex = -1;
    int FSelectedIndex = -1;
    bool FExpanded = false;
    std::vector<std::unique_ptr<TTreeNode>> FChildren;
};

class TTreeNodes {
public:
    explicit TTreeNodes(TCustomTreeView* Owner) : FOwner(Owner) {}
    ~TTreeNodes();
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;

    TCustomTreeView* Owner() const { return FOwner; }
    // Every node, depth first.
    int Count() const;
    TTreeNode* Item(int Index) const;
    TTreeNode* GetFirstNode() const { return FRoots.empty() ? nullptr : FRoots.front().get(); }
    // The nodes at the top.
    int RootCount() const { return int(FRoots.size()); }
    TTreeNode* Root(int Index) const { return FRoots.at(Index).get(); }

    // A node after the last sibling of Sibling (at the top for nil).
    TTreeNode* Add(TTreeNode* Sibling, const QString& S) { return AddObject(Sibling, S, nullptr); }
    TTreeNode* AddObject(TTreeNode* Sibling, const QString& S, void* Data);
    // A node after the last child of Parent (at the top for nil).
    TTreeNode* AddChild(TTreeNode* Parent, const QString& S) { return AddChildObject(Parent, S, nullptr); }
    TTreeNode* AddChildObject(TTreeNode* Parent, const QString& S, void* Data);
    // Frees the node and those below it.
    void Delete(TTreeNode* Node);
    void Clear();

    // Nothing is drawn between the two; they nest.
    void BeginUpdate();
    void EndUpdate();

private:
    friend class TTreeNode;
    friend class TCustomTreeView;
    std::vector<std::unique_ptr<TTreeNode>>& SiblingsOf(TTreeNode* Parent);
    // Each node from From on learns its place again.
    static void Renumber(std::vector<std::unique_ptr<TTreeNode>>& Siblings, size_t From);

    TCustomTreeView* FOwner;
    std::vector<std::unique_ptr<TTreeNode>> FRoots;
};

QX_ENUM(TSortType, stNone, stData, stText, stBoth)

QX_EVENT(TTVChangedEvent, TObject* /*Sender*/, TTreeNode* /*Node*/)
QX_EVENT(TTVChangingEvent, TObject* /*Sender*/, TTreeNode* /*Node*/, bool& /*AllowChange*/)
QX_EVENT(TTVCollapsingEvent, TObject* /*Sender*/, TTreeNode* /*Node*/, bool& /*AllowCollapse*/)
QX_EVENT(TTVExpandingEvent, TObject* /*Sender*/, TTreeNode* /*Node*/, bool& /*AllowExpansion*/)
QX_EVENT(TTVEditingEvent, TObject* /*Sender*/, TTreeNode* /*Node*/, bool& /*AllowEdit*/)
QX_EVENT(TTVEditedEvent, TObject* /*Sender*/, TTreeNode* /*Node*/, QString& /*S*/)

class TCustomTreeView : public TWinControl {
    QX_CLASS(TCustomTreeView, TWinControl)
public:
    explicit TCustomTreeView(TComponent* AOwner);
    ~TCustomTreeView() override;

    TTreeNodes* Items() const { return FItems.get(); }
    // Setting it from code asks nobody; the change is announced (OnChange).
    TTreeNode* Selected() const { return FSelected; }
    void SetSelected(TTreeNode* Value);

    int Indent() const { return FIndent; }
    void SetIndent(int Value);
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool Value);
    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool Value);
    bool ShowRoot() const { return FShowRoot; }
    void SetShowRoot(bool Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    // Without the focus the selection shows only while this is false.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    // A right press selects the node under the mouse.
    bool RightClickSelect() const { return FRightClickSelect; }
    void SetRightClickSelect(bool Value) { FRightClickSelect = Value; }
    // stText and stBoth keep siblings in the order of their texts, without
    // regard to case.
    TSortType SortType() const { return FSortType; }
    void SetSortType(TSortType Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);

    void FullExpand();
    void FullCollapse();
    void AlphaSort();
    // The node of the row at a client point, or nil.
    TTreeNode* GetNodeAt(int X, int Y) const;
    bool IsEditing() const { return FEditing != nullptr; }
    // The node being edited, or nil; ends editing, taking the text unless
    // Cancel.
    TTreeNode* EditingNode() const { return FEditing; }
    void EndEditing(bool Cancel);
    // The first row shown.
    int TopRow() const { return FTopRow; }
    int RowHeight() const;

    TRect ClientRect() const override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVCollapsingEvent OnCollapsing;
    TTVExpandingEvent OnExpanding;
    TTVEditingEvent OnEditing;
    TTVEditedEvent OnEdited;
    // A node about to be freed (its children before it).
    TTVChangedEvent OnDeletion;

protected:
    void Dispatch(TMessage& Message) override;
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;

private:
    friend class TTreeNode;
    friend class TTreeNodes;

    // The shown nodes in row order (their parents expanded).
    const std::vector<TTreeNode*>& Rows() const;
    int RowOf(const TTreeNode* Node) const;
    int VisibleRowCount() const;
    void SetTopRow(int Value);
    void MakeVisible(const TTreeNode* Node);
    // Where a row's parts stand: the button's centre column, the picture's
    // and the text's left edge.
    int LevelLeft(const TTreeNode* Node) const;
    int TextLeft(const TTreeNode* Node) const;
    TRect TextRect(const TTreeNode* Node, int Row) const;
    void ShapeChanged();
    void NodeFreeing(TTreeNode* Node);
    void Sort(std::vector<std::unique_ptr<TTreeNode>>& Nodes, bool Recurse);
    void SortSiblings(TTreeNode* Parent);
    // The user picks Node: asks OnChanging, then selects and announces it.
    void UserSelect(TTreeNode* Node);
    bool ToggleExpanded(TTreeNode* Node);
    void UpdateScrollRange();
    void PaintRow(TCanvas& C, TTreeNode* Node, int Row);

    std::unique_ptr<TTreeNodes> FItems;
    TTreeNode* FSelected = nullptr;
    TTreeNode* FEditing = nullptr;
    QLineEdit* FEditor = nullptr;
    int FIndent = 19;
    bool FShowButtons = true;
    bool FShowLines = true;
    bool FShowRoot = true;
    bool FReadOnly = false;
    bool FHideSelection = true;
    bool FRightClickSelect = false;
    TSortType FSortType = stNone;
    TCustomImageList* FImages = nullptr;
    TChangeLink FImagesLink;
    int FTopRow = 0;
    int FUpdateCount = 0;
    mutable std::vector<TTreeNode*> FRows;
    mutable bool FRowsValid = false;
    QScrollBar* FScrollBar;
    bool FScrollShown = false;
    bool FSyncing = false;
    // A click on the selected node's text edits it, once no double click
    // follows.
    bool FEditPending = false;
};

class TTreeView : public TCustomTreeView {
    QX_CLASS(TTreeView, TCustomTreeView)
public:
    using TCustomTreeView::TCustomTreeView;
};

} // namespace classlib
