#pragma once

// Scroll bars: a range Min..Max of which PageSize units show at a time, so
// the thumb's position runs from Min to Max - PageSize + 1.

#include "classlib/controls/control.h"

#include <algorithm>
#include <functional>

namespace classlib {

QX_ENUM(TScrollBarKind, sbHorizontal, sbVertical)
QX_ENUM(TScrollCode, scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop,
        scBottom, scEndScroll)

class TScrollBar : public TWinControl {
    QX_CLASS(TScrollBar, TWinControl)
public:
    explicit TScrollBar(TComponent* AOwner);

    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind Value);

    int Min() const { return FMin; }
    int Max() const { return FMax; }
    int Position() const { return FPosition; }
    int PageSize() const { return FPageSize; }
    int LargeChange() const { return FLargeChange; }
    int SmallChange() const { return FSmallChange; }
    void SetMin(int Value) { SetParams(FPosition, Value, std::max(FMax, Value)); }
    void SetMax(int Value) { SetParams(FPosition, std::min(FMin, Value), Value); }
    void SetPosition(int Value) { SetParams(Value, FMin, FMax); }
    void SetLargeChange(int Value);
    void SetSmallChange(int Value);
    // Position is kept within Min..Max; Max below Min counts as Min.
    void SetParams(int APosition, int AMin, int AMax);
    // Negative counts as 0. With DisableNoScroll the bar is enabled exactly
    // while its range (Max - Min + 1) exceeds its page.
    void SetPageSize(int Value, bool DisableNoScroll = false);
    bool CanScroll() const { return FMax - FMin >= FPageSize; }

    // The thumb's furthest position.
    int MaxThumbPosition() const { return std::max(FMin, FMax - std::max(FPageSize - 1, 0)); }

    // What the user did, and the position it leads to (the handler may
    // change it). Tracking reports scTrack while the thumb is dragged; every
    // action ends with scEndScroll at the bar's position.
    std::function<void(TObject* Sender, TScrollCode Code, int& ScrollPos)> OnScroll;
    // After Position changed.
    std::function<void(TObject* Sender)> OnChange;

    // Runs the scroll protocol as the widget does: OnScroll, then the new
    // position (clamped) unless the code is scTrack or scEndScroll.
    void Scroll(TScrollCode Code, int ScrollPos);

protected:
    void EnabledChanged() override;

private:
    void Sync();
    void Change();

    TScrollBarKind FKind = sbHorizontal;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FPageSize = 0;
    int FLargeChange = 1;
    int FSmallChange = 1;
    bool FScrollable = true;
    bool FSyncing = false;
};

} // namespace classlib
