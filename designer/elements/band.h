#pragma once

// The design-time band: a container aligned to the top of the page, which
// stores the runtime's repetition and break flags and a second background
// for alternate rows; none of them changes what the designer shows.

#include "designer/elements/qxcontrol.h"

namespace designer {

class TQXBand : public TQXContainer {
    QX_CLASS(TQXBand, TQXContainer)
public:
    explicit TQXBand(classlib::TComponent* AOwner);
    ~TQXBand() override;

    bool PageBreak() const { return FPageBreak; }
    void SetPageBreak(bool Value) { FPageBreak = Value; }
    bool ColumnBreak() const { return FColumnBreak; }
    void SetColumnBreak(bool Value) { FColumnBreak = Value; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    bool InvertRows() const { return FInvertRows; }
    void SetInvertRows(bool Value) { FInvertRows = Value; }
    // Not drawn: copying it needs no repaint.
    runtime::TQXBackground* Background2() const { return FBackground2; }
    void SetBackground2(const runtime::TQXBackground* Value) { FBackground2->Assign(Value); }

private:
    bool FPageBreak = false;
    bool FColumnBreak = false;
    bool FAutoSize = false;
    bool FInvertRows = false;
    runtime::TQXBackground* FBackground2;
};

} // namespace designer
