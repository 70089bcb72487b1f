// The report manager's commands: pages, shortcuts and groups, the
// clipboard, renaming and moving entries, and the views.

#include "designer/manager/reportmanager.h"

#include "designer/document/document.h"
#include "designer/controls/itemselector.h"
#include "designer/mainwindow/mainglyphs.h"
#include "designer/manager/ordertreeview.h"
#include "designer/document/designinstances.h"
#include "designer/preview/previewwindow.h"
#include "designer/controls/statusbars.h"

#include "designer-framework/inspectorwindow.h"

#include "runtime/reporterror.h"

#include "classlib/controls/application.h"
#include "classlib/controls/dialogs.h"
#include "classlib/controls/imagelist.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/sizeconstraints.h"
#include "classlib/controls/splitter.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/toolbar.h"
#include "classlib/controls/treeview.h"
#include "classlib/core/codepage.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/drawtext.h"
#include "classlib/graphics/gdiconsts.h"
#include "classlib/system/clipboard.h"

namespace designer {

using namespace classlib;

namespace {

constexpr int AnsiCodePage = 1252;

const QString NewPageLine = QStringLiteral("p  -1");
const QString NewGroupLine = QStringLiteral("g  -1");

QString ClipboardText()
{
    return DecodeCodePage(Clipboard().AsText(), AnsiCodePage);
}

void SetClipboardText(const QString& Text)
{
    Clipboard().SetAsText(EncodeCodePage(Text, AnsiCodePage));
}

} // namespace

// ---------------------------------------------------------------------------
// The view

void TfrmPages::FormShow(TObject*)
{
    RefreshView();
}

void TfrmPages::FormClose(TObject*, TCloseAction& Action)
{
    Action = caHide;
}

void TfrmPages::RefreshView()
{
    if (!Visible() || !Document) return;
    islPages->SetItemCount(Document->GetPageCount());
    islPages->SetItemIndex(Document->CurrentPage());
    islPages->InvalidateItem(Document->CurrentPage());
    // A caption reads its number and its page's name: after a page went,
    // came or was renamed, every item whose page is not the one it showed
    // is drawn again.
    QStringList names;
    for (int i = 0; i < Document->GetPageCount(); ++i) {
        names << Document->GetPageName(i);
        if (i >= FShownNames.size() || FShownNames[i] != names.back()) islPages->InvalidateItem(i);
    }
    FShownNames = names;
    tvwPages->FullExpand();
    UpdateCommands();
}

void TfrmPages::LoadPageOrder(const QString& Text)
{
    tvwPages->Items()->BeginUpdate();
    tvwPages->Items()->Clear();
    FOrder.Clear();
    const TOrderReading reading = FOrder.ParseOrderText(nullptr, Text, TOverLimit::Stop);
    ShowOrderNodes(*tvwPages, nullptr, reading.Added);
    tvwPages->FullExpand();
    tvwPages->Items()->EndUpdate();
    FUnreadLines = reading.Unread;
    if (FUnreadLines == 0) {
        FToldOrder.clear();
    } else if (Text != FToldOrder) {
        // Once per order: the document reloads the tree on every change.
        FToldOrder = Text;
        MessageDlg(Format("Print Order has %d lines that cannot be read. They are kept until the Print Order is "
                          "changed.",
                          {FUnreadLines}),
                   mtWarning, TMsgDlgButtons{mbOK});
    }
}

void TfrmPages::StorePageOrder()
{
    if (!Document) return;
    Document->SetPageOrder(FOrder.TreeToOrderText());
    Document->SetModified(true);
    FUnreadLines = 0;
}

bool TfrmPages::ConfirmOrderEdit()
{
    if (FUnreadLines == 0 || !Document) return true;
    if (MessageDlg(Format("Changing the Print Order drops %d lines that cannot be read. Continue?", {FUnreadLines}),
                   mtConfirmation, TMsgDlgButtons{mbYes, mbNo}) != mrYes)
        return false;
    StorePageOrder();
    return true;
}

void TfrmPages::InsertOrderText(const QString& Text)
{
    TOrderNode* parent = TOrderTree::PlacementParent(OrderNodeOf(FOrder, tvwPages->Selected()));
    TTreeNode* shownParent = TreeNodeOf(*tvwPages, parent);
    const TOrderReading reading = FOrder.ParseOrderText(parent, Text, TOverLimit::Refuse);
    tvwPages->Items()->BeginUpdate();
    ShowOrderNodes(*tvwPages, shownParent, reading.Added);
    tvwPages->FullExpand();
    tvwPages->Items()->EndUpdate();
}

void TfrmPages::DeleteSelectedEntry()
{
    TTreeNode* selected = tvwPages->Selected();
    FOrder.Delete(OrderNodeOf(FOrder, selected));
    selected->Delete();
}

void TfrmPages::SetDesignProportions(int Width, int Height)
{
    if (Width <= 0 || Height <= 0) return;
    const double factor = Height < Width ? 100.0 / Width : 100.0 / Height;
    islPages->SetValue(2, int(Width * factor));
    islPages->SetValue(3, int(Height * factor));
}

bool TfrmPages::GetStayOnTop() const
{
    return pmiStayOnTop->Checked();
}

void TfrmPages::SetStayOnTop(bool Value)
{
    if (Value != GetStayOnTop()) pmiStayOnTopClick(pmiStayOnTop);
}

bool TfrmPages::GetGroupPaneVisible() const
{
    return pnlLeft->Visible();
}

void TfrmPages::SetGroupPaneVisible(bool Value)
{
    splPages->SetVisible(Value);
    pnlLeft->SetVisible(Value);
    // The splitter goes back beside the pane it sizes.
    if (Value) splPages->SetLeft(pnlLeft->Left() + pnlLeft->Width());
    FollowGroupPane();
}

void TfrmPages::FollowGroupPane()
{
    Constraints()->SetMinWidth(pnlLeft->Width() + 110);
    Constraints()->SetMinHeight(200);
}

void TfrmPages::UpdateCommands()
{
    const bool design = islPages->ItemIndex() >= 0;
    for (TMenuItem* item : {pmiDelete, pmiEdit}) item->SetEnabled(design);
    for (TToolButton* button : {tbnDeletePage, tbnEditPage}) button->SetEnabled(design);
    for (TMenuItem* item : {mmiToolbar, pmiToolbar}) item->SetChecked(tbrPages->Visible());
    for (TMenuItem* item : {mmiStatusBar, pmiStatusBar}) item->SetChecked(sbrBottom->Visible());
    for (TMenuItem* item : {mmiGroups, pmiGroups}) item->SetChecked(pnlLeft->Visible());
    sbrBottom->Panels()->Items(1)->SetText(QString::number(Document ? Document->GetPageCount() : 0));
}

bool TfrmPages::TreeActive() const
{
    return ActiveControl() == tvwPages;
}

void TfrmPages::EditSelectedDesign()
{
    const int index = islPages->ItemIndex();
    if (index < 0 || !Document) return;
    Document->SetCurrentPage(index);
    if (TForm* main = Application()->MainForm()) main->SetFocus();
}

void TfrmPages::DeletePage(int Index)
{
    if (!Document || Index < 0 || Index >= Document->GetPageCount()) return;
    if (MessageDlg(Format("Are you sure you want to delete page %s?", {Document->GetPageName(Index)}),
                   mtConfirmation, TMsgDlgButtons{mbYes, mbNo}) != mrYes)
        return;
    Document->DeletePage(Index);
    RefreshView();
}

// ---------------------------------------------------------------------------
// Menus

void TfrmPages::mmiPageClick(TObject*)
{
    TTreeNode* selected = tvwPages->Selected();
    mmiRename->SetEnabled(TreeActive() && !tvwPages->IsEditing() && selected && !IsPageEntry(selected));
    for (TMenuItem* item : {mmiNewShortcut, mmiNewGroup}) item->SetEnabled(GetGroupPaneVisible());
}

void TfrmPages::mnuNewPopup(TObject*)
{
    for (TMenuItem* item : {pmiNShortcut, pmiNGroup}) item->SetEnabled(GetGroupPaneVisible());
}

void TfrmPages::mmiViewClick(TObject*)
{
    UpdateCommands();
}

void TfrmPages::mnuOrderPopup(TObject*)
{
    // The right press has selected the node under the mouse.
    TTreeNode* selected = tvwPages->Selected();
    pmiLRename->SetEnabled(selected && !IsPageEntry(selected));
    pmiLProperties->SetEnabled(selected && IsPageEntry(selected));
}

void TfrmPages::FillShortcutMenu(TMenuItem* Menu)
{
    Application()->SetHint(QString());
    while (Menu->Count() > 0 && !Menu->Items(0)->Caption().isEmpty()) Menu->Delete(0);
    if (!Document) return;
    for (int i = 0; i < Document->GetPageCount(); ++i) {
        auto* item = new TMenuItem(this);
        item->SetCaption(Document->GetPageName(i));
        item->SetTag(i);
        item->SetHint(QStringLiteral("Inserts shortcut to this page into the Print Order"));
        item->OnClick = Handler(u"ShortcutItemClick");
        Menu->Insert(i, item);
    }
}

// ---------------------------------------------------------------------------
// Pages, shortcuts and groups

void TfrmPages::mmiNewPageClick(TObject*)
{
    if (!Document || !ConfirmOrderEdit()) return;
    // Refused before the page exists: no design without its entry.
    FOrder.CheckRoom(1);
    const int index = Document->AddPage();
    InsertOrderText(NewPageLine + Document->GetPageName(index));
    StorePageOrder();
    RefreshView();
    islPages->SetItemIndex(index);
}

void TfrmPages::mmiNewShortcutClick(TObject* Sender)
{
    if (auto* item = dynamic_cast<TMenuItem*>(Sender)) FillShortcutMenu(item);
}

void TfrmPages::ShortcutItemClick(TObject* Sender)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!item || !ConfirmOrderEdit()) return;
    InsertOrderText(NewPageLine + item->Caption());
    StorePageOrder();
}

