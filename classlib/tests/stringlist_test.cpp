#include "classlib/core/stringlist.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"

#include "classlib/tests/errorof.h"

#include <gtest/gtest.h>

using namespace classlib;

namespace {

using classlib::test::ErrorOf;

QStringList Lines(const TStrings& L)
{
    QStringList r;
    for (int i = 0; i < L.Count(); ++i)
        r << L[i];
    return r;
}

// Counts live instances, to see who frees what.
class TCounted : public TObject {
public:
    explicit TCounted(int& Live) : FLive(Live) { ++FLive; }
    ~TCounted() override { --FLive; }

private:
    int& FLive;
};

} // namespace

TEST(StringList, TextSplitsAtEveryLineBreak)
{
    const struct { const char* name; QString text; QStringList want; } cases[] = {
        {"crlf", "a\r\nb", {"a", "b"}},
        {"mixed", "a\nb\rc", {"a", "b", "c"}},
        {"trailing break", "a\r\n", {"a"}},
        {"empty", "", {}},
        {"only break", "\r\n", {""}},
        {"two crs", "a\r\rb", {"a", "", "b"}},
        {"lf then cr", "a\n\r", {"a", ""}},
        {"blank lines", "\n\nx", {"", "", "x"}},
        {"nul kept", QString::fromLatin1("a\0b", 3), {QString::fromLatin1("a\0b", 3)}},
    };
    for (const auto& c : cases) {
        TStringList l;
        l.SetText(c.text);
        EXPECT_EQ(Lines(l), c.want) << c.name;
    }
    TStringList l;
    l.SetText("a\nb");
    EXPECT_EQ(l.Text(), "a\r\nb\r\n");
}

