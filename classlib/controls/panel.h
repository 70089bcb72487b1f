#pragma once

// Panels: a coloured area framed by an outer bevel, a border of the
// panel's colour and an inner bevel. The frame lies inside the client
// area: children keep their places, and only aligned children keep off it.

#include "classlib/controls/control.h"

namespace classlib {

QX_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)

class TCustomPanel : public TCustomControl {
    QX_CLASS(TCustomPanel, TCustomControl)
public:
    explicit TCustomPanel(TComponent* AOwner);

    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);
    // Pixels of each bevel; at least 1.
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    // Pixels between the two bevels; not negative. (BorderWidth() of the
    // control base is the border outside the client area.)
    int GetBorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    // Pixels of frame on each side: bevels and border.
    int FrameWidth() const;
    // Kept for callers that set it; Qt repaints only what was exposed.
    bool FullRepaint() const { return FFullRepaint; }
    void SetFullRepaint(bool Value) { FFullRepaint = Value; }

protected:
    void Paint() override;
    void AlignControls(TControl* AControl, TRect& Rect) override;

private:
    void FrameChanged();

    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    bool FFullRepaint = true;
};

class TPanel : public TCustomPanel {
    QX_CLASS(TPanel, TCustomPanel)
public:
    using TCustomPanel::TCustomPanel;
};

} // namespace classlib
