// The main window's menu bar and pop-up menus, built as its stored form
// holds them: names, captions, shortcuts, hints and help contexts.

#include "designer/mainwindow/mainwindow.h"

#include "designer/controls/menutable.h"

#include "classlib/controls/filedialogs.h"
#include "classlib/controls/menus.h"

namespace designer {

using namespace classlib;

namespace {


const char* const ReportFilter = "Reports (*.qxf)|*.qxf|All Files (*.*)|*.*";

} // namespace

using TItemEntry = TMenuEntry<TfrmMain>;

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

    mmiFile = top("mmiFile", "&File", "Create, open, save, print reports or quit Designer");
    AddMenuItems<TfrmMain>(this, mmiFile,
             {{"mmiNew", &TfrmMain::mmiNew, "&New", "Ctrl+N", 10, "Creates a new report", u"mmiNewClick"},
              {"mmiOpen", &TfrmMain::mmiOpen, "&Open...", "Ctrl+O", 30, "Opens an existing report", u"mmiOpenClick"},
              {"mmiSave", &TfrmMain::mmiSave, "&Save", "Ctrl+S", 40, "Saves the current report", u"mmiSaveClick"},
              {"mmiSaveAs", &TfrmMain::mmiSaveAs, "Save &As...", "", 50, "Saves a copy of the report in a separate file", u"mmiSaveAsClick"},
              {"mmiSaveCopy", &TfrmMain::mmiSaveCopy, "Save Copy &As...", "", 0, "Saves a copy of the report in a separate file",
               u"mmiSaveCopyClick"},
              {"", nullptr, "-"},
              {"mmiPrint", &TfrmMain::mmiPrint, "&Print...", "Ctrl+P", 8600, "Prints the current report", u"mmiPrintClick"},
              {"mmiRecentTop", &TfrmMain::mmiRecentTop, "-"},
              {"mmiRecentBottom", &TfrmMain::mmiRecentBottom, "-"},
              {"mmiClose", &TfrmMain::mmiClose, "E&xit", "", 70, "Quits the Designer and prompts for save the report", u"mmiCloseClick"},
              {"mmiReturn", &TfrmMain::mmiReturn, "E&xit && Return to Document", "", 70,
               "Quits the Designer and returns to calling document", u"mmiCloseClick"}},
             handler);
    mmiSaveCopy->SetVisible(false);
    mmiReturn->SetVisible(false);
    mmiRecentBottom->SetVisible(false);

    mmiEdit = top("mmiEdit", "&Edit", "Cut, copy, paste, delete and change Z-order");
    mmiEdit->OnClick = Handler(u"mmiEditClick");
    AddMenuItems<TfrmMain>(this, mmiEdit,
             {{"mmiCut", &TfrmMain::mmiCut, "Cu&t", "Ctrl+X", 110, "Cuts the selection and puts it on the Clipboard", u"mmiCutClick"},
              {"mmiCopy", &TfrmMain::mmiCopy, "&Copy", "Ctrl+C", 120, "Copies the selection and puts it on the Clipboard", u"mmiCopyClick"},
              {"mmiPaste", &TfrmMain::mmiPaste, "&Paste", "Ctrl+V", 230, "Inserts the Clipboard contents at the page", u"mmiPasteClick"},
              {"mmiDelete", &TfrmMain::mmiDelete, "&Delete", "Ctrl+Del", 140, "Removes the selection without putting it on the Clipboard", u"mmiDeleteClick"},
              {"", nullptr, "-"},
              {"mmiAlignToGrid", &TfrmMain::mmiAlignToGrid, "Align To &Grid", "", 150, "Moves the selection to the closest grid point", u"mmiAlignToGridClick"},
              {"mmiBringToFront", &TfrmMain::mmiBringToFront, "Bring To &Front", "", 160, "Moves the selection to front", u"mmiBringToFrontClick"},
              {"mmiSendToBack", &TfrmMain::mmiSendToBack, "Send To &Back", "", 170, "Moves the selection to back", u"mmiSendToBackClick"},
              {"mmiPrintOrder", &TfrmMain::mmiPrintOrder, "Print &Order...", "", 0, "Displays Print Order editor", u"mmiPrintOrderClick"},
              {"", nullptr, "-"},
              {"mmiDeletePage", &TfrmMain::mmiDeletePage, "Delete Pag&e", "", 45, "Removes the current page from report", u"mmiDeletePageClick"},
              {"", nullptr, "-"},
              {"mmiLayout", &TfrmMain::mmiLayout, "Page &Layout...", "", 0, "Opens Page Layout editor"},
              {"mmiScheme", &TfrmMain::mmiScheme, "Page Color &Scheme...", "", 0, "Opens Color Scheme editor", u"mmiSchemeClick"},
              {"", nullptr, "-"},
              {"mmiPaper", &TfrmMain::mmiPaper, "Pape&r Properties", "", 0, "Opens Paper Properties edito", u"mmiPaperClick"}},
             handler);
    mmiLayout->SetEnabled(false);
    mmiScheme->SetEnabled(false);

