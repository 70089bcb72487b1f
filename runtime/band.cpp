#include "runtime/band.h"

#include "runtime/paper.h"
#include "runtime/report.h"

#include "classlib/core/classbuilder.h"

namespace runtime {

using namespace classlib;

const TClassInfo& TQXBand::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXBand>("TQXBand")
        .Prop("PageBreak", &TQXBand::FPageBreak)
        .Prop("ColumnBreak", &TQXBand::FColumnBreak)
        .Prop("AutoSize", &TQXBand::FAutoSize)
        .Prop("InvertRows", &TQXBand::FInvertRows)
        .Prop("Background2", &TQXBand::FBackground2)
        .Build();
    return info;
}

TQXBand::TQXBand(TComponent* AOwner) : TQXContainer(AOwner), FBackground2(new TQXBackground)
{
    SetAlign(alTop);
    SetPrintable(false);
}

TQXBand* TQXBand::CreateClone(TComponent* AOwner)
{
    auto* band = new TQXBand(AOwner);
    band->SetPrintable(true);
    band->FClone = true;
    return band;
}

TQXBand::~TQXBand()
{
    delete FBackground2;
}

void TQXBand::AssignTo(TPersistent* Dest) const
{
    TQXContainer::AssignTo(Dest);
    auto* d = As<TQXBand>(Dest);
    if (!d || d == this) return;
    d->FBackground2->Assign(FBackground2);
    d->FPageBreak = FPageBreak;
    d->FColumnBreak = FColumnBreak;
    d->FAutoSize = FAutoSize;
    d->FInvertRows = FInvertRows;
    d->FMaster = FMaster ? FMaster : const_cast<TQXBand*>(this);
    // A band is never its own master: the flags climb the chain.
    if (d->FMaster == d) d->FMaster = nullptr;
    d->FOverflow = FOverflow;
    d->FContinued = FContinued;
}

void TQXBand::SetBandOverflow(TQXBand* Band, bool Value)
{
    Band->FOverflow = Value;
    if (Band->FMaster) SetBandOverflow(Band->FMaster, Value);
    if (Value)
        if (auto* parent = As<TQXBand>(Band->QXParent())) SetBandOverflow(parent, true);
}

void TQXBand::SetBandContinued(TQXBand* Band, bool Value)
{
    Band->FContinued = Value;
    if (Band->FMaster) SetBandContinued(Band->FMaster, Value);
    if (Value)
        if (auto* parent = As<TQXBand>(Band->QXParent())) SetBandContinued(parent, true);
}

bool TQXBand::DoBeforePrint()
{
    if (FClone) {
        if (FContinued) {
            // The row goes on from the previous output page: it was asked then.
            SetBandContinued(this, false);
            return true;
        }
        return TQXControl::DoBeforePrint();
    }
    if (FOverflow) {
        // The row that had no room on the previous output page comes now.
        SetBandOverflow(this, false);
        return true;
    }
    bool needData = false;
    if (!FDataExhausted) FireAskData(needData);
    if (!needData && As<TQXPaper>(QXParent())) FDataExhausted = true;
    return needData;
}

void TQXBand::DoAfterPrint()
{
    if (FClone) TQXControl::DoAfterPrint();
}

void TQXBand::Process(TCanvas& Canvas)
{
    if (FClone) {
        TQXContainer::Process(Canvas);
        if (FAutoSize) AdjustHeight();
        return;
    }
    if (FAutoSize) AdjustHeight();
    RepeatForData(Canvas);
}

void TQXBand::AdjustHeight()
{
    qint64 sum = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TQXControl* c = GetControl(i);
        if (c->Printable() && (c->Align() == alTop || c->Align() == alBottom)) sum += c->QXHeight();
    }
    SetOuterBounds(QXLeft(), QXTop(), QXWidth(), SatInt(sum));
}

bool TQXBand::CanFit(TQXControl& Control)
{
    if (FAutoSize) {
        AdjustHeight();
        auto* parent = QXParent();
        return parent && parent->GetFreeHeight() >= Control.QXHeight();
    }
    return GetFreeHeight() >= Control.QXHeight();
}

bool TQXBand::HasOverflow() const
{
    return FOverflow || TQXContainer::HasOverflow();
}

bool TQXBand::DesignRunning() const
{
    const TQXReport* report = GetReport();
    return report && report->DesignRun();
}

namespace {

// Whether no other element takes room from the rows of Parent: then a row
// refused now is refused on every output page. An AutoSize band grows
// inside its own parent, where it takes room itself.
bool RoomIsUntaken(const TQXContainer& Parent)
{
    if (const auto* band = dynamic_cast<const TQXBand*>(&Parent); band && band->AutoSize()) return false;
    const TRect c = Parent.GetContentRect();
    return Parent.GetFreeHeight() == qint64(c.Top) - c.Bottom;
}

} // namespace

void TQXBand::RepeatForData(TCanvas& Canvas)
{
    TQXContainer* parent = ListedIn();
    if (!parent) return;
    auto* paper = As<TQXPaper>(Owner());
    bool breakSeen = false;
    bool alternate = false;
    int index = parent->IndexOfControl(this) + 1;
    for (;;) {
        if (breakSeen) {
            SetBandOverflow(this, true);
            return;
        }
        breakSeen = FPageBreak;
        if (!parent->CanFit(*this)) {
            if (paper) paper->NoteNoRoom(this, RoomIsUntaken(*parent));
            SetBandOverflow(this, true);
            return;
        }
        TQXBand* clone = CreateClone(Owner());
        try {
            clone->Assign(this);
            clone->SetBackground(alternate ? FBackground2 : Background());
        } catch (...) {
            delete clone;
            throw;
        }
        alternate = alternate != FInvertRows;
        const bool resumed = clone->FContinued;
        parent->InsertControl(index, clone);
        if (paper && !resumed) paper->NoteRowPlaced();
        if (clone->DoBeforePrint()) {
            clone->Process(Canvas);
            if (clone->FOverflow) {
                SetBandContinued(clone, true);
                return;
            }
            clone->DoAfterPrint();
        }
        if (DesignRunning()) return;
        bool needData = false;
        FireAskData(needData);
        if (!needData && As<TQXPaper>(parent)) FDataExhausted = true;
        if (!needData) return;
        ++index;
    }
}

} // namespace runtime