void TfrmPages::mmiNewGroupClick(TObject*)
{
    if (!ConfirmOrderEdit()) return;
    InsertOrderText(NewGroupLine + FOrder.NewGroupName());
    StorePageOrder();
}

void TfrmPages::mmiDeleteClick(TObject* Sender)
{
    if (TreeActive())
        pmiLDeleteClick(Sender);
    else if (islPages->ItemIndex() >= 0)
        DeletePage(islPages->ItemIndex());
}

void TfrmPages::pmiDeleteClick(TObject*)
{
    if (islPages->ItemIndex() >= 0) DeletePage(islPages->ItemIndex());
}

void TfrmPages::pmiLDeleteClick(TObject*)
{
    if (!tvwPages->Selected() || !ConfirmOrderEdit()) return;
    DeleteSelectedEntry();
    StorePageOrder();
}

void TfrmPages::mmiRenameClick(TObject*)
{
    TTreeNode* selected = tvwPages->Selected();
    if (!tvwPages->IsEditing() && selected && !IsPageEntry(selected)) selected->EditText();
}

void TfrmPages::mmiPropertiesClick(TObject*)
{
    if (!TreeActive()) {
        EditSelectedDesign();
        return;
    }
    TTreeNode* selected = tvwPages->Selected();
    if (!selected || !IsPageEntry(selected) || !Document) return;
    for (int i = 0; i < Document->GetPageCount(); ++i)
        if (Document->GetPageName(i) == selected->Text()) {
            Document->SetCurrentPage(i);
            if (TForm* main = Application()->MainForm()) main->SetFocus();
            return;
        }
}

