#include "runtime/paper.h"

#include "runtime/report.h"
#include "runtime/reporterror.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/canvas.h"

namespace runtime {

using namespace classlib;

const TClassInfo& TQXPaper::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXPaper>("TQXPaper")
        .Prop("QXLeftMargin", &TQXPaper::FQXLeftMargin)
        .Prop("QXTopMargin", &TQXPaper::FQXTopMargin)
        .Prop("QXRightMargin", &TQXPaper::FQXRightMargin)
        .Prop("QXBottomMargin", &TQXPaper::FQXBottomMargin)
        .Prop("Orientation", &TQXPaper::FOrientation)
        .Build();
    return info;
}

TQXPaper::TQXPaper(TComponent* AOwner) : TQXContainer(AOwner)
{
    SetHearsOwner(true);
}

TQXPaper::~TQXPaper()
{
    // The elements go first, while they can still reach the report.
    ClearControls();
    if (FReport && FReport->CurrentControl() == this) FReport->SetCurrentControl(nullptr);
    SetReport(nullptr);
}

void TQXPaper::SetReport(TComponent* Value)
{
    auto* report = dynamic_cast<TQXReport*>(Value);
    if (report == FReport) return;
    if (FReport) FReport->RemoveFreeNotification(this);
    FReport = report;
    if (FReport) FReport->FreeNotification(this);
}

void TQXPaper::Notification(TComponent* AComponent, TOperation Operation)
{
    TQXContainer::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FReport) FReport = nullptr;
}

TQXReport* TQXPaper::GetReport() const
{
    return FReport;
}

QString TQXPaper::GetName() const
{
    return Name();
}

TRect TQXPaper::GetClientRect() const
{
    const qint64 w = qint64(QXWidth()) - FQXLeftMargin - FQXRightMargin;
    const qint64 h = qint64(QXHeight()) - FQXTopMargin - FQXBottomMargin;
    return TRect{0, 0, SatInt(w), SatInt(-h)};
}

void TQXPaper::PaintAll(TCanvas& Canvas)
{
    Canvas.DC().OffsetWindowOrg(SatNeg(FQXLeftMargin), FQXTopMargin);
    TQXContainer::PaintAll(Canvas);
}

void TQXPaper::Process(TCanvas& Canvas)
{
    FRowsPlaced = 0;
    FNoRoomName.clear();
    if (DoBeforePrint()) {
        TQXContainer::Process(Canvas);
        DoAfterPrint();
        Realign();
    }
    // A design run renders one output page whatever overflows; any other
    // run would render this same page again and again.
    if (FRowsPlaced > 0 || !HasOverflow() || (FReport && FReport->DesignRun())) return;
    if (FNoRoomName.isEmpty())
        RaiseReportError(Format("Page %s placed no row while rows are still to come", {Name()}));
    RaiseReportError(Format("A row of band %s does not fit on an output page", {FNoRoomName}));
}

bool TQXPaper::HasPrintableControls() const
{
    for (int i = 0; i < ControlCount(); ++i)
        if (GetControl(i)->Printable()) return true;
    return false;
}

} // namespace runtime
