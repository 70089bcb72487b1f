// The preview window's menus, tool bar, status bar and preview control,
// built as its stored form holds them.

#include "designer/preview/previewwindow.h"

#include "designer/mainwindow/mainglyphs.h"
#include "designer/controls/menutable.h"
#include "designer/controls/statusbars.h"

#include "runtime/preview.h"
#include "runtime/previewcommands.h"

#include "classlib/controls/imagelist.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/toolbar.h"
#include "classlib/controls/toolbuttontable.h"

namespace designer {

using namespace classlib;

void TfrmPreview::CreateMenus()
{
    const auto handler = [this](const char16_t* Name) { return Handler(Name); };
    auto add = [this, &handler](TMenuItem* Parent, std::initializer_list<TMenuEntry<TfrmPreview>> Entries) {
        AddMenuItems(this, Parent, Entries, handler);
    };

    mnuPreview = new TMainMenu(this);
    mnuPreview->SetName(QStringLiteral("mnuPreview"));
    auto top = [this](TMenuItem*& Field, const char* Name, const char* Caption) {
        Field = new TMenuItem(this);
        Field->SetName(QString::fromLatin1(Name));
        Field->SetCaption(QString::fromLatin1(Caption));
        mnuPreview->Add(Field);
    };
    top(mmiPreview, "mmiPreview", "&Preview");
    top(mmiView, "mmiView", "&View");
    mmiView->OnClick = Handler(u"MenuPopup");
    top(mmiGo, "mmiGo", "&Go");
    add(mmiPreview, {{"mmiRefresh", &TfrmPreview::mmiRefresh, "Refresh", "F5", 0, "", u"mmiRefreshClick"},
                     {"mmiPrint", &TfrmPreview::mmiPrint, "&Print...", "", 0, "", u"mmiPrintClick"},
                     {"mmiClose", &TfrmPreview::mmiClose, "Close", "Alt+F4", 0, "", u"mmiCloseClick"}});
    add(mmiView, {{"mmiZoom", &TfrmPreview::mmiZoom, "&Zoom", "", 0, "", u"MenuPopup"},
                  {"mmiMonochrome", &TfrmPreview::mmiMonochrome, "&Monochrome", "", 0, "", u"mmiMonochromeClick"},
                  {"mmiToolbar", &TfrmPreview::mmiToolbar, "Toolbar", "", 0, "", u"ToggleToolbar"},
                  {"mmiStatusBar", &TfrmPreview::mmiStatusBar, "Status Bar", "", 0, "", u"ToggleStatusBar"}});
    mmiMonochrome->SetEnabled(false);
    add(mmiZoom, {{"mmiZoomIn", &TfrmPreview::mmiZoomIn, "&In", "", 0, "", u"mmiZoomInClick"},
                  {"mmiZoomOut", &TfrmPreview::mmiZoomOut, "&Out", "", 0, "", u"mmiZoomOutClick"},
                  {"", nullptr, "-"}});
    runtime::AddZoomPresetItems(this, mmiZoom, mmiZoomPerCent, QStringLiteral("mmiZoom"),
                                Handler(u"mmiZoomPerCentClick"));
    add(mmiGo, {{"mmiFirst", &TfrmPreview::mmiFirst, "&First page", "Home", 0, "", u"mmiFirstClick"},
                {"mmiPrevious", &TfrmPreview::mmiPrevious, "&Previous page", "PgUp", 0, "", u"mmiPreviousClick"},
                {"mmiNext", &TfrmPreview::mmiNext, "&Next page", "PgDn", 0, "", u"mmiNextClick"},
                {"mmiLast", &TfrmPreview::mmiLast, "&Last page", "End", 0, "", u"mmiLastClick"}});
    SetMenu(mnuPreview);

    mnuZoom = new TPopupMenu(this);
    mnuZoom->SetName(QStringLiteral("mnuZoom"));
    mnuZoom->OnPopup = Handler(u"MenuPopup");
    runtime::AddZoomPresetItems(this, mnuZoom->Root(), pmiZoomPerCent, QStringLiteral("pmiZoom"),
                                Handler(u"pmiZoomPerCentClick"));

    mnuToolbars = new TPopupMenu(this);
    mnuToolbars->SetName(QStringLiteral("mnuToolbars"));
    mnuToolbars->OnPopup = Handler(u"MenuPopup");
    add(mnuToolbars->Root(), {{"pmiToolbar", &TfrmPreview::pmiToolbar, "Toolbar", "", 0, "", u"ToggleToolbar"},
                              {"pmiStatusBar", &TfrmPreview::pmiStatusBar, "Status Bar", "", 0, "", u"ToggleStatusBar"},
                              {"pmiStayOnTop", &TfrmPreview::pmiStayOnTop, "&Stay on top", "", 0, "", u"pmiStayOnTopClick"},
                              {"pmiHide", &TfrmPreview::pmiHide, "Hide", "", 0, "", u"mmiCloseClick"}});
    SetPopupMenu(mnuToolbars);
}

void TfrmPreview::CreateBars()
{
    tbrPreview = new TToolBar(this);
    tbrPreview->SetName(QStringLiteral("tbrPreview"));
    tbrPreview->SetParent(this);
    tbrPreview->SetAlign(alTop);
    tbrPreview->SetFlat(true);
    tbrPreview->SetAutoSize(true);
    tbrPreview->SetShowHint(true);
    tbrPreview->SetImages(imlToolbar);
    AddToolButtons<TfrmPreview>(this, tbrPreview, {
        {&TfrmPreview::tbnRefresh, "tbnRefresh", pgRefresh, "Refresh|Redraws the contents of pages", &TfrmPreview::mmiRefresh},
        {nullptr, "", -1, "", nullptr},
        {&TfrmPreview::tbnPrint, "tbnPrint", pgPrint, "Print|Prints report pages", &TfrmPreview::mmiPrint},
        {nullptr, "", -1, "", nullptr},
        {&TfrmPreview::tbnFirst, "tbnFirst", pgFirst, "First|Turns to the first page", &TfrmPreview::mmiFirst},
        {&TfrmPreview::tbnPrevious, "tbnPrevious", pgPrevious, "Previous|Turns to the previous page", &TfrmPreview::mmiPrevious},
        {&TfrmPreview::tbnNext, "tbnNext", pgNext, "Next|Turns to the next page", &TfrmPreview::mmiNext},
        {&TfrmPreview::tbnLast, "tbnLast", pgLast, "Last|Turns to the last page", &TfrmPreview::mmiLast},
        {nullptr, "", -1, "", nullptr},
        {&TfrmPreview::tbnZoomIn, "tbnZoomIn", pgZoomIn, "Scales the page view in", &TfrmPreview::mmiZoomIn},
        {&TfrmPreview::tbnZoomOut, "tbnZoomOut", pgZoomOut, "Scales the page view out", &TfrmPreview::mmiZoomOut},
    });
    for (TToolButton* button : {tbnZoomIn, tbnZoomOut}) {
        button->SetStyle(tbsDropDown);
        button->SetDropdownMenu(mnuZoom);
    }

    sbrBottom = MakeStatusBar(this, 50, {80, 70}, Handler(u"sbrBottomDrawPanel"), Handler(u"sbrBottomResize"));

    prvPreview = new runtime::TQXPreview(this);
    prvPreview->SetName(QStringLiteral("prvPreview"));
    prvPreview->SetParent(this);
    prvPreview->SetAlign(alClient);
    prvPreview->SetBorderStyle(bsSingle);
    prvPreview->SetReport(QXReport);
    prvPreview->SetZoom(1.0);
    prvPreview->SetColumns(1);
    prvPreview->SetRows(1);
    prvPreview->SetShowPageHint(true);
    prvPreview->SetPageCursor(crDefault);
    prvPreview->SetPreviewStyle(runtime::psZoom);
    prvPreview->OnPageChanged = Handler(u"prvPreviewPageChanged");
    prvPreviewPageChanged(prvPreview);
}

void TfrmPreview::sbrBottomResize(TObject* Sender)
{
    // Also while the bar is being placed, before the form holds it.
    if (auto* bar = dynamic_cast<TStatusBar*>(Sender)) GiveFirstPanelTheRest(bar);
}

void TfrmPreview::sbrBottomDrawPanel(TStatusBar* StatusBar, TStatusPanel* Panel, TRect Rect)
{
    runtime::DrawStatusPanel(*StatusBar, *Panel, Rect, *imlToolbar, Panel->Index() == 1 ? pgPage : pgZoom);
}

} // namespace designer
