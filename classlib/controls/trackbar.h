#pragma once

// A horizontal track bar: a thumb on a channel, Position from Min to Max,
// a tick below the channel at every Frequency-th value. The user moves the
// thumb with the mouse (a press or drag puts it at the nearest value) and
// with the keys (arrows by LineSize, Page Up/Down by PageSize, Home, End).
// OnChange follows every change of Position.

#include "classlib/controls/control.h"

namespace classlib {

class TTrackBar : public TCustomControl {
    QX_CLASS(TTrackBar, TCustomControl)
public:
    explicit TTrackBar(TComponent* AOwner);

    int Min() const { return FMin; }
    int Max() const { return FMax; }
    int Position() const { return FPosition; }
    // Position is kept within Min and Max.
    void SetParams(int APosition, int AMin, int AMax);
    void SetMin(int Value) { SetParams(FPosition, Value, std::max(FMax, Value)); }
    void SetMax(int Value) { SetParams(FPosition, std::min(FMin, Value), Value); }
    void SetPosition(int Value) { SetParams(Value, FMin, FMax); }
    int Frequency() const { return FFrequency; }
    void SetFrequency(int Value);
    int LineSize() const { return FLineSize; }
    void SetLineSize(int Value) { FLineSize = std::max(1, Value); }
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value) { FPageSize = std::max(1, Value); }

    // Client x of the thumb's centre at Value; the value nearest to X.
    int ThumbCentre(int Value) const;
    int ValueAt(int X) const;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;

private:
    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FFrequency = 1;
    int FLineSize = 1;
    int FPageSize = 2;
    bool FTracking = false;
};

} // namespace classlib
