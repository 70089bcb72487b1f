#include "runtime/label.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/drawtext.h"
#include "classlib/graphics/font.h"

#include <cmath>
#include <numbers>

namespace runtime {

using namespace classlib;

const TClassInfo& TQXLabel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXLabel>("TQXLabel")
        .Prop("Caption", &TQXLabel::FCaption, &TQXLabel::SetCaption)
        .Encoded(&TQXLabel::StoredCaption, &TQXLabel::SetStoredCaption)
        .Prop("Alignment", &TQXLabel::FAlignment)
        .Prop("AutoSize", &TQXLabel::FAutoSize)
        .Prop("WordWrap", &TQXLabel::FWordWrap)
        .Prop("TextAngle", &TQXLabel::FTextAngle)
        .Prop("QXFont", &TQXLabel::FQXFont)
        .Build();
    return info;
}

TQXLabel::TQXLabel(TComponent* AOwner) : TQXControl(AOwner) {}

TQXLabel::~TQXLabel() = default;

void TQXLabel::SetCaption(const QString& Value)
{
    FCaption = Value;
    FDesignedCaption = Value;
}

QByteArray TQXLabel::StoredCaption() const
{
    return FStoredCaption.Encode(FCaption, CharsetToCodePage(FQXFont->Charset()));
}

void TQXLabel::SetStoredCaption(const QByteArray& Value)
{
    FStoredCaption = TStoredText(Value, CharsetToCodePage(FQXFont->Charset()));
    SetCaption(FStoredCaption.Text());
}

void TQXLabel::SetQXFont(const TFont* Value)
{
    FQXFont->Assign(Value);
}

int FontHeightToReportUnits(const TFont& Font)
{
    return SatInt(-Round64(Font.Size() * 2540.0 / 72.0));
}

void TQXLabel::Loaded()
{
    // The caption came before the font's character set.
    const int codePage = CharsetToCodePage(FQXFont->Charset());
    if (FStoredCaption.CodePage() != 0 && FStoredCaption.CodePage() != codePage &&
        FCaption == FStoredCaption.Text())
        SetStoredCaption(FStoredCaption.Bytes());
    TQXControl::Loaded();
    if (FTextAngle != 0) {
        // Whole turns dropped first: the sine of a large angle loses its digits.
        const double radians = (FTextAngle % 360) * std::numbers::pi / 180.0;
        FAbsSine = std::fabs(std::sin(radians));
        FAbsCosine = std::fabs(std::cos(radians));
    }
    FQXFont->SetHeight(FontHeightToReportUnits(*FQXFont));
}

void TQXLabel::AssignTo(TPersistent* Dest) const
{
    TQXControl::AssignTo(Dest);
    auto* d = As<TQXLabel>(Dest);
    if (!d) return;
    d->FCaption = FCaption;
    d->FStoredCaption = FStoredCaption;
    d->FAlignment = FAlignment;
    d->FAutoSize = FAutoSize;
    d->FWordWrap = FWordWrap;
    d->FTextAngle = FTextAngle;
    d->FAbsSine = FAbsSine;
    d->FAbsCosine = FAbsCosine;
    d->FQXFont->Assign(FQXFont);
    d->FQXFont->SetSize(FQXFont->Size());
}

void TQXLabel::Paint(TCanvas& Canvas)
{
    Canvas.Brush()->SetStyle(bsClear);
    TRect r = GetContentRect();
    DrawCaption(Canvas, r, 0);
}

void TQXLabel::Process(TCanvas& Canvas)
{
    FireGetText(FCaption);
    AdjustSize(Canvas);
}

void TQXLabel::Reset()
{
    FCaption = FDesignedCaption;
}

void TQXLabel::DrawCaption(TCanvas& Canvas, TRect& Rect, unsigned Flags)
{
    QString text = FCaption;
    if (FTextAngle != 0) {
        const qsizetype cr = text.indexOf(QLatin1Char('\r'));
        if (cr >= 0) text.truncate(cr);
    }
    const bool measuring = (Flags & DT_CALCRECT) != 0;
    if (measuring) text += QLatin1Char(' ');
    unsigned format = Flags | DT_NOPREFIX;
    if (FWordWrap) format |= DT_WORDBREAK;
    if (FTextAngle == 0) {
        switch (FAlignment) {
        case taLeftJustify: format |= DT_LEFT; break;
        case taRightJustify: format |= DT_RIGHT; break;
        case taCenter: format |= DT_CENTER; break;
        }
    }
    Canvas.Font()->Assign(FQXFont);
    if (measuring) {
        DrawText(Canvas, text, Rect, format);
        return;
    }
    TDeviceContext& dc = Canvas.DC();
    if (FTextAngle == 0) {
        // The text shows where it is laid out, also beyond the element's clip.
        const int level = dc.SaveDC();
        dc.SelectClipRgn(nullptr);
        try {
            DrawText(Canvas, text, Rect, format);
        } catch (...) {
            dc.RestoreDC(level);
            Canvas.Refresh();
            throw;
        }
        dc.RestoreDC(level);
        Canvas.Refresh();
        return;
    }
    TRect m{0, 0, 0, 0};
    DrawText(Canvas, text, m, format | DT_CALCRECT);
    const qint64 tw = qint64(m.Right) - m.Left;
    const qint64 th = qint64(m.Bottom) - m.Top;  // negative: lines run downwards
    const TLogFont previous = dc.State().Font;
    TLogFont rotated = Canvas.Font()->LogFont();
    // Tenths of a degree; whole turns are dropped only where the angle
    // would not fit otherwise.
    const qint64 tenths = -10 * qint64(FTextAngle);
    rotated.Escapement = SatInt(tenths) == tenths ? int(tenths) : int(tenths % 3600);
    rotated.Orientation = rotated.Escapement;
    qint64 dx, dy;
    if (FTextAngle < 90) {
        dx = 0;
        dy = -Round64(double(tw) * FAbsSine);
    } else if (FTextAngle > 270) {
        dx = -Round64(double(th) * FAbsSine);
        dy = 0;
    } else if (FTextAngle <= 180) {
        dx = Round64(double(tw) * FAbsCosine);
        dy = qint64(Rect.Bottom) - Rect.Top;
    } else {
        dx = qint64(Rect.Right) - Rect.Left;
        dy = Round64(double(th) * FAbsCosine);
    }
    Canvas.RequiredState(TCanvas::csFontValid | TCanvas::csBrushValid);
    dc.SelectFont(rotated);
    try {
        Canvas.TextOut(SatInt(Rect.Left + dx), SatInt(Rect.Top + dy), text);
    } catch (...) {
        dc.SelectFont(previous);
        throw;
    }
    dc.SelectFont(previous);
}

void TQXLabel::AdjustSize(TCanvas& Canvas)
{
    if (!FAutoSize || ComponentState().Contains(csReading)) return;
    TRect m{0, 0, 0, 0};
    DrawCaption(Canvas, m, DT_CALCRECT);
    qint64 w = qint64(m.Right) - m.Left;
    qint64 h = qint64(m.Top) - m.Bottom;
    if (FTextAngle > 0) {
        const qint64 rw = Round64(double(w) * FAbsCosine + double(h) * FAbsSine);
        const qint64 rh = Round64(double(h) * FAbsCosine + double(w) * FAbsSine);
        w = rw;
        h = rh;
    }
    qint64 left = QXLeft();
    if (FAlignment == taRightJustify)
        left = qint64(QXLeft()) + QXWidth() - GetContentRect().Left - w;
    SetOuterBounds(SatInt(left), QXTop(), SatInt(w), SatInt(h));
}

} // namespace runtime
