#include "classlib/controls/label.h"

#include "classlib/core/classbuilder.h"
#include "classlib/graphics/drawtext.h"
#include "classlib/graphics/gdiconsts.h"

namespace classlib {

const TClassInfo& TCustomLabel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCustomLabel>("TCustomLabel").Build();
    return info;
}

const TClassInfo& TLabel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TLabel>("TLabel")
        .Prop("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify)
        .Prop("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(1)
        .Prop("Caption", &TLabel::Caption, &TLabel::SetCaption)
        .Prop("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(1)
        .Prop("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(0)
        .Prop("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(0)
        .Build();
    return info;
}

TCustomLabel::TCustomLabel(TComponent* AOwner) : TControl(AOwner)
{
    SetControlStyle({csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csReplicatable, csDoubleClicks});
    SetParentColor(true);
    SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetCaption(const QString& Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    AdjustBounds();
    TextChanged();
}

void TCustomLabel::FontChanged()
{
    AdjustBounds();
    TControl::FontChanged();
}

void TCustomLabel::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool Value)
{
    FTransparent = Value;
    // Not opaque: what lies beneath is drawn first.
    TControlStyle style = ControlStyle();
    if (Value)
        style -= csOpaque;
    else
        style += csOpaque;
    SetControlStyle(style);
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value)
{
    FShowAccelChar = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::Loaded()
{
    TControl::Loaded();
    AdjustBounds();
}

unsigned TCustomLabel::TextFlags() const
{
    unsigned f = DT_EXPANDTABS;
    if (FWordWrap)
        f |= DT_WORDBREAK;
    if (FAlignment == taRightJustify)
        f |= DT_RIGHT;
    else if (FAlignment == taCenter)
        f |= DT_CENTER;
    if (!FShowAccelChar)
        f |= DT_NOPREFIX;
    return f;
}

void TCustomLabel::AdjustBounds()
{
    if (!FAutoSize || IsLoading())
        return;
    TCanvas& c = MeasureCanvas();
    // An empty caption (or a lone "&") still takes a line's height.
    QString text = FCaption;
    if (text.isEmpty() || (FShowAccelChar && text == QStringLiteral("&")))
        text += QLatin1Char(' ');
    TRect r = ClientRect();
    DrawText(c, text, r, (TextFlags() & ~unsigned(DT_RIGHT | DT_CENTER)) | DT_CALCRECT);
    int x = Left();
    if (FAlignment == taRightJustify)
        x += Width() - r.Right;
    SetBounds(x, Top(), r.Right, r.Bottom);
}

void TCustomLabel::Paint()
{
    TCanvas& c = *Canvas();
    if (!FTransparent) {
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(Color());
        c.FillRect(ClientRect());
    }
    c.Brush()->SetStyle(bsClear);
    c.SetFont(Font());
    TRect r = ClientRect();
    if (!Enabled()) {
        // Disabled text: embossed in the highlight and shadow colours.
        TRect shifted = SatOffsetRect(r, 1, 1);
        c.Font()->SetColor(clBtnHighlight);
        DrawText(c, FCaption, shifted, TextFlags());
        c.Font()->SetColor(clBtnShadow);
    }
    DrawText(c, FCaption, r, TextFlags());
}

} // namespace classlib
