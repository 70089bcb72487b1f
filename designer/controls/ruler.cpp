#include "designer/controls/ruler.h"

#include "classlib/controls/menus.h"
#include "classlib/controls/messages.h"
#include "classlib/controls/statictext.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/devicecontext.h"

#include <QWidget>

#include <cmath>
#include <utility>

namespace designer {

using namespace classlib;

namespace {

// The bands' thickness, and the height of a centimetre tick and of a
// 5 mm tick above the band's far edge.
constexpr int BandSize = 12;
constexpr int NumberTick = 2;
constexpr int SmallTick = 5;
// The least pixels between two numbers, and between two ticks.
constexpr double NumberSpacing = 10;
constexpr double TickSpacing = 5;

// Halving toward zero, as every placement of the ruler divides.
constexpr int Half(int V)
{
    return V / 2;
}

// Doubling the intervals stops here, so that the numbering stays within
// 64 bits however small the step.
constexpr int MaxDoublings = 20;

} // namespace

std::vector<TRulerMark> RulerMarks(double Step, int WindowStart, double Low, double High)
{
    std::vector<TRulerMark> marks;
    if (!(std::isfinite(Step) && Step > 0 && High > Low)) return marks;
    // Numbers on every labelEvery-th step, ticks on every tickEvery-th;
    // tickEvery divides labelEvery.
    qint64 labelEvery = 2;
    double s = Step;
    for (int k = 0; s < NumberSpacing && k < MaxDoublings; ++k) {
        labelEvery *= 2;
        s *= 2;
    }
    qint64 tickEvery = 1;
    s = Step;
    for (int k = 0; s < TickSpacing && k < MaxDoublings; ++k) {
        tickEvery *= 2;
        s *= 2;
    }
    const double tickStep = Step * double(tickEvery);
    if (tickStep < TickSpacing) return marks;
    // From the last tick at or before Low; the count is bounded by the
    // pixels between Low and High.
    const double first = std::floor((Low - WindowStart) / tickStep);
    for (qint64 k = first > 0 ? qint64(first) : 0;; ++k) {
        const qint64 i = k * tickEvery;
        const double x = WindowStart + double(i) * Step;
        if (!(x < High)) break;
        if (!(x > Low)) continue;
        marks.push_back({Round(x), i % labelEvery == 0 ? i / 2 : -1});
    }
    return marks;
}

const TClassInfo& TQXRuler::StaticClass()
{
    using R = TQXRuler;
    static const TClassInfo& info = TClassBuilder<R>("TQXRuler")
        .Prop("Align", &TControl::Align, &TControl::SetAlign).Default(alNone)
        .Prop("Font", &TControl::Font, &TControl::SetFont)
        .Prop("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
        .Prop("Orientation", &R::Orientation, &R::SetOrientation).Default(roHorizontal)
        .Prop("ScaleStart", 1, &R::GetValue, &R::SetValue)
        .Prop("ScaleEnd", 2, &R::GetValue, &R::SetValue)
        .Prop("ScaleMin", 3, &R::GetValue, &R::SetValue)
        .Prop("WindowStart", 4, &R::GetValue, &R::SetValue)
        .Prop("WindowEnd", 5, &R::GetValue, &R::SetValue)
        .Prop("ShowTip", &R::ShowTip, &R::SetShowTip).Default(true)
        .Prop("OnShowMarker", &R::OnShowMarker)
        .Prop("OnHideMarker", &R::OnHideMarker)
        .Build();
    return info;
}

TQXRuler::TQXRuler(TComponent* AOwner) : TCustomControl(AOwner)
{
    // What it follows may belong to the same owner.
    SetHearsOwner(true);
    // Every pixel is painted here: nothing to erase first.
    SetControlStyle({csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks});
    SetBounds(Left(), Top(), 200, 20);
}

TQXRuler::~TQXRuler()
{
    // The owned line and tip go with the ruler; no event fires.
    if (MouseCapture()) SetMouseCapture(false);
}

void TQXRuler::SetOrientation(TQXRulerOrientation Value)
{
    if (Value == FOrientation) return;
    FOrientation = Value;
    Invalidate();
}

int TQXRuler::GetValue(int Index) const
{
    switch (Index) {
    case 1: return FScaleStart;
    case 2: return FScaleEnd;
    case 3: return FScaleMin;
    case 4: return FWindowStart;
    case 5: return FWindowEnd;
    default: return 0;
    }
}

void TQXRuler::SetValue(int Index, int Value)
{
    int* field = nullptr;
    switch (Index) {
    case 1: field = &FScaleStart; break;
    case 2: field = &FScaleEnd; break;
    case 3: field = &FScaleMin; break;
    case 4: field = &FWindowStart; break;
    case 5: field = &FWindowEnd; break;
    default: return;
    }
    if (*field == Value) return;
    *field = Value;
    Invalidate();
}

void TQXRuler::SetStep(double Value)
{
    // The scale is counted in steps: zero, negative or not a number would
    // never end it.
    if (!(std::isfinite(Value) && Value > 0)) throw EInvalidOp(QStringLiteral("Invalid property value"));
    if (Value == FStep) return;
    FStep = Value;
    Invalidate();
}

// ---------------------------------------------------------------------------
// Painting

TRect TQXRuler::BandRect(int Start, int End) const
{
    const int from = std::max(Start, FScaleMin);
    if (FOrientation == roHorizontal) {
        const int c = Half(ClientHeight());
        return TRect{from, c - BandSize / 2, End, c + BandSize / 2};
    }
    const int c = Half(ClientWidth());
    return TRect{c - BandSize / 2, from, c + BandSize / 2, End};
}

TRect TQXRuler::GetScaleRect() const
{
    return BandRect(FScaleStart, FScaleEnd);
}

TRect TQXRuler::GetWindowRect() const
{
    return BandRect(FWindowStart, FWindowEnd);
}

void TQXRuler::Paint()
{
    TCanvas& c = *Canvas();
    c.SetFont(Font());
    c.Brush()->SetStyle(bsSolid);
    const TRect w = GetWindowRect();
    c.Brush()->SetColor(clWindow);
    c.FillRect(w);
    DrawScale();
    c.Brush()->SetStyle(bsSolid);
    // What the scale drew beyond the window band is painted over.
    c.DC().ExcludeClipRect(w);
    const TRect s = GetScaleRect();
    c.Brush()->SetColor(clAppWorkSpace);
    c.FillRect(s);
    c.DC().ExcludeClipRect(s);
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
}

int TQXRuler::NumberOffset() const
{
    return Half((FOrientation == roHorizontal ? ClientHeight() : ClientWidth()) - BandSize);
}

void TQXRuler::DrawScale()
{
    // Only what can show: from ScaleMin (or just before the client area,
    // where a number may still reach in) to ScaleEnd (or just beyond it).
    TCanvas& c = *Canvas();
    const int extent = FOrientation == roHorizontal ? ClientWidth() : ClientHeight();
    const double reach = c.TextWidth(QStringLiteral("00000000000"));
    const double low = std::max(double(FScaleMin), -reach);
    const double high = std::min(double(FScaleEnd), extent + reach);
    for (const TRulerMark& m : RulerMarks(FStep, FWindowStart, low, high)) {
        if (m.Number >= 0)
            DrawNumber(m.Position, QString::number(m.Number));
        else
            DrawTick(m.Position);
    }
}

void TQXRuler::DrawNumber(int Position, const QString& Text)
{
    TCanvas& c = *Canvas();
    const int w = c.TextWidth(Text);
    const int offset = NumberOffset();
    const int base = offset + BandSize;
    if (FOrientation == roHorizontal) {
        c.Brush()->SetStyle(bsClear);
        c.TextOut(Position - Half(w), offset, Text);
        c.MoveTo(Position, base - NumberTick);
        c.LineTo(Position, base);
        return;
    }
    // Reading upward, for the drawing only.
    TDeviceContext& dc = c.DC();
    c.Brush()->SetStyle(bsClear);
    c.RequiredState(TCanvas::csFontValid | TCanvas::csBrushValid);
    const TLogFont previous = dc.State().Font;
    TLogFont turned = c.Font()->LogFont();
    turned.Escapement = 900;
    turned.Orientation = 900;
    dc.SelectFont(turned);
    try {
        c.TextOut(offset, Position + Half(w), Text);
    } catch (...) {
        dc.SelectFont(previous);
        throw;
    }
    dc.SelectFont(previous);
    c.MoveTo(base - NumberTick, Position);
    c.LineTo(base, Position);
}

void TQXRuler::DrawTick(int Position)
{
    TCanvas& c = *Canvas();
    const int base = NumberOffset() + BandSize;
    if (FOrientation == roHorizontal) {
        c.MoveTo(Position, base - SmallTick);
        c.LineTo(Position, base);
    } else {
        c.MoveTo(base - SmallTick, Position);
        c.LineTo(base, Position);
    }
}

// ---------------------------------------------------------------------------
// Marker

void TQXRuler::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && !FMarker) {
        BeginMarker(X, Y);
        SetMouseCapture(true);
    } else {
        EndMarker();
    }
}

