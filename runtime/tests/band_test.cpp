#include "runtime/band.h"

#include "runtime/label.h"
#include "runtime/panel.h"
#include "runtime/paper.h"
#include "runtime/report.h"
#include "runtime/reporterror.h"
#include "runtime/tests/documentbytes.h"
#include "runtime/tests/elementtree.h"
#include "runtime/tests/eventform.h"
#include "runtime/tests/pageloop.h"

#include "classlib/graphics/canvas.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;

namespace {

// A paper whose content is 19000 x 27700, run with a report and the event
// form bound to every element made here.
class BandScenario : public ::testing::Test {
protected:
    void SetUp() override
    {
        paper.reset(NewA4Paper());
        paper->SetName(QStringLiteral("Page1"));
        paper->SetReport(&report);
    }

    TQXBand* Band(TQXContainer* Parent, const QString& Name, int Height)
    {
        auto* band = AddElement<TQXBand>(paper.get(), Parent ? Parent : paper.get(), Name, {0, 0, 0, Height});
        form.Bind(band);
        return band;
    }

    TQXLabel* Label(TQXContainer* Parent, const QString& Name, int Top = 0)
    {
        auto* label = AddElement<TQXLabel>(paper.get(), Parent, Name, {100, Top, 8000, 400});
        form.Bind(label);
        return label;
    }

    // Texts per output page; the log gets a line at the top of each page.
    std::vector<QStringList> Run(int MaxPages = 100)
    {
        const auto pages = RenderPaper(*paper, MaxPages, [&](int n) { form.Log << QStringLiteral("-- page %1").arg(n + 1); });
        std::vector<QStringList> texts;
        for (const TOutputPage& p : pages) texts.push_back(PageTexts(p.Emf));
        return texts;
    }

    QStringList Rows(const QString& Prefix, int From, int To)
    {
        QStringList r;
        for (int i = From; i <= To; ++i) r << QStringLiteral("%1 %2").arg(Prefix).arg(i);
        return r;
    }

    TQXReport report{nullptr};
    TEventForm form{nullptr};
    std::unique_ptr<TQXPaper> paper;
};

TEST_F(BandScenario, RowsRepeatWhileThereIsData)
{
    TQXBand* band = Band(nullptr, QStringLiteral("Band1"), 1000);
    Label(band, QStringLiteral("Cell"));
    form.Rows[QStringLiteral("Band1")] = 3;
    const auto pages = Run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], Rows("Cell", 1, 3));
    // The first answer comes from the print decision, the others after each row.
    EXPECT_EQ(form.Of(QStringLiteral("AskData")).size(), 4);
    // The template fires neither BeforePrint nor AfterPrint: these are the rows'.
    EXPECT_EQ(form.Log.filter(QStringLiteral("BeforePrint Band1")).size(), 3);
    EXPECT_EQ(form.Log.filter(QStringLiteral("AfterPrint Band1")).size(), 3);
    EXPECT_TRUE(band->DataExhausted());
    EXPECT_FALSE(band->Printable());
    EXPECT_EQ(paper->ControlCount(), 1);  // the clones went with the reset
}

TEST_F(BandScenario, WithoutAskDataHandlerNoRowAndNoTemplate)
{
    TQXBand* band = Band(nullptr, QStringLiteral("Band1"), 1000);
    band->AskData = {};
    Label(band, QStringLiteral("Cell"));
    const auto pages = Run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].isEmpty());
    EXPECT_TRUE(form.Log.filter(QStringLiteral("Cell")).isEmpty());
}

TEST_F(BandScenario, OverflowContinuesWithoutAskingAgain)
{
    Band(nullptr, QStringLiteral("Band1"), 6000);  // four rows a page
    Label(static_cast<TQXBand*>(paper->GetControl(0)), QStringLiteral("Cell"));
    form.Rows[QStringLiteral("Band1")] = 10;
    const auto pages = Run();
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], Rows("Cell", 1, 4));
    EXPECT_EQ(pages[1], Rows("Cell", 5, 8));
    EXPECT_EQ(pages[2], Rows("Cell", 9, 10));
    EXPECT_EQ(form.Of(QStringLiteral("AskData")).size(), 11);
    // Pages 2 and 3 begin with the row that had no room, not with a question.
    for (int page : {2, 3}) {
        const qsizetype top = form.Log.indexOf(QStringLiteral("-- page %1").arg(page));
        ASSERT_GE(top, 0);
        EXPECT_EQ(form.Log.at(top + 1), "BeforePrint Band1");
    }
}

