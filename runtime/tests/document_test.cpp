#include "runtime/host.h"
#include "runtime/tests/documentbytes.h"
#include "runtime/tests/testpaper.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/streams.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;

namespace {

// The designer's document class: more published properties and a child
// that the runtime does not know.
class TTestDescriptor : public TQXHost {
    QX_CLASS(TTestDescriptor, TQXHost)
public:
    explicit TTestDescriptor(TComponent* AOwner) : TQXHost(AOwner), Font(new TTestFont) {}
    ~TTestDescriptor() override { delete Font; }
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*) override
    {
        for (int i = 0; i < ComponentCount(); ++i)
            Proc(Components(i));
    }
    int MMLeft = 2540;
    int PixelsPerInch = 96;
    int TextHeight = 13;
    TTestFont* Font;
};

} // namespace

const TClassInfo& TTestDescriptor::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TTestDescriptor>("TTestDescriptor")
        .Prop("MMLeft", &TTestDescriptor::MMLeft)
        .Prop("PixelsPerInch", &TTestDescriptor::PixelsPerInch)
        .Prop("TextHeight", &TTestDescriptor::TextHeight)
        .Prop("Font", &TTestDescriptor::Font)
        .Build();
    return info;
}

namespace {

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestPaperClasses(); }
};

void ExpectSampleLabels(TTestPaper& Paper, const QString& Title)
{
    EXPECT_EQ(Paper.Title, Title);
    EXPECT_EQ(Paper.QXLeftMargin, 1000);
    auto* band = dynamic_cast<TTestBand*>(Paper.FindComponent(QStringLiteral("Band1")));
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->Align, taTop);
    for (int i = 0; i < 3; ++i) {
        const QString name = QStringLiteral("Label%1").arg(i + 1);
        auto* label = dynamic_cast<TTestLabel*>(Paper.FindComponent(name));
        ASSERT_NE(label, nullptr) << qPrintable(name);
        EXPECT_EQ(label->QXParent, band);
        EXPECT_EQ(label->QXLeft, 100 + 40000 * i);
        EXPECT_EQ(label->QXTop, -300 * i);
        EXPECT_EQ(label->Visible, i % 2 == 0);
        EXPECT_EQ(label->Caption, QStringLiteral("Caption %1 of %2").arg(i + 1).arg(Title));
        EXPECT_EQ(label->Style, (TTestFontStyles{tfBold, tfUnderline}));
        EXPECT_EQ(label->Ratio, 0.25 * i);
    }
}

TEST_F(DocumentTest, WrittenAndReadBackByteForByte)
{
    TQXHost source(nullptr);
    source.SetName(QStringLiteral("Document"));
    FillSampleHost(source);
    const QByteArray document = DocumentOf(source);

    TQXHost host(nullptr);
    ReadDocument(document, host);
    EXPECT_EQ(host.QXLeftMargin(), 1000);
    EXPECT_EQ(host.QXBottomMargin(), 1500);
    EXPECT_EQ(host.QXHeight(), 29700);
    EXPECT_EQ(host.Orientation(), poLandscape);
    EXPECT_EQ(host.PaperSize(), 9);
    EXPECT_EQ(host.PageOrder(), source.PageOrder());
    ASSERT_EQ(host.GetPageCount(), 2);
    EXPECT_EQ(DocumentOf(host).toHex(), document.toHex());

    for (int i = 0; i < host.GetPageCount(); ++i) {
        EXPECT_EQ(host.GetPageName(i), source.GetPageName(i));
        EXPECT_EQ(host.GetPageStream(i)->Bytes(), source.GetPageStream(i)->Bytes());
        TTestPaper paper(nullptr);
        host.LoadPage(&paper, i);
        ExpectSampleLabels(paper, host.GetPageName(i));
        EXPECT_EQ(StreamOf(paper).toHex(), host.GetPageStream(i)->Bytes().toHex());
    }
}

