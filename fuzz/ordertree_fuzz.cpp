// The report manager's order tree, without its window: an arbitrary text
// read as a stored order, then pasted, moved, deleted and renamed in as
// the input's first bytes choose. After every step the tree must hold what
// a run accepts (at most 9999 entries, groups nested at most 64 deep,
// group names unique in any case, names a line carries back), a refused
// edit must leave it as it was, and what it writes must read back as the
// same tree, which the run nests the same way. The input is four choice
// bytes and the text.

#include "designer/manager/ordertree.h"

#include "runtime/pageorder.h"
#include "runtime/reporterror.h"

#include <QByteArray>
#include <QSet>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace designer;
using runtime::MaxOrderDepth;
using runtime::MaxOrderLines;

constexpr size_t MaxInput = 128 * 1024;

[[noreturn]] void Fail(const char* What, const QString& Detail)
{
    std::fprintf(stderr, "%s\n%s\n", What, qPrintable(Detail.left(4000)));
    std::abort();
}

// Every node, depth first.
void Collect(TOrderNode* Node, std::vector<TOrderNode*>& Out)
{
    Out.push_back(Node);
    for (int i = 0; i < Node->Count(); ++i) Collect(Node->Item(i), Out);
}

std::vector<TOrderNode*> Nodes(const TOrderTree& Tree)
{
    std::vector<TOrderNode*> nodes;
    for (int i = 0; i < Tree.RootCount(); ++i) Collect(Tree.Root(i), nodes);
    return nodes;
}

void CheckShape(const TOrderTree& Tree)
{
    const std::vector<TOrderNode*> nodes = Nodes(Tree);
    const QString text = Tree.TreeToOrderText();
    if (int(nodes.size()) != Tree.Count()) Fail("the count is not the number of entries", text);
    if (Tree.Count() > MaxOrderLines) Fail("more entries than a run accepts", text);
    QSet<QString> groups;
    for (const TOrderNode* node : nodes) {
        const TOrderNode* parent = node->Parent();
        const int count = parent ? parent->Count() : Tree.RootCount();
        if (node->Index() < 0 || node->Index() >= count ||
            (parent ? parent->Item(node->Index()) : Tree.Root(node->Index())) != node)
            Fail("a node is not at its place", node->Name());
        if (node->IsPage() && node->Count() > 0) Fail("a page entry holds entries", node->Name());
        if (TOrderTree::GroupDepth(node) > MaxOrderDepth) Fail("groups nest deeper than a run follows", text);
        if (node->Name().isEmpty() || TOrderTree::ReadableName(node->Name()) != node->Name())
            Fail("a name no line carries back", node->Name());
        if (node->IsPage()) continue;
        if (groups.contains(node->Name().toCaseFolded())) Fail("two groups of one name", node->Name());
        groups.insert(node->Name().toCaseFolded());
        if (!Tree.IsGroupNameFree(node->Name(), node) || Tree.IsGroupNameFree(node->Name(), nullptr))
            Fail("the names in use miss a group", node->Name());
    }
    const QString fresh = Tree.NewGroupName();
    if (groups.contains(fresh.toCaseFolded())) Fail("a new group name is in use", fresh);
    const int n = fresh.mid(5).toInt();
    for (int k = 1; k < n; ++k)
        if (!groups.contains(QStringLiteral("group%1").arg(k))) Fail("a smaller group name is free", fresh);
}

// Written, read back: the same tree, all of it read, nested by the run as
// the tree nests it.
void CheckRoundTrip(const TOrderTree& Tree)
{
    const QString text = Tree.TreeToOrderText();
    TOrderTree again;
    if (again.ParseOrderText(nullptr, text, TOverLimit::Stop).Unread != 0) Fail("a written line was not read", text);
    if (again.TreeToOrderText() != text) Fail("read back, the tree is another", text);
    const std::vector<runtime::TQXOrderItem> run = runtime::InterpretPageOrder(runtime::SplitOrderLines(text));
    const std::vector<TOrderNode*> nodes = Nodes(Tree);
    // A group's members are the lines of its subtree.
    std::vector<int> end(nodes.size());
    for (int i = int(nodes.size()) - 1; i >= 0; --i) {
        end[size_t(i)] = i + 1;
        const TOrderNode* node = nodes[size_t(i)];
        if (node->Count() > 0) {
            int last = i + 1;
            while (last < int(nodes.size()) && nodes[size_t(last)]->HasAsParent(node)) last = end[size_t(last)];
            end[size_t(i)] = last;
        }
        if (!node->IsPage() && run[size_t(i)].End != end[size_t(i)]) Fail("the run nests a group otherwise", text);
    }
}

void Check(const TOrderTree& Tree)
{
    CheckShape(Tree);
    CheckRoundTrip(Tree);
}

TOrderNode* Pick(const TOrderTree& Tree, uint8_t Choice)
{
    const std::vector<TOrderNode*> nodes = Nodes(Tree);
    if (nodes.empty() || Choice % 5 == 0) return nullptr;
    return nodes[Choice % nodes.size()];
}

// A refused edit raises only the report error and changes nothing.
template <class F>
void Edit(TOrderTree& Tree, F&& Body)
{
    const QString before = Tree.TreeToOrderText();
    const QString fresh = Tree.NewGroupName();
    try {
        Body();
    } catch (const runtime::EQXError&) {
        if (Tree.TreeToOrderText() != before || Tree.NewGroupName() != fresh) Fail("a refused edit changed the tree", before);
    }
    Check(Tree);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 4 || Size > MaxInput) return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(Data) + 4, qsizetype(Size - 4));
    TOrderTree tree;
    const TOrderReading reading = tree.ParseOrderText(nullptr, text, TOverLimit::Stop);
    if (int(reading.Added.size()) != tree.RootCount()) Fail("a reading lost a top entry", text);
    Check(tree);

    // The text again, as a paste below a chosen entry.
    Edit(tree, [&] {
        tree.ParseOrderText(TOrderTree::PlacementParent(Pick(tree, Data[0])), text, TOverLimit::Refuse);
    });
    Edit(tree, [&] {
        if (TOrderNode* node = Pick(tree, Data[1]))
            tree.Move(node, TOrderTree::PlacementParent(Pick(tree, Data[2])));
    });
    // Renamed after a line of the text, then like another entry.
    Edit(tree, [&] {
        const QStringList lines = runtime::SplitOrderLines(text);
        tree.Rename(Pick(tree, Data[3]), lines.isEmpty() ? tree.NewGroupName() : lines[Data[0] % lines.size()]);
    });
    Edit(tree, [&] {
        if (TOrderNode* other = Pick(tree, Data[2])) tree.Rename(Pick(tree, Data[3]), other->Name());
    });
    Edit(tree, [&] { tree.Delete(Pick(tree, Data[3])); });
    return 0;
}
