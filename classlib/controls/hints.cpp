#include "classlib/controls/hints.h"

namespace classlib {

QString GetShortHint(const QString& Hint)
{
    const qsizetype bar = Hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? Hint : Hint.left(bar);
}

QString GetLongHint(const QString& Hint)
{
    const qsizetype bar = Hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? Hint : Hint.mid(bar + 1);
}

} // namespace classlib
