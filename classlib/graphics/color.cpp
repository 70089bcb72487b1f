#include "classlib/graphics/color.h"

#include "classlib/core/sysutils.h"

namespace classlib {

namespace {

struct TColorName {
    qint32 Value;
    const char16_t* Name;
};

// The class library's table, in its order: stored files carry these names.
const TColorName ColorNames[] = {
    {clBlack, u"clBlack"},
    {clMaroon, u"clMaroon"},
    {clGreen, u"clGreen"},
    {clOlive, u"clOlive"},
    {clNavy, u"clNavy"},
    {clPurple, u"clPurple"},
    {clTeal, u"clTeal"},
    {clGray, u"clGray"},
    {clSilver, u"clSilver"},
    {clRed, u"clRed"},
    {clLime, u"clLime"},
    {clYellow, u"clYellow"},
    {clBlue, u"clBlue"},
    {clFuchsia, u"clFuchsia"},
    {clAqua, u"clAqua"},
    {clWhite, u"clWhite"},
    {clScrollBar, u"clScrollBar"},
    {clBackground, u"clBackground"},
    {clActiveCaption, u"clActiveCaption"},
    {clInactiveCaption, u"clInactiveCaption"},
    {clMenu, u"clMenu"},
    {clWindow, u"clWindow"},
    {clWindowFrame, u"clWindowFrame"},
    {clMenuText, u"clMenuText"},
    {clWindowText, u"clWindowText"},
    {clCaptionText, u"clCaptionText"},
    {clActiveBorder, u"clActiveBorder"},
    {clInactiveBorder, u"clInactiveBorder"},
    {clAppWorkSpace, u"clAppWorkSpace"},
    {clHighlight, u"clHighlight"},
    {clHighlightText, u"clHighlightText"},
    {clBtnFace, u"clBtnFace"},
    {clBtnShadow, u"clBtnShadow"},
    {clGrayText, u"clGrayText"},
    {clBtnText, u"clBtnText"},
    {clInactiveCaptionText, u"clInactiveCaptionText"},
    {clBtnHighlight, u"clBtnHighlight"},
    {cl3DDkShadow, u"cl3DDkShadow"},
    {cl3DLight, u"cl3DLight"},
    {clInfoText, u"clInfoText"},
    {clInfoBk, u"clInfoBk"},
    {clNone, u"clNone"},
    {clDefault, u"clDefault"},
};

// Default values of the user-interface colours, by index.
const TColorRef SystemColors[] = {
    RGB(192, 192, 192),  // scroll bar
    RGB(0, 128, 128),    // desktop
    RGB(0, 0, 128),      // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(192, 192, 192),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(192, 192, 192),  // active border
    RGB(192, 192, 192),  // inactive border
    RGB(128, 128, 128),  // application workspace
    RGB(0, 0, 128),      // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(192, 192, 192),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(192, 192, 192),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(0, 0, 0),        // 3-D dark shadow
    RGB(223, 223, 223),  // 3-D light
    RGB(0, 0, 0),        // tooltip text
    RGB(255, 255, 225),  // tooltip background
};

const bool Registered = [] {
    RegisterIntegerConsts(TypeInfo<TColor>(), &IdentToColor, &ColorToIdent);
    return true;
}();

} // namespace

TColorRef ColorToRGB(TColor Color)
{
    const quint32 v = quint32(Color);
    if (v & 0x80000000u) {
        const quint32 index = v & 0xFF;
        return index < std::size(SystemColors) ? SystemColors[index] : RGB(0, 0, 0);
    }
    return v;
}

bool ColorToIdent(qint64 Color, QString& Ident)
{
    for (const TColorName& c : ColorNames)
        if (c.Value == Color) {
            Ident = QString::fromUtf16(c.Name);
            return true;
        }
    return false;
}

bool IdentToColor(const QString& Ident, qint64& Color)
{
    for (const TColorName& c : ColorNames)
        if (SameText(Ident, c.Name)) {
            Color = c.Value;
            return true;
        }
    return false;
}

QString ColorToString(TColor Color)
{
    QString s;
    if (ColorToIdent(Color, s))
        return s;
    return Format("$%.8x", {quint32(Color)});
}

TColor StringToColor(const QString& S)
{
    qint64 v;
    if (IdentToColor(S, v))
        return TColor(v);
    return TColor(StrToInt(S));
}

void GetColorValues(const std::function<void(const QString&)>& Proc)
{
    (void)Registered;
    for (const TColorName& c : ColorNames)
        Proc(QString::fromUtf16(c.Name));
}

} // namespace classlib
