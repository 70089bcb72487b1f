#include "designer/elements/label.h"

#include "designer/document/designstate.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/stringlist.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/drawtext.h"
#include "classlib/graphics/font.h"

#include <cmath>
#include <numbers>

namespace designer {

using namespace classlib;

const TClassInfo& TQXLabel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXLabel>("TQXLabel")
        // Always stored: the font is, and a stored font is the label's own
        // unless the stream says to follow the parent's.
        .Prop("ParentFont", &TControl::ParentFont, &TQXLabel::SetStoredParentFont)
        .Prop("Caption", &TCustomControl::Caption, &TQXLabel::SetCaption).Type(TypeInfo<TCaption>())
        .Encoded(&TQXLabel::StoredCaption, &TQXLabel::SetStoredCaption)
        .Prop("Font", &TControl::Font, &TQXLabel::SetFont).Stored(false)
        .Prop("QXFont", &TQXLabel::StreamFont, &TQXLabel::SetFont)
        .Prop("Lines", &TQXLabel::Lines, &TQXLabel::SetLines).Stored(false)
        .Prop("Alignment", &TQXLabel::Alignment, &TQXLabel::SetAlignment)
        .Prop("AutoSize", &TQXLabel::AutoSize, &TQXLabel::SetAutoSize)
        .Prop("WordWrap", &TQXLabel::WordWrap, &TQXLabel::SetWordWrap)
        .Prop("TextAngle", &TQXLabel::TextAngle, &TQXLabel::SetTextAngle)
        .Build();
    return info;
}

TQXLabel::TQXLabel(TComponent* AOwner) : TQXControl(AOwner), FLines(new TStringList)
{
    SetParentFont(true);
    FAutoSize = true;
    UpdateBounds();
}

TQXLabel::~TQXLabel()
{
    delete FLines;
}

QByteArray TQXLabel::StoredCaption() const
{
    return FStoredCaption.Encode(Caption(), CharsetToCodePage(Font()->Charset()));
}

void TQXLabel::SetStoredCaption(const QByteArray& Value)
{
    FStoredCaption = TStoredText(Value, CharsetToCodePage(Font()->Charset()));
    // Read text is taken as it decodes; Loaded decodes it again once the
    // font's character set is known.
    TCustomControl::SetCaption(FStoredCaption.Text());
}

void TQXLabel::SetCaption(const QString& Value)
{
    // Refused here rather than at the next save, page switch or preview,
    // which would all fail until the text changed.
    EncodeCodePage(Value, CharsetToCodePage(Font()->Charset()));
    TCustomControl::SetCaption(Value);
}

void TQXLabel::SetFont(const TFont* Value)
{
    if (Value) EncodeCodePage(Caption(), CharsetToCodePage(Value->Charset()));
    TControl::SetFont(Value);
}

TStrings* TQXLabel::Lines() const
{
    FLines->SetText(Caption());
    return FLines;
}

void TQXLabel::SetLines(const TStrings* Value)
{
    FLines->Assign(Value);
    QString text = FLines->Text();
    text.chop(2);  // the final line break
    SetCaption(text);
}

void TQXLabel::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment) return;
    FAlignment = Value;
    if (FAlignment != taLeftJustify) FTextAngle = TQXTextAngle(0);
    Invalidate();
    AdjustSize();
}

void TQXLabel::SetAutoSize(bool Value)
{
    if (Value == FAutoSize) return;
    FAutoSize = Value;
    AdjustSize();
}

void TQXLabel::SetWordWrap(bool Value)
{
    if (Value == FWordWrap) return;
    FWordWrap = Value;
    AdjustSize();
    Invalidate();
}

void TQXLabel::SetTextAngle(TQXTextAngle Value)
{
    if (Value == FTextAngle) return;
    FTextAngle = Value;
    if (FTextAngle != 0) {
        FAlignment = taLeftJustify;
        const double radians = (int(FTextAngle) % 360) * std::numbers::pi / 180.0;
        FAbsSine = std::fabs(std::sin(radians));
        FAbsCosine = std::fabs(std::cos(radians));
    }
    Invalidate();
    AdjustSize();
}

void TQXLabel::Loaded()
{
    // The caption came before the font's character set.
    const int codePage = CharsetToCodePage(Font()->Charset());
    if (FStoredCaption.CodePage() != 0 && FStoredCaption.CodePage() != codePage &&
        Caption() == FStoredCaption.Text())
        SetStoredCaption(FStoredCaption.Bytes());
    TQXControl::Loaded();
}

