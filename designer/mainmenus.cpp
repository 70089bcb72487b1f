// The main window's menu bar and pop-up menus, built as its stored form
// holds them: names, captions, shortcuts, hints and help contexts.

#include "designer/mainwindow.h"

#include "classlib/controls/filedialogs.h"
#include "classlib/controls/menus.h"

namespace designer {

using namespace classlib;

namespace {

struct TItemEntry {
    const char* Name;  // "" for an unnamed item
    const char* Caption;
    const char* ShortCut = "";
    int HelpContext = 0;
    const char* Hint = "";
    const char16_t* Click = nullptr;
};

const char* const ReportFilter = "Reports (*.qxf)|*.qxf|All Files (*.*)|*.*";

} // namespace

// Makes the items under Parent, in order; returns the last one made.
static TMenuItem* AddItems(TfrmMain* Form, TMenuItem* Parent, std::initializer_list<TItemEntry> Entries,
                           const std::function<TMethod(const char16_t*)>& Handler)
{
    TMenuItem* item = nullptr;
    for (const TItemEntry& entry : Entries) {
        item = new TMenuItem(Form);
        if (*entry.Name) item->SetName(QString::fromLatin1(entry.Name));
        item->SetCaption(QString::fromLatin1(entry.Caption));
        if (*entry.ShortCut) item->SetShortCut(TextToShortCut(QString::fromLatin1(entry.ShortCut)));
        item->SetHelpContext(entry.HelpContext);
        item->SetHint(QString::fromLatin1(entry.Hint));
        if (entry.Click) item->OnClick = Handler(entry.Click);
        Parent->Add(item);
    }
    return item;
}

void TfrmMain::CreateMenus()
{
    mnuMain = new TMainMenu(this);
    mnuMain->SetName(QStringLiteral("mnuMain"));
    const auto handler = [this](const char16_t* Name) { return Handler(Name); };
    auto top = [&](const char* Name, const char* Caption, const char* Hint) {
        auto* item = new TMenuItem(this);
        item->SetName(QString::fromLatin1(Name));
        item->SetCaption(QString::fromLatin1(Caption));
        item->SetHint(QString::fromLatin1(Hint));
        mnuMain->Add(item);
        return item;
    };
    auto find = [this](const char* Name) { return static_cast<TMenuItem*>(FindComponent(QString::fromLatin1(Name))); };

    mmiFile = top("mmiFile", "&File", "Create, open, save, print reports or quit Designer");
    AddItems(this, mmiFile,
             {{"mmiNew", "&New", "Ctrl+N", 10, "Creates a new report", u"mmiNewClick"},
              {"mmiOpen", "&Open...", "Ctrl+O", 30, "Opens an existing report", u"mmiOpenClick"},
              {"mmiSave", "&Save", "Ctrl+S", 40, "Saves the current report", u"mmiSaveClick"},
              {"mmiSaveAs", "Save &As...", "", 50, "Saves a copy of the report in a separate file", u"mmiSaveAsClick"},
              {"mmiSaveCopy", "Save Copy &As...", "", 0, "Saves a copy of the report in a separate file",
               u"mmiSaveCopyClick"},
              {"", "-"},
              {"mmiPrint", "&Print...", "Ctrl+P", 8600, "Prints the current report"},
              {"mmiRecentTop", "-"},
              {"mmiRecentBottom", "-"},
              {"mmiClose", "E&xit", "", 70, "Quits the Designer and prompts for save the report", u"mmiCloseClick"},
              {"mmiReturn", "E&xit && Return to Document", "", 70,
               "Quits the Designer and returns to calling document", u"mmiCloseClick"}},
             handler);
    mmiNew = find("mmiNew");
    mmiOpen = find("mmiOpen");
    mmiSave = find("mmiSave");
    mmiSaveAs = find("mmiSaveAs");
    mmiSaveCopy = find("mmiSaveCopy");
    mmiPrint = find("mmiPrint");
    mmiRecentTop = find("mmiRecentTop");
    mmiRecentBottom = find("mmiRecentBottom");
    mmiClose = find("mmiClose");
    mmiReturn = find("mmiReturn");
    mmiSaveCopy->SetVisible(false);
    mmiReturn->SetVisible(false);
    mmiRecentBottom->SetVisible(false);

    mmiEdit = top("mmiEdit", "&Edit", "Cut, copy, paste, delete and change Z-order");
    mmiEdit->OnClick = Handler(u"mmiEditClick");
    AddItems(this, mmiEdit,
             {{"mmiCut", "Cu&t", "Ctrl+X", 110, "Cuts the selection and puts it on the Clipboard", u"mmiCutClick"},
              {"mmiCopy", "&Copy", "Ctrl+C", 120, "Copies the selection and puts it on the Clipboard", u"mmiCopyClick"},
              {"mmiPaste", "&Paste", "Ctrl+V", 230, "Inserts the Clipboard contents at the page", u"mmiPasteClick"},
              {"mmiDelete", "&Delete", "Ctrl+Del", 140, "Removes the selection without putting it on the Clipboard", u"mmiDeleteClick"},
              {"", "-"},
              {"mmiAlignToGrid", "Align To &Grid", "", 150, "Moves the selection to the closest grid point", u"mmiAlignToGridClick"},
              {"mmiBringToFront", "Bring To &Front", "", 160, "Moves the selection to front", u"mmiBringToFrontClick"},
              {"mmiSendToBack", "Send To &Back", "", 170, "Moves the selection to back", u"mmiSendToBackClick"},
              {"mmiPrintOrder", "Print &Order...", "", 0, "Displays Print Order editor"},
              {"", "-"},
              {"mmiDeletePage", "Delete Pag&e", "", 45, "Removes the current page from report", u"mmiDeletePageClick"},
              {"", "-"},
              {"mmiLayout", "Page &Layout...", "", 0, "Opens Page Layout editor"},
              {"mmiScheme", "Page Color &Scheme...", "", 0, "Opens Color Scheme editor"},
              {"", "-"},
              {"mmiPaper", "Pape&r Properties", "", 0, "Opens Paper Properties edito", u"mmiPaperClick"}},
             handler);
    mmiCut = find("mmiCut");
    mmiCopy = find("mmiCopy");
    mmiPaste = find("mmiPaste");
    mmiDelete = find("mmiDelete");
    mmiAlignToGrid = find("mmiAlignToGrid");
    mmiBringToFront = find("mmiBringToFront");
    mmiSendToBack = find("mmiSendToBack");
    mmiPrintOrder = find("mmiPrintOrder");
    mmiDeletePage = find("mmiDeletePage");
    mmiLayout = find("mmiLayout");
    mmiScheme = find("mmiScheme");
    mmiPaper = find("mmiPaper");
    mmiLayout->SetEnabled(false);
    mmiScheme->SetEnabled(false);

    mmiView = top("mmiView", "&View", "Choose alternative views, on-screen tools and zoom percentage");
    mmiView->OnClick = Handler(u"mmiViewClick");
    AddItems(this, mmiView,
             {{"mmiReportMan", "Report &Manager", "", 1000, "Shows or hides the Report Manager window"},
              {"mmiPreview", "Pre&view", "F5", 310, "Preview|Displays full page as it will be printed"},
              {"mmiInspector", "&Object Inspector", "F11", 2000, "Shows or hides the Object Inspector window",
               u"mmiInspectorClick"},
              {"mmiAlign", "&Alignment Palette", "", 3000, "Shows or hides the Alignment Palette window",
               u"mmiAlignClick"},
              {"", "-"},
              {"mmiPage", "&Page", "", 0, "Page Management operations"},
              {"mmiMaster", "Mast&er Page"},
              {"", "-"},
              {"mmiZoom", "&Zoom", "", 250, "Scales the editing view"},
              {"", "-"},
              {"mmiToolbars", "&Toolbars", "", 280, "Shows or hides the Designer toolbars"},
              {"mmiRuler", "&Ruler", "", 320, "Shows or hides the rulers", u"ToggleRuler"},
              {"mmiStatusbar", "&Status Bar", "", 290, "Shows or hides the status bar", u"ToggleStatusbar"},
              {"mmiMainForm", "F12", "F12", 0, "", u"mmiMainFormClick"}},
             handler);
    mmiReportMan = find("mmiReportMan");
    mmiPreview = find("mmiPreview");
    mmiInspector = find("mmiInspector");
    mmiAlign = find("mmiAlign");
    mmiPage = find("mmiPage");
    mmiMaster = find("mmiMaster");
    mmiZoom = find("mmiZoom");
    mmiToolbars = find("mmiToolbars");
    mmiRuler = find("mmiRuler");
    mmiStatusbar = find("mmiStatusbar");
    mmiMainForm = find("mmiMainForm");
    mmiMaster->SetEnabled(false);
    mmiMainForm->SetVisible(false);
    mmiRuler->SetChecked(true);
    mmiStatusbar->SetChecked(true);
    AddItems(this, mmiPage, {{"mmiPageBottom", "-"}, {"mmiMorePages", "&More Pages..."}}, handler);
    mmiPageBottom = find("mmiPageBottom");
    mmiPage->OnClick = Handler(u"mmiPageClick");
    mmiMorePages = find("mmiMorePages");
    mmiMorePages->SetEnabled(false);
    AddItems(this, mmiZoom,
             {{"mmiZoomIn", "&In", "", 260, "Scales the editing view in", u"ZoomInClick"},
              {"mmiZoomOut", "&Out", "", 270, "Scales the editing view out", u"ZoomOutClick"},
              {"", "-"},
              {"mmiZoom200", "200%", "", 0, "Scales the editing view to 200%", u"ZoomClick"},
              {"mmiZoom150", "150%", "", 0, "Scales the editing view to 150%", u"ZoomClick"},
              {"mmiZoom100", "100%", "", 0, "Scales the editing view to actual size", u"ZoomClick"},
              {"mmiZoom75", "75%", "", 0, "Scales the editing view to 75%", u"ZoomClick"},
              {"mmiZoom50", "50%", "", 0, "Scales the editing view to 50%", u"ZoomClick"}},
             handler);
    mmiZoomIn = find("mmiZoomIn");
    mmiZoomOut = find("mmiZoomOut");
    mmiZoom200 = find("mmiZoom200");
    mmiZoom150 = find("mmiZoom150");
    mmiZoom100 = find("mmiZoom100");
    mmiZoom75 = find("mmiZoom75");
    mmiZoom50 = find("mmiZoom50");
    for (TMenuItem* item : {mmiZoom200, mmiZoom150, mmiZoom100, mmiZoom75, mmiZoom50}) item->SetRadioItem(true);
    mmiZoom100->SetChecked(true);
    AddItems(this, mmiToolbars,
             {{"mmiStandard", "Standard", "", 0, "Shows or hides the Standard toolbar", u"ToggleStandard"},
              {"mmiPalette", "Components", "", 100000, "Shows or hides the Components toolbar", u"TogglePalette"}},
             handler);
    mmiStandard = find("mmiStandard");
    mmiPalette = find("mmiPalette");
    mmiStandard->SetChecked(true);
    mmiPalette->SetChecked(true);

    mmiInsert = top("mmiInsert", "&Insert", "Allows insertion of pages and components");
    AddItems(this, mmiInsert,
             {{"mmiComponent", "&Component", "", 0, "Inserts components into the page"},
              {"", "-"},
              {"mmiNewPage", "New &Page", "", 0, "Creates a new empty report page", u"mmiNewPageClick"},
              {"mmiAddPages", "&Pages From &File...", "", 0, "Imports selected pages from existing document"}},
             handler);
    mmiComponent = find("mmiComponent");
    mmiNewPage = find("mmiNewPage");
    mmiAddPages = find("mmiAddPages");
    mmiAddPages->SetEnabled(false);
    mmiMoreComponents = AddItems(this, mmiComponent, {{"mmiMoreComponents", "More Components..."}}, handler);
    mmiMoreComponents->SetEnabled(false);

    mmiTools = top("mmiTools", "&Tools", "Set Designer options");
    mmiOptions = AddItems(this, mmiTools, {{"mmiOptions", "&Options...", "", 410, "Check various Designer options", u"mmiOptionsClick"}},
                          handler);
    mmiHelp = top("mmiHelp", "&Help", "Access information for using Designer");
    AddItems(this, mmiHelp,
             {{"mmiHelpTopics", "Help &Topics", "", 0, "Opens Help", u"mmiHelpTopicsClick"}, {"", "-"}, {"mmiAbout", "&About", "", 0, "", u"mmiAboutClick"}}, handler);
    mmiHelpTopics = find("mmiHelpTopics");
    mmiAbout = find("mmiAbout");
    SetMenu(mnuMain);

    dlgOpen = new TOpenDialog(this);
    dlgOpen->SetName(QStringLiteral("dlgOpen"));
    dlgOpen->SetFilter(QString::fromLatin1(ReportFilter));
    dlgOpen->SetOptions({ofHideReadOnly, ofPathMustExist, ofFileMustExist});
    dlgSave = new TSaveDialog(this);
    dlgSave->SetName(QStringLiteral("dlgSave"));
    dlgSave->SetFilter(QString::fromLatin1(ReportFilter));
    dlgSave->SetDefaultExt(QStringLiteral("qxf"));
    dlgSave->SetOptions({ofOverwritePrompt, ofHideReadOnly, ofPathMustExist});
}

void TfrmMain::CreatePopups()
{
    const auto handler = [this](const char16_t* Name) { return Handler(Name); };
    auto popup = [this](const char* Name, int HelpContext) {
        auto* menu = new TPopupMenu(this);
        menu->SetName(QString::fromLatin1(Name));
        menu->SetHelpContext(HelpContext);
        return menu;
    };
    mnuPaper = popup("mnuPaper", 0);
    AddItems(this, mnuPaper->Root(),
             {{"pmiInspect", "Inspect", "", 0, "Displays the selection in the Object Inspector", u"InspectClick"},
              {"", "-"},
              {"pmiCut", "Cut", "", 110, "Cuts the selection and puts it on the Clipboard", u"mmiCutClick"},
              {"pmiCopy", "Copy", "", 120, "Copies the selection and puts it on the Clipboard", u"mmiCopyClick"},
              {"pmiPaste", "Paste", "", 230, "Inserts the Clipboard contents at the page", u"mmiPasteClick"},
              {"pmiDelete", "Delete", "", 140, "Removes the selection without putting it on the Clipboard", u"mmiDeleteClick"},
              {"", "-"},
              {"pmiAlignToGrid", "Align To &Grid", "", 150, "Moves the selection to the closest grid point", u"mmiAlignToGridClick"},
              {"pmiBringToFront", "Bring To Front", "", 160, "Moves the selection to front", u"mmiBringToFrontClick"},
              {"pmiSendToBack", "Send To Back", "", 170, "Moves the selection to back", u"mmiSendToBackClick"},
              {"pmiPrintOrder", "Print Order...", "", 0, "Displays Print Order editor"}},
             handler);
    mnuPaper->Items(0)->SetDefault(true);
    mnuPaper->OnPopup = Handler(u"mnuPaperPopup");
    mnuPrinter = popup("mnuPrinter", 0);
    AddItems(this, mnuPrinter->Root(), {{"pmiInspectPaper", "Inspect", "", 0, "Displays the Paper in the Object Inspector",
                                       u"InspectClick"}},
             handler)
        ->SetDefault(true);
    mnuOpen = popup("mnuOpen", 0);
    mnuPages = popup("mnuPages", 0);
    mnuPages->OnPopup = Handler(u"mmiPageClick");

    mnuZoom = popup("mnuZoom", 250);
    mnuZoom->OnPopup = Handler(u"mnuZoomPopup");
    AddItems(this, mnuZoom->Root(),
             {{"pmiZoom200", "200%", "", 0, "Scales the editing view to 200%", u"ZoomClick"},
              {"pmiZoom150", "150%", "", 0, "Scales the editing view to 150%", u"ZoomClick"},
              {"pmiZoom100", "100%", "", 0, "Scales the editing view to actual size", u"ZoomClick"},
              {"pmiZoom75", "75%", "", 0, "Scales the editing view to 75%", u"ZoomClick"},
              {"pmiZoom50", "50%", "", 0, "Scales the editing view to 50%", u"ZoomClick"}},
             handler);
    for (int i = 0; i < 5; ++i) {
        pmiZoom[i] = mnuZoom->Items(i);
        pmiZoom[i]->SetRadioItem(true);
    }
    pmiZoom[2]->SetChecked(true);

    mnuToolbars = popup("mnuToolbars", 280);
    mnuToolbars->OnPopup = Handler(u"mnuToolbarsPopup");
    AddItems(this, mnuToolbars->Root(),
             {{"pmiStandard", "Standard", "", 0, "Shows or hides the Standard toolbar", u"ToggleStandard"},
              {"pmiPalette", "Components", "", 100000, "Shows or hides the Components toolbar", u"TogglePalette"},
              {"pmiRuler", "Ruler", "", 320, "Shows or hides the rulers", u"ToggleRuler"},
              {"pmiStatusbar", "Status Bar", "", 290, "Shows or hides the status bar", u"ToggleStatusbar"}},
             handler);
    pmiStandard = mnuToolbars->Items(0);
    pmiPalette = mnuToolbars->Items(1);
    pmiRuler = mnuToolbars->Items(2);
    pmiStatusbar = mnuToolbars->Items(3);
    for (TMenuItem* item : {pmiStandard, pmiPalette, pmiRuler, pmiStatusbar}) item->SetChecked(true);
    SetPopupMenu(mnuToolbars);
}

} // namespace designer
