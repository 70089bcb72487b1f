#include "streamclasses.h"

#include "classlib/core/sysutils.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace streamtest;

namespace collection_test {

QString Positions(const TStmLines& Lines)
{
    QStringList p;
    for (int i = 0; i < Lines.Count(); ++i) p << QString::number(Lines.Line(i)->Pos);
    return p.join(' ');
}

TEST(Collection, OwnsAndOrdersItsItems)
{
    TStmLines lines;
    for (int i = 0; i < 3; ++i) static_cast<TStmLine*>(lines.Add())->Pos = i;
    static_cast<TStmLine*>(lines.Insert(1))->Pos = 9;
    EXPECT_EQ(Positions(lines).toStdString(), "0 9 1 2");
    EXPECT_EQ(lines.Line(1)->Index(), 1);
    EXPECT_EQ(lines.Line(1)->Collection(), &lines);

    lines.Line(0)->SetIndex(3);
    EXPECT_EQ(Positions(lines).toStdString(), "9 1 2 0");
    lines.Delete(1);
    EXPECT_EQ(Positions(lines).toStdString(), "9 2 0");
    delete lines.Items(0);  // an item leaves its collection when freed
    EXPECT_EQ(Positions(lines).toStdString(), "2 0");

    try {
        lines.Items(2);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message.toStdString(), "List index out of bounds (2)");
    }
    lines.Clear();
    EXPECT_EQ(lines.Count(), 0);
}

TEST(Collection, IdsAreNeverReused)
{
    TStmLines lines;
    TCollectionItem* a = lines.Add();
    TCollectionItem* b = lines.Add();
    EXPECT_NE(a->ID(), b->ID());
    const int idB = b->ID();
    delete b;
    TCollectionItem* c = lines.Add();
    EXPECT_NE(c->ID(), idB);
    EXPECT_EQ(lines.FindItemID(c->ID()), c);
    EXPECT_EQ(lines.FindItemID(idB), nullptr);
    EXPECT_EQ(c->DisplayName().toStdString(), "TStmLine");
}

TEST(Collection, ItemsMoveBetweenCollections)
{
    TStmLines from, to;
    auto* item = new TStmLine(&from);
    EXPECT_EQ(from.Count(), 1);
    item->SetCollection(&to);
    EXPECT_EQ(from.Count(), 0);
    EXPECT_EQ(to.Items(0), item);
    item->SetCollection(nullptr);
    EXPECT_EQ(to.Count(), 0);
    delete item;
}

TEST(Collection, AssignCopiesItemByItem)
{
    TStmLines source, target;
    for (int i = 0; i < 2; ++i) {
        auto* l = static_cast<TStmLine*>(source.Add());
        l->Pos = i + 1;
        l->Caption = QString::number(i);
    }
    target.Add();
    target.Updates = 0;
    target.Assign(&source);
    EXPECT_EQ(Positions(target).toStdString(), "1 2");
    EXPECT_EQ(target.Line(1)->Caption, "1");
    EXPECT_NE(target.Items(0), source.Items(0));
    EXPECT_EQ(target.Updates, 1);  // one update for the whole copy

    TStmPen pen;
    EXPECT_THROW(target.Assign(&pen), EConvertError);
}

TEST(Collection, UpdatesAreBatched)
{
    TStmLines lines;
    lines.Add();
    EXPECT_EQ(lines.Updates, 1);
    lines.BeginUpdate();
    lines.Add();
    lines.Add();
    lines.Delete(0);
    EXPECT_EQ(lines.Updates, 1);
    lines.EndUpdate();
    EXPECT_EQ(lines.Updates, 2);
    EXPECT_EQ(lines.UpdateCount(), 0);
}

} // namespace collection_test
