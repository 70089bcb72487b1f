#include "designer/manager/ordertree.h"

#include "runtime/pageorder.h"
#include "runtime/reporterror.h"

#include "classlib/core/sysutils.h"

#include <QStringList>

#include <algorithm>

namespace designer {

using runtime::MaxOrderDepth;
using runtime::MaxOrderLines;

namespace {

// A line the run skips: it makes no entry.
bool IsBlank(const runtime::TQXOrderLine& Line)
{
    return Line.Kind.isNull() ||
           (Line.Kind.unicode() <= 0x20 && Line.Reference.isEmpty() && Line.Name.isEmpty());
}

[[noreturn]] void RaiseTooLong()
{
    runtime::RaiseReportError(classlib::Format("Print Order can hold at most %d entries!", {MaxOrderLines}));
}

[[noreturn]] void RaiseTooDeep()
{
    runtime::RaiseReportError(classlib::Format("Groups can be nested at most %d deep!", {MaxOrderDepth}));
}

// The groups below Node, Node included, on the longest way down.
int GroupHeight(const TOrderNode* Node)
{
    int below = 0;
    for (int i = 0; i < Node->Count(); ++i) below = std::max(below, GroupHeight(Node->Item(i)));
    return below + (Node->IsPage() ? 0 : 1);
}

void WriteSubtree(const TOrderNode* Node, int Reference, int& Next, QString& Out)
{
    const int own = Next++;
    Out += Node->IsPage() ? QLatin1Char('p') : QLatin1Char('g');
    Out += QStringLiteral("%1").arg(Reference, 4);
    Out += Node->Name();
    Out += QLatin1String("\r\n");
    for (int i = 0; i < Node->Count(); ++i) WriteSubtree(Node->Item(i), own, Next, Out);
}

} // namespace

// ---------------------------------------------------------------------------
// TOrderNode

TOrderNode::~TOrderNode() = default;

bool TOrderNode::HasAsParent(const TOrderNode* Node) const
{
    for (const TOrderNode* p = FParent; p; p = p->FParent)
        if (p == Node) return true;
    return false;
}

// ---------------------------------------------------------------------------
// TOrderTree

TOrderTree::TOrderTree() = default;
TOrderTree::~TOrderTree() = default;

std::vector<std::unique_ptr<TOrderNode>>& TOrderTree::SiblingsOf(TOrderNode* Parent)
{
    return Parent ? Parent->FChildren : FRoots;
}

void TOrderTree::Clear()
{
    FRoots.clear();
    FCount = 0;
    FNames.Clear();
}

TOrderReading TOrderTree::ParseOrderText(TOrderNode* Parent, const QString& Text, TOverLimit OverLimit)
{
    const QStringList lines = runtime::SplitOrderLines(Text);
    const int n = int(lines.size());
    // No reference reaches beyond the lines a run reads.
    const int known = std::min(n, MaxOrderLines);
    const std::vector<runtime::TQXOrderItem> run = runtime::InterpretPageOrder(lines.mid(0, known));
    const int baseDepth = GroupDepth(Parent);

    std::vector<std::unique_ptr<TOrderNode>> roots;
    std::vector<TOrderNode*> made(size_t(known), nullptr);
    std::vector<int> open;  // the lines of the groups the run has open
    QStringList named;      // group names taken so far, given back on a refusal
    int added = 0;
    int i = 0;
    auto refuse = [&](void (*Raise)()) {
        if (OverLimit == TOverLimit::Stop) return;
        for (const QString& name : named) FNames.Remove(name);
        Raise();
    };
    for (; i < n; ++i) {
        const runtime::TQXOrderLine line = runtime::ParseOrderLine(lines[i]);
        if (IsBlank(line)) continue;
        if (i >= known) {
            refuse(RaiseTooLong);
            break;
        }
        while (!open.empty() && i >= run[size_t(open.back())].End) open.pop_back();
        const int parentLine = open.empty() ? -1 : open.back();
        const bool group = line.Kind == QLatin1Char('g');
        if (!group && line.Kind != QLatin1Char('p')) break;
        if (line.Reference != QString::number(parentLine) || line.Name.isEmpty()) break;
        if (FCount + added >= MaxOrderLines) {
            refuse(RaiseTooLong);
            break;
        }
        if (group && baseDepth + int(open.size()) >= MaxOrderDepth) {
            refuse(RaiseTooDeep);
            break;
        }
        QString name = line.Name;
        if (group) {
            if (!IsGroupNameFree(name, nullptr)) name = NewGroupName();
            FNames.Add(name);
            named << name;
        }
        auto node = std::unique_ptr<TOrderNode>(new TOrderNode(!group, name));
        made[size_t(i)] = node.get();
        if (parentLine >= 0) {
            TOrderNode* parent = made[size_t(parentLine)];
            node->FParent = parent;
            node->FIndex = parent->Count();
            parent->FChildren.push_back(std::move(node));
        } else {
            roots.push_back(std::move(node));
        }
        ++added;
        if (group) open.push_back(i);
    }

    TOrderReading reading;
    for (; i < n; ++i)
        if (!IsBlank(runtime::ParseOrderLine(lines[i]))) ++reading.Unread;
    for (auto& root : roots) {
        reading.Added.push_back(root.get());
        Attach(std::move(root), Parent);
    }
    FCount += added;
    return reading;
}

void TOrderTree::Attach(std::unique_ptr<TOrderNode> Node, TOrderNode* Parent)
{
    auto& siblings = SiblingsOf(Parent);
    Node->FParent = Parent;
    Node->FIndex = int(siblings.size());
    siblings.push_back(std::move(Node));
}

std::unique_ptr<TOrderNode> TOrderTree::Detach(TOrderNode* Node)
{
    auto& siblings = SiblingsOf(Node->FParent);
    const size_t at = size_t(Node->FIndex);
    std::unique_ptr<TOrderNode> taken = std::move(siblings.at(at));
    siblings.erase(siblings.begin() + std::ptrdiff_t(at));
    for (size_t k = at; k < siblings.size(); ++k) siblings[k]->FIndex = int(k);
    taken->FParent = nullptr;
    return taken;
}

QString TOrderTree::TreeToOrderText() const
{
    QString text;
    int next = 0;
    for (const auto& root : FRoots) WriteSubtree(root.get(), -1, next, text);
    return text;
}

QString TOrderTree::NodeToOrderText(const TOrderNode* Node, int ParentReference, int OwnLineIndex)
{
    QString text;
    if (!Node) return text;
    int next = OwnLineIndex;
    WriteSubtree(Node, ParentReference, next, text);
    return text;
}

void TOrderTree::CheckRoom(int Entries) const
{
    if (Entries > MaxOrderLines - FCount) RaiseTooLong();
}

void TOrderTree::ForgetNames(const TOrderNode* Node)
{
    --FCount;
    if (!Node->IsPage()) FNames.Remove(Node->Name());
    for (const auto& child : Node->FChildren) ForgetNames(child.get());
}

void TOrderTree::Delete(TOrderNode* Node)
{
    if (!Node) return;
    ForgetNames(Node);
    Detach(Node);
}

void TOrderTree::Move(TOrderNode* Node, TOrderNode* NewParent)
{
    if (!Node || Node == NewParent || (NewParent && NewParent->HasAsParent(Node))) return;
    if (GroupDepth(NewParent) + GroupHeight(Node) > MaxOrderDepth) RaiseTooDeep();
    Attach(Detach(Node), NewParent);
}

QString TOrderTree::ReadableName(const QString& Name)
{
    const QString name = runtime::ParseOrderLine(QStringLiteral("g  -1") + Name).Name;
    if (name.contains(QLatin1Char('\r')) || name.contains(QLatin1Char('\n'))) return QString();
    return name;
}

QString TOrderTree::Rename(TOrderNode* Group, const QString& Name)
{
    if (!Group || Group->IsPage()) return Group ? Group->Name() : QString();
    const QString name = ReadableName(Name);
    if (name.isEmpty() || name == Group->FName) return Group->FName;
    if (!IsGroupNameFree(name, Group))
        runtime::RaiseReportError(classlib::Format("Group named %s already exists!", {name}));
    FNames.Remove(Group->FName);
    FNames.Add(name);
    Group->FName = name;
    return name;
}

QString TOrderTree::NewGroupName() const
{
    return FNames.NewName();
}

bool TOrderTree::IsGroupNameFree(const QString& Name, const TOrderNode* Except) const
{
    int bearers = FNames.Count(Name);
    if (Except && !Except->IsPage() && TGroupNames::Same(Except->Name(), Name)) --bearers;
    return bearers <= 0;
}

TOrderNode* TOrderTree::PlacementParent(TOrderNode* Reference)
{
    if (!Reference) return nullptr;
    if (!Reference->IsPage()) return Reference;
    return Reference->Parent();
}

int TOrderTree::GroupDepth(const TOrderNode* Node)
{
    int depth = 0;
    for (const TOrderNode* n = Node; n; n = n->Parent())
        if (!n->IsPage()) ++depth;
    return depth;
}

} // namespace designer
