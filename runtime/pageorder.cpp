#include "runtime/pageorder.h"

#include "runtime/reporterror.h"

#include "classlib/core/sysutils.h"

namespace runtime {

namespace {

// Blanks and control characters, as the designer's trim removes them.
QString TrimBlanks(const QString& S)
{
    qsizetype b = 0, e = S.size();
    while (b < e && S[b].unicode() <= 0x20) ++b;
    while (e > b && S[e - 1].unicode() <= 0x20) --e;
    return S.mid(b, e - b);
}

} // namespace

TQXOrderLine ParseOrderLine(const QString& Line)
{
    TQXOrderLine r;
    if (Line.isEmpty()) return r;
    r.Kind = Line[0];
    r.Reference = TrimBlanks(Line.mid(1, 4));
    r.Name = TrimBlanks(Line.mid(5));
    return r;
}

QStringList SplitOrderLines(const QString& Text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = Text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = Text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        lines << Text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < n && Text[i + 1] == QLatin1Char('\n')) ++i;
        start = i + 1;
    }
    if (start < n) lines << Text.mid(start);
    return lines;
}

QString FormatPageOrder(const std::vector<TQXOrderEntry>& Entries)
{
    if (Entries.size() > size_t(MaxOrderLines))
        RaiseReportError(classlib::Format("A page order holds at most %d lines", {MaxOrderLines}));
    QString text;
    for (size_t i = 0; i < Entries.size(); ++i) {
        const TQXOrderEntry& e = Entries[i];
        if (e.Parent < -1 || e.Parent >= int(i) || (e.Parent >= 0 && Entries[size_t(e.Parent)].Page))
            RaiseReportError(classlib::Format("Entry %d of the page order names no enclosing group", {int(i)}));
        text += classlib::Format("%s%4d%s", {e.Page ? QStringLiteral("p") : QStringLiteral("g"), e.Parent, e.Name});
        text += QLatin1String("\r\n");
    }
    return text;
}

} // namespace runtime
