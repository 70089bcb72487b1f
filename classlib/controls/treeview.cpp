#include "classlib/controls/treeview.h"

#include "classlib/controls/application.h"
#include "classlib/controls/mouse.h"
#include "classlib/controls/windowkeys.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace classlib {

namespace {

constexpr int WheelRows = 3;
constexpr int ButtonSize = 9;

// Ends the edit on Enter (keep) and Escape (drop), and when the editor
// loses the keys (keep).
class TLabelEditKeys : public QObject {
public:
    explicit TLabelEditKeys(TCustomTreeView* View) : FView(View) {}

protected:
    bool eventFilter(QObject*, QEvent* E) override
    {
        if (E->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(E)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
                CallGuarded(FView, [&] { FView->EndEditing(key == Qt::Key_Escape); });
                return true;
            }
        } else if (E->type() == QEvent::FocusOut) {
            CallGuarded(FView, [&] { FView->EndEditing(false); });
        }
        return false;
    }

private:
    TCustomTreeView* FView;
};

} // namespace

// ---------------------------------------------------------------------------
// TTreeNode

TTreeNode::~TTreeNode() = default;

TCustomTreeView* TTreeNode::TreeView() const
{
    return FOwner->Owner();
}

void TTreeNode::SetText(const QString& Value)
{
    if (Value == FText)
        return;
    FText = Value;
    TreeView()->SortSiblings(FParent);
    TreeView()->ShapeChanged();
}

void TTreeNode::SetImageIndex(int Value)
{
    FImageIndex = Value;
    TreeView()->Invalidate();
}

void TTreeNode::SetSelectedIndex(int Value)
{
    FSelectedIndex = Value;
    TreeView()->Invalidate();
}

int TTreeNode::Level() const
{
    int level = 0;
    for (const TTreeNode* p = FParent; p; p = p->FParent)
        ++level;
    return level;
}

