// The main window's bars and work area: the tool band bar with the Standard
// and component bars, the rulers around the paper's scroll box, and the
// status bar with its hint, page and zoom panels.

#include "designer/mainwindow/mainwindow.h"

#include "designer/mainwindow/mainglyphs.h"
#include "designer/controls/ruler.h"
#include "designer/controls/statusbars.h"

#include "classlib/controls/coolbar.h"
#include "classlib/controls/imagelist.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/scrollbox.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/toolbar.h"
#include "classlib/graphics/bitmap.h"

namespace designer {

using namespace classlib;

namespace {

struct TButtonEntry {
    TToolButton* TfrmMain::*Field;  // nil for an unnamed divider
    const char* Name;
    const char* Hint;
    int Image;
    TMenuItem* TfrmMain::*Command;  // the menu item whose command it runs
};

} // namespace

void TfrmMain::CreateImages()
{
    imlToolbar = new TImageList(this);
    imlToolbar->SetName(QStringLiteral("imlToolbar"));
    imlToolbar->SetWidth(ToolGlyphSize);
    imlToolbar->SetHeight(ToolGlyphSize);
    imlToolbar->AddMasked(ToolGlyphs().get(), clFuchsia);
    imlComponents = new TImageList(this);
    imlComponents->SetName(QStringLiteral("imlComponents"));
    imlComponents->SetWidth(PaletteGlyphSize);
    imlComponents->SetHeight(PaletteGlyphSize);
}

void TfrmMain::CreateToolBars()
{
    cbrMain = new TCoolBar(this);
    cbrMain->SetName(QStringLiteral("cbrMain"));
    cbrMain->SetParent(this);
    cbrMain->SetAlign(alTop);
    cbrMain->SetAutoSize(true);

    tbrStandard = new TToolBar(this);
    tbrStandard->SetName(QStringLiteral("tbrStandard"));
    tbrStandard->SetParent(cbrMain);
    tbrStandard->SetFlat(true);
    tbrStandard->SetShowHint(true);
    tbrStandard->SetEdgeBorders({});
    tbrStandard->SetImages(imlToolbar);
    tbrStandard->SetButtonWidth(23);
    tbrStandard->SetButtonHeight(22);

    static const TButtonEntry buttons[] = {
        {&TfrmMain::tbnNew, "tbnNew", "New report|Creates a new report", tgNew, &TfrmMain::mmiNew},
        {&TfrmMain::tbnOpen, "tbnOpen", "Open report|Opens an existing report", tgOpen, &TfrmMain::mmiOpen},
        {&TfrmMain::tbnSave, "tbnSave", "Save report|Saves the current report", tgSave, &TfrmMain::mmiSave},
        {&TfrmMain::tbnModes, "tbnModes", "", -1, nullptr},
        {&TfrmMain::tbnPrint, "tbnPrint", "Print|Prints the current report page", tgPrint, &TfrmMain::mmiPrint},
        {nullptr, "", "", -1, nullptr},
        {&TfrmMain::tbnCut, "tbnCut", "Cut|Cuts the selection and puts it on the Clipboard", tgCut, &TfrmMain::mmiCut},
        {&TfrmMain::tbnCopy, "tbnCopy", "Copy|Copies the selection and puts it on the Clipboard", tgCopy,
         &TfrmMain::mmiCopy},
        {&TfrmMain::tbnPaste, "tbnPaste", "Paste|Inserts the Clipboard contents at the page", tgPaste,
         &TfrmMain::mmiPaste},
        {nullptr, "", "", -1, nullptr},
        {&TfrmMain::tbnPages, "tbnPages", "Report Manager|Shows the Report Manager window", tgPages,
         &TfrmMain::mmiReportMan},
        {&TfrmMain::tbnPreview, "tbnPreview", "Preview|Displays full page as it will be printed", tgPreview,
         &TfrmMain::mmiPreview},
        {&TfrmMain::tbnInspector, "tbnInspector", "Object Inspector|Shows the Object Inspector window",
         tgInspector, &TfrmMain::mmiInspector},
        {&TfrmMain::tbnAlign, "tbnAlign", "Alignment Palette|Shows the Alignment Palette window", tgAlign,
         &TfrmMain::mmiAlign},
        {nullptr, "", "", -1, nullptr},
        {&TfrmMain::tbnZoomIn, "tbnZoomIn", "Zoom in|Scales the editing view in", tgZoomIn, &TfrmMain::mmiZoomIn},
        {&TfrmMain::tbnZoomOut, "tbnZoomOut", "Zoom out|Scales the editing view out", tgZoomOut,
         &TfrmMain::mmiZoomOut},
    };
    for (const TButtonEntry& entry : buttons) {
        auto* button = new TToolButton(this);
        if (*entry.Name) button->SetName(QString::fromLatin1(entry.Name));
        button->SetHint(QString::fromLatin1(entry.Hint));
        if (entry.Image < 0) {
            button->SetStyle(tbsDivider);
        } else {
            button->SetImageIndex(entry.Image);
            // The same command as the menu item of the same name.
            button->OnClick = (this->*entry.Command)->OnClick;
        }
        button->SetToolBar(tbrStandard);
        if (entry.Field) this->*entry.Field = button;
    }
    tbnOpen->SetStyle(tbsDropDown);
    tbnOpen->SetDropdownMenu(mnuOpen);
    tbnPages->SetStyle(tbsDropDown);
    tbnPages->SetDropdownMenu(mnuPages);
    tbnZoomIn->SetStyle(tbsDropDown);
    tbnZoomIn->SetDropdownMenu(mnuZoom);
    tbnZoomOut->SetStyle(tbsDropDown);
    tbnZoomOut->SetDropdownMenu(mnuZoom);

    tbrComponents = new TToolBar(this);
    tbrComponents->SetName(QStringLiteral("tbrComponents"));
    tbrComponents->SetParent(cbrMain);
    tbrComponents->SetFlat(true);
    tbrComponents->SetEdgeBorders({});
    tbrComponents->SetButtonWidth(31);
    tbrComponents->SetButtonHeight(30);
    tbrComponents->SetImages(imlComponents);
    tbnComponent = new TToolButton(this);
    tbnComponent->SetName(QStringLiteral("tbnComponent"));
    tbnComponent->SetStyle(tbsCheck);
    tbnComponent->SetDown(true);
    tbnComponent->SetImageIndex(0);
    tbnComponent->SetHint(QStringLiteral("Selection|Toggles selection mode"));
    tbnComponent->SetShowHint(true);
    tbnComponent->OnClick = Handler(u"PaletteClick");
    tbnComponent->SetToolBar(tbrComponents);
    auto* divider = new TToolButton(this);
    divider->SetStyle(tbsDivider);
    divider->SetToolBar(tbrComponents);

    TCoolBand* standard = cbrMain->Bands()->Add();
    standard->SetControl(tbrStandard);
    standard->SetMinHeight(22);
    TCoolBand* components = cbrMain->Bands()->Add();
    components->SetControl(tbrComponents);
    components->SetMinHeight(30);
    components->SetBreak(true);
}

void TfrmMain::CreateWorkArea()
{
    sbrBottom = MakeStatusBar(this, 50, {120, 70}, Handler(u"sbrBottomDrawPanel"), Handler(u"sbrBottomResize"));

    pnlBase = new TPanel(this);
    pnlBase->SetName(QStringLiteral("pnlBase"));
    pnlBase->SetParent(this);
    pnlBase->SetAlign(alClient);
    pnlBase->SetBevelOuter(bvNone);
    pnlBase->SetCaption(QString());

    auto ruler = [this](const char* Name, TQXRulerOrientation Orientation, TAlign Align) {
        auto* r = new TQXRuler(this);
        r->SetName(QString::fromLatin1(Name));
        r->SetParent(pnlBase);
        r->SetOrientation(Orientation);
        r->SetAlign(Align);
        if (Orientation == roHorizontal)
            r->SetHeight(20);
        else
            r->SetWidth(20);
        r->SetValue(1, 0);
        r->SetValue(2, 200);
        r->SetValue(3, 0);
        r->SetValue(4, 10);
        r->SetValue(5, 100);
        r->Font()->SetName(QStringLiteral("Arial"));
        r->Font()->SetHeight(-9);
        r->OnShowMarker = Handler(u"RulerMarker");
        r->OnHideMarker = Handler(u"RulerMarker");
        return r;
    };
    TopRuler = ruler("TopRuler", roHorizontal, alTop);
    LeftRuler = ruler("LeftRuler", roVertical, alLeft);

    sbrPaper = new TScrollBox(this);
    sbrPaper->SetName(QStringLiteral("sbrPaper"));
    sbrPaper->SetParent(pnlBase);
    sbrPaper->SetAlign(alClient);
    sbrPaper->SetColor(clAppWorkSpace);
    sbrPaper->HorzScrollBar()->SetTracking(true);
    sbrPaper->VertScrollBar()->SetTracking(true);
    sbrPaper->OnResize = Handler(u"sbrPaperResize");
}

} // namespace designer