void TQXLabel::DrawCaption(TCanvas& Canvas, TRect& R, unsigned Flags)
{
    QString text = Caption();
    if (FTextAngle != 0) {
        const qsizetype cr = text.indexOf(QLatin1Char('\r'));
        const qsizetype lf = text.indexOf(QLatin1Char('\n'));
        const qsizetype end = cr < 0 ? lf : lf < 0 ? cr : std::min(cr, lf);
        if (end >= 0) text.truncate(end);
    }
    const bool measuring = (Flags & DT_CALCRECT) != 0;
    if (measuring) text += QLatin1Char(' ');
    unsigned format = Flags | DT_NOPREFIX | DT_NOCLIP;
    if (FWordWrap) format |= DT_WORDBREAK;
    if (FTextAngle == 0) {
        switch (FAlignment) {
        case taLeftJustify: format |= DT_LEFT; break;
        case taRightJustify: format |= DT_RIGHT; break;
        case taCenter: format |= DT_CENTER; break;
        }
    }
    Canvas.SetFont(Font());
    Canvas.Font()->SetHeight(FFontHeight);
    if (FTextAngle == 0 || measuring) {
        DrawText(Canvas, text, R, format);
        return;
    }
    TRect m{0, 0, 0, 0};
    DrawText(Canvas, text, m, format | DT_CALCRECT);
    const qint64 tw = qint64(m.Right) - m.Left;
    const qint64 th = qint64(m.Bottom) - m.Top;
    qint64 x, y;
    const int angle = FTextAngle;
    if (angle < 90) {
        x = 0;
        y = Round64(double(tw) * FAbsSine);
    } else if (angle <= 180) {
        x = Round64(double(tw) * FAbsCosine);
        y = qint64(R.Bottom) - R.Top;
    } else if (angle <= 270) {
        x = qint64(R.Right) - R.Left;
        y = Round64(double(th) * FAbsCosine);
    } else {
        x = Round64(double(th) * FAbsSine);
        y = 0;
    }
    TDeviceContext& dc = Canvas.DC();
    Canvas.RequiredState(TCanvas::csFontValid | TCanvas::csBrushValid);
    const TLogFont previous = dc.State().Font;
    TLogFont rotated = Canvas.Font()->LogFont();
    rotated.Height = FFontHeight;
    rotated.Escapement = angle * 10;
    rotated.Orientation = rotated.Escapement;
    dc.SelectFont(rotated);
    try {
        Canvas.TextOut(SatInt(R.Left + x), SatInt(R.Top + y), text);
    } catch (...) {
        dc.SelectFont(previous);
        throw;
    }
    dc.SelectFont(previous);
}

void TQXLabel::AdjustSize()
{
    if (!FAutoSize || IsLoading()) return;
    TRect r{0, 0, 0, 0};
    DrawCaption(MeasureCanvas(), r, DT_CALCRECT);
    qint64 w = qint64(r.Right) - r.Left;
    qint64 h = qint64(r.Bottom) - r.Top;
    if (FTextAngle != 0) {
        const qint64 rw = Round64(double(w) * FAbsCosine + double(h) * FAbsSine);
        const qint64 rh = Round64(double(h) * FAbsCosine + double(w) * FAbsSine);
        w = rw;
        h = rh;
    }
    qint64 left = Left();
    if (FAlignment == taRightJustify) left = qint64(Left()) + ClientWidth() - w;
    SetOuterBounds(SatInt(left), Top(), SatInt(w), SatInt(h));
}

void TQXLabel::UpdateBounds()
{
    FFontHeight = SatInt(Round64(Font()->Height() * Zoom));
    TQXControl::UpdateBounds();
    if (Parent()) AdjustSize();
}

void TQXLabel::UpdateContent()
{
    AdjustSize();
}

void TQXLabel::PaintContent()
{
    Canvas()->Brush()->SetStyle(bsClear);
    TRect r = ClientRect();
    DrawCaption(*Canvas(), r, 0);
}

void TQXLabel::PaintName()
{
    if (Caption().isEmpty()) TQXControl::PaintName();
}

void TQXLabel::TextChanged()
{
    TQXControl::TextChanged();
    Invalidate();
    if (Parent()) AdjustSize();
}

void TQXLabel::FontChanged()
{
    TQXControl::FontChanged();
    UpdateBounds();
}

} // namespace designer