void TQXRuler::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FMarker) return;
    const int p = PlaceMarker(X, Y);
    if (p == FMarkerPos) return;
    FireHide();
    FMarkerPos = p;
    UpdateTip(X, Y);
    FireShow();
}

void TQXRuler::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    EndMarker();
}

void TQXRuler::Dispatch(TMessage& Message)
{
    TCustomControl::Dispatch(Message);
    if (Message.Msg == WM_CANCELMODE) EndMarker();
}

void TQXRuler::BeginMarker(int X, int Y)
{
    FMarker = new TWinControl(this);
    FMarker->SetParent(this);
    FMarker->SetColor(clBlack);
    // The line never takes the mouse from the ruler under it.
    if (QWidget* w = FMarker->Widget()) w->setAttribute(Qt::WA_TransparentForMouseEvents);
    FMarkerPos = PlaceMarker(X, Y);
    CreateTip();
    UpdateTip(X, Y);
    FireShow();
}

int TQXRuler::PlaceMarker(int X, int Y)
{
    int p = FOrientation == roHorizontal ? X : Y;
    p = std::max(p, FWindowStart);
    p = std::min(p, FWindowEnd);
    p = std::max(p, FScaleMin);
    if (FOrientation == roHorizontal)
        FMarker->SetBounds(p, 1, 1, Height() - 2);
    else
        FMarker->SetBounds(1, p, Width() - 2, 1);
    return p;
}

