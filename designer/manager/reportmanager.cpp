// The report manager's window as it is stored: the tool bar, the two panes
// with their headers and the splitter, the status bar, the menus.

#include "designer/manager/reportmanager.h"

#include "designer/controls/statusbars.h"
#include "designer/controls/itemselector.h"
#include "designer/mainwindow/mainglyphs.h"
#include "designer/controls/menutable.h"

#include "classlib/controls/bevel.h"
#include "classlib/controls/imagelist.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/splitter.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/toolbar.h"
#include "classlib/controls/treeview.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/bitmap.h"

namespace designer {

using namespace classlib;

namespace {


} // namespace

const TClassInfo& TfrmPages::StaticClass()
{
    using F = TfrmPages;
    static const TClassInfo& info = TClassBuilder<TfrmPages>("TfrmPages")
                                        .Method("FormShow", &F::FormShow)
                                        .Method("FormClose", &F::FormClose)
                                        .Method("mmiPageClick", &F::mmiPageClick)
                                        .Method("mnuNewPopup", &F::mnuNewPopup)
                                        .Method("mmiNewPageClick", &F::mmiNewPageClick)
                                        .Method("mmiNewShortcutClick", &F::mmiNewShortcutClick)
                                        .Method("ShortcutItemClick", &F::ShortcutItemClick)
                                        .Method("mmiNewGroupClick", &F::mmiNewGroupClick)
                                        .Method("mmiDeleteClick", &F::mmiDeleteClick)
                                        .Method("pmiDeleteClick", &F::pmiDeleteClick)
                                        .Method("pmiLDeleteClick", &F::pmiLDeleteClick)
                                        .Method("mmiRenameClick", &F::mmiRenameClick)
                                        .Method("mmiPropertiesClick", &F::mmiPropertiesClick)
                                        .Method("pmiEditClick", &F::pmiEditClick)
                                        .Method("mmiCutClick", &F::mmiCutClick)
                                        .Method("mmiCopyClick", &F::mmiCopyClick)
                                        .Method("mmiPasteClick", &F::mmiPasteClick)
                                        .Method("pmiCutClick", &F::pmiCutClick)
                                        .Method("pmiCopyClick", &F::pmiCopyClick)
                                        .Method("pmiPasteClick", &F::pmiPasteClick)
                                        .Method("mmiPreviewClick", &F::mmiPreviewClick)
                                        .Method("mmiViewClick", &F::mmiViewClick)
                                        .Method("mmiGroupsClick", &F::mmiGroupsClick)
                                        .Method("mmiToolbarClick", &F::mmiToolbarClick)
                                        .Method("mmiStatusBarClick", &F::mmiStatusBarClick)
                                        .Method("pmiStayOnTopClick", &F::pmiStayOnTopClick)
                                        .Method("pmiHideClick", &F::pmiHideClick)
                                        .Method("mnuOrderPopup", &F::mnuOrderPopup)
                                        .Method("tvwPagesMouseDown", &F::tvwPagesMouseDown)
                                        .Method("tvwPagesKeyDown", &F::tvwPagesKeyDown)
                                        .Method("tvwPagesDblClick", &F::tvwPagesDblClick)
                                        .Method("tvwPagesCollapsing", &F::tvwPagesCollapsing)
                                        .Method("tvwPagesEditing", &F::tvwPagesEditing)
                                        .Method("tvwPagesEdited", &F::tvwPagesEdited)
                                        .Method("tvwPagesDragOver", &F::tvwPagesDragOver)
                                        .Method("tvwPagesDragDrop", &F::tvwPagesDragDrop)
                                        .Method("islPagesChange", &F::islPagesChange)
                                        .Method("islPagesDblClick", &F::islPagesDblClick)
                                        .Method("islPagesDrawItem", &F::islPagesDrawItem)
                                        .Method("islPagesDrawCaption", &F::islPagesDrawCaption)
                                        .Method("splPagesMoved", &F::splPagesMoved)
                                        .Method("sbrBottomResize", &F::sbrBottomResize)
                                        .Method("sbrBottomDrawPanel", &F::sbrBottomDrawPanel)
                                        .Build();
    return info;
}

TMethod TfrmPages::Handler(const char16_t* Name)
{
    return TMethod{StaticClass().FindMethod(Name), this};
}

TfrmPages::TfrmPages(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("frmPages"));
    SetCaption(QStringLiteral("Report Manager"));
    SetBorderStyle(bsSizeToolWin);
    SetBorderIcons({biSystemMenu, biMinimize});
    SetHelpContext(100);
    // 453 x 351 inside the frame.
    SetBounds(Left(), Top(), 453 + Width() - ClientWidth(), 351 + Height() - ClientHeight());
    CreateMenus();
    CreateBars();
    CreatePanes();
    FollowGroupPane();
    OnShow = Handler(u"FormShow");
    OnClose = Handler(u"FormClose");
    FitStatusBar(sbrBottom);
}

