#pragma once

// Splitters: a bar between a control aligned to one side and what fills
// the rest. Dragging it sizes that control; neither it nor the rest gets
// smaller than MinSize.

#include "classlib/controls/control.h"

#include <algorithm>

namespace classlib {

class TSplitter : public TControl {
    QX_CLASS(TSplitter, TControl)
public:
    explicit TSplitter(TComponent* AOwner);

    int MinSize() const { return FMinSize; }
    void SetMinSize(int Value) { FMinSize = std::max(Value, 1); }
    // The control the splitter sizes: the nearest visible one before it on
    // its side; nil when there is none.
    TControl* FindControl() const;

    TNotifyEvent OnMoved;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool Horizontal() const { return Align() == alTop || Align() == alBottom; }
    // The size Control may take: between MinSize and what leaves MinSize
    // to the rest of the parent.
    int ClampSize(const TControl* Control, int Size) const;

    int FMinSize = 30;
    TControl* FControl = nullptr;
    int FDownAt = 0;
    int FStartSize = 0;
};

} // namespace classlib
