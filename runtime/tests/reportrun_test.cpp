// Report runs watched through a form that logs every event: order, Sender,
// refusals, the page order with its groups, abort and errors, design runs.

#include "runtime/band.h"
#include "runtime/label.h"
#include "runtime/pageorder.h"
#include "runtime/report.h"
#include "runtime/reporterror.h"
#include "runtime/tests/documentbytes.h"
#include "runtime/tests/elementtree.h"
#include "runtime/tests/pageloop.h"
#include "runtime/tests/reportdoc.h"

#include "classlib/core/stringlist.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/metafile.h"

#include <gtest/gtest.h>

#include <QSet>

#include <memory>
#include <random>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;

namespace {

// Pages P1..Pn, each with one label L1 ("Text of Pn"); P2 also holds a
// band B1 with a label Cell inside.
QByteArray ThreePages(const QString& Order, int Pages = 3)
{
    std::vector<std::unique_ptr<TStoredPaper>> papers;
    std::vector<TStoredPaper*> raw;
    for (int i = 1; i <= Pages; ++i) {
        auto paper = std::make_unique<TStoredPaper>(QStringLiteral("P%1").arg(i));
        auto* label = AddElement<TQXLabel>(paper.get(), paper.get(), QStringLiteral("L1"), {0, 0, 9000, 800}, alTop);
        label->SetCaption(QStringLiteral("Text of P%1").arg(i));
        if (i == 2) {
            auto* band = AddElement<TQXBand>(paper.get(), paper.get(), QStringLiteral("B1"), {0, 0, 9000, 600}, alTop);
            auto* cell = AddElement<TQXLabel>(paper.get(), band, QStringLiteral("Cell"), {0, 0, 9000, 600});
            cell->SetCaption(QStringLiteral("cell"));
        }
        raw.push_back(paper.get());
        papers.push_back(std::move(paper));
    }
    return MakeDocument(raw, Order);
}

// Readable failures: lists compared as one text.
std::string J(const QStringList& L)
{
    return L.join(QStringLiteral(", ")).toStdString();
}

QString Lines(std::initializer_list<QString> L)
{
    QString s;
    for (const QString& l : L) s += l;
    return s;
}

// A form owning a report with its six events bound.
struct TRunFixture {
    TReportForm form;
    TQXReport* report;
    TRunFixture() : report(new TQXReport(&form))
    {
        report->SetName(QStringLiteral("Report1"));
        form.BindReport(*report);
    }
    void Load(const QByteArray& Document) { LoadDocument(*report, Document); }
    void Events(std::initializer_list<const char*> L)
    {
        report->Events()->Clear();
        for (const char* l : L) report->Events()->Add(QString::fromLatin1(l));
    }
};

TEST(ReportRun, EventsComeInOrderWithTheReportAsSender)
{
    TRunFixture f;
    f.Load(ThreePages(Lines({OrderLine("g", -1, "G1"), OrderLine("p", 0, "P1"), OrderLine("p", 0, "P2"),
                             OrderLine("p", -1, "P3")})));
    f.Events({"P1.BeforePrint=BeforePrintHandler", "P1.L1.BeforePrint=beforeprinthandler",
              "P1.L1.AfterPrint= AfterPrintHandler ", "P2.B1.AskData=AskDataHandler",
              "P2.Cell.GetText=GetTextHandler", "P3.L1.GetText=GetTextHandler"});
    f.form.Rows[QStringLiteral("B1")] = 2;
    f.report->Prepare();
    EXPECT_EQ(J(f.form.Log), J(QStringList({"BeforeReport", "BeforeGroup G1", "BeforePage P1", "BeforePrint P1",
                                       "BeforePrint L1", "AfterPrint L1", "AfterPage P1", "BeforePage P2",
                                       "AskData B1", "GetText Cell", "AskData B1", "GetText Cell", "AskData B1",
                                       "AfterPage P2", "AfterGroup G1", "BeforePage P3", "GetText L1",
                                       "AfterPage P3", "AfterReport"})));
    EXPECT_EQ(f.form.LastSender, f.report);
    EXPECT_EQ(f.report->State(), TQXReportState({rsLoaded, rsPrepared}));
    ASSERT_EQ(f.report->PageCount(), 3);
    EXPECT_EQ(J(PageTexts(f.report->GetPage(0)->Data())), J(QStringList({"Text of P1"})));
    EXPECT_EQ(J(PageTexts(f.report->GetPage(1)->Data())), J(QStringList({"Text of P2", "Cell 1", "Cell 2"})));
    // Every output page is a metafile of the paper's size in 0.01 mm.
    EXPECT_EQ(f.report->GetPage(2)->MMWidth(), 14800);
    EXPECT_EQ(f.report->GetPage(2)->MMHeight(), 21000);
}

TEST(ReportRun, RefusalsStaticElementsAndUnboundHandlers)
{
    TRunFixture f;
    f.Load(ThreePages(Lines({OrderLine("g", -1, "G1"), OrderLine("p", 0, "P1"), OrderLine("p", -1, "P2"),
                             OrderLine("p", -1, "P3")})));
    // A handler of another parameter list, a missing one and one on a
    // static element stay silent.
    f.Events({"P2.L1.BeforePrint=OddHandler", "P3.L1.BeforePrint=NoSuchHandler", "P2.L1.AfterPrint=AfterPrintHandler",
              "P3.L1.AfterPrint=AfterPrintHandler"});
    f.form.RefuseGroups << QStringLiteral("G1");
    f.form.RefusePages << QStringLiteral("P3");
    f.report->Prepare();
    EXPECT_EQ(J(f.form.Log), J(QStringList({"BeforeReport", "BeforeGroup G1", "BeforePage P2", "AfterPrint L1",
                                       "AfterPage P2", "BeforePage P3", "AfterReport"})));
    EXPECT_EQ(f.report->PageCount(), 1);
    // The lines of unbound handlers survive the pruning.
    EXPECT_EQ(f.report->Events()->Values(QStringLiteral("P2.L1.BeforePrint")), "OddHandler");
}

TEST(ReportRun, StaticElementsFireNoEvent)
{
    TStoredPaper paper(QStringLiteral("P1"));
    auto* fixed = AddElement<TQXLabel>(&paper, &paper, QStringLiteral("Fixed"), {0, 0, 9000, 800}, alTop);
    fixed->SetStatic(true);
    fixed->SetCaption(QStringLiteral("fixed"));
    AddElement<TQXLabel>(&paper, &paper, QStringLiteral("Free"), {0, 0, 9000, 800}, alTop)->SetCaption(QStringLiteral("free"));
    TRunFixture f;
    f.Load(MakeDocument({&paper}, OrderLine("p", -1, "P1")));
    f.Events({"P1.Fixed.GetText=GetTextHandler", "P1.Free.GetText=GetTextHandler"});
    f.report->Prepare();
    EXPECT_EQ(J(f.form.Of(QStringLiteral("GetText"))), "GetText Free");
    EXPECT_EQ(J(PageTexts(f.report->GetPage(0)->Data())), J(QStringList({"fixed", "Free 1"})));
}

struct TOrderCase {
    const char* Name;
    QString Order;
    QStringList Log;  // report, page and group events only
    int Pages;
};

TEST(ReportRun, PageOrderWithGroups)
{
    const std::vector<TOrderCase> cases = {
        {"empty order", QString(), {"BeforeReport", "AfterReport"}, 0},
        {"group, two members, sibling",
         Lines({OrderLine("g", -1, "G1"), OrderLine("p", 0, "P1"), OrderLine("p", 0, "P2"), OrderLine("p", -1, "P3")}),
         {"BeforeReport", "BeforeGroup G1", "BeforePage P1", "AfterPage P1", "BeforePage P2", "AfterPage P2",
          "AfterGroup G1", "BeforePage P3", "AfterPage P3", "AfterReport"},
         3},
        {"group on the last line", Lines({OrderLine("p", -1, "P1"), OrderLine("g", -1, "G9")}),
         {"BeforeReport", "BeforePage P1", "AfterPage P1", "BeforeGroup G9", "AfterGroup G9", "AfterReport"},
         1},
        {"members to the end", Lines({OrderLine("g", -1, "G1"), OrderLine("p", 0, "P1"), OrderLine("p", 0, "P3")}),
         {"BeforeReport", "BeforeGroup G1", "BeforePage P1", "AfterPage P1", "BeforePage P3", "AfterPage P3",
          "AfterGroup G1", "AfterReport"},
         2},
        {"nested groups",
         Lines({OrderLine("g", -1, "G1"), OrderLine("g", 0, "G2"), OrderLine("p", 1, "P1"), OrderLine("p", 0, "P2"),
                OrderLine("p", -1, "P3")}),
         {"BeforeReport", "BeforeGroup G1", "BeforeGroup G2", "BeforePage P1", "AfterPage P1", "AfterGroup G2",
          "BeforePage P2", "AfterPage P2", "AfterGroup G1", "BeforePage P3", "AfterPage P3", "AfterReport"},
         3},
        {"a page twice, names without regard to case",
         Lines({OrderLine("p", -1, "p1"), OrderLine("p", -1, "P1")}),
         {"BeforeReport", "BeforePage P1", "AfterPage P1", "BeforePage P1", "AfterPage P1", "AfterReport"},
         2},
        {"empty, blank and short lines, bare LF",
         QStringLiteral("\r\n   \r\np  -1P3\n\ngX\r\n"),
         {"BeforeReport", "BeforePage P3", "AfterPage P3", "BeforeGroup ", "AfterGroup ", "AfterReport"},
         1},
        {"kind letters compare with case", QStringLiteral("P  -1P1\r\n"),
         {"BeforeReport", "BeforeGroup P1", "AfterGroup P1", "AfterReport"},
         0},
    };
    for (const TOrderCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TRunFixture f;
        f.Load(ThreePages(c.Order));
        f.report->Prepare();
        EXPECT_EQ(J(f.form.Log), J(c.Log));
        EXPECT_EQ(f.report->PageCount(), c.Pages);
        EXPECT_TRUE(f.report->IsPrepared());
    }
}

TEST(ReportRun, BadPageOrdersEndTheRunWithAnError)
{
    struct TCase {
        const char* Name;
        QString Order;
        QString Error;
        QStringList Log;
    };
    QString deep;
    for (int i = 0; i <= MaxOrderDepth + 1; ++i) deep += OrderLine("g", i - 1, QStringLiteral("G%1").arg(i));
    const std::vector<TCase> cases = {
        {"unknown page", Lines({OrderLine("p", -1, "P1"), OrderLine("p", -1, "Nope")}),
         "Page Nope of the page order is not in the document",
         {"BeforeReport", "BeforePage P1", "AfterPage P1"}},
        {"page line without name", QStringLiteral("p\r\n"), "Page  of the page order is not in the document",
         {"BeforeReport"}},
        {"groups nested too deeply", deep, "The page order nests groups too deeply", {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TRunFixture f;
        f.Load(ThreePages(c.Order));
        int notified = 0;
        TQXLink link;
        link.OnChange = [&](TQXReport*) { ++notified; };
        f.report->AddLink(&link);
        EXPECT_EQ(ErrorOf([&] { f.report->Prepare(); }), c.Error);
        if (!c.Log.isEmpty()) {
            EXPECT_EQ(J(f.form.Log), J(c.Log));
        }
        EXPECT_EQ(f.report->State(), TQXReportState({rsLoaded}));
        EXPECT_EQ(notified, 3);  // cleared, running, stopped
        f.report->RemoveLink(&link);
    }
}

TEST(ReportRun, WritingAnOrderOfTenThousandLinesIsRefused)
{
    std::vector<TQXOrderEntry> entries(MaxOrderLines, TQXOrderEntry{true, -1, QStringLiteral("P1")});
    entries[0].Page = false;
    entries[MaxOrderLines - 1].Parent = 0;
    const QString text = FormatPageOrder(entries);
    const QStringList lines = SplitOrderLines(text);
    ASSERT_EQ(lines.size(), MaxOrderLines);
    EXPECT_EQ(lines[0], "g  -1P1");
    EXPECT_EQ(ParseOrderLine(lines.last()).Reference, "0");
    entries.push_back(entries[1]);
    EXPECT_EQ(ErrorOf([&] { FormatPageOrder(entries); }), "A page order holds at most 9999 lines");
    EXPECT_EQ(ErrorOf([&] { FormatPageOrder({{true, 0, QStringLiteral("P1")}}); }),
              "Entry 0 of the page order names no enclosing group");
}

// The page order as its lines nest it, group by group: the member lines of
// each group collected and walked again.
void WalkOrderModel(const QStringList& Lines, const QSet<QString>& Refused, QStringList& Log)
{
    bool open = false;
    QString name, reference;
    QStringList members;
    auto close = [&] {
        open = false;
        Log << QStringLiteral("BeforeGroup ") + name;
        if (Refused.contains(name)) return;
        WalkOrderModel(members, Refused, Log);
        Log << QStringLiteral("AfterGroup ") + name;
    };
    for (qsizetype i = 0; i < Lines.size();) {
        const TQXOrderLine line = ParseOrderLine(Lines[i]);
        if (line.Kind.isNull() || (line.Kind.unicode() <= 0x20 && line.Reference.isEmpty() && line.Name.isEmpty())) {
            ++i;
        } else if (!open) {
            if (line.IsPage()) {
                const QString page = line.Name.toUpper();
                Log << QStringLiteral("BeforePage ") + page << QStringLiteral("AfterPage ") + page;
            } else {
                open = true;
                name = line.Name;
                reference = line.Reference;
                members.clear();
            }
            ++i;
        } else if (line.Reference != reference) {
            members << Lines[i++];
        } else {
            close();
        }
    }
    if (open) close();
}

TEST(ReportRun, PageOrdersNestAsTheirReferencesSay)
{
    // Orders of every shape, references to earlier, later and no lines.
    std::mt19937 random(20240611);
    auto pick = [&](int N) { return int(random() % unsigned(N)); };
    const QSet<QString> refused{QStringLiteral("G3")};
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        const int n = 1 + pick(12);
        QString order;
        for (int i = 0; i < n; ++i) {
            const int kind = pick(10);
            if (kind == 0) {
                order += QStringLiteral("\r\n");
                continue;
            }
            const int reference = pick(4) == 0 ? pick(n + 1) - 1 : (i == 0 ? -1 : pick(i + 1) - 1);
            order += kind < 4 ? OrderLine("p", reference, QStringLiteral("p%1").arg(1 + pick(3)))
                              : OrderLine(kind < 9 ? "g" : "G", reference, QStringLiteral("G%1").arg(pick(5)));
        }
        TRunFixture f;
        f.form.RefuseGroups = refused;
        f.Load(ThreePages(order));
        f.report->Prepare();
        QStringList expected{QStringLiteral("BeforeReport")};
        WalkOrderModel(SplitOrderLines(order), refused, expected);
        expected << QStringLiteral("AfterReport");
        ASSERT_EQ(J(f.form.Log), J(expected)) << order.toStdString();
    }
}

TEST(ReportRun, LongPageOrders)
{
    struct TCase {
        const char* Name;
        int Lines;
        bool Chain;  // each group inside the one before
        QString Error;
        int Groups;  // BeforeGroup events
    };
    const std::vector<TCase> cases = {
        {"the longest order", MaxOrderLines, false, {}, MaxOrderLines},
        {"one line more", MaxOrderLines + 1, false, "A page order holds at most 9999 lines", 0},
        {"a chain as long as an order can be", MaxOrderLines, true, "The page order nests groups too deeply",
         MaxOrderDepth + 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QString order;
        for (int i = 0; i < c.Lines; ++i) order += OrderLine("g", c.Chain ? i - 1 : -1, QStringLiteral("G"));
        TRunFixture f;
        f.Load(ThreePages(order, 1));
        EXPECT_EQ(ErrorOf([&] { f.report->Prepare(); }), c.Error);
        EXPECT_EQ(f.form.Log.filter(QStringLiteral("BeforeGroup")).size(), c.Groups);
        EXPECT_EQ(f.form.Log.filter(QStringLiteral("AfterGroup")).size(), c.Error.isEmpty() ? c.Groups : 0);
    }
}

TEST(ReportRun, AbortKeepsThePagesSoFarAndOtherErrorsPassThrough)
{
    struct TCase {
        const char* Name;
        QString At;  // the log line at which the handler acts
        bool Cancel;
        int Pages;
    };
    const std::vector<TCase> cases = {
        {"cancel after a page", "AfterPage P2", true, 2},
        {"cancel from an element event", "GetText Cell", true, 1},
        {"cancel before the first page", "BeforeReport", true, 0},
        {"error from a page event", "BeforePage P3", false, 2},
        {"error from an element event", "GetText Cell", false, 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TRunFixture f;
        f.Load(ThreePages(Lines({OrderLine("p", -1, "P1"), OrderLine("p", -1, "P2"), OrderLine("p", -1, "P3")})));
        f.Events({"P2.B1.AskData=AskDataHandler", "P2.Cell.GetText=GetTextHandler"});
        f.form.Rows[QStringLiteral("B1")] = 1;
        f.form.OnLog = [&](const QString& Line) {
            if (Line != c.At) return;
            if (c.Cancel) f.report->Cancel();
            RaiseReportError(QStringLiteral("boom"));
        };
        const QString error = ErrorOf([&] { f.report->Prepare(); });
        EXPECT_EQ(error, c.Cancel ? QString() : QStringLiteral("boom"));
        EXPECT_EQ(f.report->PageCount(), c.Pages);
        EXPECT_EQ(f.report->State(), TQXReportState({rsLoaded}));
        EXPECT_FALSE(f.form.Log.contains(QStringLiteral("AfterReport")));
    }
}

TEST(ReportRun, DesignRunRendersEveryPageOnceWithoutApplicationEvents)
{
    TRunFixture f;
    // The order names P3 only; a design run ignores it.
    f.Load(ThreePages(OrderLine("p", -1, "P3")));
    f.Events({"P1.L1.BeforePrint=BeforePrintHandler", "P2.B1.AskData=AskDataHandler",
              "P2.Cell.GetText=GetTextHandler"});
    f.form.Rows[QStringLiteral("B1")] = 100;  // would overflow in a normal run
    f.report->DesignPrepare();
    EXPECT_TRUE(f.form.Log.isEmpty()) << qPrintable(f.form.Log.join(u','));
    EXPECT_FALSE(f.report->DesignRun());
    ASSERT_EQ(f.report->PageCount(), 3);
    EXPECT_EQ(J(PageTexts(f.report->GetPage(0)->Data())), J(QStringList({"Text of P1"})));
    // The band answers True once: one designed row.
    EXPECT_EQ(J(PageTexts(f.report->GetPage(1)->Data())), J(QStringList({"Text of P2", "cell"})));
    EXPECT_TRUE(f.report->IsPrepared());

    // A report being designed runs as a design run, and stays so.
    f.report->SetDesigning(true, false);
    f.report->Prepare();
    EXPECT_TRUE(f.form.Log.isEmpty());
    EXPECT_EQ(f.report->PageCount(), 3);
    EXPECT_TRUE(f.report->DesignRun());

    // Without an owner the bands still get their design row.
    TQXReport lone(nullptr);
    LoadDocument(lone, ThreePages(QString()));
    lone.DesignPrepare();
    ASSERT_EQ(lone.PageCount(), 3);
    EXPECT_EQ(J(PageTexts(lone.GetPage(1)->Data())), J(QStringList({"Text of P2", "cell"})));
}

TEST(ReportRun, OverflowAndEmptyOutputPages)
{
    // P2's band overflows onto further output pages; a page whose only
    // element is a band template without rows prints nothing.
    for (bool showEmpty : {false, true}) {
        SCOPED_TRACE(showEmpty);
        TStoredPaper rows(QStringLiteral("Rows"));
        auto* band = AddElement<TQXBand>(&rows, &rows, QStringLiteral("B1"), {0, 0, 9000, 5000}, alTop);
        AddElement<TQXLabel>(&rows, band, QStringLiteral("Cell"), {0, 0, 9000, 600});
        TStoredPaper empty(QStringLiteral("Empty"));
        AddElement<TQXBand>(&empty, &empty, QStringLiteral("B2"), {0, 0, 9000, 600}, alTop);
        TRunFixture f;
        f.Load(MakeDocument({&rows, &empty}, Lines({OrderLine("p", -1, "Rows"), OrderLine("p", -1, "Empty")})));
        f.Events({"Rows.B1.AskData=AskDataHandler", "Rows.Cell.GetText=GetTextHandler", "Empty.B2.AskData=AskDataHandler"});
        f.form.Rows[QStringLiteral("B1")] = 7;  // 3 rows of 5000 fit in 19000
        f.report->SetShowEmptyPages(showEmpty);
        f.report->Prepare();
        EXPECT_EQ(f.report->PageCount(), showEmpty ? 4 : 3);
        EXPECT_EQ(f.form.Of(QStringLiteral("GetText")).size(), 7);
        EXPECT_EQ(J(PageTexts(f.report->GetPage(2)->Data())), J(QStringList({"Cell 7"})));
    }
}

// Hears which components got their events bound.
class TBindingReport : public TQXReport {
public:
    using TQXReport::TQXReport;
    QStringList Bound;

protected:
    void DoBindComponent(TComponent* Component) override { Bound << Component->Name(); }
};

TEST(ReportRun, EveryBoundComponentIsAnnouncedOutsideDesignRuns)
{
    TReportForm form;
    auto* report = new TBindingReport(&form);
    LoadDocument(*report, ThreePages(OrderLine("p", -1, "P2") + OrderLine("p", -1, "P1")));
    report->Prepare();
    EXPECT_EQ(J(report->Bound), "P2, L1, B1, Cell, P1, L1");
    report->Bound.clear();
    report->DesignPrepare();
    EXPECT_TRUE(report->Bound.isEmpty());
    // Without an owner there is nothing to bind to.
    TBindingReport lone(nullptr);
    LoadDocument(lone, ThreePages(OrderLine("p", -1, "P1")));
    lone.Prepare();
    EXPECT_TRUE(lone.Bound.isEmpty());
}

} // namespace
