#include "classlib/controls/trackbar.h"

#include "classlib/controls/messages.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/edges.h"

#include <QWidget>

#include <cmath>

namespace classlib {

namespace {

constexpr int Inset = 12;       // from each side to the ends of the travel
constexpr int ChannelTop = 8;
constexpr int ThumbWidth = 10;
constexpr int ThumbHeight = 18;

} // namespace

const TClassInfo& TTrackBar::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TTrackBar>("TTrackBar")
        .Prop("Min", &TTrackBar::Min, &TTrackBar::SetMin).Default(0)
        .Prop("Max", &TTrackBar::Max, &TTrackBar::SetMax).Default(10)
        .Prop("Position", &TTrackBar::Position, &TTrackBar::SetPosition).Default(0)
        .Prop("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency).Default(1)
        .Build();
    return info;
}

TTrackBar::TTrackBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle({csCaptureMouse, csClickEvents});
    SetBounds(0, 0, 150, 45);
    Widget()->setFocusPolicy(Qt::StrongFocus);
}

void TTrackBar::SetParams(int APosition, int AMin, int AMax)
{
    AMax = std::max(AMin, AMax);
    APosition = std::clamp(APosition, AMin, AMax);
    const bool moved = APosition != FPosition;
    if (AMin == FMin && AMax == FMax && !moved)
        return;
    FMin = AMin;
    FMax = AMax;
    FPosition = APosition;
    Invalidate();
    if (moved && OnChange)
        OnChange(this);
}

void TTrackBar::SetFrequency(int Value)
{
    FFrequency = std::max(1, Value);
    Invalidate();
}

int TTrackBar::ThumbCentre(int Value) const
{
    const int travel = std::max(0, ClientWidth() - 2 * Inset);
    if (FMax == FMin)
        return Inset;
    return Inset + int(std::lround(double(Value - FMin) * travel / (FMax - FMin)));
}

int TTrackBar::ValueAt(int X) const
{
    const int travel = ClientWidth() - 2 * Inset;
    if (travel <= 0 || FMax == FMin)
        return FMin;
    const long v = FMin + std::lround(double(X - Inset) * (FMax - FMin) / travel);
    return std::clamp(int(v), FMin, FMax);
}

void TTrackBar::Paint()
{
    TCanvas& c = *Canvas();
    const TRect client = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(client);
    TRect channel{Inset - 4, ChannelTop + ThumbHeight / 2 - 2, client.Right - Inset + 4, ChannelTop + ThumbHeight / 2 + 2};
    DrawEdge(c.DC(), channel, EDGE_SUNKEN, BF_RECT);
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetWidth(1);
    c.Pen()->SetColor(clWindowText);
    const int tickTop = ChannelTop + ThumbHeight + 2;
    for (int v = FMin; v <= FMax; v += FFrequency) {
        const int x = ThumbCentre(v);
        c.MoveTo(x, tickTop);
        c.LineTo(x, tickTop + (v == FMin || v == FMax ? 4 : 3));
    }
    const int x = ThumbCentre(FPosition);
    TRect thumb{x - ThumbWidth / 2, ChannelTop, x - ThumbWidth / 2 + ThumbWidth, ChannelTop + ThumbHeight};
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(thumb);
    DrawEdge(c.DC(), thumb, EDGE_RAISED, BF_RECT);
    if (Focused())
        c.DrawFocusRect(client);
}

void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && Enabled()) {
        if (CanFocus() && !Focused())
            SetFocus();
        FTracking = true;
        SetPosition(ValueAt(X));
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TTrackBar::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FTracking)
        SetPosition(ValueAt(X));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FTracking = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TTrackBar::KeyDown(unsigned& Key, TShiftState Shift)
{
    switch (Key) {
    case VK_LEFT: case VK_UP: SetPosition(FPosition - FLineSize); break;
    case VK_RIGHT: case VK_DOWN: SetPosition(FPosition + FLineSize); break;
    case VK_PRIOR: SetPosition(FPosition - FPageSize); break;
    case VK_NEXT: SetPosition(FPosition + FPageSize); break;
    case VK_HOME: SetPosition(FMin); break;
    case VK_END: SetPosition(FMax); break;
    default: TCustomControl::KeyDown(Key, Shift); return;
    }
    Key = 0;
}

} // namespace classlib