TfrmPages::~TfrmPages()
{
    DoDestroy();
}

void TfrmPages::CreateMenus()
{
    const auto handler = [this](const char16_t* Name) { return Handler(Name); };
    using F = TfrmPages;
    const char* const newHint = "Creates a new empty report Page, Page Shortcut or Page Group";
    const char* const pageHint = "Creates a new empty report Page";
    const char* const shortcutHint = "Creates Shortut to the existing Page";
    const char* const groupHint = "Creates a new empty Page Group";
    const char* const cutHint = "Cuts the selection and puts it on the Clipboard";
    const char* const copyHint = "Copies the selection and puts it on the Clipboard";
    const char* const pasteHint = "Inserts the Clipboard contents at the list";
    const char* const propertiesHint = "Opens selected Page in the Editor window";
    const char* const groupsHint = "Shows or hides the group pane";
    const char* const toolbarHint = "Shows or hides the toolbar";

    mnuPages = new TMainMenu(this);
    mnuPages->SetName(QStringLiteral("mnuPages"));
    auto top = [&](TMenuItem* F::*Field, const char* Name, const char* Caption) {
        auto* item = new TMenuItem(this);
        item->SetName(QString::fromLatin1(Name));
        item->SetCaption(QString::fromLatin1(Caption));
        this->*Field = item;
        mnuPages->Add(item);
        return item;
    };
    top(&F::mmiPage, "mmiPage", "&Page")->OnClick = Handler(u"mmiPageClick");
    AddMenuItems<TfrmPages>(this, mmiPage,
             {{"mmiNew", &F::mmiNew, "&New", "", 0, newHint},
              {"mmiDelete", &F::mmiDelete, "&Delete", "", 0, "Removes current selection", u"mmiDeleteClick"},
              {"mmiRename", &F::mmiRename, "Rena&me", "", 0, "Allows Group to be renamed", u"mmiRenameClick"},
              {"mmiProperties", &F::mmiProperties, "P&roperties", "", 0, propertiesHint, u"mmiPropertiesClick"},
              {"", nullptr, "-"},
              {"mmiPreview", &F::mmiPreview, "Pre&view", "F5", 0, "Displays full page as it will be printed", u"mmiPreviewClick"},
              {"", nullptr, "-"},
              {"mmiClose", &F::mmiClose, "Close", "Alt+F4", 0, "Closes this window"}},
             handler);
    AddMenuItems<TfrmPages>(this, mmiNew,
             {{"mmiNewPage", &F::mmiNewPage, "&Page", "", 0, pageHint, u"mmiNewPageClick"},
              {"", nullptr, "-"},
              {"mmiNewShortcut", &F::mmiNewShortcut, "Page &Shortcut", "", 0, shortcutHint, u"mmiNewShortcutClick"},
              {"mmiNewGroup", &F::mmiNewGroup, "&Group", "", 0, groupHint, u"mmiNewGroupClick"}},
             handler);
    AddMenuItems<TfrmPages>(this, mmiNewShortcut, {{"mmiPageBottom1", &F::mmiPageBottom1, ""}}, handler);
    top(&F::mmiEdit, "mmiEdit", "&Edit");
    AddMenuItems<TfrmPages>(this, mmiEdit,
             {{"mmiCut", &F::mmiCut, "Cu&t", "Ctrl+X", 0, cutHint, u"mmiCutClick"},
              {"mmiCopy", &F::mmiCopy, "&Copy", "Ctrl+C", 0, copyHint, u"mmiCopyClick"},
              {"mmiPaste", &F::mmiPaste, "&Paste", "Ctrl+V", 0, pasteHint, u"mmiPasteClick"}},
             handler);
    top(&F::mmiView, "mmiView", "&View")->OnClick = Handler(u"mmiViewClick");
    AddMenuItems<TfrmPages>(this, mmiView,
             {{"mmiThumbnails", &F::mmiThumbnails, "Thumbnail Pages", "", 0, "Toggles thumbnail pages view"},
              {"", nullptr, "-"},
              {"mmiGroups", &F::mmiGroups, "Group Pane", "", 0, groupsHint, u"mmiGroupsClick"},
              {"mmiToolbar", &F::mmiToolbar, "Toolbar", "", 0, toolbarHint, u"mmiToolbarClick"},
              {"mmiStatusBar", &F::mmiStatusBar, "Status Bar", "", 0, "Show or hides the status bar", u"mmiStatusBarClick"}},
             handler);
    mmiThumbnails->SetEnabled(false);
    for (TMenuItem* item : {mmiPageBottom1}) item->SetVisible(false);
    SetMenu(mnuPages);

    auto popup = [this](TPopupMenu* F::*Field, const char* Name) {
        auto* menu = new TPopupMenu(this);
        menu->SetName(QString::fromLatin1(Name));
        this->*Field = menu;
        return menu;
    };
    popup(&F::mnuOrder, "mnuOrder")->OnPopup = Handler(u"mnuOrderPopup");
    AddMenuItems<TfrmPages>(this, mnuOrder->Root(),
             {{"pmiLNewShortcut", &F::pmiLNewShortcut, "New Page Shortcut", "", 0, shortcutHint, u"mmiNewShortcutClick"},
              {"pmiLNewGroup", &F::pmiLNewGroup, "New Group", "", 0, groupHint, u"mmiNewGroupClick"},
              {"", nullptr, "-"},
              {"pmiLProperties", &F::pmiLProperties, "Properties", "", 0, propertiesHint, u"mmiPropertiesClick"},
              {"", nullptr, "-"},
              {"pmiLCut", &F::pmiLCut, "Cut", "", 0, cutHint, u"pmiCutClick"},
              {"pmiLCopy", &F::pmiLCopy, "Copy", "", 0, copyHint, u"pmiCopyClick"},
              {"pmiLPaste", &F::pmiLPaste, "Paste", "", 0, pasteHint, u"pmiPasteClick"},
              {"pmiLDelete", &F::pmiLDelete, "Delete", "", 0, "Deletes the selection from list", u"pmiLDeleteClick"},
              {"", nullptr, "-"},
              {"pmiLRename", &F::pmiLRename, "Rename", "", 0, "Allows Group to be renamed", u"mmiRenameClick"}},
             handler);
    AddMenuItems<TfrmPages>(this, pmiLNewShortcut, {{"mmiPageBottom2", &F::mmiPageBottom2, ""}}, handler);
    pmiLProperties->SetDefault(true);

    popup(&F::ppmInsp, "ppmInsp");
    AddMenuItems<TfrmPages>(this, ppmInsp->Root(),
             {{"pmiNewPage", &F::pmiNewPage, "New Page", "Ins", 0, "Creates a new empty report page", u"mmiNewPageClick"},
              {"pmiDelete", &F::pmiDelete, "Delete Page", "Del", 0, "Removes the page from report", u"pmiDeleteClick"},
              {"pmiEdit", &F::pmiEdit, "Page Properties", "Enter", 0, "Opens the page in editor window", u"pmiEditClick"}},
             handler);
    pmiEdit->SetDefault(true);

    popup(&F::mnuNew, "mnuNew")->OnPopup = Handler(u"mnuNewPopup");
    AddMenuItems<TfrmPages>(this, mnuNew->Root(),
             {{"pmiNPage", &F::pmiNPage, "Page", "", 0, pageHint, u"mmiNewPageClick"},
              {"", nullptr, "-"},
              {"pmiNShortcut", &F::pmiNShortcut, "Page Shortcut", "", 0, shortcutHint, u"mmiNewShortcutClick"},
              {"pmiNGroup", &F::pmiNGroup, "Group", "", 0, groupHint, u"mmiNewGroupClick"}},
             handler);
    AddMenuItems<TfrmPages>(this, pmiNShortcut, {{"mmiPageBottom3", &F::mmiPageBottom3, ""}}, handler);
    pmiNPage->SetDefault(true);
    for (TMenuItem* item : {mmiPageBottom2, mmiPageBottom3}) item->SetVisible(false);

    popup(&F::mnuToolbars, "mnuToolbars")->OnPopup = Handler(u"mmiViewClick");
    AddMenuItems<TfrmPages>(this, mnuToolbars->Root(),
             {{"pmiGroups", &F::pmiGroups, "Group Pane", "", 0, groupsHint, u"mmiGroupsClick"},
              {"pmiToolbar", &F::pmiToolbar, "Toolbar", "", 0, toolbarHint, u"mmiToolbarClick"},
              {"pmiStatusBar", &F::pmiStatusBar, "Status Bar", "", 0, "Shows or hides the status bar", u"mmiStatusBarClick"},
              {"", nullptr, "-"},
              {"pmiStayOnTop", &F::pmiStayOnTop, "&Stay on top", "", 0, "Toggles \"Always on top\" window mode", u"pmiStayOnTopClick"},
              {"pmiHide", &F::pmiHide, "Hide", "", 0, "Closes this window", u"pmiHideClick"}},
             handler);
    SetPopupMenu(mnuToolbars);
}

