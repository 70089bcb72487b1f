// What the designer writes, the runtime reads and runs: a designed label
// comes out of the run at its designed place; the preview copy leaves the
// designer's classes registered; documents written elsewhere keep their
// pages byte for byte; the print order set in the designer is the order
// the run processes.

#include "designer/elements/band.h"
#include "designer/elements/elementclasses.h"
#include "designer/elements/label.h"
#include "designer/document/previewreport.h"
#include "designer/manager/printorderform.h"
#include "designer/elements/shape.h"
#include "designer/tests/designfixture.h"
#include "runtime/tests/documentbytes.h"

#include "runtime/label.h"
#include "runtime/paper.h"
#include "runtime/documentheader.h"
#include "runtime/report.h"

#include "classlib/controls/button.h"
#include "classlib/controls/listbox.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/speedbutton.h"
#include "classlib/core/stringlist.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafileplayer.h"
#include "classlib/graphics/nulldevice.h"

#include "classlib/tests/controls/handlers.h"

#include <QFile>
#include <QTest>
#include <QStringList>

#include <memory>
#include <utility>

namespace designer::tests {
namespace {

using namespace classlib;

// Records the texts a page draws and where, in device pixels of a device
// with one pixel per 0.01 mm.
class TTextLogDC : public TNullDeviceContext {
public:
    struct TText {
        QString Text;
        TPoint At;
    };
    std::vector<TText> Texts;

    void ExtTextOut(int X, int Y, unsigned, const TRect*, const QString& Text, const std::vector<int>*) override
    {
        Texts.push_back({Text, TPoint{int(OutX(X)), int(OutY(Y))}});
    }
};

std::vector<TTextLogDC::TText> PageTexts(TMetafile& Page)
{
    TTextLogDC dc;
    PlayEnhMetaFile(dc, Page, TRect{0, 0, 21000, 29700});
    return dc.Texts;
}

// Registers those of the classes that are not yet registered; the
// registry is the process's, so only they are taken back after.
TClassList RegisterMissing(const std::vector<const TClassInfo*>& Classes)
{
    TClassList added;
    for (const TClassInfo* c : Classes)
        if (GetClass(c->Name) != c) {
            RegisterClass(*c);
            added.push_back(c);
        }
    return added;
}

// The designer as it runs: its element classes in the registry.
class RoundTripTest : public DesignerTest {
protected:
    void SetUp() override
    {
        DesignerTest::SetUp();
        Added = RegisterMissing(DesignElementClasses());
    }
    void TearDown() override
    {
        for (const TClassInfo* c : Added) UnregisterClass(*c);
        DesignerTest::TearDown();
    }
    TClassList Added;
};

TEST_F(RoundTripTest, TheRuntimeRunsWhatWasDesigned)
{
    auto* band = Insert<TQXBand>(10, 10);
    band->SetMM(4, 30.0);
    auto* label = Insert<TQXLabel>(10, 10);
    label->SetCaption(QStringLiteral("Designed"));
    label->SetMM(1, 40.0);
    label->SetMM(2, 12.0);
    const int left = label->QXLeft(), top = label->QXTop();

    runtime::TQXReport report(nullptr);
    BuildPreviewReport(report, true);
    EXPECT_EQ(report.Title(), QStringLiteral("Tessary"));
    ASSERT_EQ(report.PageCount(), 1);
    const auto texts = PageTexts(*report.GetPage(0));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, QStringLiteral("Designed"));
    // The paper's margins, then the label's place inside the band; the
    // text starts at the label's top-left corner.
    EXPECT_NEAR(texts[0].At.X, 1000 + left, 30);
    EXPECT_NEAR(texts[0].At.Y, 1000 + band->QXTop() + top, 30);

