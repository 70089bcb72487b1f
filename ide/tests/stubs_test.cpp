// Stubs made from the pages and elements of a document: their classes,
// names and the events each publishes.

#include "ide/stubs.h"
#include "ide/tests/idefixture.h"

#include "runtime/band.h"
#include "runtime/label.h"
#include "runtime/paper.h"

#include "classlib/core/classbuilder.h"

#include <gtest/gtest.h>

#include <memory>

namespace ide::tests {
namespace {

using namespace classlib;
using namespace runtime;

TEST(Stubs, EachElementClassPublishesItsOwnEvents)
{
    TIdeForm f;
    Load(*f.Report, SampleDocument());
    std::unique_ptr<TQXPaper> paper(f.Report->LoadPaper(0));
    std::unique_ptr<TQXPaper_> page = PaperToStub(paper.get(), f.Report);
    EXPECT_EQ(page->Name(), QStringLiteral("Page1"));
    EXPECT_EQ(page->Report(), f.Report);
    EXPECT_EQ(page->Parent(), nullptr);
    EXPECT_EQ(PublishedNames(*page), QStringList({"Name", "BeforePrint", "AfterPrint"}));
    struct {
        const char* Name;
        const char* Class;
        QStringList Props;
    } const expected[] = {
        {"BandNames", "TQXBand_", {"Name", "BeforePrint", "AfterPrint", "AskData"}},
        {"Label1", "TQXLabel_", {"Name", "BeforePrint", "AfterPrint", "GetText"}},
        {"Shape1", "TQXShape_", {"Name", "BeforePrint", "AfterPrint"}},
        {"PaintBox1", "TQXPaintBox_", {"Name", "BeforePrint", "AfterPrint", "OwnerDraw"}},
        {"Panel1", "TQXPanel_", {"Name", "BeforePrint", "AfterPrint"}},
    };
    // One level under the page, in ownership order, though Label1 lies in
    // the band.
    ASSERT_EQ(page->Count(), 5);
    for (int i = 0; i < 5; ++i) {
        TQXBase_* stub = page->Items(i);
        SCOPED_TRACE(expected[i].Name);
        EXPECT_EQ(stub->Name(), QString::fromLatin1(expected[i].Name));
        EXPECT_EQ(stub->ClassName(), QString::fromLatin1(expected[i].Class));
        EXPECT_EQ(PublishedNames(*stub), expected[i].Props);
        EXPECT_EQ(stub->Parent(), page.get());
        EXPECT_EQ(stub->Report(), f.Report);
        EXPECT_EQ(stub->GetNamePath(), stub->Name());
    }
}

// A descendant of an element class, and a class outside the table, show
// only their name.
class TQXWideLabel : public TQXLabel {
    QX_CLASS(TQXWideLabel, TQXLabel)
public:
    using TQXLabel::TQXLabel;
};

} // namespace
} // namespace ide::tests

namespace ide::tests {
const classlib::TClassInfo& TQXWideLabel::StaticClass()
{
    static const classlib::TClassInfo& info = classlib::TClassBuilder<TQXWideLabel>("TQXWideLabel").Build();
    return info;
}

namespace {

TEST(Stubs, OtherClassesShowOnlyTheirNameAndHandlersAreCopied)
{
    TQXWideLabel wide(nullptr);
    wide.SetName(QStringLiteral("Wide1"));
    std::unique_ptr<TQXBase_> stub = ControlToStub(&wide);
    EXPECT_EQ(stub->ClassName(), QStringLiteral("TQXBase_"));
    EXPECT_EQ(PublishedNames(*stub), QStringList{"Name"});
    EXPECT_EQ(stub->Name(), QStringLiteral("Wide1"));

    TMethodInfo handler;
    handler.Name = QStringLiteral("Names");
    TQXBand band(nullptr);
    band.AskData = TMethod{&handler, &band};
    std::unique_ptr<TQXBase_> copy = ControlToStub(&band);
    EXPECT_EQ(copy->AskData.Code, &handler);
    EXPECT_FALSE(copy->GetText.Assigned());
}

} // namespace
} // namespace ide::tests