    mmiView = top("mmiView", "&View", "Choose alternative views, on-screen tools and zoom percentage");
    mmiView->OnClick = Handler(u"mmiViewClick");
    AddMenuItems<TfrmMain>(this, mmiView,
             {{"mmiReportMan", &TfrmMain::mmiReportMan, "Report &Manager", "", 1000, "Shows or hides the Report Manager window", u"mmiReportManClick"},
              {"mmiPreview", &TfrmMain::mmiPreview, "Pre&view", "F5", 310, "Preview|Displays full page as it will be printed",
               u"mmiPreviewClick"},
              {"mmiInspector", &TfrmMain::mmiInspector, "&Object Inspector", "F11", 2000, "Shows or hides the Object Inspector window",
               u"mmiInspectorClick"},
              {"mmiAlign", &TfrmMain::mmiAlign, "&Alignment Palette", "", 3000, "Shows or hides the Alignment Palette window",
               u"mmiAlignClick"},
              {"", nullptr, "-"},
              {"mmiPage", &TfrmMain::mmiPage, "&Page", "", 0, "Page Management operations"},
              {"mmiMaster", &TfrmMain::mmiMaster, "Mast&er Page"},
              {"", nullptr, "-"},
              {"mmiZoom", &TfrmMain::mmiZoom, "&Zoom", "", 250, "Scales the editing view"},
              {"", nullptr, "-"},
              {"mmiToolbars", &TfrmMain::mmiToolbars, "&Toolbars", "", 280, "Shows or hides the Designer toolbars"},
              {"mmiRuler", &TfrmMain::mmiRuler, "&Ruler", "", 320, "Shows or hides the rulers", u"ToggleRuler"},
              {"mmiStatusbar", &TfrmMain::mmiStatusbar, "&Status Bar", "", 290, "Shows or hides the status bar", u"ToggleStatusbar"},
              {"mmiMainForm", &TfrmMain::mmiMainForm, "F12", "F12", 0, "", u"mmiMainFormClick"}},
             handler);
    mmiMaster->SetEnabled(false);
    mmiMainForm->SetVisible(false);
    mmiRuler->SetChecked(true);
    mmiStatusbar->SetChecked(true);
    AddMenuItems<TfrmMain>(this, mmiPage, {{"mmiPageBottom", &TfrmMain::mmiPageBottom, "-"}, {"mmiMorePages", &TfrmMain::mmiMorePages, "&More Pages...", "", 0, "", u"mmiReportManClick"}}, handler);
    mmiPage->OnClick = Handler(u"mmiPageClick");
    mmiMorePages->SetEnabled(false);
    AddMenuItems<TfrmMain>(this, mmiZoom,
             {{"mmiZoomIn", &TfrmMain::mmiZoomIn, "&In", "", 260, "Scales the editing view in", u"ZoomInClick"},
              {"mmiZoomOut", &TfrmMain::mmiZoomOut, "&Out", "", 270, "Scales the editing view out", u"ZoomOutClick"},
              {"", nullptr, "-"},
              {"mmiZoom200", &TfrmMain::mmiZoom200, "200%", "", 0, "Scales the editing view to 200%", u"ZoomClick"},
              {"mmiZoom150", &TfrmMain::mmiZoom150, "150%", "", 0, "Scales the editing view to 150%", u"ZoomClick"},
              {"mmiZoom100", &TfrmMain::mmiZoom100, "100%", "", 0, "Scales the editing view to actual size", u"ZoomClick"},
              {"mmiZoom75", &TfrmMain::mmiZoom75, "75%", "", 0, "Scales the editing view to 75%", u"ZoomClick"},
              {"mmiZoom50", &TfrmMain::mmiZoom50, "50%", "", 0, "Scales the editing view to 50%", u"ZoomClick"}},
             handler);
    for (TMenuItem* item : {mmiZoom200, mmiZoom150, mmiZoom100, mmiZoom75, mmiZoom50}) item->SetRadioItem(true);
    mmiZoom100->SetChecked(true);
    AddMenuItems<TfrmMain>(this, mmiToolbars,
             {{"mmiStandard", &TfrmMain::mmiStandard, "Standard", "", 0, "Shows or hides the Standard toolbar", u"ToggleStandard"},
              {"mmiPalette", &TfrmMain::mmiPalette, "Components", "", 100000, "Shows or hides the Components toolbar", u"TogglePalette"}},
             handler);
    mmiStandard->SetChecked(true);
    mmiPalette->SetChecked(true);

