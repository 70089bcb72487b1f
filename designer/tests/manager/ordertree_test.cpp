// The report manager's order tree written to and read from order text:
// lines read as the run reads them, the placement of pasted or dropped
// lines, group names, and the limits of what a run accepts.

#include "designer/manager/ordertree.h"
#include "designer/tests/manager/ordertexts.h"

#include "runtime/pageorder.h"

#include "classlib/tests/errorof.h"

#include <gtest/gtest.h>

namespace designer::tests {
namespace {

using classlib::test::ErrorOf;
using runtime::MaxOrderDepth;
using runtime::MaxOrderLines;

// The tree as "kind name (children)" text, for comparing shapes.
QString Shape(const TOrderNode* Node)
{
    QString s = (Node->IsPage() ? QStringLiteral("p ") : QStringLiteral("g ")) + Node->Name();
    if (Node->Count() > 0) {
        QStringList children;
        for (int i = 0; i < Node->Count(); ++i) children << Shape(Node->Item(i));
        s += QStringLiteral(" (") + children.join(QStringLiteral(", ")) + QStringLiteral(")");
    }
    return s;
}

QString Shape(const TOrderTree& Tree)
{
    QStringList roots;
    for (int i = 0; i < Tree.RootCount(); ++i) roots << Shape(Tree.Root(i));
    return roots.join(QStringLiteral("; "));
}

TOrderNode* Find(const TOrderNode* Node, const QString& Name)
{
    for (int i = 0; i < Node->Count(); ++i) {
        if (Node->Item(i)->Name() == Name) return Node->Item(i);
        if (TOrderNode* found = Find(Node->Item(i), Name)) return found;
    }
    return nullptr;
}

TOrderNode* Find(const TOrderTree& Tree, const QString& Name)
{
    for (int i = 0; i < Tree.RootCount(); ++i) {
        if (Tree.Root(i)->Name() == Name) return Tree.Root(i);
        if (TOrderNode* found = Find(Tree.Root(i), Name)) return found;
    }
    return nullptr;
}

const char* const Nested = "g  -1G1\r\ng   0G2\r\np   1A\r\ng   0G3\r\np   3B\r\n";

TEST(OrderTree, NestedGroupsAreWrittenAsTheyAreRead)
{
    TOrderTree tree;
    const TOrderReading reading = tree.ParseOrderText(nullptr, QString::fromLatin1(Nested), TOverLimit::Stop);
    EXPECT_EQ(Shape(tree), QStringLiteral("g G1 (g G2 (p A), g G3 (p B))"));
    EXPECT_EQ(tree.TreeToOrderText(), QString::fromLatin1(Nested));
    EXPECT_EQ(reading.Added.size(), 1u);
    EXPECT_EQ(reading.Unread, 0);
    EXPECT_EQ(tree.Count(), 5);
    // Written again, it reads as the same tree.
    TOrderTree again;
    again.ParseOrderText(nullptr, tree.TreeToOrderText(), TOverLimit::Stop);
    EXPECT_EQ(Shape(again), Shape(tree));
}

TEST(OrderTree, ACopiedGroupIsAFragmentOfItsOwnPastedByThePlacementRule)
{
    TOrderTree tree;
    tree.ParseOrderText(nullptr, QStringLiteral("g  -1Left\r\np   0X\r\np   0Y\r\ng  -1Right\r\np   3Z\r\n"),
                        TOverLimit::Stop);
    const QString copied = TOrderTree::NodeToOrderText(Find(tree, QStringLiteral("Left")), -1, 0);
    EXPECT_EQ(copied, QStringLiteral("g  -1Left\r\np   0X\r\np   0Y\r\n"));
    // Pasted while a page entry inside another group is selected: at the
    // end of that group, under the first free group name.
    const TOrderReading reading =
        tree.ParseOrderText(TOrderTree::PlacementParent(Find(tree, QStringLiteral("Z"))), copied, TOverLimit::Refuse);
    EXPECT_EQ(Shape(tree), QStringLiteral("g Left (p X, p Y); g Right (p Z, g Group1 (p X, p Y))"));
    ASSERT_EQ(reading.Added.size(), 1u);
    EXPECT_EQ(reading.Added[0]->Index(), 1);
    EXPECT_EQ(tree.Count(), 8);

    const struct {
        const char* Reference;
        const char* Parent;
    } rules[] = {{"Right", "Right"}, {"Z", "Right"}, {nullptr, nullptr}};
    for (const auto& r : rules) {
        TOrderNode* reference = r.Reference ? Find(tree, QString::fromLatin1(r.Reference)) : nullptr;
        TOrderNode* parent = TOrderTree::PlacementParent(reference);
        EXPECT_EQ(parent ? parent->Name() : QString(), QString::fromLatin1(r.Parent ? r.Parent : ""));
    }
    TOrderTree flat;
    flat.ParseOrderText(nullptr, QStringLiteral("p  -1Top\r\n"), TOverLimit::Stop);
    EXPECT_EQ(TOrderTree::PlacementParent(Find(flat, QStringLiteral("Top"))), nullptr);
}

TEST(OrderTree, LinesAreReadAsTheRunReadsThemAndReadingStopsAtTheFirstItCannotTake)
{
    const struct {
        const char* Name;
        QString Text;
        const char* Shape;
        int Unread;
    } cases[] = {
        {"no order at all", "hello\r\np  -1A\r\n", "", 2},
        {"a kind the manager does not write", "p  -1A\r\nx  -1B\r\np  -1C\r\n", "p A", 2},
        {"the kind is exact", "P  -1A\r\n", "", 1},
        {"a reference to itself", "p  -1A\r\np   1B\r\n", "p A", 1},
        {"a reference beyond the text", "p  -1A\r\np   5B\r\n", "p A", 1},
        {"no name", "p  -1A\r\np  -1   \r\np  -1C\r\n", "p A", 2},
        {"no number", "p  -1A\r\npabcdB\r\n", "p A", 1},
        {"a number the run reads as another text", "g  -1G\r\np  00A\r\n", "g G", 1},
        {"any line break", "g  -1G\np   0A\rp  -1B", "g G (p A); p B", 0},
        {"blanks and control characters trimmed",
         QStringLiteral("g\t -1\x01 G \x1f\r\np\x02  0A\t\r\n"), "g G (p A)", 0},
        {"blank lines are skipped but keep their numbers", "g  -1G\r\n\r\n \t\r\np   0A\r\n\r\n", "g G (p A)", 0},
        {"a reference to a blank line", "g  -1G\r\n\r\np   1A\r\n", "g G", 1},
        // The run closes G1 at B, its sibling: C is no member of G1 there.
        {"a group the run has closed", "g  -1G1\r\np   0A\r\np  -1B\r\np   0C\r\n", "g G1 (p A); p B", 1},
        {"a page entry holds nothing", "p  -1A\r\np   0B\r\n", "p A", 1},
        // The run closes G2 at the next line referring to G1.
        {"back to the outer group", "g  -1G1\r\ng   0G2\r\np   1A\r\np   0B\r\n", "g G1 (g G2 (p A), p B)", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TOrderTree tree;
        const TOrderReading reading = tree.ParseOrderText(nullptr, c.Text, TOverLimit::Stop);
        EXPECT_EQ(Shape(tree), QString::fromLatin1(c.Shape));
        EXPECT_EQ(reading.Unread, c.Unread);
    }
}

TEST(OrderTree, GroupNamesAreUniqueWithoutRegardToCaseAndPageEntriesNeverCount)
{
    TOrderTree tree;
    tree.ParseOrderText(nullptr, QStringLiteral("g  -1Group1\r\ng  -1Group3\r\np  -1Group2\r\n"), TOverLimit::Stop);
    EXPECT_EQ(tree.NewGroupName(), QStringLiteral("Group2"));
    TOrderNode* group3 = Find(tree, QStringLiteral("Group3"));
    EXPECT_FALSE(tree.IsGroupNameFree(QStringLiteral("GROUP1"), group3));
    EXPECT_TRUE(tree.IsGroupNameFree(QStringLiteral("group3"), group3));
    EXPECT_TRUE(tree.IsGroupNameFree(QStringLiteral("Group2"), nullptr));
    // A pasted page entry keeps its name even when a group bears it.
    tree.ParseOrderText(nullptr, QStringLiteral("p  -1Group1\r\ng  -1group3\r\n"), TOverLimit::Refuse);
    EXPECT_EQ(Shape(tree), QStringLiteral("g Group1; g Group3; p Group2; p Group1; g Group2"));
    EXPECT_EQ(tree.NewGroupName(), QStringLiteral("Group4"));
    // Names come free when their groups go or are renamed.
    tree.Delete(Find(tree, QStringLiteral("Group1")));
    EXPECT_EQ(tree.NewGroupName(), QStringLiteral("Group1"));
    EXPECT_EQ(tree.Rename(group3, QStringLiteral("Other")), QStringLiteral("Other"));
    tree.ParseOrderText(nullptr, QStringLiteral("g  -1Group1\r\n"), TOverLimit::Refuse);
    EXPECT_EQ(tree.NewGroupName(), QStringLiteral("Group3"));
    EXPECT_EQ(tree.Count(), 5);
}

TEST(OrderTree, ThousandsOfGroupsOfOneNameAreNumberedInTurn)
{
    TOrderTree tree;
    const TOrderReading reading = tree.ParseOrderText(nullptr, Lines("g  -1A", MaxOrderLines), TOverLimit::Stop);
    EXPECT_EQ(reading.Unread, 0);
    ASSERT_EQ(tree.RootCount(), MaxOrderLines);
    EXPECT_EQ(tree.Root(0)->Name(), QStringLiteral("A"));
    EXPECT_EQ(tree.Root(1)->Name(), QStringLiteral("Group1"));
    EXPECT_EQ(tree.Root(MaxOrderLines - 1)->Name(), QStringLiteral("Group9998"));
    EXPECT_EQ(tree.NewGroupName(), QStringLiteral("Group9999"));
}

TEST(OrderTree, RenamingKeepsWhatALineCanCarryBack)
{
    TOrderTree tree;
    tree.ParseOrderText(nullptr, QStringLiteral("g  -1G1\r\ng  -1G2\r\np  -1Page1\r\n"), TOverLimit::Stop);
    TOrderNode* g2 = Find(tree, QStringLiteral("G2"));
    const struct {
        const char* Name;
        QString Typed;
        const char* Result;
        const char* Error;
    } cases[] = {
        {"a page entry's name", "Page1", "Page1", nullptr},
        {"blanks and control characters go", QStringLiteral(" \x01New\t"), "New", nullptr},
        {"nothing left keeps the old name", "  \t", "New", nullptr},
        {"a line break keeps the old name", "Two\r\nLines", "New", nullptr},
        {"another group's name in another case", "g1", "New", "Group named g1 already exists!"},
        {"its own name in another case", "NEW", "NEW", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ErrorOf([&] { tree.Rename(g2, c.Typed); }), c.Error ? c.Error : "<no error>");
        EXPECT_EQ(g2->Name(), QString::fromLatin1(c.Result));
    }
    EXPECT_EQ(tree.TreeToOrderText(), QStringLiteral("g  -1G1\r\ng  -1NEW\r\np  -1Page1\r\n"));
    // A page entry is not renamed.
    EXPECT_EQ(tree.Rename(Find(tree, QStringLiteral("Page1")), QStringLiteral("X")), QStringLiteral("Page1"));
}

TEST(OrderTree, AnOrderStaysWithinWhatARunAccepts)
{
    const QString tooLong = QStringLiteral("Print Order can hold at most 9999 entries!");
    const QString tooDeep = QStringLiteral("Groups can be nested at most 64 deep!");
    // A stored order is read up to the limit; the rest is unread.
    {
        TOrderTree tree;
        EXPECT_EQ(tree.ParseOrderText(nullptr, Lines("p  -1A", MaxOrderLines + 2), TOverLimit::Stop).Unread, 2);
        EXPECT_EQ(tree.Count(), MaxOrderLines);
        TOrderTree deep;
        EXPECT_EQ(deep.ParseOrderText(nullptr, Chain(MaxOrderDepth + 2) + "p  -1A\r\n", TOverLimit::Stop).Unread, 3);
        EXPECT_EQ(deep.Count(), MaxOrderDepth);
    }
    // A paste, insert or move beyond it is refused and changes nothing.
    const struct {
        const char* Name;
        QString Order;
        const char* Below;  // the parent of the new lines
        QString Pasted;
        const char* Error;
    } cases[] = {
        {"one entry too many", Lines("p  -1A", MaxOrderLines - 1), nullptr, "g  -1A\r\np   0B\r\n", "tooLong"},
        {"a pasted text too long itself", "", nullptr, Lines("p  -1A", MaxOrderLines + 1), "tooLong"},
        {"a group too deep", Chain(MaxOrderDepth), "G63", "p  -1A\r\ng  -1G\r\n", "tooDeep"},
        {"a nested group too deep", Chain(MaxOrderDepth - 1), "G62", "g  -1X\r\ng   0Y\r\n", "tooDeep"},
        {"the last entry that fits", Lines("p  -1A", MaxOrderLines - 1), nullptr, "g  -1A\r\n", nullptr},
        {"a page entry in the deepest group", Chain(MaxOrderDepth), "G63", "p  -1A\r\n", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TOrderTree tree;
        tree.ParseOrderText(nullptr, c.Order, TOverLimit::Stop);
        const QString before = tree.TreeToOrderText();
        const QString nextName = tree.NewGroupName();
        TOrderNode* below = c.Below ? Find(tree, QString::fromLatin1(c.Below)) : nullptr;
        const QString error = ErrorOf([&] { tree.ParseOrderText(below, c.Pasted, TOverLimit::Refuse); });
        if (!c.Error) {
            EXPECT_EQ(error, "<no error>");
            continue;
        }
        EXPECT_EQ(error, QString::fromLatin1(c.Error) == "tooLong" ? tooLong : tooDeep);
        EXPECT_EQ(tree.TreeToOrderText(), before);
        EXPECT_EQ(tree.NewGroupName(), nextName);
    }
    TOrderTree tree;
    tree.ParseOrderText(nullptr, Lines("p  -1A", MaxOrderLines), TOverLimit::Stop);
    EXPECT_EQ(ErrorOf([&] { tree.CheckRoom(1); }), tooLong);
    tree.Delete(tree.Root(0));
    EXPECT_EQ(ErrorOf([&] { tree.CheckRoom(1); }), "<no error>");
}

TEST(OrderTree, MovesKeepTheTreeWholeAndWithinTheNestingLimit)
{
    TOrderTree tree;
    tree.ParseOrderText(nullptr, Chain(MaxOrderDepth - 1) + "g  -1Top\r\ng  63Inner\r\np  64P\r\n", TOverLimit::Stop);
    ASSERT_EQ(Shape(tree.Root(1)), QStringLiteral("g Top (g Inner (p P))"));
    TOrderNode* top = tree.Root(1);
    TOrderNode* inner = Find(tree, QStringLiteral("Inner"));
    TOrderNode* deepest = Find(tree, QStringLiteral("G62"));
    // Two groups below the 63rd would be 65 deep.
    EXPECT_EQ(ErrorOf([&] { tree.Move(top, deepest); }), "Groups can be nested at most 64 deep!");
    EXPECT_EQ(Shape(tree.Root(1)), QStringLiteral("g Top (g Inner (p P))"));
    // Into itself or below itself nothing moves.
    tree.Move(top, inner);
    tree.Move(top, top);
    EXPECT_EQ(Shape(tree.Root(1)), QStringLiteral("g Top (g Inner (p P))"));
    tree.Move(inner, deepest);
    EXPECT_EQ(Shape(tree.Root(1)), QStringLiteral("g Top"));
    EXPECT_EQ(Shape(deepest), QStringLiteral("g G62 (g Inner (p P))"));
    tree.Move(Find(tree, QStringLiteral("P")), nullptr);
    EXPECT_EQ(tree.Root(2)->Name(), QStringLiteral("P"));
    EXPECT_EQ(tree.Root(2)->Index(), 2);
    EXPECT_EQ(tree.Count(), MaxOrderDepth + 2);
    // What is written reads back as the same tree.
    TOrderTree again;
    EXPECT_EQ(again.ParseOrderText(nullptr, tree.TreeToOrderText(), TOverLimit::Stop).Unread, 0);
    EXPECT_EQ(again.TreeToOrderText(), tree.TreeToOrderText());
}

} // namespace
} // namespace designer::tests
