#include "runtime/paper.h"

#include "runtime/report.h"
#include "runtime/reporterror.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/canvas.h"

#include <algorithm>

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
    FFinalNoRoomName.clear();
    const bool processed = DoBeforePrint();
    if (processed) {
        TQXContainer::Process(Canvas);
        DoAfterPrint();
        Realign();
    }
    CheckProgress(processed);
}

void TQXPaper::NoteNoRoom(const TQXControl* Band, bool Final)
{
    FNoRoomName = Band->GetName();
    if (Final && FFinalNoRoomName.isEmpty()) FFinalNoRoomName = FNoRoomName;
}

namespace {

// Output pages in a row that may place nothing before the run gives up.
constexpr size_t MaxIdlePasses = 100;

// What decides where the next rows go: which elements print, where and how
// large they are.
void AppendLayout(const TQXControl& Control, std::vector<qint64>& Layout)
{
    Layout.insert(Layout.end(), {Control.Printable() ? 1 : 0, Control.QXLeft(), Control.QXTop(),
                                 Control.QXWidth(), Control.QXHeight()});
    const auto* container = dynamic_cast<const TQXContainer*>(&Control);
    if (!container) return;
    Layout.push_back(container->ControlCount());
    for (int i = 0; i < container->ControlCount(); ++i) AppendLayout(*container->GetControl(i), Layout);
}

} // namespace

void TQXPaper::CheckProgress(bool Processed)
{
    // A design run renders one output page whatever overflows.
    if (FRowsPlaced > 0 || !HasOverflow() || (FReport && FReport->DesignRun())) {
        FIdleLayouts.clear();
        return;
    }
    if (!FFinalNoRoomName.isEmpty())
        RaiseReportError(Format("A row of band %s does not fit on an output page", {FFinalNoRoomName}));
    // Something may have taken the room this time (a cover, a refused pass)
    // and give it back on the next output page; a layout seen before since
    // the last row gives nothing back, and handlers that change the page on
    // every pass get a bounded number of tries.
    std::vector<qint64> layout{Processed ? 1 : 0};
    AppendLayout(*this, layout);
    if (FIdleLayouts.size() < MaxIdlePasses &&
        std::find(FIdleLayouts.begin(), FIdleLayouts.end(), layout) == FIdleLayouts.end()) {
        FIdleLayouts.push_back(std::move(layout));
        return;
    }
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