TEST_F(BandScenario, PageBreakGivesOneRowPerPage)
{
    TQXBand* band = Band(nullptr, QStringLiteral("Band1"), 1000);
    band->SetPageBreak(true);
    Label(band, QStringLiteral("Cell"));
    form.Rows[QStringLiteral("Band1")] = 5;
    const auto pages = Run();
    ASSERT_EQ(pages.size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(pages[size_t(i)], Rows("Cell", i + 1, i + 1));
    EXPECT_EQ(form.Of(QStringLiteral("AskData")).size(), 6);
}

TEST_F(BandScenario, ColumnBreakIsKeptButChangesNothing)
{
    TQXBand* band = Band(nullptr, QStringLiteral("Band1"), 6000);
    band->SetColumnBreak(true);
    Label(band, QStringLiteral("Cell"));
    form.Rows[QStringLiteral("Band1")] = 5;
    bool copied = false;
    form.Spy = [&](const QString& kind, TQXControl* e) {
        if (auto* row = dynamic_cast<TQXBand*>(e); row && kind == QLatin1String("AfterPrint"))
            copied = row->ColumnBreak();
    };
    const auto pages = Run();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1], Rows("Cell", 5, 5));
    EXPECT_TRUE(copied);
}

TEST_F(BandScenario, AlternateRowsRestartOnEveryPageAndOuterRow)
{
    TQXBand* band = Band(nullptr, QStringLiteral("Band1"), 6000);
    band->SetInvertRows(true);
    band->Background()->Color1 = clYellow;
    band->Background2()->Color1 = clAqua;
    form.Rows[QStringLiteral("Band1")] = 6;
    QStringList colours;
    form.Spy = [&](const QString& kind, TQXControl* e) {
        if (kind == QLatin1String("BeforePrint")) colours << (e->Background()->Color1 == clYellow ? "1" : "2");
    };
    form.Log.clear();
    Run();
    // Four rows on the first page, two on the second.
    EXPECT_EQ(colours, QStringList({"1", "2", "1", "2", "1", "2"}));

    // Nested: the inner alternation starts over for each outer row.
    SetUp();
    form.Rows.clear();
    TQXBand* outer = Band(nullptr, QStringLiteral("Outer"), 9000);
    TQXBand* inner = Band(outer, QStringLiteral("Inner"), 1000);
    inner->SetInvertRows(true);
    inner->Background()->Color1 = clYellow;
    inner->Background2()->Color1 = clAqua;
    outer->Background()->Color1 = clWhite;
    form.Rows[QStringLiteral("Outer")] = 2;
    colours.clear();
    int outerRows = 0;
    form.Spy = [&](const QString& kind, TQXControl* e) {
        if (kind != QLatin1String("BeforePrint")) return;
        if (e->GetName() == QLatin1String("Outer"))  // three inner rows, then two
            form.Rows[QStringLiteral("Inner")] = ++outerRows == 1 ? 3 : 2;
        else
            colours << (e->Background()->Color1 == clYellow ? "1" : "2");
    };
    Run();
    EXPECT_EQ(colours, QStringList({"1", "2", "1", "1", "2"}));
}

TEST_F(BandScenario, DataExhaustedOnlyForBandsOnThePaper)
{
    TQXBand* pager = Band(nullptr, QStringLiteral("Pager"), 1000);
    pager->SetPageBreak(true);
    form.Rows[QStringLiteral("Pager")] = 3;
    Band(nullptr, QStringLiteral("Empty"), 1000);  // no rows at all
    TQXBand* outer = Band(nullptr, QStringLiteral("Outer"), 3000);
    Band(outer, QStringLiteral("Inner"), 1000);
    form.Rows[QStringLiteral("Outer")] = 2;
    const auto pages = Run();
    EXPECT_EQ(pages.size(), 3u);
    EXPECT_EQ(form.Log.filter(QStringLiteral("AskData Empty")).size(), 1);
    // Asked for each row of its enclosing band.
    EXPECT_EQ(form.Log.filter(QStringLiteral("AskData Inner")).size(), 2);
}

