#pragma once

// The host's saved form: the design form as a component stream (the
// report's "Report" and "Events" inside it) with the list of the source
// unit's methods beside it, in one file:
//   "QXHF" | version byte 1 | method list length (4 bytes, little endian)
//   | the list, UTF-8 lines "Name=EventType" | the component stream
// Bytes from a file are checked against what remains before anything is
// allocated; a bad file raises EFormFileError and changes nothing.

#include "classlib/core/sysutils.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace classlib {
class TComponent;
class TClassInfo;
}

namespace idehost {

class TSourceUnit;

class EFormFileError : public classlib::Exception {
public:
    using classlib::Exception::Exception;
};

// The largest method list a file may hold.
inline constexpr qint64 MaxMethodListBytes = 1 << 20;

// The classes a saved form may hold (the palette's); null for any other.
const classlib::TClassInfo* FormComponentClass(const QString& ClassName);

QByteArray SaveForm(classlib::TComponent& Form, const TSourceUnit& Unit);

struct TFormFileParts {
    QStringList Methods;
    QByteArray Stream;
};
// Splits and checks the header; EFormFileError on a bad one.
TFormFileParts SplitFormFile(const QByteArray& Bytes);

// Reads the component stream into Form, whose class already holds the
// methods it names; the palette's classes only.
void ReadFormStream(const QByteArray& Stream, classlib::TComponent& Form);

// Checks a whole file by reading it into a scratch form of its own, so a
// bad file is refused before the real form is touched; its method list.
QStringList CheckFormFile(const QByteArray& Bytes);

// Through the class library's atomic save: a failure leaves the old file.
void WriteFileAtomically(const QString& FileName, const QByteArray& Bytes);
QByteArray ReadWholeFile(const QString& FileName);

} // namespace idehost