    mmiInsert = top("mmiInsert", "&Insert", "Allows insertion of pages and components");
    AddMenuItems<TfrmMain>(this, mmiInsert,
             {{"mmiComponent", &TfrmMain::mmiComponent, "&Component", "", 0, "Inserts components into the page"},
              {"", nullptr, "-"},
              {"mmiNewPage", &TfrmMain::mmiNewPage, "New &Page", "", 0, "Creates a new empty report page", u"mmiNewPageClick"},
              {"mmiAddPages", &TfrmMain::mmiAddPages, "&Pages From &File...", "", 0, "Imports selected pages from existing document"}},
             handler);
    mmiAddPages->SetEnabled(false);
    AddMenuItems<TfrmMain>(this, mmiComponent, {{"mmiMoreComponents", &TfrmMain::mmiMoreComponents, "More Components..."}}, handler);
    mmiMoreComponents->SetEnabled(false);

    mmiTools = top("mmiTools", "&Tools", "Set Designer options");
    AddMenuItems<TfrmMain>(this, mmiTools, {{"mmiOptions", &TfrmMain::mmiOptions, "&Options...", "", 410, "Check various Designer options", u"mmiOptionsClick"}},
                          handler);
    mmiHelp = top("mmiHelp", "&Help", "Access information for using Designer");
    AddMenuItems<TfrmMain>(this, mmiHelp,
             {{"mmiHelpTopics", &TfrmMain::mmiHelpTopics, "Help &Topics", "", 0, "Opens Help", u"mmiHelpTopicsClick"}, {"", nullptr, "-"}, {"mmiAbout", &TfrmMain::mmiAbout, "&About", "", 0, "", u"mmiAboutClick"}}, handler);
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
    AddMenuItems<TfrmMain>(this, mnuPaper->Root(),
             {{"pmiInspect", nullptr, "Inspect", "", 0, "Displays the selection in the Object Inspector", u"InspectClick"},
              {"", nullptr, "-"},
              {"pmiCut", nullptr, "Cut", "", 110, "Cuts the selection and puts it on the Clipboard", u"mmiCutClick"},
              {"pmiCopy", nullptr, "Copy", "", 120, "Copies the selection and puts it on the Clipboard", u"mmiCopyClick"},
              {"pmiPaste", nullptr, "Paste", "", 230, "Inserts the Clipboard contents at the page", u"mmiPasteClick"},
              {"pmiDelete", nullptr, "Delete", "", 140, "Removes the selection without putting it on the Clipboard", u"mmiDeleteClick"},
              {"", nullptr, "-"},
              {"pmiAlignToGrid", nullptr, "Align To &Grid", "", 150, "Moves the selection to the closest grid point", u"mmiAlignToGridClick"},
              {"pmiBringToFront", nullptr, "Bring To Front", "", 160, "Moves the selection to front", u"mmiBringToFrontClick"},
              {"pmiSendToBack", nullptr, "Send To Back", "", 170, "Moves the selection to back", u"mmiSendToBackClick"},
              {"pmiPrintOrder", nullptr, "Print Order...", "", 0, "Displays Print Order editor", u"mmiPrintOrderClick"}},
             handler);
    mnuPaper->Items(0)->SetDefault(true);
    mnuPaper->OnPopup = Handler(u"mnuPaperPopup");
    mnuPrinter = popup("mnuPrinter", 0);
    AddMenuItems<TfrmMain>(this, mnuPrinter->Root(), {{"pmiInspectPaper", nullptr, "Inspect", "", 0, "Displays the Paper in the Object Inspector",
                                       u"InspectClick"}},
             handler)
        ->SetDefault(true);
    mnuOpen = popup("mnuOpen", 0);
    mnuPages = popup("mnuPages", 0);
    mnuPages->OnPopup = Handler(u"mmiPageClick");

