#pragma once

// The single-byte ANSI code page of streams (Windows-1252). Every byte
// decodes to a character and encodes back to itself; a character outside
// the code page raises EConvertError
// "Character U+%.4X cannot be stored in the ANSI code page".

#include <QByteArray>
#include <QString>

namespace classlib {

QByteArray ToAnsi(const QString& S);
// A negative Length means a NUL-terminated string.
QString FromAnsi(const char* Data, qsizetype Length);
QString FromAnsi(const QByteArray& Bytes);

} // namespace classlib