TTreeNode* TTreeNode::GetNextSibling() const
{
    const auto& siblings = FOwner->SiblingsOf(FParent);
    return size_t(FIndex) + 1 < siblings.size() ? siblings[size_t(FIndex) + 1].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const
{
    return FIndex > 0 ? FOwner->SiblingsOf(FParent)[size_t(FIndex) - 1].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const
{
    if (TTreeNode* child = GetFirstChild())
        return child;
    for (const TTreeNode* n = this; n; n = n->FParent)
        if (TTreeNode* next = n->GetNextSibling())
            return next;
    return nullptr;
}

bool TTreeNode::HasAsParent(const TTreeNode* Node) const
{
    for (const TTreeNode* p = FParent; p; p = p->FParent)
        if (p == Node)
            return true;
    return false;
}

void TTreeNode::SetExpanded(bool Value)
{
    if (Value == FExpanded)
        return;
    TCustomTreeView* view = TreeView();
    bool allow = true;
    if (Value && view->OnExpanding)
        view->OnExpanding(view, this, allow);
    else if (!Value && view->OnCollapsing)
        view->OnCollapsing(view, this, allow);
    if (!allow)
        return;
    FExpanded = Value;
    // A selection hidden by the collapse moves up to this node.
    if (!Value && view->FSelected && view->FSelected->HasAsParent(this))
        view->SetSelected(this);
    view->ShapeChanged();
}

void TTreeNode::Expand(bool Recurse)
{
    if (HasChildren())
        SetExpanded(true);
    if (Recurse)
        for (const auto& child : FChildren)
            child->Expand(true);
}

void TTreeNode::Collapse(bool Recurse)
{
    if (Recurse)
        for (const auto& child : FChildren)
            child->Collapse(true);
    SetExpanded(false);
}

bool TTreeNode::Selected() const
{
    return TreeView()->FSelected == this;
}

void TTreeNode::SetSelected(bool Value)
{
    if (Value)
        TreeView()->SetSelected(this);
    else if (Selected())
        TreeView()->SetSelected(nullptr);
}

bool TTreeNode::EditText()
{
    TCustomTreeView* view = TreeView();
    if (view->FReadOnly)
        return false;
    view->EndEditing(false);
    bool allow = true;
    if (view->OnEditing)
        view->OnEditing(view, this, allow);
    if (!allow)
        return false;
    view->MakeVisible(this);
    const TRect r = DisplayRect(true);
    if (r.Width() <= 0)
        return false;
    view->FEditing = this;
    auto* editor = new QLineEdit(view->Widget());
    editor->setFrame(true);
    editor->setText(FText);
    editor->selectAll();
    editor->setGeometry(r.Left, r.Top - 1, std::max(r.Width() + 40, view->ClientWidth() - r.Left), r.Height() + 2);
    auto* keys = new TLabelEditKeys(view);
    keys->setParent(editor);
    editor->installEventFilter(keys);
    editor->show();
    editor->setFocus();
    view->FEditor = editor;
    return true;
}

TRect TTreeNode::DisplayRect(bool TextOnly) const
{
    TCustomTreeView* view = TreeView();
    const int row = view->RowOf(this);
    if (row < view->FTopRow || row >= view->FTopRow + view->VisibleRowCount() + 1)
        return TRect{};
    if (TextOnly)
        return view->TextRect(this, row);
    const int h = view->RowHeight();
    return TRect{0, (row - view->FTopRow) * h, view->ClientRect().Right, (row - view->FTopRow + 1) * h};
}

void TTreeNode::Delete()
{
    FOwner->Delete(this);
}

// ---------------------------------------------------------------------------
// TTreeNodes

TTreeNodes::~TTreeNodes() = default;

std::vector<std::unique_ptr<TTreeNode>>& TTreeNodes::SiblingsOf(TTreeNode* Parent)
{
    return Parent ? Parent->FChildren : FRoots;
}

void TTreeNodes::Renumber(std::vector<std::unique_ptr<TTreeNode>>& Siblings, size_t From)
{
    for (size_t i = From; i < Siblings.size(); ++i)
        Siblings[i]->FIndex = int(i);
}

int TTreeNodes::Count() const
{
    int n = 0;
    for (const TTreeNode* node = GetFirstNode(); node; node = node->GetNext())
        ++n;
    return n;
}

TTreeNode* TTreeNodes::Item(int Index) const
{
    TTreeNode* node = GetFirstNode();
    for (int i = 0; node && i < Index; ++i)
        node = node->GetNext();
    if (!node || Index < 0)
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return node;
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* Sibling, const QString& S, void* Data)
{
    return AddChildObject(Sibling ? Sibling->FParent : nullptr, S, Data);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* Parent, const QString& S, void* Data)
{
    auto node = std::unique_ptr<TTreeNode>(new TTreeNode(this));
    node->FParent = Parent;
    node->FText = S;
    node->FData = Data;
    TTreeNode* added = node.get();
    auto& siblings = SiblingsOf(Parent);
    node->FIndex = int(siblings.size());
    siblings.push_back(std::move(node));
    FOwner->SortSiblings(Parent);
    FOwner->ShapeChanged();
    return added;
}

void TTreeNodes::Delete(TTreeNode* Node)
{
    if (!Node || Node->FOwner != this)
        return;
    FOwner->NodeFreeing(Node);
    auto& siblings = SiblingsOf(Node->FParent);
    const size_t at = size_t(Node->FIndex);
    if (at >= siblings.size() || siblings[at].get() != Node)
        return;
    // Taken out first: whoever hears of the change finds it gone.
    std::unique_ptr<TTreeNode> gone = std::move(siblings[at]);
    siblings.erase(siblings.begin() + std::ptrdiff_t(at));
    Renumber(siblings, at);
    FOwner->ShapeChanged();
}

void TTreeNodes::Clear()
{
    BeginUpdate();
    while (!FRoots.empty())
        Delete(FRoots.back().get());
    EndUpdate();
}

void TTreeNodes::BeginUpdate()
{
    ++FOwner->FUpdateCount;
}

void TTreeNodes::EndUpdate()
{
    if (FOwner->FUpdateCount > 0 && --FOwner->FUpdateCount == 0)
        FOwner->ShapeChanged();
}

// ---------------------------------------------------------------------------
// TCustomTreeView

const TClassInfo& TCustomTreeView::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCustomTreeView>("TCustomTreeView").Build();
    return info;
}

const TClassInfo& TTreeView::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TTreeView>("TTreeView")
            .Prop("HideSelection", &TTreeView::HideSelection, &TTreeView::SetHideSelection).Default(1)
            .Prop("Indent", &TTreeView::Indent, &TTreeView::SetIndent).Default(19)
            .Prop("ReadOnly", &TTreeView::ReadOnly, &TTreeView::SetReadOnly).Default(0)
            .Prop("RightClickSelect", &TTreeView::RightClickSelect, &TTreeView::SetRightClickSelect).Default(0)
            .Prop("ShowButtons", &TTreeView::ShowButtons, &TTreeView::SetShowButtons).Default(1)
            .Prop("ShowLines", &TTreeView::ShowLines, &TTreeView::SetShowLines).Default(1)
            .Prop("ShowRoot", &TTreeView::ShowRoot, &TTreeView::SetShowRoot).Default(1)
            .Prop("SortType", &TTreeView::SortType, &TTreeView::SetSortType).Default(stNone)
            .Prop("OnChange", static_cast<TTVChangedEvent TTreeView::*>(&TTreeView::OnChange))
            .Prop("OnChanging", static_cast<TTVChangingEvent TTreeView::*>(&TTreeView::OnChanging))
            .Prop("OnCollapsing", static_cast<TTVCollapsingEvent TTreeView::*>(&TTreeView::OnCollapsing))
            .Prop("OnDeletion", static_cast<TTVChangedEvent TTreeView::*>(&TTreeView::OnDeletion))
            .Prop("OnEdited", static_cast<TTVEditedEvent TTreeView::*>(&TTreeView::OnEdited))
            .Prop("OnEditing", static_cast<TTVEditingEvent TTreeView::*>(&TTreeView::OnEditing))
            .Prop("OnExpanding", static_cast<TTVExpandingEvent TTreeView::*>(&TTreeView::OnExpanding))
            .Build();
    return info;
}

