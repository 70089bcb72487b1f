#include "classlib/controls/bitbtn.h"

#include "classlib/graphics/drawtext.h"
#include "classlib/graphics/gdiconsts.h"

#include "classlib/controls/glyph.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/edges.h"

namespace classlib {

namespace {

// Pixels between the glyph and the caption.
constexpr int GlyphSpacing = 4;

} // namespace

const TClassInfo& TBitBtn::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TBitBtn>("TBitBtn")
        .Prop("Caption", &TBitBtn::Caption, &TBitBtn::SetCaption).Type(TypeInfo<TCaption>())
        .Build();
    return info;
}

TBitBtn::TBitBtn(TComponent* AOwner) : TCustomControl(AOwner), FGlyph(new TBitmap)
{
    SetControlStyle({csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks, csSetCaption});
    SetBounds(0, 0, 75, 25);
    FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TBitBtn::~TBitBtn()
{
    delete FGlyph;
}

void TBitBtn::SetGlyph(const TBitmap* Value)
{
    FGlyph->Assign(Value);
    Invalidate();
}

void TBitBtn::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Enabled()) {
        FDown = true;
        Invalidate();
    }
}

void TBitBtn::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft && FDown) {
        FDown = false;
        Invalidate();
    }
}

void TBitBtn::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(r);
    DrawEdge(c.DC(), r, FDown ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    // Glyph and caption side by side, centred together; pressed, they move
    // one pixel down and right.
    const bool glyph = !FGlyph->Empty();
    const int gw = glyph ? FGlyph->Width() : 0;
    const int gh = glyph ? FGlyph->Height() : 0;
    c.Font()->Assign(Font());
    // "&x" underlines x, as the caption of any button does.
    TRect measured{0, 0, 0, 0};
    if (!Caption().isEmpty()) DrawText(c, Caption(), measured, DT_CALCRECT | DT_SINGLELINE);
    const TSize text{measured.Width(), measured.Height()};
    const int gap = glyph && text.cx > 0 ? GlyphSpacing : 0;
    const int shift = FDown ? 1 : 0;
    int x = r.Left + (r.Width() - (gw + gap + text.cx)) / 2 + shift;
    if (glyph) {
        DrawButtonGlyph(c, FGlyph->Image(), x, r.Top + (r.Height() - gh) / 2 + shift, Enabled());
        x += gw + gap;
    }
    if (text.cx > 0) {
        c.Brush()->SetStyle(bsClear);
        c.Font()->SetColor(Enabled() ? clBtnText : clGrayText);
        const int y = r.Top + (r.Height() - text.cy) / 2 + shift;
        TRect at{x, y, x + text.cx, y + text.cy};
        DrawText(c, Caption(), at, DT_SINGLELINE);
    }
}

} // namespace classlib