void TQXRuler::EndMarker()
{
    // Taken first: the handler may end the marker again (a cancel mode).
    if (TWinControl* line = std::exchange(FMarker, nullptr)) {
        FireHide();
        SetMouseCapture(false);
        delete line;
    }
    FreeTip();
}

void TQXRuler::CreateTip()
{
    // The tip stands in the ruler's parent, beside the ruler: a ruler
    // without one has nowhere to show it.
    if (!FShowTip || FTip || !Parent()) return;
    FTip = new TStaticText(this);
    FTip->SetVisible(false);
    FTip->SetParent(Parent());
    FTip->SetStaticBorderStyle(sbsSingle);
    FTip->SetColor(clInfoBk);
    FTip->Font()->SetColor(clInfoText);
}

void TQXRuler::UpdateTip(int X, int Y)
{
    if (!FTip) return;
    const double mm = (FMarkerPos - FWindowStart) * 10 * 0.5 / FStep;
    FTip->SetCaption(Format("%.2f", {mm}));
    TWinControl* parent = FTip->Parent();
    TPoint pt = parent->ScreenToClient(ClientToScreen(Point(X, Y)));
    const int tw = FTip->Width(), th = FTip->Height();
    if (FOrientation == roHorizontal) {
        pt.X = pt.X + tw + th < parent->ClientWidth() ? pt.X + th : pt.X - (tw + 1);
        pt.Y = Top() + Height() + 3;
    } else {
        pt.Y = pt.Y + 2 * th < parent->ClientHeight() ? pt.Y + th + 1 : pt.Y - (th + 1);
        pt.X = Left() + Width() + 3;
    }
    FTip->SetBounds(pt.X, pt.Y, tw, th);
    FTip->SetVisible(true);
    FTip->BringToFront();
}

void TQXRuler::FreeTip()
{
    delete FTip;
    FTip = nullptr;
}

void TQXRuler::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FTip) FTip = nullptr;
    if (AComponent == FMarker) FMarker = nullptr;
}

void TQXRuler::FireShow()
{
    if (OnShowMarker) OnShowMarker(this, FMarkerPos);
}

void TQXRuler::FireHide()
{
    if (OnHideMarker) OnHideMarker(this, FMarkerPos);
}

} // namespace designer