void TfrmPages::pmiEditClick(TObject*)
{
    EditSelectedDesign();
}

// ---------------------------------------------------------------------------
// Clipboard

void TfrmPages::mmiCutClick(TObject* Sender)
{
    if (!TreeActive()) return;
    pmiCutClick(Sender);
}

void TfrmPages::mmiCopyClick(TObject* Sender)
{
    if (TreeActive()) pmiCopyClick(Sender);
}

void TfrmPages::mmiPasteClick(TObject* Sender)
{
    if (TreeActive()) pmiPasteClick(Sender);
}

void TfrmPages::pmiCutClick(TObject*)
{
    TTreeNode* selected = tvwPages->Selected();
    if (!selected || !ConfirmOrderEdit()) return;
    SetClipboardText(TOrderTree::NodeToOrderText(OrderNodeOf(FOrder, selected), -1, 0));
    DeleteSelectedEntry();
    StorePageOrder();
}

void TfrmPages::pmiCopyClick(TObject*)
{
    if (TTreeNode* selected = tvwPages->Selected())
        SetClipboardText(TOrderTree::NodeToOrderText(OrderNodeOf(FOrder, selected), -1, 0));
}

void TfrmPages::pmiPasteClick(TObject*)
{
    if (!ConfirmOrderEdit()) return;
    InsertOrderText(ClipboardText());
    StorePageOrder();
}

