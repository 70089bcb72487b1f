#pragma once

// The names of the stock cursors ("crHandPoint"), for the cursor property
// editor. Streams keep cursors as numbers.

#include "classlib/controls/control.h"

#include <QString>

#include <functional>

namespace classlib {

// The stock name of Cursor; false when it has none.
bool CursorToIdent(qint64 Cursor, QString& Ident);
// Names compare without regard to case.
bool IdentToCursor(const QString& Ident, qint64& Cursor);
// A name, or the number.
QString CursorToString(TCursor Cursor);
// Every name, from crDefault down to crSizeAll.
void GetCursorValues(const std::function<void(const QString&)>& Proc);

} // namespace classlib
