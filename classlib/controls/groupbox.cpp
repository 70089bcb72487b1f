#include "classlib/controls/groupbox.h"

#include "classlib/core/classbuilder.h"

#include <algorithm>

namespace classlib {

namespace {

// Pixels between the frame and the caption on either side.
constexpr int CaptionGap = 2;
constexpr int CaptionIndent = 8;

} // namespace

const TClassInfo& TCustomGroupBox::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCustomGroupBox>("TCustomGroupBox").Build();
    return info;
}

const TClassInfo& TGroupBox::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TGroupBox>("TGroupBox").Build();
    return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                     csDoubleClicks, csReplicatable});
    SetBounds(0, 0, 185, 105);
}

int TCustomGroupBox::FrameTop()
{
    return MeasureCanvas().TextHeight(QStringLiteral("0")) / 2;
}

void TCustomGroupBox::AlignControls(TControl* AControl, TRect& Rect)
{
    // Below the caption's full height, inside the two-pixel frame.
    const int top = 2 * FrameTop() + 1;
    Rect = classlib::Rect(Rect.Left + 2, Rect.Top + top, std::max(Rect.Right - 2, Rect.Left + 2),
                          std::max(Rect.Bottom - 2, Rect.Top + top));
    TCustomControl::AlignControls(AControl, Rect);
}

void TCustomGroupBox::TextChanged()
{
    Invalidate();
}

void TCustomGroupBox::FontChanged()
{
    TCustomControl::FontChanged();
    Realign();
}

void TCustomGroupBox::Paint()
{
    TCanvas& c = *Canvas();
    const TRect r = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    c.SetFont(Font());
    const int top = FrameTop();
    // Etched: a shadow line with a highlight line one pixel below and right.
    for (const auto& [colour, shift] : {std::pair{clBtnHighlight, 1}, std::pair{clBtnShadow, 0}}) {
        const TRect f = classlib::Rect(r.Left + shift, r.Top + top + shift, r.Right - 1 + shift,
                                       r.Bottom - 1 + shift);
        c.Brush()->SetColor(colour);
        c.FillRect(classlib::Rect(f.Left, f.Top, f.Right, f.Top + 1));
        c.FillRect(classlib::Rect(f.Left, f.Top, f.Left + 1, f.Bottom));
        c.FillRect(classlib::Rect(f.Left, f.Bottom - 1, f.Right, f.Bottom));
        c.FillRect(classlib::Rect(f.Right - 1, f.Top, f.Right, f.Bottom));
    }
    if (Caption().isEmpty())
        return;
    const int w = c.TextWidth(Caption());
    c.Brush()->SetColor(Color());
    c.FillRect(classlib::Rect(r.Left + CaptionIndent - CaptionGap, r.Top,
                              r.Left + CaptionIndent + w + CaptionGap, r.Top + 2 * top + 1));
    c.Brush()->SetStyle(bsClear);
    c.Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
    c.TextOut(r.Left + CaptionIndent, r.Top, Caption());
}

} // namespace classlib
