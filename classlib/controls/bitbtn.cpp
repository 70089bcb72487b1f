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

TBitBtn::TBitBtn(TComponent* AOwner) : TGlyphButton(AOwner)
{
    SetControlStyle({csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks, csSetCaption});
    SetBounds(0, 0, 75, 25);
}

void TBitBtn::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(r);
    DrawEdge(c.DC(), r, Down() ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    // Glyph and caption side by side, centred together; pressed, they move
    // one pixel down and right.
    const bool glyph = !Glyph()->Empty();
    const int gw = glyph ? Glyph()->Width() : 0;
    const int gh = glyph ? Glyph()->Height() : 0;
    c.Font()->Assign(Font());
    // "&x" underlines x, as the caption of any button does.
    TRect measured{0, 0, 0, 0};
    if (!Caption().isEmpty()) DrawText(c, Caption(), measured, DT_CALCRECT | DT_SINGLELINE);
    const TSize text{measured.Width(), measured.Height()};
    const int gap = glyph && text.cx > 0 ? GlyphSpacing : 0;
    const int shift = Down() ? 1 : 0;
    int x = r.Left + (r.Width() - (gw + gap + text.cx)) / 2 + shift;
    if (glyph) {
        DrawButtonGlyph(c, Glyph()->Image(), x, r.Top + (r.Height() - gh) / 2 + shift, Enabled());
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
