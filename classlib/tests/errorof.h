#pragma once

// The message of the exception of class E that Body raises, or
// "<no error>": tests assert malformed inputs down to the exact message.

#include "classlib/core/sysutils.h"

#include <QString>

namespace classlib::test {

template <class E = Exception, class F>
QString ErrorOf(F&& Body)
{
    try {
        Body();
    } catch (const E& e) {
        return e.Message;
    }
    return QStringLiteral("<no error>");
}

} // namespace classlib::test
