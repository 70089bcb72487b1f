#include "runtime/container.h"

#include "runtime/paper.h"
#include "runtime/panel.h"
#include "runtime/report.h"
#include "runtime/tests/elementtree.h"
#include "runtime/tests/eventform.h"
#include "runtime/tests/pageloop.h"

#include "classlib/graphics/canvas.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;

namespace {

struct TChildSpec {
    const char* Name;
    TAlign Align;
    TBox Box;
    bool Printable = true;
    int PrintOrder = 0;
};

struct TAlignCase {
    const char* Name;
    std::vector<TChildSpec> Children;
    std::map<QString, QString> Expected;  // name -> "left,top wxh"
};

// A container of 1000 x 800 without frame, holding the children in order.
template <class C = TQXContainer>
C* Fill(TQXPaper* Paper, const std::vector<TChildSpec>& Children)
{
    auto* box = AddElement<C>(Paper, nullptr, QStringLiteral("Box"), {0, 0, 1000, 800});
    for (const TChildSpec& s : Children) {
        auto* c = AddElement<TQXControl>(Paper, box, QString::fromLatin1(s.Name), s.Box, s.Align);
        c->SetPrintable(s.Printable);
        c->SetPrintOrder(s.PrintOrder);
    }
    return box;
}

TEST(ContainerAlignment, Table)
{
    const TAlignCase cases[] = {
        {"equal tops stack in list order, a smaller top above them",
         {{"A", alTop, {0, 50, 10, 100}}, {"B", alTop, {0, 50, 10, 200}}, {"C", alTop, {0, 10, 10, 50}}},
         {{"C", "0,0 1000x50"}, {"A", "0,50 1000x100"}, {"B", "0,150 1000x200"}}},
        {"the lowest bottom-aligned child goes to the bottom first",
         {{"D", alBottom, {0, 0, 10, 100}}, {"E", alBottom, {0, 500, 10, 100}}},
         {{"E", "0,700 1000x100"}, {"D", "0,600 1000x100"}}},
        {"left, right, top, then client takes the rest",
         {{"Cl", alClient, {1, 1, 1, 1}}, {"T", alTop, {0, 0, 10, 100}}, {"L", alLeft, {0, 0, 100, 10}},
          {"R", alRight, {0, 0, 200, 10}}},
         {{"L", "0,0 100x800"}, {"R", "800,0 200x800"}, {"T", "100,0 700x100"}, {"Cl", "100,100 700x700"}}},
        {"the rightmost right-aligned child goes first",
         {{"R1", alRight, {100, 0, 50, 10}}, {"R2", alRight, {500, 0, 60, 10}}},
         {{"R2", "940,0 60x800"}, {"R1", "890,0 50x800"}}},
        {"client keeps its bounds when nothing is left",
         {{"T", alTop, {0, 0, 10, 500}}, {"B", alBottom, {0, 0, 10, 300}}, {"Cl", alClient, {5, 6, 7, 8}}},
         {{"T", "0,0 1000x500"}, {"B", "0,500 1000x300"}, {"Cl", "5,6 7x8"}}},
        {"a non-printable child is not aligned and takes no room",
         {{"N", alTop, {0, 300, 10, 100}, false}, {"T", alTop, {0, 400, 10, 100}}},
         {{"N", "0,300 10x100"}, {"T", "0,0 1000x100"}}},
        {"a negative remaining width keeps the child's own",
         {{"L", alLeft, {0, 0, 1200, 10}}, {"T", alTop, {0, 0, 50, 100}}},
         {{"L", "0,0 1200x800"}, {"T", "1200,0 50x100"}}},
        {"without aligned children nothing moves",
         {{"U", alNone, {3, 4, 5, 6}}}, {{"U", "3,4 5x6"}}},
    };
    for (const TAlignCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::unique_ptr<TQXPaper> paper(NewA4Paper());
        TQXContainer* box = Fill(paper.get(), c.Children);
        box->Realign();
        for (const auto& [name, bounds] : c.Expected)
            EXPECT_EQ(BoundsText(static_cast<TQXControl*>(paper->FindComponent(name))), bounds) << qPrintable(name);
    }
}

TEST(ContainerAlignment, NestedContainersAreRealignedInsideTheirContent)
{
    std::unique_ptr<TQXPaper> paper(NewA4Paper());
    auto* outer = AddElement<TQXContainer>(paper.get(), nullptr, QStringLiteral("Outer"), {0, 0, 500, 500}, alTop);
    outer->Frame()->SetShape({fsTop, fsLeft});
    outer->Frame()->SetWidth(20);
    auto* inner = AddElement<TQXControl>(paper.get(), outer, QStringLiteral("Inner"), {0, 0, 1, 70}, alTop);
    paper->Realign();
    EXPECT_EQ(BoundsText(outer), "0,0 19000x500");
    // Inside the frame: downwards from 20, from the left frame edge.
    EXPECT_EQ(BoundsText(inner), "20,20 18980x70");
}

struct TOrderCase {
    const char* Name;
    std::vector<TChildSpec> Children;
    QStringList Expected;
};

TEST(ContainerProcessing, OrderWithTies)
{
    const TOrderCase cases[] = {
        {"three equal tops come out reversed", {{"a", alNone, {}}, {"b", alNone, {}}, {"c", alNone, {}}},
         {"c", "b", "a"}},
        {"four equal tops", {{"a", alNone, {}}, {"b", alNone, {}}, {"c", alNone, {}}, {"d", alNone, {}}},
         {"c", "d", "a", "b"}},
        {"unaligned children by top", {{"a", alNone, {0, 30}}, {"b", alNone, {0, 10}}, {"c", alNone, {0, 20}}},
         {"b", "c", "a"}},
        {"by PrintOrder once one is set: -1 before 0 before 1",
         {{"x", alNone, {0, 0}, true, 1}, {"y", alNone, {0, 10}, true, 0}, {"z", alNone, {0, 20}, true, -1}},
         {"z", "y", "x"}},
        {"an aligned child is ordered by top, also against a PrintOrder",
         {{"u", alNone, {0, 100}, true, -5}, {"t", alTop, {0, 50}}}, {"t", "u"}},
        {"a non-printable child is still asked", {{"n", alNone, {0, 0}, false}, {"p", alNone, {0, 5}}},
         {"n", "p"}},
    };
    for (const TOrderCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::unique_ptr<TQXPaper> paper(NewA4Paper());
        TQXReport report(nullptr);
        paper->SetReport(&report);
        TEventForm form(nullptr);
        TQXContainer* box = Fill(paper.get(), c.Children);
        for (int i = 0; i < box->ControlCount(); ++i) form.Bind(box->GetControl(i));
        TPaintLogDC dc;
        TCanvas canvas(&dc);
        box->Process(canvas);
        QStringList order;
        for (const QString& line : form.Of(QStringLiteral("BeforePrint"))) order << line.section(' ', 1);
        EXPECT_EQ(order, c.Expected);
        EXPECT_EQ(form.Of(QStringLiteral("AfterPrint")).size(), c.Expected.size());
    }
}

TEST(ContainerProcessing, SortIsSafeForAnyComparison)
{
    std::vector<std::unique_ptr<TQXControl>> owned;
    std::vector<TQXControl*> list;
    for (int i = 0; i < 200; ++i) {
        owned.push_back(std::make_unique<TQXControl>(nullptr));
        owned.back()->SetQXTop((i * 7919) % 13);
        owned.back()->SetPrintOrder(i % 5 == 0 ? (i * 31) % 7 - 3 : 0);
        owned.back()->SetAlign(i % 3 == 0 ? alTop : alNone);
        list.push_back(owned.back().get());
    }
    // Mixed keys make the comparison intransitive; the sort must still
    // return a permutation without touching anything outside the list.
    SortControls(list, ComparePrintOrder);
    std::vector<TQXControl*> sorted = list;
    std::sort(sorted.begin(), sorted.end());
    std::vector<TQXControl*> originals;
    for (auto& o : owned) originals.push_back(o.get());
    std::sort(originals.begin(), originals.end());
    EXPECT_EQ(sorted, originals);
}

TEST(ContainerFit, FreeHeightCountsPrintableTopAndBottomOnly)
{
    std::unique_ptr<TQXPaper> paper(NewA4Paper());
    TQXContainer* box = Fill(paper.get(), {{"T", alTop, {0, 0, 0, 100}},
                                           {"B", alBottom, {0, 0, 0, 50}},
                                           {"N", alTop, {0, 0, 0, 300}, false},
                                           {"L", alLeft, {0, 0, 0, 400}},
                                           {"U", alNone, {0, 0, 0, 30}}});
    box->Frame()->SetShape({fsTop});
    box->Frame()->SetWidth(80);
    EXPECT_EQ(box->GetFreeHeight(), 720 - 150);
    TQXControl probe(nullptr);
    probe.SetQXHeight(570);
    EXPECT_TRUE(box->CanFit(probe));
    probe.SetQXHeight(571);
    EXPECT_FALSE(box->CanFit(probe));
    EXPECT_FALSE(box->HasOverflow());
}

TEST(ContainerPainting, LaterOpaqueSiblingsAreCutOut)
{
    std::unique_ptr<TQXPaper> paper(NewA4Paper());
    auto* box = AddElement<TQXContainer>(paper.get(), nullptr, QStringLiteral("Box"), {0, 0, 1000, 1000});
    box->Background()->ColorStyle = bcsTransparent;
    auto add = [&](const char* name, int left, TColor color) {
        auto* c = AddElement<TQXControl>(paper.get(), box, QString::fromLatin1(name), {left, 100, 100, 100});
        c->Background()->Color1 = color;
        return c;
    };
    TQXControl* a = add("A", 0, clRed);
    a->SetBounds(0, 0, 1000, 1000);
    add("Transparent", 100, clLime)->Background()->ColorStyle = bcsTransparent;
    add("SemiShadow", 300, clLime)->Shadow()->SetSemiTrans(true);
    add("Opaque", 500, clBlue);
    add("Hidden", 700, clFuchsia)->SetPrintable(false);

    TPaintLogDC dc;
    dc.SetMapMode(MM_HIMETRIC);
    TCanvas canvas(&dc);
    box->PaintAll(canvas);

    QStringList colours;
    size_t red = 0;
    for (size_t i = 0; i < dc.Log.size(); ++i) {
        if (dc.Log[i].Kind != QLatin1String("FillRect")) continue;
        colours << QString::number(dc.Log[i].Color, 16);
        if (dc.Log[i].Color == ColorToRGB(clRed)) red = i;
    }
    // List order; the transparent background and the non-printable child
    // draw nothing.
    EXPECT_EQ(colours, QStringList({"ff", "ff00", "ff0000"}));
    EXPECT_TRUE(dc.Drawable(red, {50, -50}));
    EXPECT_TRUE(dc.Drawable(red, {150, -150}));   // under the transparent one
    EXPECT_TRUE(dc.Drawable(red, {350, -150}));   // under the semi-transparent shadow
    EXPECT_FALSE(dc.Drawable(red, {550, -150}));  // under the opaque one
    EXPECT_TRUE(dc.Drawable(red, {750, -150}));   // under the hidden one
    // Each child paints with its own corner as origin; the clip comes back after it.
    const TPaintCall* opaque = dc.Calls(QStringLiteral("FillRect")).back();
    EXPECT_EQ(RectText(opaque->R), RectText({0, 0, 100, -100}));
    EXPECT_EQ(dc.SaveLevel(), 0);
}

TEST(ContainerPainting, OnlySiblingsOverlappingWhatAChildPaintsAreCutOut)
{
    struct TCountingDC : TPaintLogDC {
        std::vector<TRect> Excluded;
        int ExcludeClipRect(const TRect& R) override
        {
            Excluded.push_back(R);
            return TPaintLogDC::ExcludeClipRect(R);
        }
    };
    std::unique_ptr<TQXPaper> paper(NewA4Paper());
    auto* box = AddElement<TQXContainer>(paper.get(), nullptr, QStringLiteral("Box"), {0, 0, 1000, 1000});
    box->Background()->ColorStyle = bcsTransparent;
    TQXControl* rows[3];
    for (int i = 0; i < 3; ++i)
        rows[i] = AddElement<TQXControl>(paper.get(), box, QStringLiteral("Row%1").arg(i), {0, 100 * i, 1000, 100});
    AddElement<TQXControl>(paper.get(), box, QStringLiteral("Cover"), {500, 50, 100, 200});
    const TRect cover{500, -50, 600, -250};
    auto paint = [&] {
        TCountingDC dc;
        dc.SetMapMode(MM_HIMETRIC);
        TCanvas canvas(&dc);
        box->PaintAll(canvas);
        return dc.Excluded;
    };
    // Rows that only touch need no cut-outs; the cover is cut from each row.
    EXPECT_EQ(paint(), std::vector<TRect>(3, cover));
    // A shadow wider than its row paints beyond it: everything later is cut out.
    rows[0]->Shadow()->SetShape(ssRightBottom);
    rows[0]->Shadow()->SetWidth(150);
    EXPECT_EQ(paint().size(), 5u);
}

TEST(Paper, ClientRectAndMarginOrigin)
{
    std::unique_ptr<TQXPaper> paper(NewA4Paper());
    EXPECT_EQ(RectText(paper->GetClientRect()), RectText({0, 0, 19000, -27700}));
    EXPECT_EQ(paper->GetFreeHeight(), 27700);
    auto* e = AddElement<TQXControl>(paper.get(), nullptr, QStringLiteral("E"), {0, 0, 500, 500});
    e->Background()->Color1 = clGreen;
    paper->Background()->ColorStyle = bcsTransparent;
    TPaintLogDC dc;
    dc.SetMapMode(MM_HIMETRIC);
    TCanvas canvas(&dc);
    paper->PaintAll(canvas);
    const auto fills = dc.Calls(QStringLiteral("FillRect"));
    ASSERT_EQ(fills.size(), 1u);
    // 10 mm from the left and top edges of the sheet.
    EXPECT_EQ(fills[0]->WindowOrg, (TPoint{-1000, 1000}));
    EXPECT_EQ(NormalizeRect(fills[0]->R).Left, 0);
    EXPECT_EQ(NormalizeRect(fills[0]->R).Bottom, 0);
    EXPECT_EQ(paper->GetName(), paper->Name());
}

TEST(Paper, RefusedPaperProcessesAndAlignsNothing)
{
    std::unique_ptr<TQXPaper> paper(NewA4Paper());
    paper->SetName(QStringLiteral("Page1"));
    paper->Loaded();
    TQXReport report(nullptr);
    paper->SetReport(&report);
    TEventForm form(nullptr);
    form.Bind(paper.get());
    auto* child = AddElement<TQXControl>(paper.get(), nullptr, QStringLiteral("Child"), {5, 5, 5, 5}, alTop);
    form.Bind(child);
    form.Refuse[QStringLiteral("Page1")] = 1;
    const auto pages = RenderPaper(*paper);
    EXPECT_EQ(pages.size(), 1u);
    EXPECT_EQ(form.Log, QStringList({"BeforePrint Page1"}));
    EXPECT_EQ(BoundsText(child), "5,5 5x5");
    // Accepted, the paper processes its children and then aligns them.
    form.Log.clear();
    RenderPaper(*paper);
    EXPECT_EQ(form.Log, QStringList({"BeforePrint Page1", "BeforePrint Child", "AfterPrint Child",
                                     "AfterPrint Page1"}));
    EXPECT_EQ(BoundsText(child), "0,0 19000x5");
}

TEST(Panel, ColumnsFlowTopAlignedRows)
{
    std::unique_ptr<TQXPaper> paper(NewA4Paper());
    auto* panel = AddElement<TQXPanel>(paper.get(), nullptr, QStringLiteral("Panel"), {0, 0, 2000, 1000});
    panel->SetColumns(2);
    std::vector<TQXControl*> rows;
    TQXControl probe(nullptr);
    probe.SetQXHeight(300);
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(panel->CanFit(probe)) << i << " rows stacked";
        rows.push_back(AddElement<TQXControl>(paper.get(), panel, QStringLiteral("Row%1").arg(i), {0, i, 1, 300}, alTop));
    }
    EXPECT_FALSE(panel->CanFit(probe));
    rows.back()->SetPrintable(false);
    panel->Realign();
    EXPECT_EQ(BoundsText(rows[0]), "0,0 1000x300");
    EXPECT_EQ(BoundsText(rows[1]), "0,300 1000x300");
    EXPECT_EQ(BoundsText(rows[2]), "0,600 1000x300");
    EXPECT_EQ(BoundsText(rows[3]), "1000,0 1000x300");
    EXPECT_EQ(BoundsText(rows[4]), "1000,300 1000x300");
    EXPECT_EQ(RectText(panel->GetColumnRect({0, 0, 2000, 1000})), RectText({0, 0, 1000, 2000}));
}

