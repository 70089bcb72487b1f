// The report manager's window as it is stored: the tool bar, the two panes
// with their headers and the splitter, the status bar, the menus.

#include "designer/reportmanager.h"

#include "designer/fitstatusbar.h"
#include "designer/itemselector.h"
#include "designer/mainglyphs.h"

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

struct TItemEntry {
    TMenuItem* TfrmPages::*Field;  // nil for an item the form does not keep
    const char* Name;
    const char* Caption;
    const char* ShortCut = "";
    const char* Hint = "";
    const char16_t* Click = nullptr;
};

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
    // Hidden until shown, so that its stored place says so too.
    SetVisible(false);
}

TfrmPages::~TfrmPages()
{
    DoDestroy();
}

// Makes the items under Parent, in order, and sets the form's pointers.
static void AddItems(TfrmPages* Form, TMenuItem* Parent, std::initializer_list<TItemEntry> Entries,
                     const std::function<TMethod(const char16_t*)>& Handler)
{
    for (const TItemEntry& e : Entries) {
        auto* item = new TMenuItem(Form);
        if (*e.Name) item->SetName(QString::fromLatin1(e.Name));
        item->SetCaption(QString::fromLatin1(e.Caption));
        if (*e.ShortCut) item->SetShortCut(TextToShortCut(QString::fromLatin1(e.ShortCut)));
        item->SetHint(QString::fromLatin1(e.Hint));
        if (e.Click) item->OnClick = Handler(e.Click);
        if (e.Field) Form->*e.Field = item;
        Parent->Add(item);
    }
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
    AddItems(this, mmiPage,
             {{&F::mmiNew, "mmiNew", "&New", "", newHint},
              {&F::mmiDelete, "mmiDelete", "&Delete", "", "Removes current selection", u"mmiDeleteClick"},
              {&F::mmiRename, "mmiRename", "Rena&me", "", "Allows Group to be renamed", u"mmiRenameClick"},
              {&F::mmiProperties, "mmiProperties", "P&roperties", "", propertiesHint, u"mmiPropertiesClick"},
              {nullptr, "", "-"},
              {&F::mmiPreview, "mmiPreview", "Pre&view", "F5", "Displays full page as it will be printed",
               u"mmiPreviewClick"},
              {nullptr, "", "-"},
              {&F::mmiClose, "mmiClose", "Close", "Alt+F4", "Closes this window"}},
             handler);
    AddItems(this, mmiNew,
             {{&F::mmiNewPage, "mmiNewPage", "&Page", "", pageHint, u"mmiNewPageClick"},
              {nullptr, "", "-"},
              {&F::mmiNewShortcut, "mmiNewShortcut", "Page &Shortcut", "", shortcutHint, u"mmiNewShortcutClick"},
              {&F::mmiNewGroup, "mmiNewGroup", "&Group", "", groupHint, u"mmiNewGroupClick"}},
             handler);
    AddItems(this, mmiNewShortcut, {{&F::mmiPageBottom1, "mmiPageBottom1", ""}}, handler);
    top(&F::mmiEdit, "mmiEdit", "&Edit");
    AddItems(this, mmiEdit,
             {{&F::mmiCut, "mmiCut", "Cu&t", "Ctrl+X", cutHint, u"mmiCutClick"},
              {&F::mmiCopy, "mmiCopy", "&Copy", "Ctrl+C", copyHint, u"mmiCopyClick"},
              {&F::mmiPaste, "mmiPaste", "&Paste", "Ctrl+V", pasteHint, u"mmiPasteClick"}},
             handler);
    top(&F::mmiView, "mmiView", "&View")->OnClick = Handler(u"mmiViewClick");
    AddItems(this, mmiView,
             {{&F::mmiThumbnails, "mmiThumbnails", "Thumbnail Pages", "", "Toggles thumbnail pages view"},
              {nullptr, "", "-"},
              {&F::mmiGroups, "mmiGroups", "Group Pane", "", groupsHint, u"mmiGroupsClick"},
              {&F::mmiToolbar, "mmiToolbar", "Toolbar", "", toolbarHint, u"mmiToolbarClick"},
              {&F::mmiStatusBar, "mmiStatusBar", "Status Bar", "", "Show or hides the status bar",
               u"mmiStatusBarClick"}},
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
    AddItems(this, mnuOrder->Root(),
             {{&F::pmiLNewShortcut, "pmiLNewShortcut", "New Page Shortcut", "", shortcutHint,
               u"mmiNewShortcutClick"},
              {&F::pmiLNewGroup, "pmiLNewGroup", "New Group", "", groupHint, u"mmiNewGroupClick"},
              {nullptr, "", "-"},
              {&F::pmiLProperties, "pmiLProperties", "Properties", "", propertiesHint, u"mmiPropertiesClick"},
              {nullptr, "", "-"},
              {&F::pmiLCut, "pmiLCut", "Cut", "", cutHint, u"pmiCutClick"},
              {&F::pmiLCopy, "pmiLCopy", "Copy", "", copyHint, u"pmiCopyClick"},
              {&F::pmiLPaste, "pmiLPaste", "Paste", "", pasteHint, u"pmiPasteClick"},
              {&F::pmiLDelete, "pmiLDelete", "Delete", "", "Deletes the selection from list", u"pmiLDeleteClick"},
              {nullptr, "", "-"},
              {&F::pmiLRename, "pmiLRename", "Rename", "", "Allows Group to be renamed", u"mmiRenameClick"}},
             handler);
    AddItems(this, pmiLNewShortcut, {{&F::mmiPageBottom2, "mmiPageBottom2", ""}}, handler);
    pmiLProperties->SetDefault(true);

    popup(&F::ppmInsp, "ppmInsp");
    AddItems(this, ppmInsp->Root(),
             {{&F::pmiNewPage, "pmiNewPage", "New Page", "Ins", "Creates a new empty report page", u"mmiNewPageClick"},
              {&F::pmiDelete, "pmiDelete", "Delete Page", "Del", "Removes the page from report", u"pmiDeleteClick"},
              {&F::pmiEdit, "pmiEdit", "Page Properties", "Enter", "Opens the page in editor window", u"pmiEditClick"}},
             handler);
    pmiEdit->SetDefault(true);

    popup(&F::mnuNew, "mnuNew")->OnPopup = Handler(u"mnuNewPopup");
    AddItems(this, mnuNew->Root(),
             {{&F::pmiNPage, "pmiNPage", "Page", "", pageHint, u"mmiNewPageClick"},
              {nullptr, "", "-"},
              {&F::pmiNShortcut, "pmiNShortcut", "Page Shortcut", "", shortcutHint, u"mmiNewShortcutClick"},
              {&F::pmiNGroup, "pmiNGroup", "Group", "", groupHint, u"mmiNewGroupClick"}},
             handler);
    AddItems(this, pmiNShortcut, {{&F::mmiPageBottom3, "mmiPageBottom3", ""}}, handler);
    pmiNPage->SetDefault(true);
    for (TMenuItem* item : {mmiPageBottom2, mmiPageBottom3}) item->SetVisible(false);

    popup(&F::mnuToolbars, "mnuToolbars")->OnPopup = Handler(u"mmiViewClick");
    AddItems(this, mnuToolbars->Root(),
             {{&F::pmiGroups, "pmiGroups", "Group Pane", "", groupsHint, u"mmiGroupsClick"},
              {&F::pmiToolbar, "pmiToolbar", "Toolbar", "", toolbarHint, u"mmiToolbarClick"},
              {&F::pmiStatusBar, "pmiStatusBar", "Status Bar", "", "Shows or hides the status bar",
               u"mmiStatusBarClick"},
              {nullptr, "", "-"},
              {&F::pmiStayOnTop, "pmiStayOnTop", "&Stay on top", "", "Toggles \"Always on top\" window mode",
               u"pmiStayOnTopClick"},
              {&F::pmiHide, "pmiHide", "Hide", "", "Closes this window", u"pmiHideClick"}},
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

    sbrBottom = new TStatusBar(this);
    sbrBottom->SetName(QStringLiteral("sbrBottom"));
    sbrBottom->Panels()->Add()->SetWidth(50);
    TStatusPanel* count = sbrBottom->Panels()->Add();
    count->SetWidth(60);
    count->SetStyle(psOwnerDraw);
    sbrBottom->OnDrawPanel = Handler(u"sbrBottomDrawPanel");
    sbrBottom->OnResize = Handler(u"sbrBottomResize");
    sbrBottom->SetParent(this);
    sbrBottom->SetAlign(alBottom);

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
