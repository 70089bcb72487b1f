#pragma once

// What the buttons with a glyph share: the glyph, and the pressed state a
// left button holds while it is down on the button.

#include "classlib/controls/control.h"
#include "classlib/graphics/bitmap.h"

namespace classlib {

class TGlyphButton : public TCustomControl {
    QX_CLASS(TGlyphButton, TCustomControl)
public:
    explicit TGlyphButton(TComponent* AOwner);
    ~TGlyphButton() override;

    // An empty glyph draws nothing.
    TBitmap* Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap* Value);
    // Pressed: the left button went down on it and is still held.
    bool Down() const { return FDown; }

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TBitmap* FGlyph;
    bool FDown = false;
};

} // namespace classlib