TCustomTreeView::TCustomTreeView(TComponent* AOwner)
    : TWinControl(AOwner), FItems(std::make_unique<TTreeNodes>(this)),
      FScrollBar(new QScrollBar(Qt::Vertical, Widget()))
{
    // Its image list may belong to the same owner.
    SetHearsOwner(true);
    SetControlStyle({csCaptureMouse, csDoubleClicks, csOpaque});
    SetColor(clWindow);
    SetBorderStyle(bsSingle);
    FImagesLink.OnChange = [this](TObject*) { ShapeChanged(); };
    FScrollBar->setFocusPolicy(Qt::NoFocus);
    FScrollBar->hide();
    QObject::connect(FScrollBar, &QAbstractSlider::valueChanged, FScrollBar, [this](int Value) {
        if (!FSyncing)
            CallGuarded(this, [&] { SetTopRow(Value); });
    });
    SetBounds(0, 0, 121, 97);
}

TCustomTreeView::~TCustomTreeView()
{
    SetImages(nullptr);
    // Nodes go without telling anybody: the view itself is going.
    OnChange = {};
    OnDeletion = {};
    delete FEditor;
    FEditor = nullptr;
    FEditing = nullptr;
    FSelected = nullptr;
    FItems.reset();
}

void TCustomTreeView::SetSelected(TTreeNode* Value)
{
    if (Value == FSelected)
        return;
    if (FEditing && FEditing != Value)
        EndEditing(false);
    FSelected = Value;
    if (Value) {
        for (TTreeNode* p = Value->FParent; p; p = p->FParent)
            if (!p->FExpanded) {
                p->FExpanded = true;
                FRowsValid = false;
            }
        UpdateScrollRange();
        MakeVisible(Value);
    }
    Invalidate();
    if (OnChange)
        OnChange(this, Value);
}

