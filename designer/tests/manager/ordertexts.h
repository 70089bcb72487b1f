#pragma once

// Order texts for the tests and the fuzz corpus: many lines alike, and
// groups nested as deep as asked.

#include <QString>

namespace designer::tests {

// Line, Count times, each ended by CR LF.
inline QString Lines(const QString& Line, int Count)
{
    QString text;
    for (int i = 0; i < Count; ++i) text += Line + QStringLiteral("\r\n");
    return text;
}

// Groups G0, G1, ... each inside the one before.
inline QString Chain(int Groups)
{
    QString text;
    for (int i = 0; i < Groups; ++i) text += QStringLiteral("g%1G%2\r\n").arg(i - 1, 4).arg(i);
    return text;
}

} // namespace designer::tests
