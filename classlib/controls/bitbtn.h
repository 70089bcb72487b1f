#pragma once

// Push buttons with a glyph beside the caption; the glyph's bottom-left
// pixel gives the colour that stays transparent.

#include "classlib/controls/glyphbutton.h"

namespace classlib {

class TBitBtn : public TGlyphButton {
    QX_CLASS(TBitBtn, TGlyphButton)
public:
    explicit TBitBtn(TComponent* AOwner);

protected:
    void Paint() override;
};

} // namespace classlib