void TCustomTreeView::SetIndent(int Value)
{
    FIndent = std::max(Value, 0);
    ShapeChanged();
}

void TCustomTreeView::SetShowButtons(bool Value)
{
    FShowButtons = Value;
    Invalidate();
}

void TCustomTreeView::SetShowLines(bool Value)
{
    FShowLines = Value;
    Invalidate();
}

void TCustomTreeView::SetShowRoot(bool Value)
{
    FShowRoot = Value;
    ShapeChanged();
}

void TCustomTreeView::SetHideSelection(bool Value)
{
    FHideSelection = Value;
    Invalidate();
}

void TCustomTreeView::SetSortType(TSortType Value)
{
    FSortType = Value;
    AlphaSort();
}

void TCustomTreeView::SetImages(TCustomImageList* Value)
{
    if (Value == FImages)
        return;
    if (FImages) {
        FImages->UnRegisterChanges(&FImagesLink);
        FImages->RemoveFreeNotification(this);
    }
    FImages = Value;
    if (FImages) {
        FImages->RegisterChanges(&FImagesLink);
        FImages->FreeNotification(this);
    }
    ShapeChanged();
}

void TCustomTreeView::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) {
        FImages = nullptr;
        ShapeChanged();
    }
}

void TCustomTreeView::FullExpand()
{
    for (TTreeNode* node = FItems->GetFirstNode(); node; node = node->GetNextSibling())
        node->Expand(true);
}

void TCustomTreeView::FullCollapse()
{
    for (TTreeNode* node = FItems->GetFirstNode(); node; node = node->GetNextSibling())
        node->Collapse(true);
}

void TCustomTreeView::Sort(std::vector<std::unique_ptr<TTreeNode>>& Nodes, bool Recurse)
{
    std::stable_sort(Nodes.begin(), Nodes.end(), [](const auto& A, const auto& B) {
        return A->FText.compare(B->FText, Qt::CaseInsensitive) < 0;
    });
    TTreeNodes::Renumber(Nodes, 0);
    if (Recurse)
        for (const auto& node : Nodes)
            Sort(node->FChildren, true);
}

void TCustomTreeView::SortSiblings(TTreeNode* Parent)
{
    if (FSortType == stText || FSortType == stBoth)
        Sort(FItems->SiblingsOf(Parent), false);
}

void TCustomTreeView::AlphaSort()
{
    if (FSortType == stText || FSortType == stBoth) {
        Sort(FItems->FRoots, true);
        ShapeChanged();
    }
}

void TCustomTreeView::NodeFreeing(TTreeNode* Node)
{
    for (const auto& child : Node->FChildren)
        NodeFreeing(child.get());
    if (FEditing == Node) {
        FEditing = nullptr;
        if (FEditor)
            FEditor->deleteLater();
        FEditor = nullptr;
    }
    if (OnDeletion)
        OnDeletion(this, Node);
    if (FSelected == Node) {
        FSelected = nullptr;
        if (OnChange)
            OnChange(this, nullptr);
    }
}

void TCustomTreeView::ShapeChanged()
{
    FRowsValid = false;
    if (FUpdateCount > 0)
        return;
    UpdateScrollRange();
    Invalidate();
}

const std::vector<TTreeNode*>& TCustomTreeView::Rows() const
{
    if (FRowsValid)
        return FRows;
    FRows.clear();
    auto add = [this](const std::vector<std::unique_ptr<TTreeNode>>& Nodes, auto& Self) -> void {
        for (const auto& node : Nodes) {
            FRows.push_back(node.get());
            if (node->FExpanded)
                Self(node->FChildren, Self);
        }
    };
    add(FItems->FRoots, add);
    FRowsValid = true;
    return FRows;
}

int TCustomTreeView::RowOf(const TTreeNode* Node) const
{
    const auto& rows = Rows();
    const auto it = std::find(rows.begin(), rows.end(), Node);
    return it == rows.end() ? -1 : int(it - rows.begin());
}

