#pragma once

#include "classlib/core/sysutils.h"

#include <QString>

namespace runtime {

// The one exception class for every error the runtime detects itself.
class EQXError : public classlib::Exception {
public:
    using classlib::Exception::Exception;
};

[[noreturn]] void RaiseReportError(const QString& Message);

} // namespace runtime
