// The design document: a new document, page names, switching, deleting and
// renaming pages with the order in step, titles, and what a failed open or
// save leaves behind.

#include "designer/elements/band.h"
#include "designer/elements/label.h"
#include "designer/elements/panel.h"
#include "designer/tests/designfixture.h"

#include "runtime/reporterror.h"

#include "classlib/core/classregistry.h"
#include "classlib/core/streams.h"
#include "classlib/core/textform.h"
#include "classlib/core/sysutils.h"
#include "classlib/tests/controls/handlers.h"
#include "classlib/tests/savefaults.h"

#include <QFile>
#include <QFileInfo>

#include <functional>

namespace designer::tests {
namespace {

using namespace classlib;

template <class E, class F>
void ExpectError(F&& Action, const QString& Message)
{
    try {
        Action();
        ADD_FAILURE() << "no error, expected " << qPrintable(Message);
    } catch (const E& e) {
        EXPECT_EQ(e.Message, Message);
    }
}

QStringList PageNames()
{
    QStringList names;
    for (int i = 0; i < Document->GetPageCount(); ++i) names << Document->GetPageName(i);
    return names;
}

void WriteFile(const QString& Name, const QByteArray& Bytes)
{
    QFile f(Name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Bytes);
}

QByteArray ReadFile(const QString& Name)
{
    QFile f(Name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

using DocumentTest = DesignerTest;

TEST_F(DocumentTest, NewDocumentHasOneEmptyPage)
{
    EXPECT_EQ(PageNames(), QStringList{QStringLiteral("Page1")});
    EXPECT_EQ(Document->PageOrder(), QStringLiteral("p  -1Page1"));
    EXPECT_EQ(Document->CurrentPage(), 0);
    EXPECT_FALSE(Document->GetModified());
    EXPECT_EQ(Document->FileName, QStringLiteral("Untitled.qxf"));
    EXPECT_TRUE(Document->IsNew);
    EXPECT_EQ(PageDesigner->GetZoom(), 1.0);
    ASSERT_NE(PageWindow, nullptr);
    EXPECT_EQ(PageWindow->Name(), QStringLiteral("Page1"));
    // A4 less 10 mm margins at 96 dpi.
    EXPECT_EQ(PageWindow->Width(), 718);
    EXPECT_EQ(PageWindow->Height(), 1047);
    EXPECT_EQ(PageWindow->PageWidth(), 19000);
    EXPECT_EQ(PageWindow->PageHeight(), 27700);
}

TEST_F(DocumentTest, NewPagesTakeTheSmallestFreeNumber)
{
    Document->AddPage();
    PageWindow->SetName(QStringLiteral("page2"));
    EXPECT_EQ(Document->AddPage(), 2);
    EXPECT_EQ(PageNames(), (QStringList{"Page1", "page2", "Page3"}));
    EXPECT_EQ(Document->CurrentPage(), 2);
    EXPECT_EQ(PageWindow->Name(), QStringLiteral("Page3"));
    EXPECT_TRUE(Document->GetModified());
}

TEST_F(DocumentTest, TitleDropsFolderAndExtension)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Reports\\Sales.QXF", "Sales"}, {"Untitled.qxf", "Untitled"}, {"notes.txt", "notes.txt"},
        {"/home/ann/Q1.qxf", "Q1"}};
    for (const auto& [file, title] : cases) {
        Document->FileName = QString::fromLatin1(file);
        EXPECT_EQ(Document->GetTitle(), QString::fromLatin1(title)) << file;
    }
}

TEST_F(DocumentTest, SwitchingPagesKeepsEachPagesElements)
{
    Insert<TQXBand>(10, 10);
    Document->AddPage();
    EXPECT_EQ(PageWindow->ComponentCount(), 0);
    Insert<TQXLabel>(10, 10);
    int changes = 0;
    classlib::testing::Bind(Document->OnChange, [&](TObject*) { ++changes; });
    Document->SetCurrentPage(0);
    EXPECT_EQ(changes, 1);
    ASSERT_NE(Element(QStringLiteral("Band1")), nullptr);
    EXPECT_EQ(Element(QStringLiteral("Label1")), nullptr);
    // The open page again: nothing happens at all.
    Document->SetCurrentPage(0);
    EXPECT_EQ(changes, 1);
    Document->SetCurrentPage(1);
    EXPECT_NE(Element(QStringLiteral("Label1")), nullptr);
}

// A page opened at any zoom takes its pixels from what is stored and never
// the other way round: switching pages leaves the document's bytes alone.
TEST_F(DocumentTest, SwitchingPagesAtAnyZoomChangesNoStoredValue)
{
    for (int page = 0; page < 2; ++page) {
        if (page > 0) Document->AddPage();
        Insert<TQXBand>(10, 10)->SetMM(4, 12.34);
        Insert<TQXLabel>(33, 300)->SetCaption(QStringLiteral("Odd width"));
        Insert<TQXPanel>(17, 420);
    }
    Document->SetCurrentPage(0);
    const QByteArray before = DocumentBytes();
    for (double zoom : {0.3, 3.0, 1.7}) {
        PageDesigner->SetZoom(zoom);
        Document->SetCurrentPage(1);
        Document->SetCurrentPage(0);
        EXPECT_EQ(DocumentBytes(), before) << zoom;
    }
}

TEST_F(DocumentTest, SetCurrentPageChecksTheIndexFirst)
{
    Insert<TQXBand>(10, 10);
    TQXPage* window = PageWindow;
    for (int index : {-1, 1, 5})
        ExpectError<EListError>([&] { Document->SetCurrentPage(index); },
                                Format("List index out of bounds (%d)", {index}));
    EXPECT_EQ(PageWindow, window);
    EXPECT_EQ(Document->CurrentPage(), 0);
    EXPECT_NE(Element(QStringLiteral("Band1")), nullptr);
}

TEST_F(DocumentTest, APageThatDoesNotReadIsNeverOpened)
{
    PageDesigner->SetZoom(2.0);
    Insert<TQXBand>(10, 10)->SetMM(4, 12.34);
    Document->AddPage();
    Document->SetCurrentPage(0);
    TMemoryStream* damaged = Document->GetPageStream(1);
    damaged->SetSize(0);
    damaged->WriteBuffer("TPF0\x05TQXPa", 10);
    const QByteArray before = DocumentBytes();
    TQXPage* window = PageWindow;
    ExpectError<EReadError>([] { Document->SetCurrentPage(1); }, QStringLiteral("Stream read error"));
    EXPECT_EQ(PageWindow, window);
    EXPECT_EQ(Document->CurrentPage(), 0);
    EXPECT_EQ(PageDesigner->GetZoom(), 2.0);
    EXPECT_EQ(DocumentBytes(), before);
}

TEST_F(DocumentTest, TheLastPageCannotBeDeleted)
{
    ExpectError<runtime::EQXError>([] { Document->DeletePage(0); },
                                   QStringLiteral("Report should contain at least one page"));
    EXPECT_EQ(PageNames(), QStringList{QStringLiteral("Page1")});
    EXPECT_EQ(Document->PageOrder(), QStringLiteral("p  -1Page1"));
}

TEST_F(DocumentTest, DeletingAnotherPageKeepsTheOpenWindowAndItsEdits)
{
    Document->AddPage();  // Page2, open
    Document->SetPageOrder(QStringLiteral("p  -1Page1\r\np  -1Page2\r\n"));
    Insert<TQXBand>(10, 10);  // unsaved edit
    TQXPage* window = PageWindow;
    Document->DeletePage(0);
    EXPECT_EQ(PageWindow, window);
    EXPECT_EQ(Document->CurrentPage(), 0);
    EXPECT_NE(Element(QStringLiteral("Band1")), nullptr);
    EXPECT_EQ(Document->PageOrder(), QStringLiteral("p  -1Page2\r\n"));
    EXPECT_TRUE(Document->GetModified());
}

TEST_F(DocumentTest, DeletingTheOpenPageOpensAnother)
{
    Insert<TQXBand>(10, 10);
    Document->AddPage();
    Insert<TQXLabel>(10, 10);
    Document->DeletePage(1);
    EXPECT_EQ(PageNames(), QStringList{QStringLiteral("Page1")});
    EXPECT_EQ(PageWindow->Name(), QStringLiteral("Page1"));
    EXPECT_NE(Element(QStringLiteral("Band1")), nullptr);
    EXPECT_EQ(Element(QStringLiteral("Label1")), nullptr);
}

TEST_F(DocumentTest, RenameStoresTheTrimmedNameEverywhere)
{
    Document->SetPageOrder(QStringLiteral("p  -1Page1\r\ng  -1Page1\r\np   1PAGE1\r\n"));
    PageWindow->SetName(QStringLiteral(" Totals "));
    EXPECT_EQ(PageWindow->Name(), QStringLiteral("Totals"));
    EXPECT_EQ(Document->GetPageName(0), QStringLiteral("Totals"));
    EXPECT_EQ(Document->PageOrder(), QStringLiteral("p  -1Totals\r\ng  -1Page1\r\np   1Totals\r\n"));
    // Its own name in other letters is no clash.
    PageWindow->SetName(QStringLiteral("TOTALS"));
    EXPECT_EQ(Document->GetPageName(0), QStringLiteral("TOTALS"));
}

TEST_F(DocumentTest, RenameRefusalsLeaveBothNamesAsTheyWere)
{
    Document->AddPage();  // Page2
    Document->SetPageOrder(QStringLiteral("p  -1Page1\r\np  -1Page2\r\n"));
    const QString order = Document->PageOrder();
    ExpectError<EComponentError>([] { PageWindow->SetName(QStringLiteral("page1")); },
                                 QStringLiteral("A page named page1 already exists"));
    ExpectError<EComponentError>([] { PageWindow->SetName(QStringLiteral("   ")); },
                                 QStringLiteral("'   ' is not a valid component name"));
    ExpectError<EComponentError>([] { PageWindow->SetName(QStringLiteral("Two words")); },
                                 QStringLiteral("'Two words' is not a valid component name"));
    EXPECT_EQ(PageWindow->Name(), QStringLiteral("Page2"));
    EXPECT_EQ(Document->GetPageName(1), QStringLiteral("Page2"));
    EXPECT_EQ(Document->PageOrder(), order);
}

TEST_F(DocumentTest, SavingTwiceGivesTheSameBytesAndOpeningGivesThemBack)
{
    Insert<TQXBand>(10, 10);
    Insert<TQXLabel>(30, 60)->SetCaption(QStringLiteral("Total"));
    Document->AddPage();
    Document->SetCurrentPage(0);
    const QString file = TempFile(QStringLiteral("r.qxf"));
    SaveReportAs(file);
    EXPECT_EQ(Document->FileName, file);
    EXPECT_FALSE(Document->IsNew);
    EXPECT_FALSE(Document->GetModified());
    const QByteArray first = ReadFile(file);
    SaveReportToFile(file);
    EXPECT_EQ(ReadFile(file), first);

    // A band that fills the page's width takes it from the page it is read
    // into, as it had it on the page it was made on.
    const TRect band = Element<TControl>(QStringLiteral("Band1"))->BoundsRect();
    EXPECT_GT(band.Right - band.Left, 100);
    NewReport();
    OpenReport(file);
    EXPECT_EQ(Element<TControl>(QStringLiteral("Band1"))->BoundsRect(), band);
    EXPECT_EQ(PageNames(), (QStringList{"Page1", "Page2"}));
    ASSERT_NE(Element<TQXLabel>(QStringLiteral("Label1")), nullptr);
    EXPECT_EQ(Element<TQXLabel>(QStringLiteral("Label1"))->Caption(), QStringLiteral("Total"));
    EXPECT_EQ(Element(QStringLiteral("Label1"))->Owner(), PageWindow);
    EXPECT_EQ(dynamic_cast<TControl*>(Element(QStringLiteral("Label1")))->Parent(),
              Element<TWinControl>(QStringLiteral("Band1")));
    EXPECT_FALSE(Document->GetModified());
    const QString again = TempFile(QStringLiteral("again.qxf"));
    SaveReportToFile(again);
    EXPECT_EQ(ReadFile(again), first);
}

TEST_F(DocumentTest, FailedOpensLeaveTheOpenDocumentAsItWas)
{
    PageDesigner->SetZoom(2.0);
    Insert<TQXBand>(10, 10)->SetMM(4, 12.34);
    Document->FileName = QStringLiteral("Mine.qxf");
    const QByteArray before = DocumentBytes();
    const TRect band = Element<TControl>(QStringLiteral("Band1"))->BoundsRect();

    // A document with two pages of one name, one with a name that is no
    // identifier, one without pages, one with no printable area.
    auto makeDocument = [](const std::function<void(runtime::TQXHost&)>& Change) {
        TReportDescriptor doc(nullptr);
        TMemoryStream empty;
        doc.runtime::TQXHost::AddPage(QStringLiteral("Page1"), empty);
        Change(doc);
        TMemoryStream out;
        doc.SaveToStream(out);
        return QByteArray(static_cast<const char*>(out.Memory()), qsizetype(out.Size()));
    };
    struct TCase {
        const char* File;
        QByteArray Bytes;
        QString Message;
    };
    TMemoryStream empty;
    const TCase cases[] = {
        {"dup.qxf", makeDocument([&](runtime::TQXHost& H) { H.AddPage(QStringLiteral("PAGE1"), empty); }),
         QStringLiteral("A page named PAGE1 already exists")},
        {"name.qxf", makeDocument([&](runtime::TQXHost& H) { H.AddPage(QStringLiteral("Page 2"), empty); }),
         QStringLiteral("'Page 2' is not a valid component name")},
        {"none.qxf", makeDocument([](runtime::TQXHost& H) { H.RemovePage(0); }),
         QStringLiteral("Report should contain at least one page")},
        {"layout.qxf", makeDocument([](runtime::TQXHost& H) { H.SetQXWidth(0); }),
         QStringLiteral("Invalid page layout")},
        {"margins.qxf", makeDocument([](runtime::TQXHost& H) { H.SetQXLeftMargin(20000); }),
         QStringLiteral("Invalid page layout")},
        {"junk.qxf", QByteArray("not a report at all"), QStringLiteral("Invalid stream format")},
        {"short.qxf", makeDocument([](runtime::TQXHost&) {}).left(60), QStringLiteral("Stream read error")},
        {"page.qxf", makeDocument([](runtime::TQXHost& H) {
             H.GetPageStream(0)->WriteBuffer("TPF0\x05TQXPa", 10);
         }),
         QStringLiteral("Stream read error")},
    };
    for (const TCase& c : cases) {
        const QString file = TempFile(QString::fromLatin1(c.File));
        WriteFile(file, c.Bytes);
        try {
            OpenReport(file);
            ADD_FAILURE() << c.File << " opened";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, c.Message) << c.File;
        }
        EXPECT_EQ(Document->FileName, QStringLiteral("Mine.qxf")) << c.File;
        EXPECT_TRUE(Document->Ready);
        EXPECT_EQ(PageDesigner->GetZoom(), 2.0) << c.File;
        ASSERT_NE(Element(QStringLiteral("Band1")), nullptr) << c.File;
        EXPECT_EQ(Element<TControl>(QStringLiteral("Band1"))->BoundsRect(), band) << c.File;
        EXPECT_EQ(DocumentBytes(), before) << c.File;
    }
    ExpectError<EFOpenError>([] { OpenReport(TempFile(QStringLiteral("missing.qxf"))); },
                             QStringLiteral("Cannot open file ") + TempFile(QStringLiteral("missing.qxf")));
    EXPECT_NE(Element(QStringLiteral("Band1")), nullptr);
}

// A page holds report elements only: a class-library control that another
// program wrote into a page is skipped when the page opens, as the runtime
// skips it, and never reaches a save.
TEST_F(DocumentTest, ClassesAPageCannotStoreAreSkippedWhenItOpens)
{
    ASSERT_NE(GetClass(QStringLiteral("TBevel")), nullptr);
    const char* text = "object Page1: TQXPage\n"
                       "  object Band1: TQXBand\n"
                       "    object Bevel1: TBevel\n"
                       "    end\n"
                       "    object Label1: TQXLabel\n"
                       "    end\n"
                       "  end\n"
                       "end\n";
    TMemoryStream in, page;
    in.WriteBuffer(text, qint64(qstrlen(text)));
    in.SetPosition(0);
    ObjectTextToBinary(in, page);
    TReportDescriptor doc(nullptr);
    doc.runtime::TQXHost::AddPage(QStringLiteral("Page1"), page);
    doc.SetPageOrder(QStringLiteral("p  -1Page1"));
    TMemoryStream bytes;
    doc.SaveToStream(bytes);
    const QString file = TempFile(QStringLiteral("foreign.qxf"));
    bytes.SaveToFile(file);

    OpenReport(file);
    EXPECT_NE(Element(QStringLiteral("Band1")), nullptr);
    EXPECT_NE(Element(QStringLiteral("Label1")), nullptr);
    EXPECT_EQ(PageWindow->FindComponent(QStringLiteral("Bevel1")), nullptr);
    EXPECT_EQ(PageWindow->ComponentCount(), 2);
}

TEST_F(DocumentTest, AFailedSaveNeverHarmsTheOldFile)
{
    const QString file = TempFile(QStringLiteral("keep.qxf"));
    SaveReportAs(file);
    const QByteArray good = ReadFile(file);
    // A caption the label's code page cannot store fails before the file
    // is touched; the label refuses one, so it comes in past its setter.
    auto* label = Insert<TQXLabel>(10, 10);
    label->TCustomControl::SetCaption(QStringLiteral("\u4e2d"));
    Document->SetModified(true);
    try {
        SaveReportAs(file);
        ADD_FAILURE() << "saved an unstorable caption";
    } catch (const Exception&) {
    }
    EXPECT_EQ(ReadFile(file), good);
    EXPECT_EQ(Document->FileName, file);
    EXPECT_TRUE(Document->GetModified());
    // A folder that does not exist.
    const QString nowhere = TempFile(QStringLiteral("no/such/folder.qxf"));
    label->SetCaption(QStringLiteral("ok"));
    ExpectError<EFCreateError>([&] { SaveReportAs(nowhere); }, QStringLiteral("Cannot create file ") + nowhere);
    EXPECT_EQ(Document->FileName, file);
}

TEST_F(DocumentTest, AFullDiskOrAFailingDeviceKeepsTheFileTheNameAndTheChanges)
{
    const QString file = TempFile(QStringLiteral("keep.qxf"));
    const QString other = TempFile(QStringLiteral("other.qxf"));
    struct TSave {
        const char* Name;
        QString Target;
        std::function<void()> Run;
    };
    const TSave saves[] = {
        {"Save", file, [&] { SaveReportAs(file); }},
        {"Save As", other, [&] { SaveReportAs(other); }},
        {"Save Copy As", other, [&] { SaveReportToFile(other); }},
        {"Save Copy As over the file", file, [&] { SaveReportToFile(file); }},
    };
    SaveReportAs(file);
    const QByteArray good = ReadFile(file);
    const QStringList folder = classlib::test::FolderEntries(QFileInfo(file).absolutePath());
    Insert<TQXLabel>(10, 10);
    Document->SetModified(true);
    for (const TSave& save : saves) {
        for (const classlib::test::TSaveFaultCase& c : classlib::test::SaveFaultCases(good.size())) {
            SCOPED_TRACE(std::string(save.Name) + " / " + c.Name);
            {
                TSaveFaultScope fault(c.Fault);
                if (c.Reason.isEmpty())
                    ExpectError<EFCreateError>(save.Run, classlib::test::SaveErrorOf(c, save.Target));
                else
                    ExpectError<EWriteError>(save.Run, classlib::test::SaveErrorOf(c, save.Target));
            }
            EXPECT_EQ(ReadFile(file), good);
            EXPECT_EQ(classlib::test::FolderEntries(QFileInfo(file).absolutePath()), folder);
            EXPECT_EQ(Document->FileName, file);
            EXPECT_FALSE(Document->IsNew);
            EXPECT_TRUE(Document->GetModified());
        }
    }
    // Room again: the edits reach the file.
    SaveReportAs(file);
    EXPECT_NE(ReadFile(file), good);
    EXPECT_FALSE(Document->GetModified());
}

} // namespace
} // namespace designer::tests