    // The designer's classes are back, and the designer goes on working.
    EXPECT_EQ(GetClass(QStringLiteral("TQXLabel")), &TQXLabel::StaticClass());
    EXPECT_EQ(GetClass(QStringLiteral("TQXControl")), &TQXControl::StaticClass());
    PageWindow->CopySelection();
    PageWindow->PasteFromClipboard();
    EXPECT_NE(Element(QStringLiteral("Label2")), nullptr);
}

TEST_F(RoundTripTest, AFailedPreviewKeepsTheTitleAndTheClasses)
{
    Document->AddPage();
    Document->SetCurrentPage(0);
    Document->SetPageOrder(QStringLiteral("p  -1Page1\r\np  -1Page2\r\n"));
    // Page2's stream is damaged: the run stops when it reads it.
    TMemoryStream* damaged = Document->GetPageStream(1);
    damaged->SetSize(0);
    damaged->WriteBuffer("TPF0junk", 8);
    runtime::TQXReport report(nullptr);
    report.SetTitle(QStringLiteral("Before"));
    EXPECT_THROW(BuildPreviewReport(report, true), Exception);
    EXPECT_EQ(report.Title(), QStringLiteral("Before"));
    EXPECT_EQ(GetClass(QStringLiteral("TQXPanel")), DesignElementClasses()[0]);
    EXPECT_EQ(GetClass(QStringLiteral("TQXContainer")), DesignElementClasses()[6]);
}

// A runtime page that writes the elements it owns, as a program that
// builds documents without the designer would.
class TRuntimePage : public runtime::TQXPaper {
public:
    TRuntimePage() : runtime::TQXPaper(nullptr) {}
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*) override
    {
        for (int i = 0; i < ComponentCount(); ++i) Proc(Components(i));
    }
};

QByteArray Bytes(TMemoryStream& Stream)
{
    return QByteArray(static_cast<const char*>(Stream.Memory()), qsizetype(Stream.Size()));
}

TEST_F(RoundTripTest, ADocumentWrittenElsewhereKeepsItsPages)
{
    runtime::TQXHost host(nullptr);
    host.SetName(QStringLiteral("Host"));
    host.SetQXWidth(14800);
    host.SetQXHeight(21000);
    host.SetQXLeftMargin(1200);
    host.SetQXTopMargin(1200);
    host.SetQXRightMargin(1200);
    host.SetQXBottomMargin(1200);
    host.SetPaperSize(11);
    for (const char* name : {"Cover", "Detail"}) {
        TRuntimePage page;
        page.SetName(QString::fromLatin1(name));
        auto* label = new runtime::TQXLabel(&page);
        label->SetName(QStringLiteral("Title"));
        label->SetCaption(QString::fromLatin1(name) + QStringLiteral(" text"));
        label->SetQXLeft(2500);
        label->SetQXTop(700);
        label->SetQXWidth(4000);
        label->SetQXHeight(600);
        TMemoryStream stream;
        WriteComponentToStream(stream, &page);
        stream.SetPosition(0);
        host.AddPage(page.Name(), stream);
    }
    host.SetPageOrder(QStringLiteral("p  -1Cover\r\np  -1Detail\r\n"));
    const QByteArray detailBytes = Bytes(*host.GetPageStream(1));
    const QString name = TempFile(QStringLiteral("elsewhere.qxf"));
    TBytesStream(runtime::tests::DocumentOf(host)).SaveToFile(name);
    OpenReport(name);
    ASSERT_EQ(Document->GetPageCount(), 2);
    auto* title = Element<TQXLabel>(QStringLiteral("Title"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Caption(), QStringLiteral("Cover text"));
    EXPECT_EQ(title->QXLeft(), 2500);
    EXPECT_EQ(title->QXWidth(), 4000);
    EXPECT_EQ(PaperWindow->PaperSize(), TQXPaperSize::A5);
    EXPECT_EQ(PaperWindow->LeftMargin(), 1200);

    const QString again = TempFile(QStringLiteral("again.qxf"));
    SaveReportToFile(again);
    TReportDescriptor saved(nullptr);
    {
        QFile f(again);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        TBytesStream stream(f.readAll());
        saved.LoadFromStream(stream);
    }
    // The page never opened is the same bytes; the paper and order as read.
    EXPECT_EQ(Bytes(*saved.GetPageStream(1)), detailBytes);
    EXPECT_EQ(saved.PageOrder(), host.PageOrder());
    EXPECT_EQ(saved.QXWidth(), 14800);
    EXPECT_EQ(saved.QXBottomMargin(), 1200);
    EXPECT_EQ(saved.PaperSize(), 11);
    // The opened page reads into the runtime with the values it had.
    runtime::TQXReport report(nullptr);
    BuildPreviewReport(report, true);
    ASSERT_GE(report.PageCount(), 2);
    const auto texts = PageTexts(*report.GetPage(0));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, QStringLiteral("Cover text"));
}

