#include "classlib/controls/statusbar.h"

#include "classlib/controls/application.h"
#include "classlib/controls/form.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/edges.h"

#include <algorithm>

namespace classlib {

namespace {

// Pixels between panels, and above them.
constexpr int PanelGap = 2;
// Bounds what a stored form may ask of a panel.
constexpr int MaxPanelWidth = 8192;

} // namespace

// ---------------------------------------------------------------------------
// TStatusPanel

const TClassInfo& TStatusPanel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStatusPanel>("TStatusPanel")
        .Prop("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle).Default(psText)
        .Prop("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
        .Prop("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth).Default(50)
        .Build();
    return info;
}

void TStatusPanel::Assign(const TPersistent* Source)
{
    auto* p = dynamic_cast<const TStatusPanel*>(Source);
    if (!p) {
        TCollectionItem::Assign(Source);
        return;
    }
    FText = p->FText;
    FWidth = p->FWidth;
    FStyle = p->FStyle;
    Changed(false);
}

void TStatusPanel::SetText(const QString& Value)
{
    if (Value == FText)
        return;
    FText = Value;
    Changed(false);
}

void TStatusPanel::SetWidth(int Value)
{
    Value = std::clamp(Value, 0, MaxPanelWidth);
    if (Value == FWidth)
        return;
    FWidth = Value;
    Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    Changed(false);
}

// ---------------------------------------------------------------------------
// TStatusPanels

const TClassInfo& TStatusPanels::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStatusPanels>("TStatusPanels").Build();
    return info;
}

TStatusPanels::TStatusPanels(TStatusBar* StatusBar)
    : TCollection(TStatusPanel::StaticClass()), FStatusBar(StatusBar)
{
}

void TStatusPanels::Update(TCollectionItem*)
{
    if (FStatusBar && !FStatusBar->IsDestroying())
        FStatusBar->Invalidate();
}

// ---------------------------------------------------------------------------
// TStatusBar

const TClassInfo& TStatusBar::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStatusBar>("TStatusBar")
        .Prop("Panels", &TStatusBar::FPanels)
        .Prop("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel).Default(false)
        .Prop("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText)
        .Prop("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip).Default(true)
        .Prop("OnDrawPanel", &TStatusBar::OnDrawPanel)
        .Prop<TNotifyEvent>("OnResize", &TStatusBar::OnResize)
        .Build();
    return info;
}

TStatusBar::TStatusBar(TComponent* AOwner) : TCustomControl(AOwner), FPanels(new TStatusPanels(this))
{
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque});
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar()
{
    TStatusPanels* panels = FPanels;
    panels->BeginUpdate();
    FPanels = nullptr;
    delete panels;
}

void TStatusBar::SetSimplePanel(bool Value)
{
    if (Value == FSimplePanel)
        return;
    FSimplePanel = Value;
    Invalidate();
}

void TStatusBar::SetSimpleText(const QString& Value)
{
    if (Value == FSimpleText)
        return;
    FSimpleText = Value;
    if (FSimplePanel)
        Invalidate();
}

void TStatusBar::SetSizeGrip(bool Value)
{
    if (Value == FSizeGrip)
        return;
    FSizeGrip = Value;
    Invalidate();
}

bool TStatusBar::GripShowing() const
{
    if (!FSizeGrip)
        return false;
    const TForm* form = GetParentForm(this);
    if (!form || form->WindowState() == wsMaximized)
        return false;
    return form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin;
}

TRect TStatusBar::GripRect() const
{
    const TRect c = ClientRect();
    return Rect(c.Right - StatusGripSize, c.Bottom - StatusGripSize, c.Right, c.Bottom);
}

TRect TStatusBar::PanelBounds(int Index) const
{
    const TRect c = ClientRect();
    if (FSimplePanel)
        return Rect(c.Left, c.Top + PanelGap, c.Right, c.Bottom);
    int x = c.Left;
    for (int i = 0; i < Index; ++i)
        x += FPanels->Items(i)->Width() + PanelGap;
    const bool last = Index == FPanels->Count() - 1;
    const int right = last ? std::max(c.Right, x) : x + FPanels->Items(Index)->Width();
    return Rect(x, c.Top + PanelGap, right, c.Bottom);
}

TRect TStatusBar::PanelRect(int Index) const
{
    if (FSimplePanel || Index < 0 || Index >= FPanels->Count())
        return TRect{};
    const TRect r = PanelBounds(Index);
    return Rect(r.Left + 1, r.Top + 1, std::max(r.Left + 1, r.Right - 1), std::max(r.Top + 1, r.Bottom - 1));
}

void TStatusBar::PaintText(TCanvas& C, const TRect& R, const QString& Text)
{
    const int y = R.Top + std::max(0, (R.Height() - C.TextHeight(QStringLiteral("Wg"))) / 2);
    C.TextRect(R, R.Left + 2, y, Text);
}

void TStatusBar::DrawPanel(TStatusPanel* Panel, const TRect& Rect)
{
    if (OnDrawPanel)
        OnDrawPanel(this, Panel, Rect);
}

void TStatusBar::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    c.Font()->Assign(Font());
    const int count = FSimplePanel ? 1 : FPanels->Count();
    for (int i = 0; i < count; ++i) {
        TRect outer = PanelBounds(i);
        if (outer.Left >= ClientWidth())
            break;
        DrawEdge(c.DC(), outer, BDR_SUNKENOUTER, BF_RECT);
        const TRect inner = Rect(outer.Left + 1, outer.Top + 1, outer.Right - 1, outer.Bottom - 1);
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(Color());
        if (FSimplePanel) {
            PaintText(c, inner, FSimpleText);
            continue;
        }
        TStatusPanel* panel = FPanels->Items(i);
        if (panel->Style() == psOwnerDraw)
            DrawPanel(panel, inner);
        else
            PaintText(c, inner, panel->Text());
    }
    if (!GripShowing())
        return;
    // Three diagonal pairs of highlight and shadow lines in the corner.
    const TRect g = GripRect();
    c.Brush()->SetColor(Color());
    c.FillRect(Rect(g.Left + 2, g.Top + 2, g.Right, g.Bottom));
    for (int d : {3, 7, 11}) {
        c.Pen()->SetColor(clBtnHighlight);
        c.MoveTo(g.Right - d - 1, g.Bottom);
        c.LineTo(g.Right, g.Bottom - d - 1);
        c.Pen()->SetColor(clBtnShadow);
        for (int k : {0, 1}) {
            c.MoveTo(g.Right - d + k, g.Bottom);
            c.LineTo(g.Right, g.Bottom - d + k);
        }
    }
}

void TStatusBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TRect g = GripRect();
    if (Button == mbLeft && GripShowing() && X >= g.Left && Y >= g.Top) {
        const TForm* form = GetParentForm(this);
        FSizing = true;
        FSizeFrom = ClientToScreen(TPoint{X, Y});
        FStartWidth = form->Width();
        FStartHeight = form->Height();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TStatusBar::MouseMove(TShiftState Shift, int X, int Y)
{
    const TRect g = GripRect();
    if (FSizing) {
        if (TForm* form = GetParentForm(this)) {
            const TPoint at = ClientToScreen(TPoint{X, Y});
            form->SetBounds(form->Left(), form->Top(), std::max(FStartWidth + at.X - FSizeFrom.X, 0),
                            std::max(FStartHeight + at.Y - FSizeFrom.Y, 0));
        }
    } else {
        SetCursor(GripShowing() && X >= g.Left && Y >= g.Top ? crSizeNWSE : crDefault);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TStatusBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
        FSizing = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

} // namespace classlib