int TCustomTreeView::RowHeight() const
{
    const int text = const_cast<TCustomTreeView*>(this)->MeasureCanvas().TextHeight(QStringLiteral("Wg")) + 2;
    return std::max({text, FImages ? FImages->Height() + 1 : 0, ButtonSize + 2});
}

int TCustomTreeView::VisibleRowCount() const
{
    return std::max(1, ClientRect().Height() / RowHeight());
}

void TCustomTreeView::SetTopRow(int Value)
{
    Value = std::clamp(Value, 0, std::max(0, int(Rows().size()) - VisibleRowCount()));
    if (Value == FTopRow)
        return;
    FTopRow = Value;
    FSyncing = true;
    FScrollBar->setValue(Value);
    FSyncing = false;
    if (FEditing)
        EndEditing(false);
    Invalidate();
}

void TCustomTreeView::MakeVisible(const TTreeNode* Node)
{
    const int row = RowOf(Node);
    if (row < 0)
        return;
    if (row < FTopRow)
        SetTopRow(row);
    else if (row >= FTopRow + VisibleRowCount())
        SetTopRow(row - VisibleRowCount() + 1);
}

void TCustomTreeView::UpdateScrollRange()
{
    const int rows = int(Rows().size());
    const int b = BorderWidth();
    const int sw = GetSystemMetrics(SM_CXVSCROLL);
    const int whole = std::max(1, (Height() - 2 * b) / RowHeight());
    const bool wanted = rows > whole;
    if (wanted != FScrollShown) {
        FScrollShown = wanted;
        FScrollBar->setVisible(wanted);
    }
    FScrollBar->setGeometry(std::max(b, Width() - b - sw), b, sw, std::max(Height() - 2 * b, 0));
    const int maxTop = std::max(0, rows - VisibleRowCount());
    FTopRow = std::clamp(FTopRow, 0, maxTop);
    FSyncing = true;
    FScrollBar->setRange(0, maxTop);
    FScrollBar->setPageStep(VisibleRowCount());
    FScrollBar->setValue(FTopRow);
    FSyncing = false;
}

TRect TCustomTreeView::ClientRect() const
{
    TRect r = TWinControl::ClientRect();
    if (FScrollShown)
        r.Right = std::max(r.Left, r.Right - GetSystemMetrics(SM_CXVSCROLL));
    return r;
}

void TCustomTreeView::Resize()
{
    UpdateScrollRange();
    TWinControl::Resize();
}

int TCustomTreeView::LevelLeft(const TTreeNode* Node) const
{
    return (Node->Level() + (FShowRoot ? 1 : 0)) * FIndent;
}

int TCustomTreeView::TextLeft(const TTreeNode* Node) const
{
    return LevelLeft(Node) + (FImages ? FImages->Width() + 2 : 0) + 1;
}

TRect TCustomTreeView::TextRect(const TTreeNode* Node, int Row) const
{
    const int h = RowHeight();
    const int left = TextLeft(Node);
    const int width = const_cast<TCustomTreeView*>(this)->MeasureCanvas().TextWidth(Node->FText) + 4;
    return TRect{left, (Row - FTopRow) * h, left + width, (Row - FTopRow + 1) * h};
}

TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y) const
{
    const TRect client = ClientRect();
    if (X < client.Left || X >= client.Right || Y < 0 || Y >= client.Bottom)
        return nullptr;
    const int row = FTopRow + Y / RowHeight();
    const auto& rows = Rows();
    return row < int(rows.size()) ? rows[row] : nullptr;
}