void TfrmPages::CreateBars()
{
    imlPages = new TImageList(this);
    imlPages->SetName(QStringLiteral("imlPages"));
    imlPages->SetWidth(ToolGlyphSize);
    imlPages->SetHeight(ToolGlyphSize);
    imlPages->AddMasked(ManagerGlyphs().get(), clFuchsia);
    imlGroup = new TImageList(this);
    imlGroup->SetName(QStringLiteral("imlGroup"));
    imlGroup->SetWidth(ToolGlyphSize);
    imlGroup->SetHeight(ToolGlyphSize);
    imlGroup->AddMasked(OrderGlyphs().get(), clFuchsia);

    sbrBottom = MakeStatusBar(this, 50, {60}, Handler(u"sbrBottomDrawPanel"), Handler(u"sbrBottomResize"));

    tbrPages = new TToolBar(this);
    tbrPages->SetName(QStringLiteral("tbrPages"));
    tbrPages->SetParent(this);
    tbrPages->SetAlign(alTop);
    tbrPages->SetFlat(true);
    tbrPages->SetAutoSize(true);
    tbrPages->SetShowHint(true);
    tbrPages->SetImages(imlPages);
    const struct {
        TToolButton* TfrmPages::*Field;
        const char* Name;
        const char* Hint;
        int Image;
        const char16_t* Click;
    } buttons[] = {
        {&TfrmPages::tbnNew, "tbnNew", "New|Creates a new empty report Page, Page Shortcut or Page Group", mgNew,
         u"mmiNewPageClick"},
        {&TfrmPages::tbnDeletePage, "tbnDeletePage", "Delete|Removes current selection", mgDelete,
         u"mmiDeleteClick"},
        {&TfrmPages::tbnEditPage, "tbnEditPage", "Properties|Opens selected Page in the Editor window",
         mgProperties, u"mmiPropertiesClick"},
        {nullptr, "", "", -1, nullptr},
        {&TfrmPages::tbnCut, "tbnCut", "Cut|Cuts the selection and puts it on the Clipboard", mgCut,
         u"mmiCutClick"},
        {&TfrmPages::tbnCopy, "tbnCopy", "Copy|Copies the selection and puts it on the Clipboard", mgCopy,
         u"mmiCopyClick"},
        {&TfrmPages::tbnPaste, "tbnPaste", "Paste|Inserts the Clipboard contents at the list", mgPaste,
         u"mmiPasteClick"},
        {nullptr, "", "", -1, nullptr},
        {&TfrmPages::tbnPreview, "tbnPreview", "Preview|Displays full page as it will be printed", mgPreview,
         u"mmiPreviewClick"},
    };
    for (const auto& b : buttons) {
        auto* button = new TToolButton(this);
        if (b.Field) {
            button->SetName(QString::fromLatin1(b.Name));
            button->SetHint(QString::fromLatin1(b.Hint));
            button->SetImageIndex(b.Image);
            button->OnClick = Handler(b.Click);
            this->*b.Field = button;
        } else {
            button->SetStyle(tbsDivider);
        }
        button->SetToolBar(tbrPages);
    }
    tbnNew->SetStyle(tbsDropDown);
    tbnNew->SetDropdownMenu(mnuNew);

    bvlTop = new TBevel(this);
    bvlTop->SetName(QStringLiteral("bvlTop"));
    bvlTop->SetShape(bsTopLine);
    bvlTop->SetHeight(2);
    bvlTop->SetTop(tbrPages->Top() + tbrPages->Height());
    bvlTop->SetParent(this);
    bvlTop->SetAlign(alTop);
}

