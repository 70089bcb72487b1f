// The report manager's order tree written to and read from order text,
// with the placement of pasted or dropped lines.

#include "designer/manager/ordertree.h"

#include "classlib/controls/treeview.h"

#include <gtest/gtest.h>

namespace designer::tests {
namespace {

using namespace classlib;

// The tree as "kind name (children)" text, for comparing shapes.
QString Shape(const TTreeNode* Node)
{
    QString s = (IsPageEntry(Node) ? QStringLiteral("p ") : QStringLiteral("g ")) + Node->Text();
    if (Node->Count() > 0) {
        QStringList children;
        for (int i = 0; i < Node->Count(); ++i) children << Shape(Node->Item(i));
        s += QStringLiteral(" (") + children.join(QStringLiteral(", ")) + QStringLiteral(")");
    }
    return s;
}

QString Shape(const TTreeView& Tree)
{
    QStringList roots;
    for (int i = 0; i < Tree.Items()->RootCount(); ++i) roots << Shape(Tree.Items()->Root(i));
    return roots.join(QStringLiteral("; "));
}

TTreeNode* Find(const TTreeView& Tree, const QString& Text)
{
    for (TTreeNode* n = Tree.Items()->GetFirstNode(); n; n = n->GetNext())
        if (n->Text() == Text) return n;
    return nullptr;
}

const char* const Nested = "g  -1G1\r\ng   0G2\r\np   1A\r\ng   0G3\r\np   3B\r\n";

TEST(OrderTree, NestedGroupsAreWrittenAsTheyAreRead)
{
    TTreeView tree(nullptr);
    ParseOrderText(tree, nullptr, QString::fromLatin1(Nested));
    EXPECT_EQ(Shape(tree), QStringLiteral("g G1 (g G2 (p A), g G3 (p B))"));
    EXPECT_EQ(TreeToOrderText(tree), QString::fromLatin1(Nested));
    // Page entries and groups carry their pictures.
    EXPECT_EQ(Find(tree, QStringLiteral("A"))->ImageIndex(), 0);
    EXPECT_EQ(Find(tree, QStringLiteral("G2"))->ImageIndex(), 1);
}

TEST(OrderTree, ACopiedGroupIsAFragmentOfItsOwnPastedByThePlacementRule)
{
    TTreeView tree(nullptr);
    ParseOrderText(tree, nullptr, QStringLiteral("g  -1Left\r\np   0X\r\np   0Y\r\ng  -1Right\r\np   3Z\r\n"));
    const QString copied = NodeToOrderText(Find(tree, QStringLiteral("Left")), -1, 0);
    EXPECT_EQ(copied, QStringLiteral("g  -1Left\r\np   0X\r\np   0Y\r\n"));
    // Pasted while a page entry inside another group is selected: at the
    // end of that group, under the first free group name.
    ParseOrderText(tree, PlacementParent(Find(tree, QStringLiteral("Z"))), copied);
    EXPECT_EQ(Shape(tree), QStringLiteral("g Left (p X, p Y); g Right (p Z, g Group1 (p X, p Y))"));

    const struct {
        const char* Reference;
        const char* Parent;
    } rules[] = {{"Right", "Right"}, {"Z", "Right"}, {nullptr, nullptr}};
    for (const auto& r : rules) {
        TTreeNode* reference = r.Reference ? Find(tree, QString::fromLatin1(r.Reference)) : nullptr;
        TTreeNode* parent = PlacementParent(reference);
        EXPECT_EQ(parent ? parent->Text() : QString(), QString::fromLatin1(r.Parent ? r.Parent : ""));
    }
    TTreeView flat(nullptr);
    ParseOrderText(flat, nullptr, QStringLiteral("p  -1Top\r\n"));
    EXPECT_EQ(PlacementParent(Find(flat, QStringLiteral("Top"))), nullptr);
}

TEST(OrderTree, ReadingStopsSilentlyAtTheFirstBadLine)
{
    const struct {
        const char* Text;
        const char* Shape;
    } cases[] = {
        {"hello\r\np  -1A\r\n", ""},
        {"p  -1A\r\nx  -1B\r\np  -1C\r\n", "p A"},
        {"p  -1A\r\np   1B\r\n", "p A"},             // refers to itself
        {"p  -1A\r\np   5B\r\n", "p A"},             // beyond the text
        {"p  -1A\r\np  -1   \r\np  -1C\r\n", "p A"}, // no name
        {"p  -1A\r\npabcdB\r\n", "p A"},             // no number
        {"g  -1G\np   0A\rp  -1B", "g G (p A); p B"},  // any line break
        {"P  -1A\r\n", ""},                          // the kind is exact
    };
    for (const auto& c : cases) {
        TTreeView tree(nullptr);
        ParseOrderText(tree, nullptr, QString::fromLatin1(c.Text));
        EXPECT_EQ(Shape(tree), QString::fromLatin1(c.Shape)) << c.Text;
    }
}

TEST(OrderTree, GroupNamesAreUniqueWithoutRegardToCaseAndPageEntriesNeverCount)
{
    TTreeView tree(nullptr);
    ParseOrderText(tree, nullptr, QStringLiteral("g  -1Group1\r\ng  -1Group3\r\np  -1Group2\r\n"));
    EXPECT_EQ(NewGroupName(tree), QStringLiteral("Group2"));
    TTreeNode* group3 = Find(tree, QStringLiteral("Group3"));
    EXPECT_FALSE(IsGroupNameFree(tree, QStringLiteral("GROUP1"), group3));
    EXPECT_TRUE(IsGroupNameFree(tree, QStringLiteral("group3"), group3));
    EXPECT_TRUE(IsGroupNameFree(tree, QStringLiteral("Group2"), nullptr));
    // A pasted page entry keeps its name even when a group bears it.
    ParseOrderText(tree, nullptr, QStringLiteral("p  -1Group1\r\ng  -1group3\r\n"));
    EXPECT_EQ(Shape(tree), QStringLiteral("g Group1; g Group3; p Group2; p Group1; g Group2"));
}

} // namespace
} // namespace designer::tests
