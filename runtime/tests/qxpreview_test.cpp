// The report's preview control: it follows the report's prepared pages
// through its link and lets go of a report that goes away.

#include "runtime/label.h"
#include "runtime/preview.h"
#include "runtime/report.h"
#include "runtime/tests/elementtree.h"
#include "runtime/tests/reportdoc.h"

#include "classlib/controls/scrollbar.h"
#include "classlib/graphics/metafile.h"

#include <gtest/gtest.h>

#include <memory>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;

namespace {

QByteArray Pages(int Count)
{
    std::vector<std::unique_ptr<TStoredPaper>> papers;
    std::vector<TStoredPaper*> raw;
    QString order;
    for (int i = 1; i <= Count; ++i) {
        auto paper = std::make_unique<TStoredPaper>(QStringLiteral("P%1").arg(i));
        auto* label = AddElement<TQXLabel>(paper.get(), paper.get(), QStringLiteral("L1"),
                                           {0, 0, 12000, 1500}, alTop);
        label->SetCaption(QStringLiteral("Page %1").arg(i));
        order += OrderLine("p", -1, paper->Name());
        raw.push_back(paper.get());
        papers.push_back(std::move(paper));
    }
    return MakeDocument(raw, order);
}

TEST(QXPreview, ShowsNothingUntilTheReportIsPrepared)
{
    TQXReport report(nullptr);
    LoadDocument(report, Pages(3));
    TQXPreview preview(nullptr);
    preview.SetBounds(0, 0, 400, 300);
    preview.SetReport(&report);
    EXPECT_EQ(preview.PageCount(), 0);
    EXPECT_FALSE(preview.VertScrollBar()->Enabled());

    report.Prepare();
    ASSERT_EQ(report.PageCount(), 3);
    EXPECT_EQ(preview.PageCount(), 3);
    EXPECT_EQ(preview.PageWidth(), report.GetPage(0)->Width());
    EXPECT_EQ(preview.PageHeight(), report.GetPage(0)->Height());

    report.ClearPages();
    EXPECT_EQ(preview.PageCount(), 0);
}

TEST(QXPreview, SettingTheSameReportTwiceAddsOneLink)
{
    TQXReport report(nullptr);
    LoadDocument(report, Pages(1));
    auto* preview = new TQXPreview(nullptr);
    preview->SetReport(&report);
    preview->SetReport(&report);
    preview->SetReport(nullptr);
    delete preview;
    // A second link would now dangle: the sanitizer build reports its use.
    report.Prepare();
    EXPECT_EQ(report.PageCount(), 1);
}

TEST(QXPreview, ForgetsAReportFreedFirst)
{
    struct Case {
        const char* name;
        bool sameOwner;
    } cases[] = {{"report of another owner", false}, {"report of the same owner", true}};
    for (const Case& c : cases) {
        TComponent form(nullptr);
        TComponent other(nullptr);
        auto* report = new TQXReport(c.sameOwner ? &form : &other);
        LoadDocument(*report, Pages(2));
        report->Prepare();
        TQXPreview preview(&form);
        preview.SetReport(report);
        EXPECT_EQ(preview.PageCount(), 2) << c.name;
        delete report;
        EXPECT_EQ(preview.Report(), nullptr) << c.name;
        EXPECT_EQ(preview.PageCount(), 0) << c.name;
    }
}

} // namespace
