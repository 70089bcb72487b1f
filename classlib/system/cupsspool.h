#pragma once

// Hands a finished PDF to a CUPS printer. libcups is opened at run time:
// Qt's print support already needs it, so no development package is
// required to build.

#include <QString>

namespace classlib {

// Queues File on Printer ("name" or "name/instance"). EPrinter with the
// spooler's reason when the job is refused.
void SubmitToCups(const QString& Printer, const QString& File, const QString& Title, int Copies,
                  const QString& MediaKey);

} // namespace classlib