TEST_F(BandScenario, RefusedRowTakesNoRoomAndRepetitionGoesOn)
{
    TQXBand* band = Band(nullptr, QStringLiteral("Band1"), 6000);  // four printable rows a page
    Label(band, QStringLiteral("Cell"));
    form.Rows[QStringLiteral("Band1")] = 5;
    form.Refuse[QStringLiteral("Band1")] = 1;
    const auto pages = Run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], Rows("Cell", 1, 4));  // rows 2 to 5: the refused row fetched no text
    EXPECT_EQ(form.Log.filter(QStringLiteral("AfterPrint Band1")).size(), 4);
}

TEST_F(BandScenario, DesignRunPrintsOneRow)
{
    report.SetDesignRun(true);
    TQXBand* band = Band(nullptr, QStringLiteral("Band1"), 1000);
    Label(band, QStringLiteral("Cell"));
    form.Rows[QStringLiteral("Band1")] = 5;
    const auto pages = Run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].size(), 1);
}

TEST_F(BandScenario, ContinuedRowIsBuiltAnewAndItsNestedBandResumes)
{
    TQXBand* outer = Band(nullptr, QStringLiteral("Outer"), 10000);
    Label(outer, QStringLiteral("Head"));
    TQXBand* inner = Band(outer, QStringLiteral("Inner"), 3000);  // three rows fit in the outer row
    Label(inner, QStringLiteral("Cell"));
    form.Rows[QStringLiteral("Outer")] = 1;
    form.Rows[QStringLiteral("Inner")] = 5;
    const auto pages = Run();
    ASSERT_EQ(pages.size(), 2u);
    // Head and Inner tie on QXTop: the sort processes Inner first, while
    // painting keeps the list order.
    EXPECT_EQ(pages[0], QStringList({"Head 4", "Cell 1", "Cell 2", "Cell 3"}));
    EXPECT_EQ(pages[1], QStringList({"Head 7", "Cell 5", "Cell 6"}));
    // The outer row: BeforePrint when made, none when continued; AfterPrint
    // only once its nested band has finished.
    EXPECT_EQ(form.Log.filter(QRegularExpression("^(BeforePrint|AfterPrint) Outer|^-- ")),
              QStringList({"-- page 1", "BeforePrint Outer", "-- page 2", "AfterPrint Outer"}));
    // No question at the top of page 2: the inner band resumes with row 4.
    EXPECT_EQ(form.Log.filter(QStringLiteral("AskData Inner")).size(), 6);
    const qsizetype top = form.Log.indexOf(QStringLiteral("-- page 2"));
    EXPECT_EQ(form.Log.mid(top + 1, 2), QStringList({"BeforePrint Inner", "BeforePrint Cell"}));
    EXPECT_FALSE(outer->Continued());
    EXPECT_FALSE(outer->Overflow());
}

TEST_F(BandScenario, AutoSizeFollowsStackedChildren)
{
    TQXBand* band = Band(nullptr, QStringLiteral("Band1"), 1);
    band->SetAutoSize(true);
    band->Frame()->SetShape({fsBottom});
    for (int h : {500, 300, 200}) AddElement<TQXControl>(paper.get(), band, {}, {0, 0, 10, h}, alTop);
    AddElement<TQXControl>(paper.get(), band, {}, {0, 0, 10, 5000}, alLeft);
    band->AdjustHeight();
    EXPECT_EQ(band->QXHeight(), 1080);
}

TEST_F(BandScenario, AutoSizeRowGrowsWithNestedRows)
{
    TQXBand* outer = Band(nullptr, QStringLiteral("Outer"), 100);
    outer->SetAutoSize(true);
    TQXBand* inner = Band(outer, QStringLiteral("Inner"), 5000);
    Label(inner, QStringLiteral("Cell"));
    form.Rows[QStringLiteral("Outer")] = 1;
    form.Rows[QStringLiteral("Inner")] = 7;  // five a page in a growing outer row
    const auto pages = Run();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].size(), 5);
    EXPECT_EQ(pages[1].size(), 2);
}

