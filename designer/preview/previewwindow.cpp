#include "designer/preview/previewwindow.h"

#include "designer/controls/statusbars.h"
#include "designer/mainwindow/mainglyphs.h"
#include "designer/document/previewreport.h"

#include "designer-framework/inspectorwindow.h"

#include "runtime/preview.h"
#include "runtime/previewcommands.h"
#include "runtime/report.h"

#include "classlib/controls/dialogs.h"
#include "classlib/controls/imagelist.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/toolbar.h"
#include "classlib/core/classbuilder.h"

#include <optional>

namespace designer {

using namespace classlib;

const TClassInfo& TfrmPreview::StaticClass()
{
    using F = TfrmPreview;
    static const TClassInfo& info = TClassBuilder<TfrmPreview>("TfrmPreview")
                                        .Method("FormClose", &F::FormClose)
                                        .Method("mmiRefreshClick", &F::mmiRefreshClick)
                                        .Method("mmiPrintClick", &F::mmiPrintClick)
                                        .Method("mmiCloseClick", &F::mmiCloseClick)
                                        .Method("mmiZoomInClick", &F::mmiZoomInClick)
                                        .Method("mmiZoomOutClick", &F::mmiZoomOutClick)
                                        .Method("mmiZoomPerCentClick", &F::mmiZoomPerCentClick)
                                        .Method("pmiZoomPerCentClick", &F::pmiZoomPerCentClick)
                                        .Method("mmiMonochromeClick", &F::mmiMonochromeClick)
                                        .Method("ToggleToolbar", &F::ToggleToolbar)
                                        .Method("ToggleStatusBar", &F::ToggleStatusBar)
                                        .Method("pmiStayOnTopClick", &F::pmiStayOnTopClick)
                                        .Method("mmiFirstClick", &F::mmiFirstClick)
                                        .Method("mmiPreviousClick", &F::mmiPreviousClick)
                                        .Method("mmiNextClick", &F::mmiNextClick)
                                        .Method("mmiLastClick", &F::mmiLastClick)
                                        .Method("MenuPopup", &F::MenuPopup)
                                        .Method("prvPreviewPageChanged", &F::prvPreviewPageChanged)
                                        .Method("sbrBottomResize", &F::sbrBottomResize)
                                        .Method("sbrBottomDrawPanel", &F::sbrBottomDrawPanel)
                                        .Build();
    return info;
}

TMethod TfrmPreview::Handler(const char16_t* Name)
{
    return TMethod{StaticClass().FindMethod(Name), this};
}

TfrmPreview::TfrmPreview(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("frmPreview"));
    SetCaption(QStringLiteral("Preview"));
    SetBorderStyle(bsSizeToolWin);
    SetHelpContext(100);
    SetBounds(Left(), Top(), 355, 267);
    OnClose = Handler(u"FormClose");

    imlToolbar = new TImageList(this);
    imlToolbar->SetName(QStringLiteral("imlToolbar"));
    imlToolbar->SetWidth(ToolGlyphSize);
    imlToolbar->SetHeight(ToolGlyphSize);
    imlToolbar->AddMasked(PreviewGlyphs().get(), clFuchsia);

    QXReport = new runtime::TQXReport(this);
    QXReport->SetName(QStringLiteral("QXReport"));
    QXReport->SetMonochrome(false);
    QXReport->SetShowEmptyPages(false);

    dlgPrint = new TPrintDialog(this);
    dlgPrint->SetName(QStringLiteral("dlgPrint"));
    dlgPrint->SetOptions({poPageNums});

    CreateMenus();
    CreateBars();
    // Every drop-down part works here: the common controls are never older.
    FitStatusBar(sbrBottom);
    ResetInterface();
}

TfrmPreview::~TfrmPreview()
{
    DoDestroy();
}

void TfrmPreview::RefreshPreview()
{
    prvPreview->BeginUpdate();
    const int page = prvPreview->CurrentPage();
    // Whatever the build does, the control gets its page and its updates
    // back; a failure leaves the pages marked out of date.
    try {
        BuildPreviewReport(*QXReport, true);
    } catch (...) {
        prvPreview->SetCurrentPage(page);
        prvPreview->EndUpdate();
        throw;
    }
    prvPreview->SetCurrentPage(page);
    prvPreview->EndUpdate();
    SetOutOfDate(false);
    ResetInterface();
}

void TfrmPreview::PrintReport()
{
    BuildPreviewReport(*QXReport, true);
    mmiPrintClick(this);
}

