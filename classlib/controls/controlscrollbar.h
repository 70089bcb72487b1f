#pragma once

// The scroll-bar settings of a form (HorzScrollBar, VertScrollBar), kept for
// the stored form: forms do not scroll their client area. A scroll box's
// bars scroll it: see scrollbox.h.

#include "classlib/controls/scrollbar.h"
#include "classlib/core/persistent.h"

namespace classlib {

class TScrollBox;

class TControlScrollBar : public TPersistent {
    QX_CLASS(TControlScrollBar, TPersistent)
public:
    explicit TControlScrollBar(TScrollBarKind AKind = sbHorizontal) : FKind(AKind) {}

    void Assign(const TPersistent* Source) override;

    TScrollBarKind Kind() const { return FKind; }
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int Range() const { return FRange; }
    void SetRange(int Value);
    bool Tracking() const { return FTracking; }
    void SetTracking(bool Value) { FTracking = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

private:
    friend class TScrollBox;
    void Changed();

    TScrollBox* FBox = nullptr;  // the scroll box it scrolls, if any
    TScrollBarKind FKind;
    int FIncrement = 8;
    int FMargin = 0;
    int FPosition = 0;
    int FRange = 0;
    bool FTracking = false;
    bool FVisible = true;
};

} // namespace classlib