    mnuZoom = popup("mnuZoom", 250);
    mnuZoom->OnPopup = Handler(u"mnuZoomPopup");
    AddMenuItems<TfrmMain>(this, mnuZoom->Root(),
             {{"pmiZoom200", nullptr, "200%", "", 0, "Scales the editing view to 200%", u"ZoomClick"},
              {"pmiZoom150", nullptr, "150%", "", 0, "Scales the editing view to 150%", u"ZoomClick"},
              {"pmiZoom100", nullptr, "100%", "", 0, "Scales the editing view to actual size", u"ZoomClick"},
              {"pmiZoom75", nullptr, "75%", "", 0, "Scales the editing view to 75%", u"ZoomClick"},
              {"pmiZoom50", nullptr, "50%", "", 0, "Scales the editing view to 50%", u"ZoomClick"}},
             handler);
    for (int i = 0; i < 5; ++i) {
        pmiZoom[i] = mnuZoom->Items(i);
        pmiZoom[i]->SetRadioItem(true);
    }
    pmiZoom[2]->SetChecked(true);

    mnuToolbars = popup("mnuToolbars", 280);
    mnuToolbars->OnPopup = Handler(u"mnuToolbarsPopup");
    AddMenuItems<TfrmMain>(this, mnuToolbars->Root(),
             {{"pmiStandard", &TfrmMain::pmiStandard, "Standard", "", 0, "Shows or hides the Standard toolbar", u"ToggleStandard"},
              {"pmiPalette", &TfrmMain::pmiPalette, "Components", "", 0, "Shows or hides the Components toolbar", u"TogglePalette"},
              {"pmiRuler", &TfrmMain::pmiRuler, "Ruler", "", 320, "Shows or hides the rulers", u"ToggleRuler"},
              {"pmiStatusbar", &TfrmMain::pmiStatusbar, "Status Bar", "", 0, "Shows or hides the status bar", u"ToggleStatusbar"}},
             handler);
    for (TMenuItem* item : {pmiStandard, pmiPalette, pmiRuler, pmiStatusbar}) item->SetChecked(true);
    SetPopupMenu(mnuToolbars);
}

} // namespace designer
