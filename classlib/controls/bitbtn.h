#pragma once

// Push buttons with a glyph beside the caption; the glyph's bottom-left
// pixel gives the colour that stays transparent.

#include "classlib/controls/control.h"
#include "classlib/graphics/bitmap.h"

namespace classlib {

class TBitBtn : public TCustomControl {
    QX_CLASS(TBitBtn, TCustomControl)
public:
    explicit TBitBtn(TComponent* AOwner);
    ~TBitBtn() override;

    // An empty glyph shows the caption alone.
    TBitmap* Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap* Value);
    // Pressed: the left button went down on it and is still held.
    bool Down() const { return FDown; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TBitmap* FGlyph;
    bool FDown = false;
};

} // namespace classlib
