#include "classlib/graphics/font.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/sysutils.h"

namespace classlib {

namespace {

struct TCharsetName {
    int Value;
    const char16_t* Name;
};

// The class library's table: stored files carry these names.
const TCharsetName CharsetNames[] = {
    {ANSI_CHARSET, u"ANSI_CHARSET"},
    {DEFAULT_CHARSET, u"DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, u"SYMBOL_CHARSET"},
    {MAC_CHARSET, u"MAC_CHARSET"},
    {SHIFTJIS_CHARSET, u"SHIFTJIS_CHARSET"},
    {HANGEUL_CHARSET, u"HANGEUL_CHARSET"},
    {JOHAB_CHARSET, u"JOHAB_CHARSET"},
    {GB2312_CHARSET, u"GB2312_CHARSET"},
    {CHINESEBIG5_CHARSET, u"CHINESEBIG5_CHARSET"},
    {GREEK_CHARSET, u"GREEK_CHARSET"},
    {TURKISH_CHARSET, u"TURKISH_CHARSET"},
    {VIETNAMESE_CHARSET, u"VIETNAMESE_CHARSET"},
    {HEBREW_CHARSET, u"HEBREW_CHARSET"},
    {ARABIC_CHARSET, u"ARABIC_CHARSET"},
    {BALTIC_CHARSET, u"BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, u"RUSSIAN_CHARSET"},
    {THAI_CHARSET, u"THAI_CHARSET"},
    {EASTEUROPE_CHARSET, u"EASTEUROPE_CHARSET"},
    {OEM_CHARSET, u"OEM_CHARSET"},
};

const bool Registered = [] {
    RegisterIntegerConsts(TypeInfo<TFontCharset>(), &IdentToCharset, &CharsetToIdent);
    return true;
}();

} // namespace

bool CharsetToIdent(qint64 Charset, QString& Ident)
{
    for (const TCharsetName& c : CharsetNames)
        if (c.Value == Charset) {
            Ident = QString::fromUtf16(c.Name);
            return true;
        }
    return false;
}

bool IdentToCharset(const QString& Ident, qint64& Charset)
{
    for (const TCharsetName& c : CharsetNames)
        if (SameText(Ident, c.Name)) {
            Charset = c.Value;
            return true;
        }
    return false;
}

const TClassInfo& TFont::StaticClass()
{
    (void)Registered;
    static const TClassInfo& info = TClassBuilder<TFont>("TFont")
        .Prop("Charset", &TFont::Charset, &TFont::SetCharset)
        .Prop("Color", &TFont::Color, &TFont::SetColor)
        .Prop("Height", &TFont::Height, &TFont::SetHeight)
        .Prop("Name", &TFont::Name, &TFont::SetName)
        .Prop("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault)
        .Prop("Size", &TFont::Size, &TFont::SetSize).Stored(false)
        .Prop("Style", &TFont::Style, &TFont::SetStyle)
        .Build();
    return info;
}

TFont::TFont() : FHeight(-MulDiv(8, ScreenPixelsPerInch, 72)), FName(QStringLiteral("Arial")) {}

void TFont::Assign(const TPersistent* Source)
{
    if (auto* f = As<TFont>(Source)) {
        if (f == this)
            return;
        FPixelsPerInch = f->FPixelsPerInch;
        FCharset = f->FCharset;
        FColor = f->FColor;
        FHeight = f->FHeight;
        FName = f->FName;
        FPitch = f->FPitch;
        FStyle = f->FStyle;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TFont::SetCharset(TFontCharset Value)
{
    if (FCharset == Value) return;
    FCharset = Value;
    Changed();
}

void TFont::SetColor(TColor Value)
{
    if (FColor == Value) return;
    FColor = Value;
    Changed();
}

void TFont::SetHeight(int Value)
{
    if (FHeight == Value) return;
    FHeight = Value;
    Changed();
}

void TFont::SetName(const QString& Value)
{
    if (Value.isEmpty() || FName == Value) return;
    FName = Value;
    Changed();
}

void TFont::SetPitch(TFontPitch Value)
{
    if (FPitch == Value) return;
    FPitch = Value;
    Changed();
}

int TFont::Size() const
{
    return SatNeg(MulDiv(FHeight, 72, FPixelsPerInch));
}

void TFont::SetSize(int Value)
{
    SetHeight(SatNeg(MulDiv(Value, FPixelsPerInch, 72)));
}

void TFont::SetStyle(TFontStyles Value)
{
    if (FStyle == Value) return;
    FStyle = Value;
    Changed();
}

TLogFont TFont::LogFont() const
{
    TLogFont f;
    f.Height = FHeight;
    f.Weight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    f.Italic = FStyle.Contains(fsItalic);
    f.Underline = FStyle.Contains(fsUnderline);
    f.StrikeOut = FStyle.Contains(fsStrikeOut);
    f.CharSet = quint8(FCharset);
    f.PitchAndFamily = FPitch == fpFixed ? FIXED_PITCH : FPitch == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
    f.FaceName = FName;
    return f;
}

} // namespace classlib
