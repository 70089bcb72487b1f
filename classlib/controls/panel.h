#pragma once

// Panels: a coloured area with optional bevels.

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
    // Kept for callers that set it; Qt repaints only what was exposed.
    bool FullRepaint() const { return FFullRepaint; }
    void SetFullRepaint(bool Value) { FFullRepaint = Value; }

protected:
    void Paint() override;

private:
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    bool FFullRepaint = true;
};

class TPanel : public TCustomPanel {
    QX_CLASS(TPanel, TCustomPanel)
public:
    using TCustomPanel::TCustomPanel;
};

} // namespace classlib
