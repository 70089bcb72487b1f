#include "designer/manager/ordertree.h"

#include "classlib/controls/treeview.h"

#include <QRegularExpression>
#include <QStringList>

#include <vector>

namespace designer {

using namespace classlib;

namespace {

void* PageMark()
{
    return reinterpret_cast<void*>(quintptr(1));
}

QString OrderLine(const TTreeNode* Node, int Reference)
{
    return (IsPageEntry(Node) ? QStringLiteral("p") : QStringLiteral("g")) +
           QStringLiteral("%1").arg(Reference, 4) + Node->Text() + QStringLiteral("\r\n");
}

// Writes the subtree; Next is the index the next line gets.
void WriteSubtree(const TTreeNode* Node, int Reference, int& Next, QString& Out)
{
    const int own = Next++;
    Out += OrderLine(Node, Reference);
    for (int i = 0; i < Node->Count(); ++i) WriteSubtree(Node->Item(i), own, Next, Out);
}

// The lines as a string list splits them: CR LF, LF or CR; a break at the
// end starts no line.
QStringList Lines(const QString& Text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = Text.split(breaks);
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

} // namespace

bool IsPageEntry(const TTreeNode* Node)
{
    return Node && Node->Data() != nullptr;
}

QString TreeToOrderText(const TTreeView& Tree)
{
    QString text;
    int next = 0;
    for (int i = 0; i < Tree.Items()->RootCount(); ++i) WriteSubtree(Tree.Items()->Root(i), -1, next, text);
    return text;
}

QString NodeToOrderText(const TTreeNode* Node, int ParentReference, int OwnLineIndex)
{
    QString text;
    int next = OwnLineIndex;
    WriteSubtree(Node, ParentReference, next, text);
    return text;
}

void ParseOrderText(TTreeView& Tree, TTreeNode* Parent, const QString& Text)
{
    std::vector<TTreeNode*> made;
    for (const QString& line : Lines(Text)) {
        const QChar kind = line.isEmpty() ? QChar() : line[0];
        if (kind != u'g' && kind != u'p') return;
        bool ok = false;
        const int reference = line.mid(1, 4).trimmed().toInt(&ok);
        if (!ok) return;
        if (reference >= 0 && reference >= int(made.size())) return;
        QString name = line.mid(5).trimmed();
        if (name.isEmpty()) return;
        const bool group = kind == u'g';
        if (group && !IsGroupNameFree(Tree, name, nullptr)) name = NewGroupName(Tree);
        TTreeNode* under = reference >= 0 ? made[reference] : Parent;
        TTreeNode* node = Tree.Items()->AddChildObject(under, name, group ? nullptr : PageMark());
        node->SetImageIndex(group ? 1 : 0);
        node->SetSelectedIndex(group ? 1 : 0);
        made.push_back(node);
    }
}

bool IsGroupNameFree(const TTreeView& Tree, const QString& Name, const TTreeNode* Except)
{
    for (const TTreeNode* node = Tree.Items()->GetFirstNode(); node; node = node->GetNext())
        if (node != Except && !IsPageEntry(node) && node->Text().compare(Name, Qt::CaseInsensitive) == 0)
            return false;
    return true;
}

QString NewGroupName(const TTreeView& Tree)
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("Group%1").arg(n);
        if (IsGroupNameFree(Tree, name, nullptr)) return name;
    }
}

TTreeNode* PlacementParent(TTreeNode* Reference)
{
    if (!Reference) return nullptr;
    if (!IsPageEntry(Reference)) return Reference;
    return Reference->Parent();
}

} // namespace designer
