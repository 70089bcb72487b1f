// The report component: its stored form inside a form stream, document
// files, links and their notifications, pruning of the event list, and
// what it refuses while a run is under way.

#include "runtime/host.h"
#include "runtime/label.h"
#include "runtime/report.h"
#include "runtime/reporterror.h"
#include "runtime/tests/documentbytes.h"
#include "runtime/tests/elementtree.h"
#include "runtime/tests/reportdoc.h"

#include "classlib/controls/application.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/stringlist.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"
#include "classlib/tests/errorof.h"
#include "classlib/tests/savefaults.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/picture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QCoreApplication>
#include <QTimer>
#include <QtEndian>

#include <functional>

#include <gtest/gtest.h>

#include <climits>
#include <memory>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;

namespace {

std::string J(const QStringList& L)
{
    return L.join(QStringLiteral(", ")).toStdString();
}

// Two pages: P1 with labels A and B, P2 with label C.
QByteArray TwoPages()
{
    TStoredPaper p1(QStringLiteral("P1"));
    AddElement<TQXLabel>(&p1, &p1, QStringLiteral("A"), {0, 0, 5000, 800}, alTop)->SetCaption(QStringLiteral("a"));
    AddElement<TQXLabel>(&p1, &p1, QStringLiteral("B"), {0, 0, 5000, 800}, alTop)->SetCaption(QStringLiteral("b"));
    TStoredPaper p2(QStringLiteral("P2"));
    AddElement<TQXLabel>(&p2, &p2, QStringLiteral("C"), {0, 0, 5000, 800}, alTop)->SetCaption(QStringLiteral("c"));
    return MakeDocument({&p1, &p2}, OrderLine("p", -1, "P1") + OrderLine("p", -1, "P2"));
}

QByteArray FormBytes(TComponent& Form)
{
    TMemoryStream stream;
    WriteComponentToStream(stream, &Form);
    return stream.Bytes();
}

void ReadForm(const QByteArray& Bytes, TComponent& Form)
{
    RegisterClass(TQXReport::StaticClass());
    TBytesStream stream(Bytes);
    try {
        ReadComponentFromStream(stream, &Form);
    } catch (...) {
        UnregisterClass(TQXReport::StaticClass());
        throw;
    }
    UnregisterClass(TQXReport::StaticClass());
}

QByteArray DocumentBytes(TQXReport& Report)
{
    TMemoryStream stream;
    Report.WriteReport(stream);
    return stream.Bytes();
}

QByteArray Bytes(std::initializer_list<int> Values)
{
    QByteArray b;
    for (int v : Values) b.append(char(v));
    return b;
}

// The document with To in place of the first From in its body, and the
// body size to match.
QByteArray Replaced(const QByteArray& Document, const QByteArray& From, const QByteArray& To)
{
    TBytesStream stream(Document);
    TQXReportHeader header;
    {
        TReader reader(stream, 8192);
        ReadReportHeader(reader, header);
    }
    QByteArray body = Document.mid(stream.Position());
    const qsizetype at = body.indexOf(From);
    EXPECT_GE(at, 0) << From.toHex().constData();
    return DocumentOf(header, body.replace(at, From.size(), To));
}

// The stored "PageCount" entry, in the smallest form of its value.
QByteArray PageCountBytes(qint32 Count)
{
    QByteArray value = Count >= -128 && Count <= 127 ? Bytes({0x02, Count & 0xFF})
                                                     : Bytes({0x04, Count & 0xFF, (Count >> 8) & 0xFF,
                                                              (Count >> 16) & 0xFF, (Count >> 24) & 0xFF});
    return QByteArray("\x09PageCount") + value;
}

// The document with page Name's stored size (in its 16-bit form) replaced
// by Size.
QByteArray WithPageSize(const QByteArray& Document, const char* Name, const QByteArray& Size)
{
    const QByteArray name = char(0x06) + QByteArray(1, char(qstrlen(Name))) + Name;
    const qsizetype at = Document.indexOf(name + char(0x03));
    EXPECT_GE(at, 0) << Name;
    return Replaced(Document, Document.mid(at, name.size() + 3), name + Size);
}

// A body whose own records nest deeper than any reader goes.
QByteArray WithDeepBody()
{
    QByteArray children;
    for (int i = 0; i < 100; ++i) children += QByteArray("\x07TQXHost\x00\x00", 10);
    const QByteArray body = QByteArray("TPF0\x07TQXHost\x00\x00", 14) + children + QByteArray(101, '\0');
    TQXReportHeader header;
    InitReportHeader(header);
    return DocumentOf(header, body);
}

TEST(ReportComponent, StoredFormRoundTripsByteForByte)
{
    struct TCase {
        const char* Name;
        bool Document;
        QStringList Events;
    };
    const std::vector<TCase> cases = {
        {"nothing", false, {}},
        {"events alone", false, {"P1.A.GetText=GetTextHandler"}},
        {"document and events", true, {"P1.A.GetText=GetTextHandler", "P2.C.BeforePrint=BeforePrintHandler"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TReportForm form;
        form.SetName(QStringLiteral("Form1"));
        auto* report = new TQXReport(&form);
        report->SetName(QStringLiteral("Report1"));
        report->SetTitle(QStringLiteral("Sales"));
        form.BindReport(*report);
        if (c.Document) LoadDocument(*report, TwoPages());
        for (const QString& e : c.Events) report->Events()->Add(e);
        const QByteArray bytes = FormBytes(form);
        // Monochrome and ShowEmptyPages are written although False.
        EXPECT_TRUE(bytes.contains("Monochrome"));
        EXPECT_TRUE(bytes.contains("ShowEmptyPages"));
        EXPECT_FALSE(bytes.contains("Document"));
        EXPECT_FALSE(bytes.contains("Controls"));
        EXPECT_EQ(bytes.contains("\x06Report"), c.Document);
        EXPECT_EQ(bytes.contains("\x06" "Events"), !c.Events.isEmpty());

        TReportForm copy;
        ReadForm(bytes, copy);
        auto* read = dynamic_cast<TQXReport*>(copy.FindComponent(QStringLiteral("Report1")));
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(FormBytes(copy).toHex(), bytes.toHex());
        EXPECT_EQ(read->IsLoaded(), c.Document);
        EXPECT_EQ(J(QStringList(read->Events()->Text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))), J(c.Events));
        EXPECT_EQ(read->Title(), "Sales");
        EXPECT_EQ(read->BeforePage.Data, &copy);
        if (c.Document) {
            EXPECT_EQ(DocumentBytes(*read).toHex(), DocumentBytes(*report).toHex());
            EXPECT_EQ(read->GetPaperCount(), 2);
        }
    }
}

TEST(ReportComponent, BadDocumentsLeaveTheReportAsItWas)
{
    const QByteArray good = TwoPages();
    TQXReportHeader future;
    InitReportHeader(future);
    future.FormatVersion = 121;
    QByteArray badSignature = good;
    badSignature[1] = 'Y';
    const QByteArray hostOnly = DocumentOf(*std::make_unique<TQXHost>(nullptr));
    struct TCase {
        const char* Name;
        QByteArray Document;
        QString Error;
    };
    const std::vector<TCase> cases = {
        {"truncated body", good.left(good.size() - 10), "Stream read error"},
        {"bad signature", badSignature, "Invalid stream format"},
        {"newer format", DocumentOf(future, QByteArray()), "Invalid stream version"},
        {"empty body", DocumentOf(future, QByteArray()).left(0), "Stream read error"},
        {"page count beyond the pages", Replaced(good, PageCountBytes(2), PageCountBytes(3)), "Stream read error"},
        {"page size beyond the block", WithPageSize(good, "P2", Bytes({0x03, 0xFF, 0x7F})), "Stream read error"},
        {"huge page count", Replaced(good, PageCountBytes(2), PageCountBytes(0x7FFFFFFF)), "Stream read error"},
        {"body nested too deep", WithDeepBody(), "Stream nesting is too deep"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TQXReport report(nullptr);
        LoadDocument(report, hostOnly);
        LoadDocument(report, good);
        report.Prepare();
        const TMetafile* firstPage = report.GetPage(0);
        report.Events()->Add(QStringLiteral("P1.A.GetText=X"));
        const QByteArray before = DocumentBytes(report);
        int notified = 0;
        TQXLink link;
        link.OnChange = [&](TQXReport*) { ++notified; };
        report.AddLink(&link);
        try {
            LoadDocument(report, c.Document);
            ADD_FAILURE() << "no error";
        } catch (const EQXError& E) {
            EXPECT_EQ(E.Message.toStdString(), c.Error.toStdString());
        }
        EXPECT_EQ(DocumentBytes(report).toHex(), before.toHex());
        EXPECT_EQ(report.State(), TQXReportState({rsLoaded, rsPrepared}));
        EXPECT_EQ(report.GetPaperCount(), 2);
        ASSERT_EQ(report.PageCount(), 2);
        EXPECT_EQ(report.GetPage(0), firstPage);
        EXPECT_EQ(notified, 0);
        report.RemoveLink(&link);
    }
}

// A page is read when it is used: a document whose pages are empty or
// damaged loads, stores and saves its bytes unchanged, and runs as long as
// the run does not render such a page; rendering one fails then.
TEST(ReportComponent, PagesAreReadWhenUsed)
{
    auto document = [](const QByteArray& SparePage, const QString& Order) {
        TStoredPaper p1(QStringLiteral("P1"));
        AddElement<TQXLabel>(&p1, &p1, QStringLiteral("A"), {0, 0, 5000, 800}, alTop)->SetCaption(QStringLiteral("a"));
        TQXHost host(nullptr);
        host.SetQXWidth(14800);
        host.SetQXHeight(21000);
        TBytesStream first(StreamOf(p1));
        host.AddPage(QStringLiteral("P1"), first);
        TBytesStream spare(SparePage);
        host.AddPage(QStringLiteral("Spare"), spare);
        host.SetPageOrder(Order);
        return DocumentOf(host);
    };
    TStoredPaper cut(QStringLiteral("Spare"));
    AddElement<TQXLabel>(&cut, &cut, QStringLiteral("B"), {0, 0, 5000, 800});
    const QByteArray damaged = StreamOf(cut).left(30);
    // A page whose label's background picture claims 60000 x 60000 pixels.
    QByteArray hugePicture;
    {
        TStoredPaper page(QStringLiteral("Spare"));
        auto* label = AddElement<TQXLabel>(&page, &page, QStringLiteral("B"), {0, 0, 5000, 800});
        QImage image(2, 2, QImage::Format_RGB32);
        image.fill(Qt::red);
        label->Background()->Picture()->Bitmap().SetImage(image);
        hugePicture = StreamOf(page);
        const qsizetype file = hugePicture.indexOf("BM", hugePicture.indexOf("TBitmap"));
        ASSERT_GT(file, 0);
        qToLittleEndian<qint32>(60000, hugePicture.data() + file + 18);
        qToLittleEndian<qint32>(60000, hugePicture.data() + file + 22);
    }
    const QString p1 = OrderLine("p", -1, QStringLiteral("P1"));
    const QString both = p1 + OrderLine("p", -1, QStringLiteral("Spare"));
    const QByteArray emptySize = QByteArray("\x06\x05Spare\x02\x00", 9);
    const QByteArray minusOne = QByteArray("\x06\x05Spare\x02\xFF", 9);
    const QString readError = QStringLiteral("Stream read error");

    struct TCase {
        const char* Name;
        QByteArray Document;
        int Papers;
        QString RunError;     // "" when the run succeeds with one output page
        QString DesignError;  // a design run renders every page
    };
    const std::vector<TCase> cases = {
        {"empty page never used", document({}, p1), 2, "", readError},
        {"damaged page never used", document(damaged, p1), 2, "", readError},
        {"negative page size", Replaced(document({}, p1), emptySize, minusOne), 2, "", readError},
        {"negative page count", Replaced(document({}, ""), PageCountBytes(2), PageCountBytes(-1)), 0, "", ""},
        {"most negative page count", Replaced(document({}, ""), PageCountBytes(2), PageCountBytes(INT_MIN)), 0, "",
         ""},
        {"empty page used", document({}, both), 2, readError, readError},
        {"damaged page used", document(damaged, both), 2, readError, readError},
        {"negative page size used", Replaced(document({}, both), emptySize, minusOne), 2, readError, readError},
        {"huge picture never used", document(hugePicture, p1), 2, "", "Image too large (60000 x 60000 pixels)"},
        {"huge picture used", document(hugePicture, both), 2, "Image too large (60000 x 60000 pixels)",
         "Image too large (60000 x 60000 pixels)"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TReportForm form;
        auto* report = new TQXReport(&form);
        report->SetName(QStringLiteral("Report1"));
        LoadDocument(*report, c.Document);
        EXPECT_TRUE(report->IsLoaded());
        EXPECT_EQ(report->GetPaperCount(), c.Papers);
        EXPECT_EQ(DocumentBytes(*report).toHex(), c.Document.toHex());

        // Stored in a form and read back with it.
        const QByteArray formBytes = FormBytes(form);
        TReportForm copy;
        ReadForm(formBytes, copy);
        auto* read = dynamic_cast<TQXReport*>(copy.FindComponent(QStringLiteral("Report1")));
        ASSERT_NE(read, nullptr);
        EXPECT_TRUE(read->IsLoaded());
        EXPECT_EQ(DocumentBytes(*read).toHex(), c.Document.toHex());

        // The bindings of a page that cannot be read stay until it is used.
        report->Events()->Add(QStringLiteral("Spare.B.GetText=Kept"));
        report->Events()->Add(QStringLiteral("P1.Gone.GetText=Dropped"));
        QString runError;
        try {
            report->Prepare();
        } catch (const EQXError& E) {
            runError = E.Message;
        }
        EXPECT_EQ(runError, c.RunError);
        EXPECT_EQ(report->State(), c.RunError.isEmpty() ? TQXReportState({rsLoaded, rsPrepared})
                                                         : TQXReportState({rsLoaded}));
        if (c.RunError.isEmpty()) {
            EXPECT_EQ(report->PageCount(), c.Papers ? 1 : 0);
        }
        EXPECT_EQ(J(report->Events()->Text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)),
                  c.Papers ? "Spare.B.GetText=Kept" : "");

        QString designError;
        try {
            report->DesignPrepare();
        } catch (const EQXError& E) {
            designError = E.Message;
        }
        EXPECT_EQ(designError, c.DesignError);
        EXPECT_EQ(DocumentBytes(*report).toHex(), c.Document.toHex());
    }
}

TEST(ReportComponent, FilesAndAssign)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sales.qxf"));
    TQXReport report(nullptr);
    LoadDocument(report, TwoPages());
    report.SetTitle(QStringLiteral("Sales"));
    report.SaveToFile(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toHex(), DocumentBytes(report).toHex());
    file.close();

    TQXReport loaded(nullptr);
    loaded.LoadFromFile(path);
    EXPECT_EQ(DocumentBytes(loaded).toHex(), DocumentBytes(report).toHex());
    EXPECT_TRUE(loaded.IsLoaded());

    // A missing file: the class library's open error; nothing changes.
    try {
        loaded.LoadFromFile(dir.filePath(QStringLiteral("missing.qxf")));
        ADD_FAILURE() << "no error";
    } catch (const EFOpenError&) {
    }
    EXPECT_TRUE(loaded.IsLoaded());
    // A save that cannot happen leaves the old file whole.
    QDir(dir.path()).mkdir(QStringLiteral("sub.qxf"));
    EXPECT_NE(ErrorOf([&] { report.SaveToFile(dir.filePath(QStringLiteral("sub.qxf"))); }), QString());
    report.SaveToFile(path);
    EXPECT_EQ(QFile(path).size(), DocumentBytes(report).size());
    QDir(dir.path()).rmdir(QStringLiteral("sub.qxf"));
    // A full disk or a failing device at any step: the same.
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray old = saved.readAll();
    saved.close();
    report.SetTitle(QStringLiteral("Sales, revised"));
    for (const classlib::test::TSaveFaultCase& c : classlib::test::SaveFaultCases(old.size())) {
        SCOPED_TRACE(c.Name);
        {
            TSaveFaultScope fault(c.Fault);
            auto save = [&] { report.SaveToFile(path); };
            EXPECT_EQ(c.Reason.isEmpty() ? classlib::test::ErrorOf<EFCreateError>(save)
                                         : classlib::test::ErrorOf<EWriteError>(save),
                      classlib::test::SaveErrorOf(c, path));
        }
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll(), old);
        saved.close();
        EXPECT_EQ(classlib::test::FolderEntries(dir.path()), QStringList{QStringLiteral("sales.qxf")});
    }
    report.SetTitle(QStringLiteral("Sales"));
    report.SaveToFile(path);
    EXPECT_EQ(QFile(path).size(), DocumentBytes(report).size());

    // Assign copies the title and the document only.
    TQXReport target(nullptr);
    target.Events()->Add(QStringLiteral("P1.A.GetText=X"));
    report.SetMonochrome(true);
    target.Assign(&report);
    EXPECT_EQ(target.Title(), "Sales");
    EXPECT_EQ(DocumentBytes(target).toHex(), DocumentBytes(report).toHex());
    EXPECT_FALSE(target.Monochrome());
    EXPECT_EQ(target.Events()->Count(), 1);
    TQXReport empty(nullptr);
    empty.SetTitle(QStringLiteral("Blank"));
    target.Assign(&empty);
    EXPECT_EQ(target.Title(), "Blank");
    EXPECT_FALSE(target.IsLoaded());
    EXPECT_EQ(target.GetPaperCount(), 0);

    // The pseudo-properties answer the report and ignore what is set.
    const TPropInfo* doc = TQXReport::StaticClass().FindProp(u"Document");
    ASSERT_NE(doc, nullptr);
    doc->SetObj(target, &report);
    EXPECT_EQ(doc->GetObj(target), &target);
}

TEST(ReportComponent, LinksAndNotifications)
{
    QStringList log;
    TQXLink a, b, c, disabled, remover;
    TQXReport report(nullptr);  // freed first: it tells its links
    a.OnChange = [&](TQXReport* R) {
        log << QStringLiteral("a%1").arg(R->State().Mask());
    };
    b.OnChange = [&](TQXReport*) { log << QStringLiteral("b"); };
    c.OnChange = [&](TQXReport*) { log << QStringLiteral("c"); };
    report.AddLink(&a);
    report.AddLink(&a);
    report.AddLink(nullptr);
    report.AddLink(&disabled);
    report.RemoveLink(nullptr);
    report.ClearPages();  // no document: notified although nothing changed
    EXPECT_EQ(J(log), "a0");

    // A listener that removes a later one and adds another: the removed one
    // is not called, the added one from the next round on.
    log.clear();
    remover.OnChange = [&](TQXReport* R) {
        R->RemoveLink(&b);
        R->AddLink(&c);
    };
    report.RemoveLink(&a);
    report.RemoveLink(&disabled);
    report.AddLink(&remover);
    report.AddLink(&b);
    report.AddLink(&a);
    report.NotifyLinks();
    EXPECT_EQ(J(log), "a0");
    log.clear();
    report.NotifyLinks();
    EXPECT_EQ(J(log), "a0, c");

    // A run: cleared (Loaded), Running, then Loaded + Prepared.
    LoadDocument(report, TwoPages());
    report.RemoveLink(&remover);
    report.RemoveLink(&c);
    log.clear();
    report.Prepare();
    EXPECT_EQ(J(log), "a1, a3, a5");
    EXPECT_EQ(report.PageCount(), 2);
    // The state changes only once per flag.
    log.clear();
    report.SetState({rsLoaded});
    report.ClearState({rsRunning});
    EXPECT_TRUE(log.isEmpty());
}

TEST(ReportComponent, NothingIsFreedUnderARunningReport)
{
    TReportForm form;
    auto* report = new TQXReport(&form);
    form.BindReport(*report);
    LoadDocument(*report, TwoPages());
    QStringList errors;
    form.OnLog = [&](const QString& Line) {
        if (Line != QLatin1String("BeforePage P2")) return;
        errors << ErrorOf([&] { report->Reset(); });
        errors << ErrorOf([&] { report->ClearPages(); });
        errors << ErrorOf([&] { report->Prepare(); });
        errors << ErrorOf([&] { TQXReport other(nullptr); report->Assign(&other); });
    };
    report->Prepare();
    const QString running = QStringLiteral("Cannot change the report while it is running");
    EXPECT_EQ(J(errors), J({running, running, running, running}));
    EXPECT_EQ(report->PageCount(), 2);
    EXPECT_TRUE(report->IsPrepared());
}

// Reading a document into a running report cancels the run: quietly, with
// the pages made so far, and without touching the document.
TEST(ReportComponent, ReadingDuringARunCancelsIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("other.qxf"));
    TQXReport other(nullptr);
    TStoredPaper lone(QStringLiteral("Lone"));
    LoadDocument(other, MakeDocument({&lone}, OrderLine("p", -1, "Lone")));
    other.SaveToFile(path);
    const QByteArray otherDocument = DocumentBytes(other);
    // The report component as a form stream holds it: its stored properties.
    const QByteArray otherStored = FormBytes(other);

