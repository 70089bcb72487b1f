#pragma once

// The unit of data-driven repetition. A band read from a document is a
// template that is never painted: for every data row its data pass inserts
// a copy of itself (a clone) behind itself and lets the clone run its own
// data pass. Running out of room sets an overflow flag that climbs through
// the enclosing bands and makes the paper render another output page, on
// which the band goes on with the row that did not fit.

#include "runtime/container.h"

namespace runtime {

class TQXBand : public TQXContainer {
    QX_CLASS(TQXBand, TQXContainer)
public:
    // A template: aligned to the top, not printable.
    explicit TQXBand(classlib::TComponent* AOwner);
    // A row: printable.
    static TQXBand* CreateClone(classlib::TComponent* AOwner);
    ~TQXBand() override;

    bool PageBreak() const { return FPageBreak; }
    void SetPageBreak(bool Value) { FPageBreak = Value; }
    // Kept and copied; nothing depends on it.
    bool ColumnBreak() const { return FColumnBreak; }
    void SetColumnBreak(bool Value) { FColumnBreak = Value; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    bool InvertRows() const { return FInvertRows; }
    void SetInvertRows(bool Value) { FInvertRows = Value; }
    TQXBackground* Background2() const { return FBackground2; }
    void SetBackground2(const TQXBackground* Value) { FBackground2->Assign(Value); }

    // Run-time state of one paper's rendering.
    bool IsClone() const { return FClone; }
    bool Overflow() const { return FOverflow; }
    bool Continued() const { return FContinued; }
    TQXBand* Master() const { return FMaster; }
    bool DataExhausted() const { return FDataExhausted; }

    bool DoBeforePrint() override;
    void DoAfterPrint() override;
    void Process(TCanvas& Canvas) override;
    bool CanFit(TQXControl& Control) override;
    bool HasOverflow() const override;

    // The height follows the printable top- and bottom-aligned children.
    void AdjustHeight();

    // Set on the band and its masters; setting also climbs through every
    // enclosing band.
    static void SetBandOverflow(TQXBand* Band, bool Value);
    static void SetBandContinued(TQXBand* Band, bool Value);

protected:
    void AssignTo(classlib::TPersistent* Dest) const override;

private:
    void RepeatForData(TCanvas& Canvas);
    bool DesignRunning() const;

    bool FPageBreak = false;
    bool FColumnBreak = false;
    bool FAutoSize = false;
    bool FInvertRows = false;
    TQXBackground* FBackground2;
    bool FClone = false;
    bool FOverflow = false;
    bool FContinued = false;
    TQXBand* FMaster = nullptr;  // a template of the document, which outlives every copy
    bool FDataExhausted = false;
};

} // namespace runtime
