#pragma once

// Speed buttons: a flat face with a glyph; the glyph's bottom-left pixel
// gives the colour that stays transparent.

#include "classlib/controls/control.h"
#include "classlib/graphics/bitmap.h"

namespace classlib {

class TSpeedButton : public TCustomControl {
    QX_CLASS(TSpeedButton, TCustomControl)
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    TBitmap* Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap* Value);
    bool Down() const { return FDown; }

    // What a click does: runs OnClick when enabled.
    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TBitmap* FGlyph;
    bool FDown = false;
};

} // namespace classlib
