#pragma once

// The texts an output page draws, in drawing order.

#include <QStringList>

#include <ostream>

// Readable strings in failure messages.
inline void PrintTo(const QString& S, std::ostream* Os)
{
    *Os << '"' << S.toStdString() << '"';
}

namespace classlib {
class TMetafile;
}

namespace demo::tests {

QStringList PageTexts(const classlib::TMetafile& Page);

} // namespace demo::tests