    enum TWhere { OnTheStack, CaughtByTheHandler, FromANestedLoop };
    struct TCase {
        const char* Name;
        std::function<void(TReportForm& Form, TQXReport& Report)> Read;
        TWhere Where;
    };
    const std::vector<TCase> cases = {
        {"read from a stream", [&](TReportForm&, TQXReport& r) { LoadDocument(r, otherDocument); }, OnTheStack},
        {"load from a file", [&](TReportForm&, TQXReport& r) { r.LoadFromFile(path); }, OnTheStack},
        {"load the stored properties", [&](TReportForm&, TQXReport& r) { ReadForm(otherStored, r); }, OnTheStack},
        {"a missing file", [&](TReportForm&, TQXReport& r) { r.LoadFromFile(dir.filePath("none")); }, OnTheStack},
        {"abort caught by the handler", [&](TReportForm&, TQXReport& r) { LoadDocument(r, otherDocument); },
         CaughtByTheHandler},
        {"from a nested event loop", [&](TReportForm&, TQXReport& r) { r.LoadFromFile(path); }, FromANestedLoop},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TReportForm form;
        form.SetName(QStringLiteral("Form1"));
        auto* report = new TQXReport(&form);
        report->SetName(QStringLiteral("Report1"));
        form.BindReport(*report);
        LoadDocument(*report, TwoPages());
        const QByteArray before = DocumentBytes(*report);
        QString caught;
        form.OnLog = [&](const QString& Line) {
            if (Line != QLatin1String("BeforePage P2")) return;
            switch (c.Where) {
            case OnTheStack: c.Read(form, *report); break;
            case CaughtByTheHandler: caught = ErrorOf([&] { c.Read(form, *report); }); break;
            case FromANestedLoop:
                // As a dialog's event loop would call it: the abort ends
                // only the guarded call, not the run.
                QTimer::singleShot(0, [&] { CallGuarded(nullptr, [&] { c.Read(form, *report); }); });
                QCoreApplication::processEvents();
                EXPECT_TRUE(report->CancelRequested());
                break;
            }
        };
        EXPECT_NO_THROW(report->Prepare());
        EXPECT_EQ(report->PageCount(), 1);
        EXPECT_EQ(report->State(), TQXReportState({rsLoaded}));
        EXPECT_FALSE(report->CancelRequested());
        EXPECT_EQ(DocumentBytes(*report).toHex(), before.toHex());
        EXPECT_EQ(report->GetPaperCount(), 2);
        EXPECT_EQ(form.Log.filter(QStringLiteral("Page P2")), QStringList({"BeforePage P2"}));
        EXPECT_FALSE(form.Log.contains(QStringLiteral("AfterReport")));
        if (c.Where == CaughtByTheHandler) {
            EXPECT_EQ(caught, "Operation aborted");
        }
        // The next run is not cancelled by the request of the last one.
        form.OnLog = {};
        report->Prepare();
        EXPECT_EQ(report->PageCount(), 2);
        EXPECT_TRUE(report->IsPrepared());
    }
}

