// Arbitrary page-order texts kept in step with a page deletion and a page
// rename. The input is a flags byte, the page's name, a NUL, a new name, a
// NUL and the order text. What the designer leaves must still be an order:
// kept lines keep their kind and name, references to earlier kept lines
// follow them, nothing refers to a removed line, every line ends with
// CR LF, and the run's interpreter reads it. One input in eight also
// deletes or renames a page of the real document with that order.

#include "designerhost.h"

#include "designer/document/page.h"

#include "runtime/pageorder.h"
#include "runtime/reporterror.h"

#include "classlib/core/sysutils.h"

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace classlib;
using namespace designer;

constexpr size_t MaxInput = 16 * 1024;

[[noreturn]] void Fail(const char* What, const QString& Detail)
{
    std::fprintf(stderr, "%s\n%s\n", What, qPrintable(Detail));
    std::abort();
}

// The line index a line's reference column names, as the run reads the
// column; -1 when it names no line.
int Reference(const QString& Line)
{
    bool ok = false;
    const int ref = runtime::ParseOrderLine(Line).Reference.toInt(&ok);
    return ok && ref >= 0 ? ref : -1;
}

bool NamesPage(const QString& Line, const QString& Page)
{
    return Line.startsWith(QLatin1Char('p')) && Line.mid(5).compare(Page, Qt::CaseInsensitive) == 0;
}

// The lines of a result: every one ends with CR LF and holds no other break.
QStringList ResultLines(const QString& Result, const QString& Context)
{
    if (!Result.isEmpty() && !Result.endsWith(QStringLiteral("\r\n"))) Fail("a line does not end with CR LF", Context);
    QStringList lines = Result.split(QStringLiteral("\r\n"));
    lines.removeLast();
    for (const QString& line : lines)
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
            Fail("a lone line break in the result", Context);
    return lines;
}

// The run reads the result; only an overlong order may be refused.
void Interpret(const QString& Order, const QString& Context)
{
    const QStringList lines = runtime::SplitOrderLines(Order);
    std::vector<runtime::TQXOrderItem> items;
    try {
        items = runtime::InterpretPageOrder(lines);
    } catch (const runtime::EQXError&) {
        if (lines.size() <= runtime::MaxOrderLines) Fail("the run refused an order of few lines", Context);
        return;
    }
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].Kind == runtime::TQXOrderItem::okGroup && (items[i].End <= int(i) || items[i].End > int(items.size())))
            Fail("a group's members reach outside the order", Context);
}

void CheckRemove(const QString& Order, const QString& Page)
{
    const QString result = RemovePageLines(Order, Page);
    const QString context = QStringLiteral("page ") + Page + QStringLiteral("\norder:\n") + Order
                            + QStringLiteral("\nresult:\n") + result;
    const QStringList before = runtime::SplitOrderLines(Order), after = ResultLines(result, context);
    Interpret(result, context);
    // A line goes with its page and with the earlier line it refers to.
    std::vector<int> newIndex(size_t(before.size()), -1);
    std::vector<int> kept;
    for (int i = 0; i < int(before.size()); ++i) {
        const int ref = Reference(before[i]);
        if (NamesPage(before[i], Page) || (ref >= 0 && ref < i && newIndex[size_t(ref)] < 0)) continue;
        newIndex[size_t(i)] = int(kept.size());
        kept.push_back(i);
    }
    if (after.size() != qsizetype(kept.size())) Fail("other lines went than the page's and their members", context);
    for (size_t k = 0; k < kept.size(); ++k) {
        const QString& was = before[kept[k]];
        const QString& now = after[qsizetype(k)];
        if (now.left(1) != was.left(1) || now.mid(5) != was.mid(5))
            Fail("a kept line lost its kind or name", context);
        const int ref = Reference(was);
        if (ref >= 0 && ref < kept[k]) {
            if (Reference(now) != newIndex[size_t(ref)]) Fail("a reference no longer names its line", context);
        } else if (ref < 0 && now.mid(1, 4) != was.mid(1, 4)) {
            Fail("a column that names no line changed", context);
        }
    }
}

void CheckRename(const QString& Order, const QString& OldName, const QString& NewName)
{
    const QString result = RenamePageLines(Order, OldName, NewName);
    const QString context = OldName + QStringLiteral(" -> ") + NewName + QStringLiteral("\norder:\n") + Order
                            + QStringLiteral("\nresult:\n") + result;
    // A name with a line break makes lines of its own; the document never
    // passes one (a page name is an identifier).
    if (NewName.contains(QLatin1Char('\r')) || NewName.contains(QLatin1Char('\n'))) return;
    const QStringList after = ResultLines(result, context);
    const QStringList before = runtime::SplitOrderLines(Order);
    if (after.size() != before.size()) Fail("a rename changed the number of lines", context);
    for (qsizetype i = 0; i < before.size(); ++i) {
        const QString expected = NamesPage(before[i], OldName) ? before[i].left(5) + NewName : before[i];
        if (after[i] != expected) Fail("a rename changed another line", context);
    }
    Interpret(result, context);
}

// Three pages of the real document under the order; one deleted or the
// open one renamed through its window, as the inspector renames it.
void CheckInDocument(int Flags, const QString& Order, const QString& NewName)
{
    fuzz::StartDesigner("fuzz_pageorder");
    NewReport();
    Document->AddPage();
    Document->AddPage();
    Document->SetCurrentPage(Flags & 3 ? 1 : 0);
    Document->SetPageOrder(Order);
    const int index = (Flags >> 2) % 3;
    if (Flags & 0x20) {
        const QString open = Document->GetPageName(Document->CurrentPage());
        try {
            PageWindow->SetName(NewName);
        } catch (const Exception&) {
            if (Document->PageOrder() != Order || Document->GetPageName(Document->CurrentPage()) != open
                || PageWindow->Name() != open)
                Fail("a refused rename changed the document", NewName);
            return;
        }
        const QString now = Document->GetPageName(Document->CurrentPage());
        if (PageWindow->Name() != now || now != NewName.trimmed() || !IsValidIdent(now))
            Fail("the page and its window disagree on the name", now + QStringLiteral(" / ") + PageWindow->Name());
        if (Document->PageOrder() != RenamePageLines(Order, open, now)) Fail("the order missed the rename", Order);
        try {
            designer::CheckDocument(*Document);
        } catch (const Exception& e) {
            Fail("a renamed document would not open again", e.Message);
        }
    } else {
        const QString deleted = Document->GetPageName(index);
        Document->DeletePage(index);
        if (Document->GetPageCount() != 2 || Document->IndexOfPage(deleted) >= 0)
            Fail("the page was not deleted", deleted);
        if (Document->PageOrder() != RemovePageLines(Order, deleted)) Fail("the order missed the deletion", Order);
        if (!PageWindow || PageWindow->Name() != Document->GetPageName(Document->CurrentPage()))
            Fail("the open page's window is not the open page", deleted);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size == 0 || Size > MaxInput) return 0;
    const int flags = Data[0];
    const QByteArray rest(reinterpret_cast<const char*>(Data) + 1, qsizetype(Size - 1));
    const QList<QByteArray> parts = rest.split('\0');
    const QString page = QString::fromUtf8(parts.value(0));
    const QString newName = QString::fromUtf8(parts.value(1));
    const QString order = QString::fromUtf8(parts.value(2));
    CheckRemove(order, page);
    CheckRename(order, page, newName);
    if ((flags & 0xD0) == 0x10) {
        try {
            CheckInDocument(flags, order, newName);
        } catch (const Exception& e) {
            Fail("deleting or renaming a page raised", e.Message);
        }
    }
    return 0;
}