void TfrmPages::CreatePanes()
{
    auto header = [this](const char* Name, const char* Caption, TPanel* Parent) {
        auto* panel = new TPanel(this);
        panel->SetName(QString::fromLatin1(Name));
        panel->SetCaption(QString::fromLatin1(Caption));
        panel->SetParent(Parent);
        panel->SetAlign(alTop);
        panel->SetHeight(17);
        panel->SetBevelOuter(bvNone);
        return panel;
    };
    pnlLeft = new TPanel(this);
    pnlLeft->SetName(QStringLiteral("pnlLeft"));
    pnlLeft->SetCaption(QString());
    pnlLeft->SetBevelOuter(bvNone);
    pnlLeft->SetParent(this);
    pnlLeft->SetAlign(alLeft);
    pnlLeft->SetWidth(145);
    pnlLHeader = header("pnlLHeader", "Print Sequence", pnlLeft);

    tvwPages = new TTreeView(this);
    tvwPages->SetName(QStringLiteral("tvwPages"));
    tvwPages->SetParent(pnlLeft);
    tvwPages->SetAlign(alClient);
    tvwPages->SetHint(QStringLiteral("List of pages in the Print Order"));
    tvwPages->SetShowHint(true);
    tvwPages->SetShowButtons(false);
    tvwPages->SetShowLines(false);
    tvwPages->SetShowRoot(false);
    tvwPages->SetIndent(19);
    tvwPages->SetRightClickSelect(true);
    tvwPages->SetDragMode(dmAutomatic);
    tvwPages->SetImages(imlGroup);
    tvwPages->SetPopupMenu(mnuOrder);
    tvwPages->OnMouseDown = Handler(u"tvwPagesMouseDown");
    tvwPages->OnKeyDown = Handler(u"tvwPagesKeyDown");
    tvwPages->OnDblClick = Handler(u"tvwPagesDblClick");
    tvwPages->OnCollapsing = Handler(u"tvwPagesCollapsing");
    tvwPages->OnEditing = Handler(u"tvwPagesEditing");
    tvwPages->OnEdited = Handler(u"tvwPagesEdited");
    tvwPages->OnDragOver = Handler(u"tvwPagesDragOver");
    tvwPages->OnDragDrop = Handler(u"tvwPagesDragDrop");

    splPages = new TSplitter(this);
    splPages->SetName(QStringLiteral("splPages"));
    splPages->SetLeft(pnlLeft->Left() + pnlLeft->Width());
    splPages->SetWidth(2);
    splPages->SetMinSize(100);
    splPages->SetParent(this);
    splPages->OnMoved = Handler(u"splPagesMoved");

    pnlRight = new TPanel(this);
    pnlRight->SetName(QStringLiteral("pnlRight"));
    pnlRight->SetCaption(QString());
    pnlRight->SetBevelOuter(bvNone);
    pnlRight->SetParent(this);
    pnlRight->SetAlign(alClient);
    pnlRHeader = header("pnlRHeader", "Available Designs", pnlRight);

    islPages = new TItemSelector(this);
    islPages->SetName(QStringLiteral("islPages"));
    islPages->SetParent(pnlRight);
    islPages->SetAlign(alClient);
    islPages->SetHint(QStringLiteral("List of available Page Designs"));
    islPages->SetShowHint(true);
    islPages->SetValue(2, 120);
    islPages->SetValue(3, 80);
    islPages->SetMargin(10);
    islPages->SetShowCaptions(true);
    islPages->SetFullScroll(true);
    islPages->SetBorderStyle(bsSingle);
    islPages->SetColor(clWindow);
    islPages->SetItemCount(0);
    islPages->SetPopupMenu(ppmInsp);
    islPages->SetItemPopupMenu(ppmInsp);
    islPages->OnChange = Handler(u"islPagesChange");
    islPages->OnDblClick = Handler(u"islPagesDblClick");
    islPages->OnDrawItem = Handler(u"islPagesDrawItem");
    islPages->OnDrawCaption = Handler(u"islPagesDrawCaption");
}

} // namespace designer
