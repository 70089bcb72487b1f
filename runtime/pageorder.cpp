#include "runtime/pageorder.h"

#include "runtime/reporterror.h"

#include "classlib/core/sysutils.h"

#include <QHash>

#include <algorithm>

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

namespace {

void CheckOrderLength(qsizetype Lines)
{
    if (Lines > MaxOrderLines)
        RaiseReportError(classlib::Format("A page order holds at most %d lines", {MaxOrderLines}));
}

} // namespace

std::vector<TQXOrderItem> InterpretPageOrder(const QStringList& Lines)
{
    CheckOrderLength(Lines.size());
    const int n = int(Lines.size());
    std::vector<TQXOrderItem> items(static_cast<size_t>(n));
    std::vector<QString> references(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        TQXOrderLine line = ParseOrderLine(Lines[i]);
        if (line.Kind.isNull() || (line.Kind.unicode() <= 0x20 && line.Reference.isEmpty() && line.Name.isEmpty()))
            continue;  // an empty line is no entry
        TQXOrderItem& item = items[size_t(i)];
        item.Kind = line.IsPage() ? TQXOrderItem::okPage : TQXOrderItem::okGroup;
        item.Name = std::move(line.Name);
        references[size_t(i)] = std::move(line.Reference);
    }
    // A group closes at the next entry that shares its reference: found
    // from the back, each reference remembers where it comes next.
    std::vector<int> nextSame(static_cast<size_t>(n), n);
    QHash<QString, int> seen;
    for (int i = n - 1; i >= 0; --i) {
        if (items[size_t(i)].Kind == TQXOrderItem::okBlank) continue;
        auto at = seen.find(references[size_t(i)]);
        if (at == seen.end()) {
            seen.insert(references[size_t(i)], i);
        } else {
            nextSame[size_t(i)] = *at;
            *at = i;
        }
    }
    // ... or at the end of the group that holds it.
    std::vector<int> ends{n};
    for (int i = 0; i < n; ++i) {
        while (i >= ends.back()) ends.pop_back();
        TQXOrderItem& item = items[size_t(i)];
        if (item.Kind != TQXOrderItem::okGroup) continue;
        item.End = std::min(nextSame[size_t(i)], ends.back());
        ends.push_back(item.End);
    }
    return items;
}

QString FormatPageOrder(const std::vector<TQXOrderEntry>& Entries)
{
    CheckOrderLength(qsizetype(Entries.size()));
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
