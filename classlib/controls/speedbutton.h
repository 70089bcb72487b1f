#pragma once

// Speed buttons: a flat face with a glyph; the glyph's bottom-left pixel
// gives the colour that stays transparent.

#include "classlib/controls/glyphbutton.h"

namespace classlib {

class TSpeedButton : public TGlyphButton {
    QX_CLASS(TSpeedButton, TGlyphButton)
public:
    explicit TSpeedButton(TComponent* AOwner);

    // What a click does: runs OnClick when enabled.
    void Click() override;

protected:
    void Paint() override;
};

} // namespace classlib