TEST(Panel, OneColumnOrFewerBehavesLikeAContainer)
{
    const std::vector<TChildSpec> children = {{"T", alTop, {0, 20, 10, 100}}, {"B", alBottom, {0, 0, 10, 50}},
                                              {"L", alLeft, {0, 0, 70, 10}}, {"C", alClient, {}}};
    std::unique_ptr<TQXPaper> plainPaper(NewA4Paper());
    TQXContainer* plain = Fill(plainPaper.get(), children);
    plain->Realign();
    for (int columns : {1, 0, -3}) {
        SCOPED_TRACE(columns);
        std::unique_ptr<TQXPaper> paper(NewA4Paper());
        auto* panel = Fill<TQXPanel>(paper.get(), children);
        panel->SetColumns(columns);
        panel->Realign();
        for (const TChildSpec& s : children) {
            const QString name = QString::fromLatin1(s.Name);
            EXPECT_EQ(BoundsText(static_cast<TQXControl*>(paper->FindComponent(name))),
                      BoundsText(static_cast<TQXControl*>(plainPaper->FindComponent(name))));
        }
        TQXControl probe(nullptr);
        probe.SetQXHeight(650);
        EXPECT_EQ(panel->CanFit(probe), plain->CanFit(probe));
        EXPECT_EQ(RectText(panel->GetColumnRect({0, 0, 1000, 800})), RectText({0, 0, 1000, 800}));
    }
}

} // namespace