TEST(StringList, IndexErrors)
{
    TStringList l;
    l.Add("a");
    EXPECT_EQ(ErrorOf<EStringListError>([&] { l.Get(1); }), "List index out of bounds (1)");
    EXPECT_EQ(ErrorOf<EStringListError>([&] { l.Delete(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(ErrorOf<EStringListError>([&] { l.Insert(2, "x"); }), "List index out of bounds (2)");
    EXPECT_EQ(ErrorOf<EStringListError>([&] { l.Move(0, 1); }), "List index out of bounds (1)");
    l.Insert(1, "b");  // inserting at the end is fine
    EXPECT_EQ(Lines(l), QStringList({"a", "b"}));
}

TEST(StringList, SortedFindAndDuplicates)
{
    TStringList l;
    l.SetSorted(true);
    for (const char* s : {"b", "a", "C"})
        l.Add(s);
    EXPECT_EQ(Lines(l), QStringList({"a", "b", "C"}));
    int index = -1;
    EXPECT_TRUE(l.Find("c", index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(l.Find("bb", index));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(l.IndexOf("B"), 1);

    EXPECT_EQ(l.Add("A"), 0);  // dupIgnore
    EXPECT_EQ(l.Count(), 3);

    l.SetDuplicates(dupError);
    EXPECT_EQ(ErrorOf<EStringListError>([&] { l.Add("B"); }), "String list does not allow duplicates");

    l.SetDuplicates(dupAccept);
    EXPECT_EQ(l.Add("B"), 2);  // after the equal one
    EXPECT_EQ(Lines(l), QStringList({"a", "b", "B", "C"}));

    for (auto op : {+[](TStringList& x) { x.Insert(0, "z"); }, +[](TStringList& x) { x.Put(0, "z"); },
                    +[](TStringList& x) { x.Exchange(0, 1); }, +[](TStringList& x) { x.Move(0, 1); }})
        EXPECT_EQ(ErrorOf<EStringListError>([&] { op(l); }), "Operation not allowed on sorted list");

    // Case-sensitive order is ordinal, and switching re-sorts.
    l.SetCaseSensitive(true);
    EXPECT_EQ(Lines(l), QStringList({"B", "C", "a", "b"}));
    EXPECT_EQ(l.IndexOf("c"), -1);
}

TEST(StringList, SortIsStableAndSafe)
{
    TStringList l;
    for (const char* s : {"b1", "a1", "b2", "a2", "c1", "a3"})
        l.Add(s);
    l.CustomSort([](const TStringList& L, int i, int j) {
        return int(L[i][0].unicode()) - int(L[j][0].unicode());
    });
    EXPECT_EQ(Lines(l), QStringList({"a1", "a2", "a3", "b1", "b2", "c1"}));

    // A comparison that contradicts itself must not lose or repeat items.
    TStringList m;
    for (int i = 0; i < 100; ++i)
        m.Add(QString::number(i));
    int calls = 0;
    m.CustomSort([&](const TStringList&, int, int) { return (++calls % 3) - 1; });
    QStringList got = Lines(m);
    std::sort(got.begin(), got.end());
    QStringList want;
    for (int i = 0; i < 100; ++i)
        want << QString::number(i);
    std::sort(want.begin(), want.end());
    EXPECT_EQ(got, want);

    // A throwing comparison leaves the list as it was.
    const QStringList before = Lines(l);
    EXPECT_THROW(l.CustomSort([](const TStringList&, int, int) -> int { throw EAbort("x"); }), EAbort);
    EXPECT_EQ(Lines(l), before);
}

TEST(StringList, NamesAndValues)
{
    TStringList l;
    l.SetText("Width=10\nplain\nheight=x=y");
    EXPECT_EQ(l.Names(0), "Width");
    EXPECT_EQ(l.Names(1), "");
    EXPECT_EQ(l.Values("WIDTH"), "10");
    EXPECT_EQ(l.Values("Height"), "x=y");
    EXPECT_EQ(l.Values("plain"), "");  // a line without '=' has no name
    EXPECT_EQ(l.IndexOfName("plain"), -1);

    l.SetValues("Width", "20");
    l.SetValues("Depth", "5");
    EXPECT_EQ(Lines(l), QStringList({"Width=20", "plain", "height=x=y", "Depth=5"}));
    l.SetValues("HEIGHT", "");
    l.SetValues("missing", "");
    EXPECT_EQ(Lines(l), QStringList({"Width=20", "plain", "Depth=5"}));
}

TEST(StringList, EditingKeepsObjects)
{
    int live = 0;
    TStringList l;
    auto* a = new TCounted(live);
    auto* b = new TCounted(live);
    l.AddObject("a", a);
    l.AddObject("b", b);
    l.Add("c");
    l.Move(0, 2);
    EXPECT_EQ(Lines(l), QStringList({"b", "c", "a"}));
    EXPECT_EQ(l.Objects(2), a);
    l.Exchange(0, 2);
    EXPECT_EQ(l.Objects(0), a);
    EXPECT_EQ(l.Objects(2), b);
    l.Put(0, "A");
    EXPECT_EQ(l.Objects(0), a);
    EXPECT_EQ(l.IndexOfObject(b), 2);

    // Adding a list to itself ends, with strings and objects doubled.
    l.AddStrings(l);
    EXPECT_EQ(Lines(l), QStringList({"A", "c", "b", "A", "c", "b"}));
    EXPECT_EQ(l.Objects(3), a);

    TStringList copy;
    copy.Assign(static_cast<const TPersistent*>(&l));
    EXPECT_TRUE(copy.Equals(l));
    copy.Put(0, "a");
    EXPECT_FALSE(copy.Equals(l));  // exact comparison
    delete a;
    delete b;
    EXPECT_EQ(live, 0);
}

TEST(StringList, OwnsObjects)
{
    int live = 0;
    {
        TStringList l;
        l.SetOwnsObjects(true);
        for (int i = 0; i < 4; ++i)
            l.AddObject(QString::number(i), new TCounted(live));
        l.Move(3, 0);  // moving must not free
        l.Delete(0);
        EXPECT_EQ(live, 3);
        l.Clear();
        EXPECT_EQ(live, 0);
        l.AddObject("x", new TCounted(live));
    }
    EXPECT_EQ(live, 0);
}

TEST(StringList, AnOwningListRefusesToShareObjects)
{
    int live = 0;
    {
        TStringList source;
        source.SetOwnsObjects(true);
        source.AddObject("a", new TCounted(live));
        TStringList owner;
        owner.SetOwnsObjects(true);
        owner.Add("kept");
        EXPECT_EQ(ErrorOf<EStringListError>([&] { owner.Assign(source); }),
                  "A list that owns its objects cannot take another list's objects");
        EXPECT_EQ(Lines(owner), QStringList{"kept"});
        EXPECT_EQ(ErrorOf<EStringListError>([&] { source.AddStrings(source); }),
                  "A list that owns its objects cannot take another list's objects");
        TStringList borrower;  // does not own: sharing is fine
        borrower.Assign(source);
        EXPECT_EQ(borrower.Objects(0), source.Objects(0));
    }
    EXPECT_EQ(live, 0);
}

TEST(StringList, ChangeNotifications)
{
    TStringList l;
    QString log;
    l.OnChanging = [&] { log += u'<'; };
    l.OnChange = [&] { log += u'>'; };
    l.Add("a");
    l.Delete(0);
    EXPECT_EQ(log, "<><>");

    log.clear();
    l.BeginUpdate();
    l.BeginUpdate();
    l.SetText("x\ny\nz");
    l.EndUpdate();
    EXPECT_EQ(log, "<");
    l.EndUpdate();
    l.EndUpdate();  // unbalanced: ignored
    EXPECT_EQ(log, "<>");

    // A failing SetText still ends its update.
    l.SetSorted(true);
    l.SetDuplicates(dupError);
    log.clear();
    EXPECT_THROW(l.SetText("a\na"), EStringListError);
    EXPECT_EQ(l.UpdateCount(), 0);
    EXPECT_EQ(log, "<>");
}

TEST(StringList, Streams)
{
    TStringList l;
    l.SetText(QString::fromUtf8("Grüße\n€ 5"));
    TMemoryStream m;
    l.SaveToStream(m);
    EXPECT_EQ(m.Bytes(), QByteArray("Gr\xFC\xDF" "e\r\n\x80 5\r\n"));

    TStringList back;
    m.SetPosition(0);
    back.LoadFromStream(m);
    EXPECT_TRUE(back.Equals(l));

    // Nothing is written when a character cannot be stored.
    l.Add(QString::fromUtf8("中"));
    TMemoryStream n;
    EXPECT_EQ(ErrorOf<EConvertError>([&] { l.SaveToStream(n); }),
              "Character U+4E2D cannot be stored in the ANSI code page");
    EXPECT_EQ(n.Size(), 0);
    EXPECT_EQ(back.ClassName(), "TStringList");
}
