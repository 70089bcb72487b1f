#pragma once

// TFont: the class library's font description, with its character sets.

#include "classlib/graphics/color.h"
#include "classlib/graphics/devicecontext.h"
#include "classlib/graphics/graphicsobject.h"

namespace classlib {

QX_INTEGER_TYPE(TFontCharset, quint8)

constexpr TFontCharset ANSI_CHARSET = TFontCharset(0);
constexpr TFontCharset DEFAULT_CHARSET = TFontCharset(1);
constexpr TFontCharset SYMBOL_CHARSET = TFontCharset(2);
constexpr TFontCharset MAC_CHARSET = TFontCharset(77);
constexpr TFontCharset SHIFTJIS_CHARSET = TFontCharset(128);
constexpr TFontCharset HANGEUL_CHARSET = TFontCharset(129);
constexpr TFontCharset JOHAB_CHARSET = TFontCharset(130);
constexpr TFontCharset GB2312_CHARSET = TFontCharset(134);
constexpr TFontCharset CHINESEBIG5_CHARSET = TFontCharset(136);
constexpr TFontCharset GREEK_CHARSET = TFontCharset(161);
constexpr TFontCharset TURKISH_CHARSET = TFontCharset(162);
constexpr TFontCharset VIETNAMESE_CHARSET = TFontCharset(163);
constexpr TFontCharset HEBREW_CHARSET = TFontCharset(177);
constexpr TFontCharset ARABIC_CHARSET = TFontCharset(178);
constexpr TFontCharset BALTIC_CHARSET = TFontCharset(186);
constexpr TFontCharset RUSSIAN_CHARSET = TFontCharset(204);
constexpr TFontCharset THAI_CHARSET = TFontCharset(222);
constexpr TFontCharset EASTEUROPE_CHARSET = TFontCharset(238);
constexpr TFontCharset OEM_CHARSET = TFontCharset(255);

// Names of the character sets ("RUSSIAN_CHARSET"); false when there is none.
bool CharsetToIdent(qint64 Charset, QString& Ident);
bool IdentToCharset(const QString& Ident, qint64& Charset);

QX_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;
QX_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)

// The resolution of the screen that sizes in points are converted at.
constexpr int ScreenPixelsPerInch = 96;

class TFont : public TGraphicsObject {
    QX_CLASS(TFont, TGraphicsObject)
public:
    TFont();

    void Assign(const TPersistent* Source) override;

    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // In the units of the canvas the font is drawn on: negative is the
    // character height, positive the cell height.
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    const QString& Name() const { return FName; }
    void SetName(const QString& Value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch Value);
    // Points, through PixelsPerInch: Height = -MulDiv(Size, PixelsPerInch, 72).
    int Size() const;
    void SetSize(int Value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles Value);

    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value > 0 ? Value : ScreenPixelsPerInch; }

    // The description a device context takes.
    TLogFont LogFont() const;

private:
    TFontCharset FCharset = DEFAULT_CHARSET;
    TColor FColor = clWindowText;
    int FHeight;
    QString FName;
    TFontPitch FPitch = fpDefault;
    TFontStyles FStyle;
    int FPixelsPerInch = ScreenPixelsPerInch;
};

} // namespace classlib