TEST_F(BandScenario, RowsFlowThroughTheColumnsOfAPanel)
{
    auto* panel = AddElement<TQXPanel>(paper.get(), nullptr, QStringLiteral("Columns"), {0, 0, 19000, 10000});
    panel->SetColumns(2);
    Band(panel, QStringLiteral("Band1"), 3000);  // three rows a column
    form.Rows[QStringLiteral("Band1")] = 8;
    TPaintLogDC dc;
    TCanvas canvas(&dc);
    auto rows = [&] {
        QStringList r;
        for (int i = 0; i < panel->ControlCount(); ++i)
            if (panel->GetControl(i)->Printable()) r << BoundsText(panel->GetControl(i));
        return r;
    };
    paper->Process(canvas);
    EXPECT_EQ(rows(), QStringList({"0,0 9500x3000", "0,3000 9500x3000", "0,6000 9500x3000",
                                   "9500,0 9500x3000", "9500,3000 9500x3000", "9500,6000 9500x3000"}));
    paper->Reset();
    ASSERT_TRUE(paper->HasOverflow());
    paper->Process(canvas);
    EXPECT_EQ(rows(), QStringList({"0,0 9500x3000", "0,3000 9500x3000"}));
    paper->Reset();
    EXPECT_FALSE(paper->HasOverflow());
}

TEST_F(BandScenario, RowTooTallForAnyPageIsAnError)
{
    Band(nullptr, QStringLiteral("Huge"), 30000);
    form.Rows[QStringLiteral("Huge")] = 1;
    try {
        Run();
        ADD_FAILURE() << "no error";
    } catch (const EQXError& e) {
        EXPECT_EQ(e.Message, "A row of band Huge does not fit on an output page");
    }
}

TEST_F(BandScenario, DesignRunRendersATooTallRowWithoutError)
{
    report.SetDesignRun(true);
    Band(nullptr, QStringLiteral("Huge"), 30000);
    form.Rows[QStringLiteral("Huge")] = 1;
    TPaintLogDC dc;
    TCanvas canvas(&dc);
    EXPECT_NO_THROW(paper->Process(canvas));
    EXPECT_TRUE(paper->HasOverflow());  // the design run stops after one page anyway
}

TEST_F(BandScenario, NestedRowTooTallForItsBandIsAnError)
{
    TQXBand* outer = Band(nullptr, QStringLiteral("Outer"), 1000);
    Band(outer, QStringLiteral("Inner"), 2000);
    form.Rows[QStringLiteral("Outer")] = 1;
    form.Rows[QStringLiteral("Inner")] = 1;
    try {
        Run();
        ADD_FAILURE() << "no error";
    } catch (const EQXError& e) {
        EXPECT_EQ(e.Message, "A row of band Inner does not fit on an output page");
    }
    // The outer row was placed once; the error came on the next page.
    EXPECT_EQ(form.Log.filter(QStringLiteral("-- page")).size(), 2);
}

TEST_F(BandScenario, RefusingPaperWhileRowsAreToComeIsAnError)
{
    form.Bind(paper.get());
    paper->Loaded();
    TQXBand* band = Band(nullptr, QStringLiteral("Band1"), 1000);
    band->SetPageBreak(true);
    form.Rows[QStringLiteral("Band1")] = 3;
    form.Spy = [&](const QString& kind, TQXControl* e) {
        if (kind == QLatin1String("AfterPrint") && e == paper.get()) form.Refuse[QStringLiteral("Page1")] = 100;
    };
    EXPECT_EQ(ErrorOf([&] { Run(); }), "Page Page1 placed no row while rows are still to come");
    // One refused pass could have been followed by another kind: the second
    // one, the same as the first, is the error.
    EXPECT_EQ(form.Log.filter(QStringLiteral("-- page")).size(), 3);
}

// A pass that places no row is endless only when the next one would be the
// same; a cover or a refused pass gives the room back.
TEST_F(BandScenario, CoverPageTakesTheFirstPageAndTheRowsFollow)
{
    // Before the band in print order; it prints once.
    AddElement<TQXLabel>(paper.get(), paper.get(), QStringLiteral("Cover"), {0, 0, 19000, 27000}, alTop);
    form.Bind(static_cast<TQXControl*>(paper->FindComponent(QStringLiteral("Cover"))));
    TQXBand* band = Band(nullptr, QStringLiteral("Band1"), 1000);
    band->SetQXTop(27000);
    Label(band, QStringLiteral("Cell"));
    form.Rows[QStringLiteral("Band1")] = 3;
    form.Spy = [&](const QString& kind, TQXControl* e) {
        if (kind == QLatin1String("AfterPrint") && e && e->GetName() == QLatin1String("Cover"))
            form.Refuse[QStringLiteral("Cover")] = 100;
    };
    const auto pages = Run();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0], QStringList({"Cover 1"}));
    EXPECT_EQ(pages[1], Rows("Cell", 2, 4));
    // The row that had no room on the cover page was asked for once.
    EXPECT_EQ(form.Of(QStringLiteral("AskData")).size(), 4);
}

