#include "ide/previewwindow.h"

#include "runtime/preview.h"
#include "runtime/previewcommands.h"
#include "runtime/report.h"

#include "classlib/controls/dialogs.h"
#include "classlib/controls/imagelist.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/misc.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/toolbar.h"
#include "classlib/controls/toolbuttontable.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/canvas.h"
#include "classlib/system/registry.h"

#include <QWidget>

#include <algorithm>
#include <optional>

using namespace classlib;
using namespace runtime;

namespace ide {

namespace {

enum { imPrint, imFirst, imPrevious, imNext, imLast, imZoomIn, imZoomOut, imPage = 10, imZoom = 11 };

// The tool bar's pictures, drawn here: a mark per command on a
// transparent square; 10 and 11 are the status bar's page and zoom.
void AddGlyphs(TImageList& List)
{
    for (int i = 0; i < 12; ++i) {
        TBitmap bitmap;
        bitmap.SetSize(16, 16);
        TCanvas& c = bitmap.Canvas();
        c.Brush()->SetColor(clFuchsia);
        c.FillRect(TRect{0, 0, 16, 16});
        c.Pen()->SetColor(clBlack);
        c.Brush()->SetColor(i == imPage ? clWhite : clSilver);
        switch (i) {
        case imPrint: c.Rectangle(2, 6, 14, 12); break;
        case imFirst: c.Rectangle(3, 3, 5, 13); c.Rectangle(6, 6, 12, 10); break;
        case imPrevious: c.Rectangle(5, 6, 11, 10); break;
        case imNext: c.Rectangle(5, 6, 11, 10); break;
        case imLast: c.Rectangle(4, 6, 10, 10); c.Rectangle(11, 3, 13, 13); break;
        case imZoomIn: case imZoomOut: case imZoom: c.Ellipse(2, 2, 12, 12); break;
        default: c.Rectangle(3, 1, 13, 15); break;
        }
        List.AddMasked(&bitmap, clFuchsia);
    }
}

} // namespace

const TClassInfo& TfrmPreview::StaticClass()
{
    using F = TfrmPreview;
    static const TClassInfo& info = TClassBuilder<TfrmPreview>("TfrmPreview")
                                        .Method("FormShow", &F::FormShow)
                                        .Method("FormClose", &F::FormClose)
                                        .Method("mmiViewClick", &F::mmiViewClick)
                                        .Method("mmiZoomClick", &F::mmiZoomClick)
                                        .Method("sbrBottomResize", &F::sbrBottomResize)
                                        .Method("sbrBottomDrawPanel", &F::sbrBottomDrawPanel)
                                        .Method("prvPreviewPageChanged", &F::prvPreviewPageChanged)
                                        .Method("mmiPrintClick", &F::mmiPrintClick)
                                        .Method("mmiZoomInClick", &F::mmiZoomInClick)
                                        .Method("mmiZoomOutClick", &F::mmiZoomOutClick)
                                        .Method("mmiZoomPerCentClick", &F::mmiZoomPerCentClick)
                                        .Method("pmiZoomPerCentClick", &F::pmiZoomPerCentClick)
                                        .Method("mmiFirstClick", &F::mmiFirstClick)
                                        .Method("mmiPreviousClick", &F::mmiPreviousClick)
                                        .Method("mmiNextClick", &F::mmiNextClick)
                                        .Method("mmiLastClick", &F::mmiLastClick)
                                        .Method("mmiToolBarClick", &F::mmiToolBarClick)
                                        .Method("mmiStatusBarClick", &F::mmiStatusBarClick)
                                        .Method("mmiCloseClick", &F::mmiCloseClick)
                                        .Build();
    return info;
}

TMethod TfrmPreview::Handler(const char16_t* Name)
{
    return TMethod{StaticClass().FindMethod(Name), this};
}

TfrmPreview::TfrmPreview(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption(QStringLiteral("Preview"));
    SetBorderStyle(bsSizeToolWin);
    SetBorderIcons({biSystemMenu});
    SetBounds(Left(), Top(), 351, 267);
    OnShow = Handler(u"FormShow");
    OnClose = Handler(u"FormClose");

    imlToolbar = new TImageList(this);
    imlToolbar->SetName(QStringLiteral("imlToolbar"));
    AddGlyphs(*imlToolbar);

    Report = new TQXReport(this);
    Report->SetName(QStringLiteral("Report"));

    dlgPrint = new TPrintDialog(this);
    dlgPrint->SetName(QStringLiteral("dlgPrint"));
    dlgPrint->SetOptions({poPageNums});

    CreateMenus();
    CreateBars();

    // FormCreate: the place kept from the last time, the visibility aside.
    TRegistry reg;
    if (reg.OpenKey(QString::fromLatin1(PreviewKey), true)) LoadWindowPos(this, &reg, true);
    sbrBottom->SetHeight(sbrBottom->MeasureCanvas().TextHeight(QStringLiteral("Wg")) + 6);
    ResetInterface();
}

TfrmPreview::~TfrmPreview()
{
    DoDestroy();
    prvPreview->SetReport(nullptr);
}

void TfrmPreview::CreateMenus()
{
    auto item = [this](TMenuItem* Parent, TMenuItem** Field, const char* Name, const char* Caption,
                       const char* Shortcut = "", const char16_t* Click = nullptr) {
        auto* m = new TMenuItem(this);
        if (*Name) m->SetName(QString::fromLatin1(Name));
        m->SetCaption(QString::fromLatin1(Caption));
        if (*Shortcut) m->SetShortCut(TextToShortCut(QString::fromLatin1(Shortcut)));
        if (Click) m->OnClick = Handler(Click);
        Parent->Add(m);
        if (Field) *Field = m;
        return m;
    };

    mnuPreview = new TMainMenu(this);
    mnuPreview->SetName(QStringLiteral("mnuPreview"));
    TMenuItem* root = mnuPreview->Root();
    item(root, &mmiPreview, "mmiPreview", "&Preview");
    item(mmiPreview, &mmiPrint, "mmiPrint", "&Print...", "", u"mmiPrintClick");
    item(mmiPreview, nullptr, "", "-");
    item(mmiPreview, &mmiClose, "mmiClose", "Close", "Esc", u"mmiCloseClick");
    item(root, &mmiView, "mmiView", "&View", "", u"mmiViewClick");
    item(mmiView, &mmiZoom, "mmiZoom", "&Zoom", "", u"mmiZoomClick");
    item(mmiZoom, &mmiZoomIn, "mmiZoomIn", "&In", "", u"mmiZoomInClick");
    item(mmiZoom, &mmiZoomOut, "mmiZoomOut", "&Out", "", u"mmiZoomOutClick");
    item(mmiZoom, nullptr, "", "-");
    AddZoomPresetItems(this, mmiZoom, mmiZoomPerCent, QStringLiteral("mmiZoom"), Handler(u"mmiZoomPerCentClick"));
    item(mmiView, nullptr, "", "-");
    item(mmiView, &mmiToolBar, "mmiToolBar", "Toolbar", "", u"mmiToolBarClick")->SetChecked(true);
    item(mmiView, &mmiStatusBar, "mmiStatusBar", "Status Bar", "", u"mmiStatusBarClick")->SetChecked(true);
    item(root, &mmiGo, "mmiGo", "&Go");
    item(mmiGo, &mmiFirst, "mmiFirst", "&First page", "Home", u"mmiFirstClick");
    item(mmiGo, &mmiPrevious, "mmiPrevious", "&Previous page", "PgUp", u"mmiPreviousClick");
    item(mmiGo, &mmiNext, "mmiNext", "&Next page", "PgDn", u"mmiNextClick");
    item(mmiGo, &mmiLast, "mmiLast", "&Last page", "End", u"mmiLastClick");
    SetMenu(mnuPreview);

    mnuZoom = new TPopupMenu(this);
    mnuZoom->SetName(QStringLiteral("mnuZoom"));
    mnuZoom->OnPopup = Handler(u"mmiZoomClick");
    AddZoomPresetItems(this, mnuZoom->Root(), pmiZoomPerCent, QStringLiteral("pmiZoom"),
                       Handler(u"pmiZoomPerCentClick"));
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
    tbrPreview->SetWrapable(false);
    tbrPreview->SetImages(imlToolbar);
    AddToolButtons<TfrmPreview>(this, tbrPreview, {
        {&TfrmPreview::tbnPrint, "tbnPrint", imPrint, "Print|Prints report pages", &TfrmPreview::mmiPrint},
        {nullptr, "", -1, "", nullptr},
        {&TfrmPreview::tbnFirst, "tbnFirst", imFirst, "First|Turns to the first page", &TfrmPreview::mmiFirst},
        {&TfrmPreview::tbnPrevious, "tbnPrevious", imPrevious, "Previous|Turns to the previous page",
         &TfrmPreview::mmiPrevious},
        {&TfrmPreview::tbnNext, "tbnNext", imNext, "Next|Turns to the next page", &TfrmPreview::mmiNext},
        {&TfrmPreview::tbnLast, "tbnLast", imLast, "Last|Turns to the last page", &TfrmPreview::mmiLast},
        {nullptr, "", -1, "", nullptr},
        {&TfrmPreview::tbnZoomIn, "tbnZoomIn", imZoomIn, "Scales the page view in", &TfrmPreview::mmiZoomIn},
        {&TfrmPreview::tbnZoomOut, "tbnZoomOut", imZoomOut, "Scales the page view out", &TfrmPreview::mmiZoomOut},
    });
    for (TToolButton* button : {tbnZoomIn, tbnZoomOut}) {
        button->SetStyle(tbsDropDown);
        button->SetDropdownMenu(mnuZoom);
    }

    sbrBottom = new TStatusBar(this);
    sbrBottom->SetName(QStringLiteral("sbrBottom"));
    sbrBottom->Panels()->Add()->SetWidth(50);
    for (auto [text, width] : {std::pair{"Page", 80}, std::pair{"Zoom", 70}}) {
        TStatusPanel* panel = sbrBottom->Panels()->Add();
        panel->SetText(QString::fromLatin1(text));
        panel->SetWidth(width);
        panel->SetStyle(psOwnerDraw);
    }
    sbrBottom->OnDrawPanel = Handler(u"sbrBottomDrawPanel");
    sbrBottom->OnResize = Handler(u"sbrBottomResize");
    sbrBottom->SetParent(this);
    sbrBottom->SetAlign(alBottom);

    prvPreview = new TQXPreview(this);
    prvPreview->SetName(QStringLiteral("prvPreview"));
    prvPreview->SetParent(this);
    prvPreview->SetAlign(alClient);
    prvPreview->SetReport(Report);
    prvPreview->SetPreviewStyle(psZoom);
    prvPreview->SetZoom(1.0);
    prvPreview->SetRows(1);
    prvPreview->SetColumns(1);
    prvPreview->OnPageChanged = Handler(u"prvPreviewPageChanged");
    prvPreviewPageChanged(prvPreview);
}

void TfrmPreview::SetReport(TQXReport* Source)
{
    Report->Assign(Source);
    Report->DesignPrepare();
}

void TfrmPreview::ResetInterface()
{
    CheckZoomPresets(mmiZoomPerCent, prvPreview->Zoom());
    CheckZoomPresets(pmiZoomPerCent, prvPreview->Zoom());
    mmiToolBar->SetChecked(tbrPreview->Visible());
    mmiStatusBar->SetChecked(sbrBottom->Visible());
    sbrBottom->Panels()->Items(2)->SetText(ZoomStatusText(prvPreview->Zoom()));
}

void TfrmPreview::FormShow(TObject*)
{
    ResetInterface();
}

void TfrmPreview::FormClose(TObject*, TCloseAction&)
{
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    TRegistry reg;
    // A place that cannot be stored is no reason to keep the window.
    try {
        if (reg.OpenKey(QString::fromLatin1(PreviewKey), true)) SaveWindowPos(this, &reg);
    } catch (const ERegistryException&) {
    }
}

void TfrmPreview::mmiViewClick(TObject*)
{
    ResetInterface();
}

void TfrmPreview::mmiZoomClick(TObject*)
{
    ResetInterface();
}

void TfrmPreview::sbrBottomResize(TObject*)
{
    TStatusPanels* panels = sbrBottom ? sbrBottom->Panels() : nullptr;
    if (!panels || panels->Count() < 3) return;
    panels->Items(0)->SetWidth(
        std::max(0, sbrBottom->Width() - panels->Items(1)->Width() - panels->Items(2)->Width()));
}

void TfrmPreview::sbrBottomDrawPanel(TStatusBar* StatusBar, TStatusPanel* Panel, TRect Rect)
{
    DrawStatusPanel(*StatusBar, *Panel, Rect, *imlToolbar, Panel->Index() == 1 ? imPage : imZoom);
}

void TfrmPreview::prvPreviewPageChanged(TObject*)
{
    sbrBottom->Panels()->Items(1)->SetText(PageStatusText(prvPreview->CurrentPage(), Report->PageCount()));
}

void TfrmPreview::mmiPrintClick(TObject*)
{
    // Nothing to print: no dialog that would promise otherwise.
    if (Report->PageCount() == 0) return;
    dlgPrint->SetFromPage(1);
    dlgPrint->SetToPage(Report->PageCount());
    dlgPrint->SetMinPage(1);
    dlgPrint->SetMaxPage(Report->PageCount());
    if (dlgPrint->Execute()) Report->Print();
}

void TfrmPreview::SetZoom(double Value)
{
    prvPreview->SetZoom(Value);
    ResetInterface();
}

void TfrmPreview::mmiZoomInClick(TObject*)
{
    SetZoom(ZoomedIn(prvPreview->Zoom()));
}

void TfrmPreview::mmiZoomOutClick(TObject*)
{
    SetZoom(prvPreview->Zoom() / 1.5);
}

void TfrmPreview::mmiZoomPerCentClick(TObject* Sender)
{
    if (const std::optional<double> zoom = ZoomPresetOf(Sender, mmiZoomPerCent)) SetZoom(*zoom);
}

void TfrmPreview::pmiZoomPerCentClick(TObject* Sender)
{
    if (const std::optional<double> zoom = ZoomPresetOf(Sender, pmiZoomPerCent)) SetZoom(*zoom);
}

void TfrmPreview::mmiFirstClick(TObject*)
{
    prvPreview->FirstLine();
    ResetInterface();
}

void TfrmPreview::mmiPreviousClick(TObject*)
{
    prvPreview->PrevPage();
    ResetInterface();
}

void TfrmPreview::mmiNextClick(TObject*)
{
    prvPreview->NextPage();
    ResetInterface();
}

void TfrmPreview::mmiLastClick(TObject*)
{
    prvPreview->LastLine();
    ResetInterface();
}

void TfrmPreview::mmiToolBarClick(TObject*)
{
    tbrPreview->SetVisible(!tbrPreview->Visible());
    ResetInterface();
}

void TfrmPreview::mmiStatusBarClick(TObject*)
{
    sbrBottom->SetVisible(!sbrBottom->Visible());
    ResetInterface();
}

void TfrmPreview::mmiCloseClick(TObject*)
{
    Close();
}

} // namespace ide
