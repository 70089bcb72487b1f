#include "classlib/graphics/canvas.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/edges.h"
#include "classlib/graphics/graphic.h"

#include <algorithm>
#include <climits>

namespace classlib {

const TClassInfo& TCanvas::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCanvas>("TCanvas").Build();
    return info;
}

TCanvas::TCanvas() : FFont(new TFont), FPen(new TPen), FBrush(new TBrush)
{
    auto changed = [this](TObject* Sender) { ObjectChanged(Sender); };
    FFont->OnChange = changed;
    FPen->OnChange = changed;
    FBrush->OnChange = changed;
}

TCanvas::TCanvas(TDeviceContext* DC) : TCanvas()
{
    SetHandle(DC);
}

TCanvas::~TCanvas()
{
    delete FFont;
    delete FPen;
    delete FBrush;
}

void TCanvas::SetHandle(TDeviceContext* DC)
{
    FDC = DC;
    Refresh();
}

TDeviceContext& TCanvas::DC() const
{
    if (!FDC)
        throw EInvalidOperation(QStringLiteral("Canvas does not allow drawing"));
    return *FDC;
}

void TCanvas::ObjectChanged(TObject* Sender)
{
    if (Sender == FFont)
        FState &= ~unsigned(csFontValid);
    else if (Sender == FPen)
        FState &= ~unsigned(csPenValid);
    else if (Sender == FBrush)
        FState &= ~unsigned(csBrushValid);
}

void TCanvas::RequiredState(unsigned State)
{
    TDeviceContext& dc = DC();
    // Only what changed on the canvas side is selected: a font that a
    // caller selected into the context directly (a rotated one) stays in
    // use until the canvas's own font changes or Refresh is called.
    const unsigned need = State & ~FState;
    if (need & csPenValid) {
        dc.SelectPen(FPen->LogPen());
        dc.SetROP2(PenModeToROP2(FPen->Mode()));
    }
    if (need & csBrushValid) {
        const TLogBrush b = FBrush->LogBrush();
        dc.SelectBrush(b);
        // Text and hatches get the brush colour behind them only when solid.
        const bool solid = FBrush->Style() == bsSolid;
        dc.SetBkColor(solid ? b.Color : (~b.Color & 0xFFFFFF));
        dc.SetBkMode(solid ? OPAQUE : TRANSPARENT);
    }
    if (need & csFontValid) {
        dc.SelectFont(FFont->LogFont());
        dc.SetTextColor(ColorToRGB(FFont->Color()));
    }
    FState |= State | csHandleValid;
}

TPoint TCanvas::PenPos() const
{
    return FDC ? FDC->State().CurrentPos : TPoint{};
}

void TCanvas::MoveTo(int X, int Y)
{
    DC().MoveTo(X, Y);
}

void TCanvas::LineTo(int X, int Y)
{
    RequiredState(csPenValid | csBrushValid);
    DC().LineTo(X, Y);
}

void TCanvas::Rectangle(const TRect& R)
{
    RequiredState(csPenValid | csBrushValid);
    DC().Rectangle(R);
}

void TCanvas::Ellipse(const TRect& R)
{
    RequiredState(csPenValid | csBrushValid);
    DC().Ellipse(R);
}

void TCanvas::FillRect(const TRect& R)
{
    RequiredState(csBrushValid);
    DC().FillRect(R, FBrush->LogBrush());
}

void TCanvas::DrawFocusRect(const TRect& R)
{
    classlib::DrawFocusRect(DC(), R);
}

void TCanvas::Polygon(const std::vector<TPoint>& Points)
{
    RequiredState(csPenValid | csBrushValid);
    DC().Polygon(Points);
}

void TCanvas::Polyline(const std::vector<TPoint>& Points)
{
    RequiredState(csPenValid | csBrushValid);
    DC().Polyline(Points);
}

TColor TCanvas::Pixels(int X, int Y) const
{
    return TColor(qint32(DC().GetPixel(X, Y)));
}

void TCanvas::SetPixels(int X, int Y, TColor Color)
{
    RequiredState(csPenValid | csBrushValid);
    DC().SetPixel(X, Y, ColorToRGB(Color));
}

void TCanvas::TextOut(int X, int Y, const QString& Text)
{
    RequiredState(csFontValid | csBrushValid);
    DC().ExtTextOut(X, Y, 0, nullptr, Text);
    MoveTo(SatAdd(X, TextWidth(Text)), Y);
}

void TCanvas::TextRect(const TRect& R, int X, int Y, const QString& Text)
{
    RequiredState(csFontValid | csBrushValid);
    unsigned options = ETO_CLIPPED;
    if (FBrush->Style() != bsClear)
        options |= ETO_OPAQUE;
    DC().ExtTextOut(X, Y, options, &R, Text);
}

TSize TCanvas::TextExtent(const QString& Text)
{
    RequiredState(csFontValid);
    return DC().GetTextExtent(Text);
}

int TCanvas::TextWidth(const QString& Text)
{
    return TextExtent(Text).cx;
}

int TCanvas::TextHeight(const QString& Text)
{
    return TextExtent(Text).cy;
}

void TCanvas::StretchDraw(const TRect& R, const TGraphic* Graphic)
{
    if (Graphic && !Graphic->Empty())
        Graphic->Draw(*this, R);
}

void TCanvas::Draw(int X, int Y, const TGraphic* Graphic)
{
    if (!Graphic || Graphic->Empty())
        return;
    auto end = [](int From, int Size) { return int(std::clamp<qint64>(qint64(From) + Size, INT_MIN, INT_MAX)); };
    Graphic->Draw(*this, TRect{X, Y, end(X, Graphic->Width()), end(Y, Graphic->Height())});
}

void TCanvas::StretchDrawImage(const TRect& R, const QImage& Image)
{
    if (Image.isNull())
        return;
    RequiredState(csBrushValid);
    DC().StretchDIBits(R, TRect{0, 0, Image.width(), Image.height()}, Image, FCopyMode);
}

void TCanvas::CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SrcRect)
{
    RequiredState(csBrushValid);
    DC().StretchBlt(Dest, Source.DC(), SrcRect, FCopyMode);
}

TRect TCanvas::ClipRect() const
{
    TRect r;
    DC().GetClipBox(r);
    return r;
}

void TCanvas::Assign(const TPersistent* Source)
{
    if (auto* c = dynamic_cast<const TCanvas*>(Source)) {
        if (c == this)
            return;
        FFont->Assign(c->FFont);
        FPen->Assign(c->FPen);
        FBrush->Assign(c->FBrush);
        FCopyMode = c->FCopyMode;
        return;
    }
    TPersistent::Assign(Source);
}

} // namespace classlib
