#pragma once

// The two parts of a hint "short|long": the short part is the tool tip,
// the long part the status-bar text. A hint without "|" is both.

#include <QString>

namespace classlib {

QString GetShortHint(const QString& Hint);
QString GetLongHint(const QString& Hint);

} // namespace classlib

namespace classlib::detail {

// Once per process, when the first form is made: the mouse's entering and
// leaving of controls sets Application's Hint.
void InstallHintTracking();

} // namespace classlib::detail