void TfrmPreview::mmiPrintClick(TObject*)
{
    dlgPrint->SetFromPage(1);
    dlgPrint->SetMinPage(1);
    dlgPrint->SetToPage(QXReport->PageCount());
    dlgPrint->SetMaxPage(QXReport->PageCount());
    if (!dlgPrint->Execute()) return;
    // The pages chosen are the ones printed; afterwards the report's own
    // range is as it was.
    const int from = QXReport->PrintFrom();
    const int to = QXReport->PrintTo();
    if (dlgPrint->PrintRange() == prPageNums) QXReport->SetPrintRange(dlgPrint->FromPage(), dlgPrint->ToPage());
    try {
        QXReport->Print();
    } catch (...) {
        QXReport->SetPrintRange(from, to);
        throw;
    }
    QXReport->SetPrintRange(from, to);
}

void TfrmPreview::SetOutOfDate(bool Value)
{
    if (Value == FOutOfDate) return;
    FOutOfDate = Value;
    tbnRefresh->SetImageIndex(Value ? pgRefreshStale : pgRefresh);
}

void TfrmPreview::SetMonochrome(bool Value)
{
    if (Value == FMonochrome) return;
    FMonochrome = Value;
    ResetInterface();
}

bool TfrmPreview::GetStayOnTop() const
{
    return pmiStayOnTop->Checked();
}

void TfrmPreview::SetStayOnTop(bool Value)
{
    if (Value != GetStayOnTop()) pmiStayOnTop->Click();
}

void TfrmPreview::ResetInterface()
{
    runtime::CheckZoomPresets(mmiZoomPerCent, prvPreview->Zoom());
    runtime::CheckZoomPresets(pmiZoomPerCent, prvPreview->Zoom());
    mmiToolbar->SetChecked(tbrPreview->Visible());
    pmiToolbar->SetChecked(tbrPreview->Visible());
    mmiStatusBar->SetChecked(sbrBottom->Visible());
    pmiStatusBar->SetChecked(sbrBottom->Visible());
    mmiMonochrome->SetChecked(FMonochrome);
    sbrBottom->Panels()->Items(2)->SetText(runtime::ZoomStatusText(prvPreview->Zoom()));
}

void TfrmPreview::FormClose(TObject*, TCloseAction& Action)
{
    Action = caHide;
}

void TfrmPreview::mmiRefreshClick(TObject*)
{
    RefreshPreview();
}

void TfrmPreview::mmiCloseClick(TObject*)
{
    Close();
}

void TfrmPreview::SetZoom(double Value)
{
    prvPreview->SetZoom(Value);
    ResetInterface();
}

void TfrmPreview::mmiZoomInClick(TObject*)
{
    SetZoom(runtime::ZoomedIn(prvPreview->Zoom()));
}

void TfrmPreview::mmiZoomOutClick(TObject*)
{
    SetZoom(prvPreview->Zoom() * 2 / 3);
}

void TfrmPreview::mmiZoomPerCentClick(TObject* Sender)
{
    if (const std::optional<double> zoom = runtime::ZoomPresetOf(Sender, mmiZoomPerCent)) SetZoom(*zoom);
}

void TfrmPreview::pmiZoomPerCentClick(TObject* Sender)
{
    if (const std::optional<double> zoom = runtime::ZoomPresetOf(Sender, pmiZoomPerCent)) SetZoom(*zoom);
}

void TfrmPreview::mmiMonochromeClick(TObject*)
{
    SetMonochrome(!mmiMonochrome->Checked());
}

void TfrmPreview::ToggleToolbar(TObject*)
{
    tbrPreview->SetVisible(!tbrPreview->Visible());
    ResetInterface();
}

void TfrmPreview::ToggleStatusBar(TObject*)
{
    sbrBottom->SetVisible(!sbrBottom->Visible());
    ResetInterface();
}

void TfrmPreview::pmiStayOnTopClick(TObject*)
{
    pmiStayOnTop->SetChecked(!pmiStayOnTop->Checked());
    designer_framework::ShowToolWindow(this, pmiStayOnTop->Checked());
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

void TfrmPreview::MenuPopup(TObject*)
{
    ResetInterface();
}

void TfrmPreview::prvPreviewPageChanged(TObject*)
{
    const int count = QXReport->PageCount();
    const int current = prvPreview->CurrentPage();
    tbnFirst->SetEnabled(current > 0);
    tbnPrevious->SetEnabled(current > 0);
    tbnLast->SetEnabled(current < count - 1);
    tbnNext->SetEnabled(current < count - 1);
    sbrBottom->Panels()->Items(1)->SetText(runtime::PageStatusText(current, count));
}

} // namespace designer
