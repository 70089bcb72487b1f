#pragma once

// The scroll-bar settings of a form (HorzScrollBar, VertScrollBar), kept for
// the stored form: forms do not scroll their client area.

#include "classlib/controls/scrollbar.h"
#include "classlib/core/persistent.h"

namespace classlib {

class TControlScrollBar : public TPersistent {
    QX_CLASS(TControlScrollBar, TPersistent)
public:
    explicit TControlScrollBar(TScrollBarKind AKind = sbHorizontal) : FKind(AKind) {}

    void Assign(const TPersistent* Source) override;

    TScrollBarKind Kind() const { return FKind; }
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value; }
    int Margin() const { return FMargin; }
    void SetMargin(int Value) { FMargin = Value; }
    int Position() const { return FPosition; }
    void SetPosition(int Value) { FPosition = Value; }
    int Range() const { return FRange; }
    void SetRange(int Value) { FRange = Value; }
    bool Tracking() const { return FTracking; }
    void SetTracking(bool Value) { FTracking = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }

private:
    TScrollBarKind FKind;
    int FIncrement = 8;
    int FMargin = 0;
    int FPosition = 0;
    int FRange = 0;
    bool FTracking = false;
    bool FVisible = true;
};

} // namespace classlib
