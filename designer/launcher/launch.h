#pragma once

// What the designer's launcher does: reads its command line and runs the
// designer library's QXActivate.
//
//   qxdesigner [--embedded] [--splash] [--] [FILE]
//
// FILE is the report to open; --embedded edits it on a caller's behalf,
// --splash shows the splash form while the designer starts.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace launcher {

inline constexpr const char* CoreLibraryName = "qxcore.dll";
inline constexpr const char* ActivateEntry = "QXActivate";

struct TLaunchArgs {
    bool HasFileName = false;
    QString FileName;
    bool Embedded = false;
    bool WithSplash = false;
};

// Args without the program's name. False, with Error set, for an unknown
// option or a second file name.
bool ParseLaunchArgs(const QStringList& Args, TLaunchArgs& Result, QString& Error);

// Loads Library (a name the loading layer maps, found beside the caller
// first), calls its QXActivate and unloads it. The exit code: 0, or 1 after
// writing the error on stderr when the library or its entry cannot be had.
int Launch(const TLaunchArgs& Args, const QString& Library = QString::fromLatin1(CoreLibraryName));

} // namespace launcher
