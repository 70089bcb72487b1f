#pragma once

// The report manager: a tool window with the print order as a tree of page
// entries and groups ("Print Sequence") beside the document's page designs
// as thumbnails ("Available Designs"). Every change of the tree is stored
// at once into the document's page order.

#include "designer/manager/ordertree.h"

#include "classlib/controls/form.h"

#include <QStringList>

namespace classlib {
class TBevel;
class TImageList;
class TMainMenu;
class TMenuItem;
class TPanel;
class TPopupMenu;
class TSplitter;
class TStatusBar;
class TStatusPanel;
class TToolBar;
class TToolButton;
class TTreeNode;
class TTreeView;
}

namespace designer {

class TItemSelector;
class TReportDescriptor;

class TfrmPages : public classlib::TForm {
    QX_CLASS(TfrmPages, classlib::TForm)
public:
    explicit TfrmPages(classlib::TComponent* AOwner);
    ~TfrmPages() override;

    // The design document, set by the main window; never owned.
    TReportDescriptor* Document = nullptr;

    // While shown: the designs follow the document's pages and current page.
    void RefreshView();
    // The tree from an order text, shown or not. Lines it cannot read are
    // kept in the document until an edit replaces the order; the first time
    // a text has them, the user is told.
    void LoadPageOrder(const QString& Text);
    // The print order the tree shows.
    const TOrderTree& Order() const { return FOrder; }
    // Asks, then deletes the page design.
    void DeletePage(int Index);
    // Thumbnails of the paper's proportions, the longer side 100 pixels.
    void SetDesignProportions(int Width, int Height);
    bool GetStayOnTop() const;
    void SetStayOnTop(bool Value);
    bool GetGroupPaneVisible() const;
    void SetGroupPaneVisible(bool Value);
    // Where the designs and the commands stand.
    void UpdateCommands();
    // The selected design becomes the current page.
    void EditSelectedDesign();
    // The tree into the document's page order; the document is modified.
    void StorePageOrder();
    // Adds the text's lines below the selected node by the placement rule;
    // refused (EQXError, nothing added) beyond what a run accepts.
    void InsertOrderText(const QString& Text);
    // Before an edit replaces a stored order that holds lines the tree could
    // not read: asks, and on Yes stores the tree. False: leave it alone.
    bool ConfirmOrderEdit();

    // --- components (named as stored) ---
    classlib::TToolBar* tbrPages = nullptr;
    classlib::TToolButton *tbnNew = nullptr, *tbnDeletePage = nullptr, *tbnEditPage = nullptr, *tbnCut = nullptr,
                          *tbnCopy = nullptr, *tbnPaste = nullptr, *tbnPreview = nullptr;
    classlib::TBevel* bvlTop = nullptr;
    classlib::TPanel *pnlLeft = nullptr, *pnlLHeader = nullptr, *pnlRight = nullptr, *pnlRHeader = nullptr;
    classlib::TTreeView* tvwPages = nullptr;
    classlib::TSplitter* splPages = nullptr;
    TItemSelector* islPages = nullptr;
    classlib::TStatusBar* sbrBottom = nullptr;
    classlib::TImageList *imlPages = nullptr, *imlGroup = nullptr;
    classlib::TMainMenu* mnuPages = nullptr;
    classlib::TMenuItem *mmiPage = nullptr, *mmiNew = nullptr, *mmiNewPage = nullptr, *mmiNewShortcut = nullptr,
                        *mmiPageBottom1 = nullptr, *mmiNewGroup = nullptr, *mmiDelete = nullptr,
                        *mmiRename = nullptr, *mmiProperties = nullptr, *mmiPreview = nullptr, *mmiClose = nullptr;
    classlib::TMenuItem *mmiEdit = nullptr, *mmiCut = nullptr, *mmiCopy = nullptr, *mmiPaste = nullptr;
    classlib::TMenuItem *mmiView = nullptr, *mmiThumbnails = nullptr, *mmiGroups = nullptr, *mmiToolbar = nullptr,
                        *mmiStatusBar = nullptr;
    classlib::TPopupMenu *mnuOrder = nullptr, *ppmInsp = nullptr, *mnuNew = nullptr, *mnuToolbars = nullptr;
    classlib::TMenuItem *pmiLNewShortcut = nullptr, *mmiPageBottom2 = nullptr, *pmiLNewGroup = nullptr,
                        *pmiLProperties = nullptr, *pmiLCut = nullptr, *pmiLCopy = nullptr, *pmiLPaste = nullptr,
                        *pmiLDelete = nullptr, *pmiLRename = nullptr;
    classlib::TMenuItem *pmiNewPage = nullptr, *pmiDelete = nullptr, *pmiEdit = nullptr;
    classlib::TMenuItem *pmiNPage = nullptr, *pmiNShortcut = nullptr, *mmiPageBottom3 = nullptr,
                        *pmiNGroup = nullptr;
    classlib::TMenuItem *pmiGroups = nullptr, *pmiToolbar = nullptr, *pmiStatusBar = nullptr,
                        *pmiStayOnTop = nullptr, *pmiHide = nullptr;

