#include "classlib/controls/glyphbutton.h"

#include "classlib/core/classbuilder.h"

namespace classlib {

const TClassInfo& TGlyphButton::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TGlyphButton>("TGlyphButton").Build();
    return info;
}

TGlyphButton::TGlyphButton(TComponent* AOwner) : TCustomControl(AOwner), FGlyph(new TBitmap)
{
    FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TGlyphButton::~TGlyphButton()
{
    delete FGlyph;
}

void TGlyphButton::SetGlyph(const TBitmap* Value)
{
    FGlyph->Assign(Value);
    Invalidate();
}

void TGlyphButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Enabled()) {
        FDown = true;
        Repaint();
    }
}

void TGlyphButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft && FDown) {
        FDown = false;
        Repaint();
    }
}

} // namespace classlib