TEST(ReportComponent, PruningRewritesTheListInDocumentOrder)
{
    TReportForm form;
    auto* report = new TQXReport(&form);
    LoadDocument(*report, TwoPages());
    for (const char* line : {"P2.C.GetText=  Late  ", "p1.b.afterprint=AfterPrintHandler", "Gone.A.GetText=X",
                             "P1.Gone.GetText=X", "P1.A.GetText=   ", "P1.OwnerDraw=Paint", "P1.A.AskData=Ask",
                             "P1.A.BeforePrint=Before", "P1.A.AskData=Second", "no equals sign"})
        report->Events()->Add(QString::fromLatin1(line));
    report->PruneEvents();
    // Page events, then each element in ownership order, five names each.
    EXPECT_EQ(J(QStringList(report->Events()->Text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))),
              J({"P1.OwnerDraw=Paint", "P1.A.BeforePrint=Before", "P1.A.AskData=Ask",
                 "P1.B.AfterPrint=AfterPrintHandler", "P2.C.GetText=Late"}));
    // Without a document nothing is pruned.
    TQXReport lone(nullptr);
    lone.Events()->Add(QStringLiteral("Gone.A.GetText=X"));
    lone.PruneEvents();
    EXPECT_EQ(lone.Events()->Count(), 1);
}

TEST(ReportComponent, PrintRange)
{
    TQXReport report(nullptr);
    EXPECT_TRUE(report.InPrintRange(1));
    EXPECT_TRUE(report.InPrintRange(99));
    report.SetPrintRange(2, 3);
    EXPECT_FALSE(report.InPrintRange(1));
    EXPECT_TRUE(report.InPrintRange(2));
    EXPECT_TRUE(report.InPrintRange(3));
    EXPECT_FALSE(report.InPrintRange(4));
    for (auto [from, to] : {std::pair{0, 3}, {3, 2}, {-1, 2}, {2, 0}})
        EXPECT_EQ(ErrorOf([&] { report.SetPrintRange(from, to); }),
                  QStringLiteral("Invalid print range %1 to %2").arg(from).arg(to));
    report.ClearPages();
    EXPECT_EQ(report.PrintFrom(), 0);
    EXPECT_EQ(report.PrintTo(), 0);
}

} // namespace