    // --- handlers of the stored form ---
    void FormShow(classlib::TObject* Sender);
    void FormClose(classlib::TObject* Sender, classlib::TCloseAction& Action);
    void mmiPageClick(classlib::TObject* Sender);
    void mnuNewPopup(classlib::TObject* Sender);
    void mmiNewPageClick(classlib::TObject* Sender);
    void mmiNewShortcutClick(classlib::TObject* Sender);
    void ShortcutItemClick(classlib::TObject* Sender);
    void mmiNewGroupClick(classlib::TObject* Sender);
    void mmiDeleteClick(classlib::TObject* Sender);
    void pmiDeleteClick(classlib::TObject* Sender);
    void pmiLDeleteClick(classlib::TObject* Sender);
    void mmiRenameClick(classlib::TObject* Sender);
    void mmiPropertiesClick(classlib::TObject* Sender);
    void pmiEditClick(classlib::TObject* Sender);
    void mmiCutClick(classlib::TObject* Sender);
    void mmiCopyClick(classlib::TObject* Sender);
    void mmiPasteClick(classlib::TObject* Sender);
    void pmiCutClick(classlib::TObject* Sender);
    void pmiCopyClick(classlib::TObject* Sender);
    void pmiPasteClick(classlib::TObject* Sender);
    void mmiPreviewClick(classlib::TObject* Sender);
    void mmiViewClick(classlib::TObject* Sender);
    void mmiGroupsClick(classlib::TObject* Sender);
    void mmiToolbarClick(classlib::TObject* Sender);
    void mmiStatusBarClick(classlib::TObject* Sender);
    void pmiStayOnTopClick(classlib::TObject* Sender);
    void pmiHideClick(classlib::TObject* Sender);
    void mnuOrderPopup(classlib::TObject* Sender);
    void tvwPagesMouseDown(classlib::TObject* Sender, classlib::TMouseButton Button, classlib::TShiftState Shift,
                           int X, int Y);
    void tvwPagesKeyDown(classlib::TObject* Sender, unsigned& Key, classlib::TShiftState Shift);
    void tvwPagesDblClick(classlib::TObject* Sender);
    void tvwPagesCollapsing(classlib::TObject* Sender, classlib::TTreeNode* Node, bool& AllowCollapse);
    void tvwPagesEditing(classlib::TObject* Sender, classlib::TTreeNode* Node, bool& AllowEdit);
    void tvwPagesEdited(classlib::TObject* Sender, classlib::TTreeNode* Node, QString& S);
    void tvwPagesDragOver(classlib::TObject* Sender, classlib::TObject* Source, int X, int Y,
                          classlib::TDragState State, bool& Accept);
    void tvwPagesDragDrop(classlib::TObject* Sender, classlib::TObject* Source, int X, int Y);
    void islPagesChange(classlib::TObject* Sender);
    void islPagesDblClick(classlib::TObject* Sender);
    void islPagesDrawItem(classlib::TObject* Sender, int Item, classlib::TCanvas* Canvas, classlib::TRect R,
                          bool Selected);
    void islPagesDrawCaption(classlib::TObject* Sender, int Item, classlib::TCanvas* Canvas, classlib::TRect R,
                             bool Selected);
    void splPagesMoved(classlib::TObject* Sender);
    void sbrBottomResize(classlib::TObject* Sender);
    void sbrBottomDrawPanel(classlib::TStatusBar* StatusBar, classlib::TStatusPanel* Panel, classlib::TRect Rect);

private:
    classlib::TMethod Handler(const char16_t* Name);
    void CreateMenus();
    void CreateBars();
    void CreatePanes();
    // The tree is the control that has the keys.
    bool TreeActive() const;
    // Every item before the submenu's hidden placeholder goes; then one
    // item per page.
    void FillShortcutMenu(classlib::TMenuItem* Menu);
    void FollowGroupPane();
    // Takes the selected entry out of the tree and the order.
    void DeleteSelectedEntry();

    TOrderTree FOrder;
    // Lines of the stored order the tree could not read, and the order text
    // the user was last told about.
    int FUnreadLines = 0;
    QString FToldOrder;

    // The page names the designs were last shown with, in page order.
    QStringList FShownNames;
};

} // namespace designer
