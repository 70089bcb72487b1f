#pragma once

// The page-order text of a document: one line per entry, a kind letter
// ("p" for a page, anything else for a group), a four-character reference
// to the line of the enclosing group (-1 at top level), then the name.

#include <QString>
#include <QStringList>

#include <vector>

namespace runtime {

struct TQXOrderLine {
    QChar Kind;         // null for an empty line
    QString Reference;  // trimmed; compared as text only
    QString Name;       // trimmed
    bool IsPage() const { return Kind == QLatin1Char('p'); }
};

// Lines shorter than the fixed columns give empty parts, never a read
// beyond the line.
TQXOrderLine ParseOrderLine(const QString& Line);
// Split at CR LF, CR or LF; a final line break adds no empty line.
QStringList SplitOrderLines(const QString& Text);

// The page order read once for a run. A group's members are the entries
// after it up to End: the next entry with the group's own reference, or
// the end of the enclosing group. Blank lines are kept as entries of no
// kind, so that indexes stay line numbers.
struct TQXOrderItem {
    enum TKind { okBlank, okPage, okGroup };
    TKind Kind = okBlank;
    QString Name;
    int End = 0;  // groups: one past the last member
};
// Time and memory linear in the text; EQXError for more than MaxOrderLines
// lines.
std::vector<TQXOrderItem> InterpretPageOrder(const QStringList& Lines);

// Deepest nesting of groups a run follows.
inline constexpr int MaxOrderDepth = 64;
// A reference is four characters wide: line 9999 is the last one it can
// name.
inline constexpr int MaxOrderLines = 9999;

struct TQXOrderEntry {
    bool Page = true;
    int Parent = -1;  // index of the enclosing group's entry, or -1
    QString Name;
};
// The text as the designer writes it; EQXError for more than MaxOrderLines
// entries or a parent that is not an earlier entry.
QString FormatPageOrder(const std::vector<TQXOrderEntry>& Entries);

} // namespace runtime
