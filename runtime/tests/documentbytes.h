#pragma once

// Whole documents in memory for the tests: header and body written and read
// the way the designer and the report component do.

#include "runtime/documentheader.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace classlib {
class TComponent;
}

namespace runtime {
class TQXHost;
}

namespace runtime::tests {

// A component stream ("TPF0" and the root's record).
QByteArray StreamOf(classlib::TComponent& Root);

// The header exactly as given.
QByteArray HeaderBytes(const TQXReportHeader& Header);
// The header (BodySize set from the body) followed by the body.
QByteArray DocumentOf(const TQXReportHeader& Header, const QByteArray& Body);
QByteArray DocumentOf(classlib::TComponent& Host);

// Reads the header, then parses exactly BodySize bytes into Host.
void ReadDocument(const QByteArray& Document, TQXHost& Host);
// Reads a body that stands alone into Host.
void ReadBody(const QByteArray& Body, TQXHost& Host);

// The message of the class-library exception that Action raises, or empty
// when it raises none; any other exception passes through.
QString ErrorOf(const std::function<void()>& Action);

} // namespace runtime::tests
