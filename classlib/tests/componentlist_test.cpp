#include "errorof.h"

#include "classlib/core/component.h"
#include "classlib/core/componentlist.h"

#include <gtest/gtest.h>

#include <string>

using namespace classlib;
using namespace classlib::test;

namespace componentlist_test {

std::string Names(const TComponentList& List)
{
    QStringList names;
    for (int i = 0; i < List.Count(); ++i) names << List.Items(i)->Name();
    return names.join(QLatin1Char('|')).toStdString();
}

TComponent* Named(TComponent* Owner, const char* Name)
{
    auto* c = new TComponent(Owner);
    c->SetName(QString::fromLatin1(Name));
    return c;
}

TEST(ComponentList, FreedComponentsLeaveTheList)
{
    TComponent owner(nullptr);
    TComponent* a = Named(&owner, "A");
    TComponent* b = Named(&owner, "B");
    TComponent* c = Named(nullptr, "C");
    TComponentList list;
    list.Add(a);
    list.Add(b);
    list.Add(a);
    list.Insert(0, c);
    EXPECT_EQ(Names(list), "C|A|B|A");
    EXPECT_EQ(list.IndexOf(b), 2);

    delete a;  // every entry of it goes
    EXPECT_EQ(Names(list), "C|B");

    EXPECT_EQ(list.Remove(b), 1);
    EXPECT_EQ(list.Remove(b), -1);
    delete b;  // no longer listened to
    EXPECT_EQ(Names(list), "C");

    {
        TComponentList other;
        other.Add(c);
    }  // a list that ends first leaves nothing behind in its components
    list.Delete(0);
    EXPECT_EQ(list.Count(), 0);
    list.Add(c);
    list.Clear();
    delete c;
    EXPECT_EQ(list.Count(), 0);
}

TEST(ComponentList, AComponentFreedWhileListedTwiceInTwoListsLeavesBoth)
{
    TComponent* a = Named(nullptr, "A");
    TComponentList one, two;
    one.Add(a);
    two.Add(a);
    one.Delete(0);  // one stops listening, two still listens
    one.Add(a);
    delete a;
    EXPECT_EQ(one.Count(), 0);
    EXPECT_EQ(two.Count(), 0);
}

TEST(ComponentList, IndexesAreChecked)
{
    TComponent a(nullptr);
    TComponentList list;
    list.Add(&a);
    const struct {
        std::function<void()> call;
        const char* message;
    } rows[] = {
        {[&] { list.Items(-1); }, "List index out of bounds (-1)"},
        {[&] { list.Items(1); }, "List index out of bounds (1)"},
        {[&] { list.Delete(1); }, "List index out of bounds (1)"},
        {[&] { list.Insert(2, &a); }, "List index out of bounds (2)"},
    };
    for (const auto& row : rows) EXPECT_EQ(ErrorOf<EListError>(row.call).toStdString(), row.message);
    list.Insert(1, &a);
    EXPECT_EQ(list.Count(), 2);
    list.Clear();
}

} // namespace componentlist_test
