#include "classlib/graphics/edges.h"

#include "classlib/graphics/color.h"
#include "classlib/graphics/devicecontext.h"

namespace classlib {

namespace {

// The top-left and bottom-right colours of one border.
struct TBorderColors {
    TColor TopLeft;
    TColor BottomRight;
};

bool BorderOf(unsigned Raised, unsigned Sunken, unsigned Edge, unsigned Flags, bool Outer,
              TBorderColors& Colors)
{
    if (!(Edge & (Raised | Sunken)))
        return false;
    if (Flags & BF_MONO) {
        const TColor c = Outer ? clWindowFrame : clWindow;
        Colors = {c, c};
    } else if (Flags & BF_FLAT) {
        const TColor c = Outer ? clBtnShadow : clBtnFace;
        Colors = {c, c};
    } else if (Edge & Raised) {
        Colors = Outer ? TBorderColors{cl3DLight, cl3DDkShadow} : TBorderColors{clBtnHighlight, clBtnShadow};
    } else {
        Colors = Outer ? TBorderColors{clBtnShadow, clBtnHighlight} : TBorderColors{cl3DDkShadow, cl3DLight};
    }
    return true;
}

void Fill(TDeviceContext& DC, const TRect& R, TColor Color)
{
    if (R.Right <= R.Left || R.Bottom <= R.Top)
        return;
    TLogBrush b;
    b.Color = ColorToRGB(Color);
    DC.FillRect(R, b);
}

// One border along the sides of Flags; R shrinks by it.
void DrawBorder(TDeviceContext& DC, TRect& R, const TBorderColors& C, unsigned Flags)
{
    // Top and left first, so that bottom and right take the far corners.
    if (Flags & BF_TOP)
        Fill(DC, Rect(R.Left, R.Top, R.Right, R.Top + 1), C.TopLeft);
    if (Flags & BF_LEFT)
        Fill(DC, Rect(R.Left, R.Top, R.Left + 1, R.Bottom), C.TopLeft);
    if (Flags & BF_BOTTOM)
        Fill(DC, Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom), C.BottomRight);
    if (Flags & BF_RIGHT)
        Fill(DC, Rect(R.Right - 1, R.Top, R.Right, R.Bottom), C.BottomRight);
    if (Flags & BF_TOP) ++R.Top;
    if (Flags & BF_LEFT) ++R.Left;
    if (Flags & BF_BOTTOM) --R.Bottom;
    if (Flags & BF_RIGHT) --R.Right;
}

} // namespace

bool DrawEdge(TDeviceContext& DC, TRect& R, unsigned Edge, unsigned Flags)
{
    TBorderColors outer{}, inner{};
    const bool hasOuter = BorderOf(BDR_RAISEDOUTER, BDR_SUNKENOUTER, Edge, Flags, true, outer);
    const bool hasInner = BorderOf(BDR_RAISEDINNER, BDR_SUNKENINNER, Edge, Flags, false, inner);
    if (!hasOuter && !hasInner)
        return false;
    TRect r = R;
    if (hasOuter)
        DrawBorder(DC, r, outer, Flags);
    if (hasInner)
        DrawBorder(DC, r, inner, Flags);
    if (Flags & BF_MIDDLE)
        Fill(DC, r, (Flags & BF_MONO) ? clWindow : clBtnFace);
    if (Flags & BF_ADJUST)
        R = r;
    return true;
}

void DrawFocusRect(TDeviceContext& DC, const TRect& R)
{
    if (R.Right <= R.Left || R.Bottom <= R.Top)
        return;
    // Drawn through the device's own primitives, so that a widget being
    // painted shows it as well as an image does.
    const int level = DC.SaveDC();
    DC.SetROP2(R2_NOT);
    DC.SelectPen(TLogPen{PS_SOLID, 1, RGB(0, 0, 0)});
    auto dot = [&DC](int X, int Y) {
        DC.MoveTo(X, Y);
        DC.LineTo(X + 1, Y);
    };
    const int right = R.Right - 1, bottom = R.Bottom - 1;
    for (int x = R.Left; x <= right; x += 2) {
        dot(x, R.Top);
        if (bottom != R.Top)
            dot(x, bottom);
    }
    for (int y = R.Top + 2; y < bottom; y += 2) {
        dot(R.Left, y);
        if (right != R.Left)
            dot(right, y);
    }
    DC.RestoreDC(level);
}

} // namespace classlib