TEST_F(BandScenario, PaperRefusingOnePassGoesOnAfterIt)
{
    form.Bind(paper.get());
    paper->Loaded();
    TQXBand* band = Band(nullptr, QStringLiteral("Band1"), 1000);
    band->SetPageBreak(true);
    Label(band, QStringLiteral("Cell"));
    form.Rows[QStringLiteral("Band1")] = 3;
    bool refused = false;
    form.Spy = [&](const QString& kind, TQXControl* e) {
        if (kind == QLatin1String("AfterPrint") && e == paper.get() && !refused) {
            refused = true;
            form.Refuse[QStringLiteral("Page1")] = 1;
        }
    };
    const auto pages = Run();
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[0], Rows("Cell", 1, 1));
    EXPECT_TRUE(pages[1].isEmpty());
    EXPECT_EQ(pages[2], Rows("Cell", 2, 2));
    EXPECT_EQ(pages[3], Rows("Cell", 3, 3));
}

TEST_F(BandScenario, PassesThatWouldRepeatUnchangedAreErrors)
{
    struct TCase {
        const char* Name;
        std::function<void()> Build;
        const char* Error;
        int Pages;  // output pages begun when the error came
    };
    const std::vector<TCase> cases = {
        {"a row taller than what a header leaves",
         [this] {
             AddElement<TQXLabel>(paper.get(), paper.get(), QStringLiteral("Header"), {0, 0, 19000, 27000}, alTop);
             Band(nullptr, QStringLiteral("Rows"), 1000)->SetQXTop(27000);
             form.Rows[QStringLiteral("Rows")] = 1;
         },
         "A row of band Rows does not fit on an output page", 2},
        {"a row taller than the page",
         [this] {
             Band(nullptr, QStringLiteral("Rows"), 30000);
             form.Rows[QStringLiteral("Rows")] = 1;
         },
         "A row of band Rows does not fit on an output page", 1},
        {"a panel refused while its band overflows",
         [this] {
             auto* panel = AddElement<TQXPanel>(paper.get(), paper.get(), QStringLiteral("Box"),
                                                {0, 0, 19000, 5000}, alTop);
             form.Bind(panel);
             Band(panel, QStringLiteral("Rows"), 1000);
             form.Rows[QStringLiteral("Rows")] = 10;
             form.Spy = [this](const QString& kind, TQXControl* e) {
                 if (kind == QLatin1String("AfterPrint") && e && e->GetName() == QLatin1String("Box"))
                     form.Refuse[QStringLiteral("Box")] = 100;
             };
         },
         "Page Page1 placed no row while rows are still to come", 3},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        form.Log.clear();
        form.Rows.clear();
        form.Refuse.clear();
        form.Spy = {};
        SetUp();
        c.Build();
        EXPECT_EQ(ErrorOf([&] { Run(); }), c.Error);
        EXPECT_EQ(form.Log.filter(QStringLiteral("-- page")).size(), c.Pages);
    }
}

// A header that changes on every pass never gives the row its room: the
// run ends once a layout comes back, or after a bounded number of tries.
TEST_F(BandScenario, PassesThatOnlyChangeTheHeaderEnd)
{
    struct TCase {
        const char* Name;
        std::function<QString(int Pass)> Text;
        int Pages;
    };
    const std::vector<TCase> cases = {
        {"two texts in turn", [](int n) { return n % 2 ? QStringLiteral("A") : QStringLiteral("A\r\nB"); }, 3},
        {"a text that grows", [](int n) { return QStringList(n + 1, QStringLiteral("W")).join(QStringLiteral("\r\n")); }, 101},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        form.Log.clear();
        SetUp();
        auto* header = AddElement<TQXLabel>(paper.get(), paper.get(), QStringLiteral("Header"), {0, 0, 100, 400}, alTop);
        header->SetAutoSize(true);
        form.Bind(header);
        int pass = 0;
        form.Text = [&](const QString&, const QString&) { return c.Text(pass++); };
        Band(nullptr, QStringLiteral("Rows"), 27600);
        form.Rows[QStringLiteral("Rows")] = 1;
        EXPECT_EQ(ErrorOf([&] { Run(200); }), "A row of band Rows does not fit on an output page");
        EXPECT_EQ(form.Log.filter(QStringLiteral("-- page")).size(), c.Pages);
    }
}

} // namespace
