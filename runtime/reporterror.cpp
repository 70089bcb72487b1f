#include "runtime/reporterror.h"

namespace runtime {

void RaiseReportError(const QString& Message)
{
    throw EQXError(Message);
}

} // namespace runtime