void TCustomTreeView::PaintRow(TCanvas& C, TTreeNode* Node, int Row)
{
    const int h = RowHeight();
    const int top = (Row - FTopRow) * h;
    const int mid = top + h / 2;
    const int level = Node->Level();
    const bool hasButtonColumn = FShowRoot || level > 0;
    const int buttonX = LevelLeft(Node) - FIndent / 2;
    if (FShowLines && hasButtonColumn) {
        // Dotted, as the system draws them: every other pixel.
        auto dots = [&](int X1, int Y1, int X2, int Y2) {
            for (int x = X1; x <= X2; x += 2)
                for (int y = Y1; y <= Y2; y += 2)
                    C.SetPixels(x, y, clGrayText);
        };
        dots(buttonX, mid, LevelLeft(Node) - 1, mid);
        // The first node at the top has nothing above it to join.
        const int from = !Node->FParent && !Node->GetPrevSibling() ? mid : top + ((mid - top) % 2);
        dots(buttonX, from, buttonX, Node->GetNextSibling() ? top + h - 1 : mid);
        // The lines of the parents that go on below this row.
        for (const TTreeNode* p = Node->FParent; p; p = p->FParent)
            if (p->GetNextSibling() && (FShowRoot || p->Level() > 0)) {
                const int x = LevelLeft(p) - FIndent / 2;
                dots(x, top, x, top + h - 1);
            }
    }
    if (FShowButtons && hasButtonColumn && Node->HasChildren()) {
        const TRect box = Bounds(buttonX - ButtonSize / 2, mid - ButtonSize / 2, ButtonSize, ButtonSize);
        C.Brush()->SetStyle(bsSolid);
        C.Brush()->SetColor(Color());
        C.Pen()->SetStyle(psSolid);
        C.Pen()->SetColor(clGrayText);
        C.Rectangle(box.Left, box.Top, box.Right, box.Bottom);
        C.Pen()->SetColor(clWindowText);
        C.MoveTo(box.Left + 2, mid);
        C.LineTo(box.Right - 2, mid);
        if (!Node->FExpanded) {
            C.MoveTo(buttonX, box.Top + 2);
            C.LineTo(buttonX, box.Bottom - 2);
        }
    }
    const bool selected = Node == FSelected;
    if (FImages) {
        const int index = selected && Node->FSelectedIndex >= 0 ? Node->FSelectedIndex : Node->FImageIndex;
        FImages->Draw(C, LevelLeft(Node) + 1, top + (h - FImages->Height()) / 2, index, Enabled());
    }
    const TRect text = TextRect(Node, Row);
    const bool focused = Focused() || (FEditor && FEditor->hasFocus());
    C.SetFont(Font());
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(Color());
    if (selected && (focused || !FHideSelection)) {
        C.Brush()->SetColor(focused ? clHighlight : clBtnFace);
        if (focused)
            C.Font()->SetColor(clHighlightText);
    }
    C.FillRect(text);
    C.Brush()->SetStyle(bsClear);
    C.TextOut(text.Left + 2, text.Top + 1, Node->FText);
    if (selected && focused)
        C.DrawFocusRect(text);
}

void TCustomTreeView::Paint()
{
    TCanvas& c = *Canvas();
    const TRect client = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(client);
    const auto& rows = Rows();
    const int last = std::min(int(rows.size()), FTopRow + VisibleRowCount() + 1);
    for (int row = FTopRow; row < last; ++row)
        PaintRow(c, rows[row], row);
}

void TCustomTreeView::UserSelect(TTreeNode* Node)
{
    if (Node == FSelected)
        return;
    bool allow = true;
    if (OnChanging)
        OnChanging(this, Node, allow);
    if (allow)
        SetSelected(Node);
}

bool TCustomTreeView::ToggleExpanded(TTreeNode* Node)
{
    if (!Node || !Node->HasChildren())
        return false;
    Node->SetExpanded(!Node->FExpanded);
    return true;
}

void TCustomTreeView::EndEditing(bool Cancel)
{
    if (!FEditing || !FEditor)
        return;
    TTreeNode* node = FEditing;
    QString text = FEditor->text();
    // Gone before anybody hears of it: a handler may start another edit.
    QPointer<QLineEdit> editor = FEditor;
    FEditing = nullptr;
    FEditor = nullptr;
    editor->hide();
    editor->deleteLater();
    if (Widget()->isVisible())
        Widget()->setFocus();
    if (Cancel)
        return;
    // An exception from OnEdited refuses the text: the node keeps its own.
    if (OnEdited)
        OnEdited(this, node, text);
    node->SetText(text);
}

