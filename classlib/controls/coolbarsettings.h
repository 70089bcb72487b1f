#pragma once

// The layout of a cool bar's bands as settings: one value a band, named
// "band" and its index ("band0", "band1", ...), holding name=value lines
// each ended by CR LF: "break=1" (only for a band that starts a row),
// "width", "height" (the minimum height) and "control" (the component
// name of the band's control, only when it has one with a name).
//
// SaveCoolBar and LoadCoolBar take any settings store with
// WriteString(Name, Value) and ReadString(Name), the latter giving "" for
// a missing value. Values read are untrusted: numbers that do not read
// leave the band's own, sizes are clamped by the band.

#include "classlib/controls/coolbar.h"

#include <QString>

namespace classlib {

QString CoolBandValueName(int Index);
QString CoolBandValue(const TCoolBand* Band);
// Applies band Index's value: its minimum height ("height", else its
// current row's height); then, when the value names a control, moves that
// control into this band (swapping the controls and minimum heights of the
// two bands), and sets the row break and width. An empty value leaves the
// band as it is.
void LoadCoolBand(TCoolBar* CoolBar, int Index, const QString& Value);

template <class TSettings>
void SaveCoolBar(TCoolBar* CoolBar, TSettings& Settings)
{
    for (int i = 0; i < CoolBar->Bands()->Count(); ++i)
        Settings.WriteString(CoolBandValueName(i), CoolBandValue(CoolBar->Bands()->Items(i)));
}

template <class TSettings>
void LoadCoolBar(TCoolBar* CoolBar, TSettings& Settings)
{
    for (int i = 0; i < CoolBar->Bands()->Count(); ++i)
        LoadCoolBand(CoolBar, i, Settings.ReadString(CoolBandValueName(i)));
}

} // namespace classlib