// ---------------------------------------------------------------------------
// Preview and views

void TfrmPages::mmiPreviewClick(TObject*)
{
    if (!Preview) return;
    Preview->Show();
    if (Preview->WindowState() == wsMinimized) Preview->SetWindowState(wsNormal);
    Preview->RefreshPreview();
}

void TfrmPages::mmiGroupsClick(TObject*)
{
    SetGroupPaneVisible(!GetGroupPaneVisible());
    UpdateCommands();
}

void TfrmPages::mmiToolbarClick(TObject*)
{
    tbrPages->SetVisible(!tbrPages->Visible());
    UpdateCommands();
}

void TfrmPages::mmiStatusBarClick(TObject*)
{
    sbrBottom->SetVisible(!sbrBottom->Visible());
    UpdateCommands();
}

void TfrmPages::pmiStayOnTopClick(TObject*)
{
    pmiStayOnTop->SetChecked(!pmiStayOnTop->Checked());
    designer_framework::ShowToolWindow(this, pmiStayOnTop->Checked());
}

void TfrmPages::pmiHideClick(TObject*)
{
    Close();
}

// ---------------------------------------------------------------------------
// The tree

void TfrmPages::tvwPagesMouseDown(TObject*, TMouseButton Button, TShiftState, int X, int Y)
{
    if (Button == mbLeft && !tvwPages->GetNodeAt(X, Y)) tvwPages->SetSelected(nullptr);
}

void TfrmPages::tvwPagesKeyDown(TObject* Sender, unsigned& Key, TShiftState)
{
    if (Key == VK_F2) mmiRenameClick(Sender);
}

void TfrmPages::tvwPagesDblClick(TObject* Sender)
{
    mmiPropertiesClick(Sender);
}

void TfrmPages::tvwPagesCollapsing(TObject*, TTreeNode*, bool& AllowCollapse)
{
    AllowCollapse = false;
}

void TfrmPages::tvwPagesEditing(TObject*, TTreeNode* Node, bool& AllowEdit)
{
    AllowEdit = Node && !IsPageEntry(Node);
}

void TfrmPages::tvwPagesEdited(TObject*, TTreeNode* Node, QString& S)
{
    // A name no line could carry back (none, or a line break) keeps the old
    // one; so does an edit the user does not let replace the stored order.
    TOrderNode* group = OrderNodeOf(FOrder, Node);
    const QString name = TOrderTree::ReadableName(S);
    S = Node->Text();
    if (!group || name.isEmpty() || name == group->Name()) return;
    if (!FOrder.IsGroupNameFree(name, group))
        throw runtime::EQXError(Format("Group named %s already exists!", {name}));
    if (!ConfirmOrderEdit()) return;
    S = FOrder.Rename(group, name);
    Node->SetText(S);
    StorePageOrder();
}

