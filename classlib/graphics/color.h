#pragma once

// Colours of the class library: a 32-bit value with red in the low byte,
// green and blue above; the high byte 0x80 marks a system colour whose low
// byte is the index of a user-interface element.

#include "classlib/core/typinfo.h"
#include "classlib/graphics/gditypes.h"

#include <QString>

#include <functional>

namespace classlib {

QX_INTEGER_TYPE(TColor, qint32)

constexpr TColor MakeColor(quint32 V) { return TColor(qint32(V)); }
constexpr TColor SystemColor(int Index) { return MakeColor(0x80000000u | quint32(Index)); }

constexpr TColor clBlack = MakeColor(0x000000);
constexpr TColor clMaroon = MakeColor(0x000080);
constexpr TColor clGreen = MakeColor(0x008000);
constexpr TColor clOlive = MakeColor(0x008080);
constexpr TColor clNavy = MakeColor(0x800000);
constexpr TColor clPurple = MakeColor(0x800080);
constexpr TColor clTeal = MakeColor(0x808000);
constexpr TColor clGray = MakeColor(0x808080);
constexpr TColor clSilver = MakeColor(0xC0C0C0);
constexpr TColor clRed = MakeColor(0x0000FF);
constexpr TColor clLime = MakeColor(0x00FF00);
constexpr TColor clYellow = MakeColor(0x00FFFF);
constexpr TColor clBlue = MakeColor(0xFF0000);
constexpr TColor clFuchsia = MakeColor(0xFF00FF);
constexpr TColor clAqua = MakeColor(0xFFFF00);
constexpr TColor clLtGray = MakeColor(0xC0C0C0);
constexpr TColor clDkGray = MakeColor(0x808080);
constexpr TColor clWhite = MakeColor(0xFFFFFF);
constexpr TColor clNone = MakeColor(0x1FFFFFFF);
constexpr TColor clDefault = MakeColor(0x20000000);

constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);

// The RGB value to draw with: system colours through a fixed table of
// default values (black for an index beyond it), others as they are.
TColorRef ColorToRGB(TColor Color);

// The registered name ("clRed") of a colour; false when it has none.
bool ColorToIdent(qint64 Color, QString& Ident);
// Names compare without regard to case.
bool IdentToColor(const QString& Ident, qint64& Color);
// A name, or "$00BBGGRR".
QString ColorToString(TColor Color);
// A name or a number (decimal, $hex); EConvertError for anything else.
TColor StringToColor(const QString& S);
// Every name in table order.
void GetColorValues(const std::function<void(const QString&)>& Proc);

} // namespace classlib