void TCustomTreeView::Dispatch(TMessage& Message)
{
    if (PressThenDrag(Message))
        return;
    switch (Message.Msg) {
    case CM_WANTSPECIALKEY:
        // Enter and Escape belong to the text being edited.
        if (FEditing) {
            Message.Result = 1;
            return;
        }
        break;
    case WM_MOUSEWHEEL: {
        const int delta = qint16(quint16((quint64(Message.WParam) >> 16) & 0xFFFF));
        int rows = delta / 120 * WheelRows;
        if (rows == 0 && delta)
            rows = delta > 0 ? 1 : -1;
        SetTopRow(FTopRow - rows);
        Message.Result = 1;
        return;
    }
    default:
        break;
    }
    TWinControl::Dispatch(Message);
}

void TCustomTreeView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!IsDesigning()) {
        if (FEditing)
            EndEditing(false);
        TTreeNode* node = GetNodeAt(X, Y);
        if (Button == mbLeft) {
            if (CanFocus() && !Focused())
                SetFocus();
            const bool onButton = node && FShowButtons && (FShowRoot || node->Level() > 0) &&
                                  std::abs(X - (LevelLeft(node) - FIndent / 2)) <= ButtonSize / 2 + 1;
            if (onButton && !Shift.Contains(ssDouble)) {
                ToggleExpanded(node);
            } else if (node && !Shift.Contains(ssDouble)) {
                const bool again = node == FSelected;
                UserSelect(node);
                const TRect text = node->DisplayRect(true);
                // A second click on the selected text edits it, unless it
                // turns out to be a double click.
                if (again && !FReadOnly && X >= text.Left && X < text.Right) {
                    FEditPending = true;
                    QPointer<QWidget> w = Widget();
                    QTimer::singleShot(QApplication::doubleClickInterval(), Widget(), [this, node, w] {
                        if (!w || !FEditPending)
                            return;
                        FEditPending = false;
                        if (node == FSelected)
                            CallGuarded(this, [node] { node->EditText(); });
                    });
                }
            }
        } else if (Button == mbRight && FRightClickSelect && node) {
            UserSelect(node);
        }
    }
    TWinControl::MouseDown(Button, Shift, X, Y);
}

void TCustomTreeView::DblClick()
{
    FEditPending = false;
    // The system's own answer to a double click: the node opens or closes.
    const TPoint at = ScreenToClient(GetCursorPos());
    if (TTreeNode* node = GetNodeAt(at.X, at.Y))
        ToggleExpanded(node);
    TWinControl::DblClick();
}

void TCustomTreeView::KeyDown(unsigned& Key, TShiftState Shift)
{
    TWinControl::KeyDown(Key, Shift);
    const auto& rows = Rows();
    if (rows.empty() || Key == 0)
        return;
    const int page = VisibleRowCount();
    const int at = FSelected ? RowOf(FSelected) : -1;
    TTreeNode* target = nullptr;
    switch (Key) {
    case VK_UP: target = rows[std::max(at - 1, 0)]; break;
    case VK_DOWN: target = rows[std::clamp(at + 1, 0, int(rows.size()) - 1)]; break;
    case VK_PRIOR: target = rows[std::max(at - page + 1, 0)]; break;
    case VK_NEXT: target = rows[std::clamp(at + page - 1, 0, int(rows.size()) - 1)]; break;
    case VK_HOME: target = rows.front(); break;
    case VK_END: target = rows.back(); break;
    case VK_LEFT:
        if (FSelected && FSelected->FExpanded)
            FSelected->SetExpanded(false);
        else if (FSelected)
            target = FSelected->FParent;
        break;
    case VK_RIGHT:
        if (FSelected && FSelected->HasChildren() && !FSelected->FExpanded)
            FSelected->SetExpanded(true);
        else if (FSelected)
            target = FSelected->GetFirstChild();
        break;
    default: return;
    }
    Key = 0;
    if (target)
        UserSelect(target);
}

namespace {
const bool TreeViewRegistered = (RegisterClass(TTreeView::StaticClass()), true);
}

} // namespace classlib
