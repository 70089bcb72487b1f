// What elements store comes back when the document is saved and opened
// again, and the runtime reads the same: bands placed freely, fonts of
// pages that other programs wrote, and the class registry that every
// preview borrows and gives back.

#include "designer/document/previewreport.h"
#include "designer/elements/band.h"
#include "designer/elements/elementclasses.h"
#include "designer/elements/label.h"
#include "designer/elements/panel.h"
#include "designer/tests/designfixture.h"
#include "runtime/tests/documentbytes.h"

#include "runtime/band.h"
#include "runtime/documentheader.h"
#include "runtime/host.h"
#include "runtime/label.h"
#include "runtime/paper.h"
#include "runtime/report.h"

#include "classlib/core/classregistry.h"
#include "classlib/core/streams.h"
#include "classlib/core/writer.h"
#include "classlib/graphics/font.h"

#include <QFile>

#include <memory>

namespace designer::tests {
namespace {

using namespace classlib;

// A page that writes the elements it owns, as a program that builds
// documents without the designer does.
class TForeignPage : public runtime::TQXPaper {
public:
    TForeignPage() : runtime::TQXPaper(nullptr) { SetName(QStringLiteral("Page1")); }
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*) override
    {
        for (int i = 0; i < ComponentCount(); ++i) Proc(Components(i));
    }
};

class StoredElementsTest : public DesignerTest {
protected:
    // Saved to a file and opened again, as a person does.
    void SaveAndReopen()
    {
        const QString file = TempFile(QStringLiteral("saved.qxf"));
        SaveReportToFile(file);
        NewReport();
        OpenReport(file);
    }
    // The open document's first page as the runtime reads it.
    runtime::TQXPaper& RuntimePage()
    {
        BuildPreviewReport(Report, false);
        Paper.reset(Report.LoadPaper(0));
        return *Paper;
    }
    // Opens a document whose one page Page wrote.
    void OpenForeign(TForeignPage& Page)
    {
        runtime::TQXHost host(nullptr);
        host.SetName(QStringLiteral("Host"));
        host.SetQXWidth(21000);
        host.SetQXHeight(29700);
        TMemoryStream page;
        WriteComponentToStream(page, &Page);
        page.SetPosition(0);
        host.AddPage(Page.Name(), page);
        host.SetPageOrder(QStringLiteral("p  -1Page1\r\n"));
        const QString name = TempFile(QStringLiteral("foreign.qxf"));
        TBytesStream(runtime::tests::DocumentOf(host)).SaveToFile(name);
        OpenReport(name);
    }

    runtime::TQXReport Report{nullptr};
    std::unique_ptr<runtime::TQXPaper> Paper;
};

struct TBox {
    int Left, Top, Width, Height;
    bool operator==(const TBox&) const = default;
};

template <class T>
TBox BoxOf(const T& E)
{
    return {E.QXLeft(), E.QXTop(), E.QXWidth(), E.QXHeight()};
}

// ---------------------------------------------------------------------------
// Band alignment

TEST_F(StoredElementsTest, ABandKeepsItsAlignmentAndPlaceThroughSaveReopenAndTheRuntime)
{
    const struct {
        const char* Case;
        TAlign Align;
    } cases[] = {{"free", alNone}, {"top", alTop}, {"bottom", alBottom}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        NewReport();
        auto* band = Insert<TQXBand>(40, 40);
        ASSERT_NE(band, nullptr);
        band->SetAlign(c.Align);
        if (c.Align == alNone) {
            band->SetQXTop(5000);
            band->SetQXWidth(9000);
        }
        const TBox before = BoxOf(*band);

        SaveAndReopen();
        auto* reopened = Element<TQXBand>(QStringLiteral("Band1"));
        ASSERT_NE(reopened, nullptr);
        EXPECT_EQ(reopened->Align(), c.Align);
        EXPECT_EQ(BoxOf(*reopened), before);

        auto* read = dynamic_cast<runtime::TQXBand*>(RuntimePage().FindComponent(QStringLiteral("Band1")));
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->Align(), c.Align);
        EXPECT_EQ(BoxOf(*read), before);
    }
}

TEST_F(StoredElementsTest, AFreeBandWrittenByTheRuntimeOpensFree)
{
    TForeignPage page;
    auto* band = new runtime::TQXBand(&page);
    band->SetName(QStringLiteral("Free"));
    band->SetAlign(alNone);
    band->SetQXTop(5000);
    band->SetQXWidth(9000);
    band->SetQXHeight(1000);
    auto* top = new runtime::TQXBand(&page);
    top->SetName(QStringLiteral("Top"));
    top->SetQXHeight(1000);
    OpenForeign(page);
    auto* free = Element<TQXBand>(QStringLiteral("Free"));
    auto* atTop = Element<TQXBand>(QStringLiteral("Top"));
    ASSERT_NE(free, nullptr);
    ASSERT_NE(atTop, nullptr);
    EXPECT_EQ(free->Align(), alNone);
    EXPECT_EQ(free->QXTop(), 5000);
    EXPECT_EQ(free->QXWidth(), 9000);
    EXPECT_EQ(atTop->Align(), alTop);
}

// ---------------------------------------------------------------------------
// Fonts

