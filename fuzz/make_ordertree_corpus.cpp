// Writes the seed corpus of the order tree target: make_ordertree_corpus
// <corpus folder> creates <folder>/ordertree/*.txt, each four choice bytes
// and an order text. The orders are written by the report manager's order
// tree itself; some are then damaged as a hand or another program might.

#include "designer/manager/ordertree.h"
#include "designer/tests/manager/ordertexts.h"

#include "runtime/pageorder.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

using namespace designer;

namespace {

QString Dir;

void Save(const char* Name, const char Choices[4], const QString& Text)
{
    QFile file(Dir + QLatin1Char('/') + QLatin1String(Name) + QStringLiteral(".txt"));
    const QByteArray bytes = QByteArray(Choices, 4) + Text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

// What the tree writes after reading Text and pasting Pasted below the
// entry named Below (at the top for nil).
QString Written(const QString& Text, const QString& Pasted = {}, const char* Below = nullptr)
{
    TOrderTree tree;
    tree.ParseOrderText(nullptr, Text, TOverLimit::Stop);
    TOrderNode* below = nullptr;
    if (Below)
        for (int i = 0; i < tree.RootCount() && !below; ++i)
            if (tree.Root(i)->Name() == QLatin1String(Below)) below = tree.Root(i);
    if (!Pasted.isEmpty()) tree.ParseOrderText(below, Pasted, TOverLimit::Refuse);
    return tree.TreeToOrderText();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_ordertree_corpus <corpus folder>\n");
        return 2;
    }
    Dir = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/ordertree");
    QDir().mkpath(Dir);

    const QString nested = Written(QStringLiteral("g  -1G1\r\ng   0G2\r\np   1A\r\ng   0G3\r\np   3B\r\n"));
    Save("nested", "\x01\x02\x03\x04", nested);
    Save("pasted-group", "\x02\x06\x01\x03",
         Written(QStringLiteral("g  -1Left\r\np   0X\r\ng  -1Right\r\np   2Z\r\n"), QStringLiteral("g  -1Left\r\np   0X\r\n"),
                 "Right"));
    Save("same-names", "\x03\x07\x08\x09", Written(designer::tests::Lines(QStringLiteral("g  -1Group"), 300)));
    Save("longest", "\x06\x0b\x0c\x0d", Written(designer::tests::Lines(QStringLiteral("p  -1A"), runtime::MaxOrderLines)));
    Save("too-long", "\x01\x01\x01\x01", designer::tests::Lines(QStringLiteral("p  -1A"), runtime::MaxOrderLines + 1));
    Save("deepest", "\x07\x09\x3f\x02", Written(designer::tests::Chain(runtime::MaxOrderDepth) + QStringLiteral("p  63A\r\n")));
    Save("too-deep", "\x04\x03\x42\x01", designer::tests::Chain(runtime::MaxOrderDepth + 3));
    // Damaged by hand: trimmed as the run trims, blank lines, lone breaks.
    QString trimmed = nested;
    trimmed.replace(QStringLiteral("G2\r\n"), QStringLiteral("G2 \x01\r\n\r\n  \t\r"));
    trimmed.replace(QStringLiteral("g   0G3"), QStringLiteral("g\t  0 G3"));
    Save("control-characters", "\x09\x02\x04\x06", trimmed);
    Save("closed-group", "\x01\x04\x02\x03", QStringLiteral("g  -1G1\r\np   0A\r\np  -1B\r\np   0C\r\n"));
    Save("page-holds", "\x01\x01\x02\x02", QStringLiteral("p  -1A\r\np   0B\r\ng  -1G\r\n"));
    Save("bad-kind", "\x02\x03\x04\x05", nested + QStringLiteral("x  -1Bad\r\nP  -1A\r\n"));
    Save("odd-references", "\x03\x02\x01\x00", QStringLiteral("g  -1G\r\np  00A\r\np  +0B\r\np   9C\r\n"));
    Save("not-an-order", "\x00\x00\x00\x00", QStringLiteral("hello\nworld\n"));
    Save("names", "\x05\x06\x07\x08", Written(QStringLiteral("g  -1group1\r\ng  -1GROUP1\r\np  -1Group1\r\ng  -1Group3\r\n")));
    return 0;
}
