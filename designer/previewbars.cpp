// The preview window's menus, tool bar, status bar and preview control,
// built as its stored form holds them.

#include "designer/previewwindow.h"

#include "designer/mainglyphs.h"

#include "runtime/preview.h"

#include "classlib/controls/imagelist.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/toolbar.h"

namespace designer {

using namespace classlib;

namespace {

struct TItemEntry {
    TMenuItem* TfrmPreview::*Field;  // nil for an unnamed item
    const char* Name;
    const char* Caption;
    const char16_t* Click = nullptr;
    const char* ShortCut = "";
};

struct TButtonEntry {
    TToolButton* TfrmPreview::*Field;  // nil for a divider
    const char* Name;
    int Image;
    const char* Hint;
    TMenuItem* TfrmPreview::*Command;  // the item whose command it runs
};

const char* const PerCent[5] = {"200%", "150%", "100%", "75%", "50%"};

} // namespace

void TfrmPreview::CreateMenus()
{
    auto add = [this](TMenuItem* Parent, std::initializer_list<TItemEntry> Entries) {
        for (const TItemEntry& entry : Entries) {
            auto* item = new TMenuItem(this);
            if (entry.Field) {
                item->SetName(QString::fromLatin1(entry.Name));
                this->*entry.Field = item;
            }
            item->SetCaption(QString::fromLatin1(entry.Caption));
            if (*entry.ShortCut) item->SetShortCut(TextToShortCut(QString::fromLatin1(entry.ShortCut)));
            if (entry.Click) item->OnClick = Handler(entry.Click);
            Parent->Add(item);
        }
    };
    // The five percentages under Parent, radio items, 100% checked.
    auto percentages = [this](TMenuItem* Parent, TMenuItem** Items, const char* Prefix, const char16_t* Click) {
        for (int i = 0; i < 5; ++i) {
            auto* item = new TMenuItem(this);
            item->SetName(QString::fromLatin1(Prefix) + QString::fromLatin1(PerCent[i]).chopped(1));
            item->SetCaption(QString::fromLatin1(PerCent[i]));
            item->SetRadioItem(true);
            item->OnClick = Handler(Click);
            Parent->Add(item);
            Items[i] = item;
        }
        Items[2]->SetChecked(true);
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
    add(mmiPreview, {{&TfrmPreview::mmiRefresh, "mmiRefresh", "Refresh", u"mmiRefreshClick", "F5"},
                     {&TfrmPreview::mmiPrint, "mmiPrint", "&Print...", u"mmiPrintClick"},
                     {&TfrmPreview::mmiClose, "mmiClose", "Close", u"mmiCloseClick", "Alt+F4"}});
    add(mmiView, {{&TfrmPreview::mmiZoom, "mmiZoom", "&Zoom", u"MenuPopup"},
                  {&TfrmPreview::mmiMonochrome, "mmiMonochrome", "&Monochrome", u"mmiMonochromeClick"},
                  {&TfrmPreview::mmiToolbar, "mmiToolbar", "Toolbar", u"ToggleToolbar"},
                  {&TfrmPreview::mmiStatusBar, "mmiStatusBar", "Status Bar", u"ToggleStatusBar"}});
    mmiMonochrome->SetEnabled(false);
    add(mmiZoom, {{&TfrmPreview::mmiZoomIn, "mmiZoomIn", "&In", u"mmiZoomInClick"},
                  {&TfrmPreview::mmiZoomOut, "mmiZoomOut", "&Out", u"mmiZoomOutClick"},
                  {nullptr, "", "-"}});
    percentages(mmiZoom, mmiZoomPerCent, "mmiZoom", u"mmiZoomPerCentClick");
    add(mmiGo, {{&TfrmPreview::mmiFirst, "mmiFirst", "&First page", u"mmiFirstClick", "Home"},
                {&TfrmPreview::mmiPrevious, "mmiPrevious", "&Previous page", u"mmiPreviousClick", "PgUp"},
                {&TfrmPreview::mmiNext, "mmiNext", "&Next page", u"mmiNextClick", "PgDn"},
                {&TfrmPreview::mmiLast, "mmiLast", "&Last page", u"mmiLastClick", "End"}});
    SetMenu(mnuPreview);

    mnuZoom = new TPopupMenu(this);
    mnuZoom->SetName(QStringLiteral("mnuZoom"));
    mnuZoom->OnPopup = Handler(u"MenuPopup");
    percentages(mnuZoom->Root(), pmiZoomPerCent, "pmiZoom", u"pmiZoomPerCentClick");

    mnuToolbars = new TPopupMenu(this);
    mnuToolbars->SetName(QStringLiteral("mnuToolbars"));
    mnuToolbars->OnPopup = Handler(u"MenuPopup");
    add(mnuToolbars->Root(), {{&TfrmPreview::pmiToolbar, "pmiToolbar", "Toolbar", u"ToggleToolbar"},
                              {&TfrmPreview::pmiStatusBar, "pmiStatusBar", "Status Bar", u"ToggleStatusBar"},
                              {&TfrmPreview::pmiStayOnTop, "pmiStayOnTop", "&Stay on top", u"pmiStayOnTopClick"},
                              {&TfrmPreview::pmiHide, "pmiHide", "Hide", u"mmiCloseClick"}});
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
    static const TButtonEntry buttons[] = {
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
    };
    for (const TButtonEntry& entry : buttons) {
        auto* button = new TToolButton(this);
        if (entry.Field) {
            button->SetName(QString::fromLatin1(entry.Name));
            this->*entry.Field = button;
        }
        if (entry.Image < 0) {
            button->SetStyle(tbsDivider);
        } else {
            button->SetImageIndex(entry.Image);
            button->SetHint(QString::fromLatin1(entry.Hint));
            button->OnClick = (this->*entry.Command)->OnClick;
        }
        button->SetToolBar(tbrPreview);
    }
    for (TToolButton* button : {tbnZoomIn, tbnZoomOut}) {
        button->SetStyle(tbsDropDown);
        button->SetDropdownMenu(mnuZoom);
    }

    sbrBottom = new TStatusBar(this);
    sbrBottom->SetName(QStringLiteral("sbrBottom"));
    sbrBottom->Panels()->Add()->SetWidth(50);
    for (int width : {80, 70}) {
        TStatusPanel* panel = sbrBottom->Panels()->Add();
        panel->SetStyle(psOwnerDraw);
        panel->SetWidth(width);
    }
    sbrBottom->OnDrawPanel = Handler(u"sbrBottomDrawPanel");
    // Bound before the bar is placed: placing it sizes it.
    sbrBottom->OnResize = Handler(u"sbrBottomResize");
    sbrBottom->SetParent(this);
    sbrBottom->SetAlign(alBottom);

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

void TfrmPreview::sbrBottomResize(TObject*)
{
    TStatusPanels* panels = sbrBottom->Panels();
    panels->Items(0)->SetWidth(
        std::max(0, sbrBottom->Width() - panels->Items(1)->Width() - panels->Items(2)->Width()));
}

void TfrmPreview::sbrBottomDrawPanel(TStatusBar* StatusBar, TStatusPanel* Panel, TRect Rect)
{
    const int image = Panel->Index() == 1 ? pgPage : pgZoom;
    TCanvas& canvas = *StatusBar->Canvas();
    imlToolbar->Draw(canvas, Rect.Left, (Rect.Top + Rect.Bottom) / 2 - 8, image);
    canvas.TextOut(Rect.Left + 12, Rect.Top + 1, Panel->Text());
}

} // namespace designer