// What the designer writes beyond the runtime's classes is skipped: its
// properties, its classes (with their children) and its event handlers.
TEST_F(DocumentTest, DesignerStreamsLoadIntoRuntimeClasses)
{
    TDesignPaper designPaper(nullptr);
    designPaper.SetName(QStringLiteral("Paper"));
    designPaper.Title = QStringLiteral("Designed");
    designPaper.QXLeftMargin = 1000;
    auto* grid = new TDesignGrid(&designPaper);
    grid->SetName(QStringLiteral("Grid"));
    auto* band = new TTestBand(&designPaper);
    band->SetName(QStringLiteral("Band1"));
    auto* label = new TDesignLabel(&designPaper);
    label->SetName(QStringLiteral("Label1"));
    label->QXParent = band;
    label->MMLeft = 5;
    label->Font->Name = QStringLiteral("Courier New");
    label->TextHeight = 17;
    label->Caption = QStringLiteral("after the designer's properties");
    label->Ratio = 1.5;
    label->OnPrint = TMethod{TDesignPaper::StaticClass().FindMethod(u"Label1Print"), &designPaper};
    ASSERT_TRUE(label->OnPrint.Assigned());
    const QByteArray page = StreamOf(designPaper);
    for (const char* name : {"MMLeft", "Font.Name", "PixelsPerInch", "TextHeight", "TDesignGrid",
                             "Label1Print"})
        ASSERT_TRUE(page.contains(name)) << name;

    TTestDescriptor descriptor(nullptr);
    descriptor.SetQXWidth(21000);
    descriptor.Font->Name = QStringLiteral("Arial");
    (new TDesignGrid(&descriptor))->SetName(QStringLiteral("Grid"));
    TBytesStream pageStream(page);
    descriptor.AddPage(QStringLiteral("Page1"), pageStream);
    const QByteArray document = DocumentOf(descriptor);

    TQXHost host(nullptr);
    ReadDocument(document, host);
    EXPECT_EQ(host.QXWidth(), 21000);
    EXPECT_EQ(host.ComponentCount(), 0);
    ASSERT_EQ(host.GetPageCount(), 1);

    TTestPaper paper(nullptr);
    host.LoadPage(&paper, 0);
    EXPECT_EQ(paper.Title, QStringLiteral("Designed"));
    ASSERT_EQ(paper.ComponentCount(), 2);
    auto* read = dynamic_cast<TTestLabel*>(paper.FindComponent(QStringLiteral("Label1")));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->ClassType(), &TTestLabel::StaticClass());
    EXPECT_EQ(read->QXParent, paper.FindComponent(QStringLiteral("Band1")));
    EXPECT_EQ(read->Caption, QStringLiteral("after the designer's properties"));
    EXPECT_EQ(read->Ratio, 1.5);
    EXPECT_FALSE(read->OnPrint.Assigned());
}

// Every cut fails with a class-library error; a cut body leaves the host
// without pages.
TEST_F(DocumentTest, TruncatedDocumentsFailCleanly)
{
    TQXHost source(nullptr);
    FillSampleHost(source);
    const QByteArray document = DocumentOf(source);
    const QByteArray body = StreamOf(source);
    const QByteArray page = source.GetPageStream(0)->Bytes();

    for (qsizetype n = 0; n < document.size(); ++n) {
        TQXHost host(nullptr);
        EXPECT_FALSE(ErrorOf([&] { ReadDocument(document.left(n), host); }).isEmpty()) << n;
    }
    for (qsizetype n = 0; n < body.size(); ++n) {
        TQXHost host(nullptr);
        FillSampleHost(host);
        EXPECT_FALSE(ErrorOf([&] { ReadBody(body.left(n), host); }).isEmpty()) << n;
        EXPECT_EQ(host.GetPageCount(), 0) << n;
        EXPECT_TRUE(host.PageOrder().isEmpty()) << n;
    }
    for (qsizetype n = 0; n < page.size(); ++n) {
        TQXHost host(nullptr);
        TBytesStream cut(page.left(n));
        host.AddPage(QStringLiteral("Cut"), cut);
        TTestPaper paper(nullptr);
        EXPECT_FALSE(ErrorOf([&] { host.LoadPage(&paper, 0); }).isEmpty()) << n;
    }
}

} // namespace