void TfrmPages::tvwPagesDragOver(TObject*, TObject* Source, int, int, TDragState, bool& Accept)
{
    Accept = Source == tvwPages;
}

void TfrmPages::tvwPagesDragDrop(TObject*, TObject*, int X, int Y)
{
    TTreeNode* moved = tvwPages->Selected();
    if (!moved) return;
    TTreeNode* target = tvwPages->GetNodeAt(X, Y);
    // Onto itself or into its own subtree the order stays as it is.
    if (target && (target == moved || target->HasAsParent(moved))) return;
    if (!ConfirmOrderEdit()) return;
    TOrderNode* node = OrderNodeOf(FOrder, moved);
    TOrderNode* parent = TOrderTree::PlacementParent(OrderNodeOf(FOrder, target));
    TTreeNode* shownParent = TreeNodeOf(*tvwPages, parent);
    // Too deep a nesting is refused before anything moves.
    FOrder.Move(node, parent);
    tvwPages->Items()->BeginUpdate();
    moved->Delete();
    ShowOrderNodes(*tvwPages, shownParent, {node});
    tvwPages->FullExpand();
    tvwPages->Items()->EndUpdate();
    StorePageOrder();
}

// ---------------------------------------------------------------------------
// The designs

void TfrmPages::islPagesChange(TObject*)
{
    UpdateCommands();
}

void TfrmPages::islPagesDblClick(TObject*)
{
    EditSelectedDesign();
}

void TfrmPages::islPagesDrawItem(TObject*, int, TCanvas* Canvas, TRect R, bool Selected)
{
    const TRect page{R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2};
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetColor(clWindowText);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clWhite);
    Canvas->Rectangle(page.Left, page.Top, page.Right, page.Bottom);
    Canvas->DC().ExcludeClipRect(page);
    Canvas->Brush()->SetColor(Selected ? clHighlight : clWindow);
    Canvas->FillRect(R);
}

void TfrmPages::islPagesDrawCaption(TObject*, int Item, TCanvas* Canvas, TRect R, bool)
{
    const QString name = Document && Item < Document->GetPageCount() ? Document->GetPageName(Item) : QString();
    QString text = QStringLiteral("%1. %2").arg(Item + 1).arg(name);
    Canvas->FillRect(R);
    R.Left += 1;
    R.Top += 1;
    // Too long: cut, with an ellipsis at the end.
    if (Canvas->TextWidth(text) > R.Width()) {
        const QString dots = QStringLiteral("...");
        while (!text.isEmpty() && Canvas->TextWidth(text + dots) > R.Width()) text.chop(1);
        text += dots;
    }
    Canvas->Brush()->SetStyle(bsClear);
    DrawText(*Canvas, text, R, DT_SINGLELINE | DT_NOPREFIX);
}

void TfrmPages::splPagesMoved(TObject*)
{
    FollowGroupPane();
}

void TfrmPages::sbrBottomResize(TObject* Sender)
{
    // Also while the bar is being placed, before the form holds it.
    if (auto* bar = dynamic_cast<TStatusBar*>(Sender)) GiveFirstPanelTheRest(bar);
}

void TfrmPages::sbrBottomDrawPanel(TStatusBar* StatusBar, TStatusPanel* Panel, TRect Rect)
{
    TCanvas& c = *StatusBar->Canvas();
    // The centre rounds toward zero.
    imlPages->Draw(c, Rect.Left, (Rect.Top + Rect.Bottom) / 2 - 8, mgPageCount);
    c.Brush()->SetStyle(bsClear);
    c.TextOut(Rect.Left + 14, Rect.Top + 1, Panel->Text());
}

} // namespace designer