TEST_F(RoundTripTest, TheRunProcessesInTheOrderThePrintOrderEditorShows)
{
    // Shapes by top, one with a PrintOrder of its own, and a top band.
    const std::pair<int, int> shapes[] = {{60, 0}, {20, 0}, {90, 3}, {40, 0}};  // top, PrintOrder
    for (const auto& [top, order] : shapes) {
        PageWindow->ClearSelection();
        auto* shape = Insert<TQXShape>(10, 300);
        shape->SetMM(1, 40.0 + top);
        shape->SetMM(2, top);
        shape->SetPrintOrder(order);
    }
    PageWindow->ClearSelection();
    Insert<TQXBand>(10, 10);
    PageWindow->ClearSelection();
    // The second and third change places; reopened, the editor lists the
    // numbers it gave.
    TModalScript script;
    QStringList listed;
    script.Then([&](TModalRequest& Request) {
        auto& form = *static_cast<TfrmPrintOrder*>(Request.Form);
        form.lbxControls->SetItemIndex(1);
        QTest::mouseClick(form.btnDown->Widget(), Qt::LeftButton);
        QTest::mouseClick(form.btnOk->Widget(), Qt::LeftButton);
        return mrCancel;
    });
    script.Then([&](TModalRequest& Request) {
        const TStrings* items = static_cast<TfrmPrintOrder*>(Request.Form)->lbxControls->Items();
        for (int i = 0; i < items->Count(); ++i) listed << items->Get(i);
        return mrCancel;
    });
    PageWindow->EditPrintOrder();
    PageWindow->EditPrintOrder();
    EXPECT_EQ(listed, (QStringList{"Band1", "Shape4", "Shape2", "Shape1", "Shape3"}));

    // The runtime asks its elements in that order: a band for data, the
    // others whether to print.
    runtime::TQXReport report(nullptr);
    BuildPreviewReport(report, false);
    const std::unique_ptr<runtime::TQXPaper> paper(report.LoadPaper(0));
    QStringList processed;
    for (int i = 0; i < paper->ControlCount(); ++i) {
        runtime::TQXControl* child = paper->GetControl(i);
        auto asked = [&processed, child](TObject*, bool& Proceed) {
            if (processed.isEmpty() || processed.back() != child->Name()) processed << child->Name();
            Proceed = false;
        };
        classlib::testing::Bind(child->BeforePrint, asked);
        classlib::testing::Bind(child->AskData, asked);
    }
    TBitmap bitmap;
    bitmap.SetSize(1, 1);
    paper->runtime::TQXContainer::Process(bitmap.Canvas());
    EXPECT_EQ(processed, listed);
}

TEST(ReregisterClasses, RegistersEveryClassThenRaisesTheFirstFailure)
{
    const auto& classes = DesignElementClasses();
    const TClassList added = RegisterMissing(classes);
    const TClassList taken = UnregisterDesignClasses(
        {QStringLiteral("TQXLabel"), QStringLiteral("TQXNothing"), QStringLiteral("TQXBand")});
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(GetClass(QStringLiteral("TQXLabel")), nullptr);
    // Ancestors stay.
    EXPECT_EQ(GetClass(QStringLiteral("TQXContainer")), classes[6]);
    // The runtime's label holds the name: the band comes back all the same.
    RegisterClass(runtime::TQXLabel::StaticClass());
    try {
        ReregisterClasses(taken);
        ADD_FAILURE() << "no clash";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, QStringLiteral("A class named TQXLabel already exists"));
    }
    EXPECT_EQ(GetClass(QStringLiteral("TQXBand")), classes[1]);
    UnregisterClass(runtime::TQXLabel::StaticClass());
    RegisterClass(*classes[2]);
    for (const TClassInfo* c : added) UnregisterClass(*c);
}

} // namespace
} // namespace designer::tests