// The font as a label written elsewhere stores it.
void SetTimesBold14(TFont& Font)
{
    Font.SetName(QStringLiteral("Times New Roman"));
    Font.SetSize(14);
    Font.SetStyle(TFontStyles{fsBold});
}

void ExpectTimesBold14(const TFont& Font)
{
    EXPECT_EQ(Font.Name(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(Font.Size(), 14);
    EXPECT_EQ(Font.Style(), TFontStyles{fsBold});
}

TEST_F(StoredElementsTest, AFontWrittenByAnotherProgramIsTheLabelsOwnAndIsSavedBack)
{
    TForeignPage page;
    auto* label = new runtime::TQXLabel(&page);
    label->SetName(QStringLiteral("Title"));
    label->SetCaption(QStringLiteral("Heading"));
    SetTimesBold14(*label->QXFont());
    OpenForeign(page);

    auto* opened = Element<TQXLabel>(QStringLiteral("Title"));
    ASSERT_NE(opened, nullptr);
    EXPECT_FALSE(opened->ParentFont());
    ExpectTimesBold14(*opened->Font());

    SaveAndReopen();
    opened = Element<TQXLabel>(QStringLiteral("Title"));
    ASSERT_NE(opened, nullptr);
    EXPECT_FALSE(opened->ParentFont());
    ExpectTimesBold14(*opened->Font());
    auto* read = dynamic_cast<runtime::TQXLabel*>(RuntimePage().FindComponent(QStringLiteral("Title")));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->QXFont()->Name(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(read->QXFont()->Height(), -494);  // 14 points in hundredths of a millimetre
    EXPECT_EQ(read->QXFont()->Style(), TFontStyles{fsBold});
}

TEST_F(StoredElementsTest, LabelsFollowTheirContainersFontOnlyWhenTheyDidBefore)
{
    auto* panel = Insert<TQXPanel>(10, 10);
    panel->SetParentFont(false);
    SetTimesBold14(*panel->Font());
    auto* follows = Insert<TQXLabel>(20, 20);
    follows->SetCaption(QStringLiteral("Follows"));
    PageWindow->SelectOnly(panel);
    auto* own = Insert<TQXLabel>(20, 40);
    own->SetCaption(QStringLiteral("Own"));
    own->SetParentFont(false);
    own->Font()->SetName(QStringLiteral("Courier New"));
    // Its own font may equal the container's: still its own.
    PageWindow->SelectOnly(panel);
    auto* same = Insert<TQXLabel>(20, 60);
    same->SetCaption(QStringLiteral("Same"));
    same->SetParentFont(false);
    ASSERT_EQ(follows->Parent(), panel);
    ASSERT_EQ(own->Parent(), panel);
    ASSERT_EQ(same->Parent(), panel);
    ExpectTimesBold14(*same->Font());

    SaveAndReopen();
    panel = Element<TQXPanel>(QStringLiteral("Panel1"));
    ASSERT_NE(panel, nullptr);
    const struct {
        const char* Name;
        bool ParentFont;
        const char* FontName;
    } expected[] = {{"Panel1", false, "Times New Roman"}, {"Label1", true, "Times New Roman"},
                    {"Label2", false, "Courier New"}, {"Label3", false, "Times New Roman"}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.Name);
        auto* c = Element<TQXControl>(QString::fromLatin1(e.Name));
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->ParentFont(), e.ParentFont);
        EXPECT_EQ(c->Font()->Name(), QString::fromLatin1(e.FontName));
    }
    // Only the followers change with the container.
    panel->Font()->SetName(QStringLiteral("Arial"));
    EXPECT_EQ(Element<TQXLabel>(QStringLiteral("Label1"))->Font()->Name(), QStringLiteral("Arial"));
    EXPECT_EQ(Element<TQXLabel>(QStringLiteral("Label3"))->Font()->Name(), QStringLiteral("Times New Roman"));
}

// ---------------------------------------------------------------------------
// The class registry

TEST_F(StoredElementsTest, AllSevenDesignClassesAreRegisteredAndAPreviewLeavesTheRegistryAsItWas)
{
    const QStringList names{"TQXPanel", "TQXBand", "TQXLabel", "TQXShape", "TQXPaintBox", "TQXControl",
                            "TQXContainer", "TCustomControl", "TWinControl", "TControl"};
    auto snapshot = [&] {
        std::vector<const TClassInfo*> classes;
        for (const QString& n : names) classes.push_back(GetClass(n));
        return classes;
    };
    const auto before = snapshot();
    for (size_t i = 0; i < DesignElementClasses().size(); ++i)
        EXPECT_EQ(before[i], DesignElementClasses()[i]) << qPrintable(names[int(i)]);
    // The class library's controls are no element a page may hold.
    EXPECT_EQ(before[7], nullptr);
    EXPECT_EQ(before[8], nullptr);
    EXPECT_EQ(before[9], nullptr);

    Insert<TQXBand>(10, 10);
    for (int i = 0; i < 2; ++i) {
        runtime::TQXReport report(nullptr);
        BuildPreviewReport(report, true);
        EXPECT_EQ(snapshot(), before) << "preview " << i + 1;
    }
}

} // namespace
} // namespace designer::tests
