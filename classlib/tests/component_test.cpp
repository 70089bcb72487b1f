#include "classlib/core/classbuilder.h"
#include "classlib/core/component.h"
#include "classlib/core/sysutils.h"

#include "classlib/tests/errorof.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace classlib;

namespace component_test {

// Logs the notifications it receives and forgets a watched component.
class TWatcher : public TComponent {
    QX_CLASS(TWatcher, TComponent)
public:
    using TComponent::TComponent;
    TComponent* Watched = nullptr;
    QStringList Log;

    void Watch(TComponent* C)
    {
        Watched = C;
        if (C) C->FreeNotification(this);
    }
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        Log << QString("%1 %2").arg(Operation == opInsert ? "insert" : "remove", AComponent->Name());
        if (Operation == opRemove && AComponent == Watched) Watched = nullptr;
    }
};

const TClassInfo& TWatcher::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TWatcher>("TWatcher").Build();
    return info;
}

QString ErrorOf(const std::function<void()>& f)
{
    const QString message = classlib::test::ErrorOf(f);
    return message == "<no error>" ? QString() : message;
}

TEST(Component, OwnerKeepsAnOrderedListAndFreesIt)
{
    auto* owner = new TWatcher(nullptr);
    auto* a = new TComponent(owner);
    a->SetName("A");
    auto* b = new TComponent(owner);
    b->SetName("B");
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->Components(1), b);
    EXPECT_EQ(b->ComponentIndex(), 1);
    b->SetComponentIndex(0);
    EXPECT_EQ(owner->Components(0), b);
    EXPECT_EQ(owner->FindComponent("a"), a);
    EXPECT_EQ(owner->FindComponent(""), nullptr);
    EXPECT_EQ(ErrorOf([&] { owner->Components(2); }), "List index out of bounds (2)");

    delete a;
    EXPECT_EQ(owner->ComponentCount(), 1);
    EXPECT_EQ(owner->Log.last(), "remove A");
    delete owner;  // frees b; the sanitizer build reports a leak or double free
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner)
{
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName("Label1");
    auto* b = new TComponent(&owner);

    struct Row {
        const char* name;
        const char* error;
    } rows[] = {
        {"LABEL1", "A component named LABEL1 already exists"},
        {"1Label", "'1Label' is not a valid component name"},
        {"Label 2", "'Label 2' is not a valid component name"},
        {"_Label2", ""},
        {"", ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ErrorOf([&] { b->SetName(r.name); }), r.error) << r.name;

    // Renaming to another case of its own name is allowed.
    EXPECT_EQ(ErrorOf([&] { a->SetName("label1"); }), "");
    EXPECT_EQ(a->Name(), "label1");
}

TEST(Component, FreeNotificationReachesComponentsOfOtherOwners)
{
    auto* watcher = new TWatcher(nullptr);
    auto* other = new TComponent(nullptr);
    other->SetName("Other");
    watcher->Watch(other);
    delete other;
    EXPECT_EQ(watcher->Watched, nullptr);

    // The watcher goes first: the watched one must not call it later.
    auto* watched = new TComponent(nullptr);
    watcher->Watch(watched);
    delete watcher;
    delete watched;
}

TEST(Component, SiblingsHearOfEachOtherThroughTheOwner)
{
    TComponent owner(nullptr);
    auto* w = new TWatcher(&owner);
    auto* s = new TComponent(&owner);
    s->SetName("Sibling");
    w->Watch(s);
    EXPECT_TRUE(w->Log.contains("insert "));  // inserted before it was named
    delete s;
    EXPECT_EQ(w->Watched, nullptr);
    EXPECT_EQ(w->Log.last(), "remove Sibling");
}

// A watcher made in numbers, which asks not to hear of its siblings.
class TDeafWatcher : public TWatcher {
public:
    explicit TDeafWatcher(TComponent* AOwner) : TWatcher(AOwner, false) {}
    using TComponent::SetHearsOwner;
    using TComponent::HearsOwner;
};

TEST(Component, OnlyComponentsThatHearGetTheOwnersBroadcasts)
{
    TComponent owner(nullptr);
    auto* deaf = new TDeafWatcher(&owner);
    auto* hearing = new TWatcher(&owner);
    auto* other = new TComponent(nullptr);
    other->SetName("Other");
    deaf->Watch(other);  // another owner: still told of its end
    delete new TComponent(&owner);
    EXPECT_TRUE(deaf->Log.isEmpty());
    EXPECT_EQ(hearing->Log, QStringList({"insert ", "remove "}));
    delete other;
    EXPECT_EQ(deaf->Watched, nullptr);
    // Hearing again, and the owner's count follows a component that leaves.
    deaf->SetHearsOwner(true);
    delete hearing;
    EXPECT_EQ(deaf->Log.last(), "remove ");
    deaf->SetHearsOwner(false);
    owner.RemoveComponent(deaf);
    TComponent other2(nullptr);
    other2.InsertComponent(deaf);
    delete new TComponent(&owner);
    EXPECT_EQ(deaf->Log.size(), 2);
}

TEST(Component, ADeafSiblingHearsOfAWatchedSiblingsEndOnce)
{
    TComponent owner(nullptr);
    auto* deaf = new TDeafWatcher(&owner);
    auto* hearing = new TWatcher(&owner);
    auto* s = new TComponent(&owner);
    s->SetName("S");
    deaf->Watch(s);
    hearing->Watch(s);
    delete s;
    EXPECT_EQ(deaf->Watched, nullptr);
    EXPECT_EQ(hearing->Watched, nullptr);
    EXPECT_EQ(deaf->Log, QStringList({"remove S"}));
    EXPECT_EQ(hearing->Log.count("remove S"), 1);
    // A watcher that goes first leaves nothing behind in the watched one.
    auto* t = new TComponent(&owner);
    deaf->Watch(t);
    delete deaf;
    delete t;
    EXPECT_EQ(owner.ComponentCount(), 1);
}

// Logs into one list shared by all, to show the order they are told in.
class TOrderWatcher : public TComponent {
public:
    TOrderWatcher(TComponent* AOwner, QStringList& Log, const QString& Tag) : TComponent(AOwner), FLog(Log)
    {
        SetName(Tag);
    }
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        FLog << Name() + (Operation == opInsert ? "+" : "-") + AComponent->Name();
    }

private:
    QStringList& FLog;
};

TEST(Component, BroadcastsReachTheHearersLastFirstAfterReordering)
{
    QStringList log;
    TComponent owner(nullptr);
    new TOrderWatcher(&owner, log, "A");
    new TOrderWatcher(&owner, log, "B");
    auto* c = new TOrderWatcher(&owner, log, "C");
    new TDeafWatcher(&owner);
    c->SetComponentIndex(0);
    log.clear();
    auto* n = new TComponent(nullptr);
    n->SetName("N");
    owner.InsertComponent(n);
    EXPECT_EQ(log, QStringList({"B+N", "A+N", "C+N"}));
}

TEST(Component, AComponentThatOwnsHearersPassesItsOwnersNewsOn)
{
    TComponent owner(nullptr);
    auto* deaf = new TDeafWatcher(&owner);
    EXPECT_FALSE(deaf->HearsOwner());
    auto* inner = new TWatcher(deaf);
    EXPECT_TRUE(deaf->HearsOwner());
    auto* n = new TComponent(nullptr);
    n->SetName("N");
    owner.InsertComponent(n);
    EXPECT_EQ(inner->Log.last(), "insert N");
    EXPECT_TRUE(deaf->Log.contains("insert N"));
    delete inner;
    EXPECT_FALSE(deaf->HearsOwner());
    const qsizetype heard = deaf->Log.size();
    delete n;
    EXPECT_EQ(deaf->Log.size(), heard);
}

TEST(Component, ManyComponentsFreedFromEitherEndOrTheMiddle)
{
    constexpr int Count = 300;
    struct {
        const char* Name;
        std::function<int(int Step)> Pick;  // the index freed at each step
    } cases[] = {
        {"last first", [](int Step) { return Count - 1 - Step; }},
        {"first first", [](int) { return 0; }},
        {"from the middle", [](int Step) { return (Count - Step) / 2; }},
    };
    for (const auto& c : cases) {
        TComponent owner(nullptr);
        TWatcher watcher(nullptr);  // asks of every one: a long list
        for (int i = 0; i < Count; ++i) {
            auto* x = new TComponent(&owner);
            x->SetName(QString("Item%1").arg(i));
            x->FreeNotification(&watcher);
        }
        QStringList freed;
        for (int step = 0; step < Count; ++step) {
            TComponent* x = owner.Components(c.Pick(step));
            freed << "remove " + x->Name();
            delete x;
            if (step == Count / 2) {
                for (int i = 0; i + 1 < owner.ComponentCount(); ++i)
                    ASSERT_LT(owner.Components(i)->Name().mid(4).toInt(),
                              owner.Components(i + 1)->Name().mid(4).toInt())
                        << c.Name;
                const QString kept = owner.Components(0)->Name();
                EXPECT_EQ(owner.FindComponent(kept.toLower()), owner.Components(0)) << c.Name;
                EXPECT_EQ(owner.FindComponent(freed.last().mid(7)), nullptr) << c.Name;
            }
        }
        EXPECT_EQ(owner.ComponentCount(), 0) << c.Name;
        EXPECT_EQ(watcher.Log, freed) << c.Name;
    }
}

TEST(Component, FreeNotificationsAreToldOnceTheLastAskedFirst)
{
    QStringList log;
    auto* x = new TComponent(nullptr);
    x->SetName("X");
    std::vector<std::unique_ptr<TOrderWatcher>> watchers;
    for (int i = 0; i < 40; ++i) {
        watchers.push_back(std::make_unique<TOrderWatcher>(nullptr, log, QString("W%1").arg(i)));
        x->FreeNotification(watchers.back().get());
        x->FreeNotification(watchers.back().get());  // asked twice, told once
    }
    for (int i = 0; i < 40; i += 3) x->RemoveFreeNotification(watchers[size_t(i)].get());
    watchers[1].reset();  // a watcher that goes is forgotten
    delete x;
    QStringList expected;
    for (int i = 39; i >= 0; --i)
        if (i % 3 != 0 && i != 1) expected << QString("W%1-X").arg(i);
    EXPECT_EQ(log, expected);
}

TEST(Component, DesigningStateReachesOwnedComponents)
{
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    owner.SetDesigning(true);
    EXPECT_TRUE(a->IsDesigning());
    auto* b = new TComponent(&owner);
    EXPECT_TRUE(b->IsDesigning());
    owner.SetDesigning(false);
    EXPECT_FALSE(b->IsDesigning());
}

TEST(Component, GlobalNamesGetASuffixWhenTaken)
{
    TComponent form(nullptr);
    form.SetName("Form1");
    TComponent form2(nullptr);
    form2.SetName("Form1_1");
    AddGlobalComponent(&form);
    AddGlobalComponent(&form2);
    EXPECT_EQ(UniqueGlobalName("Form1"), "Form1_2");
    EXPECT_EQ(UniqueGlobalName("form1", &form), "form1");
    EXPECT_EQ(UniqueGlobalName("Form2"), "Form2");
    RemoveGlobalComponent(&form);
    RemoveGlobalComponent(&form2);
    EXPECT_EQ(UniqueGlobalName("Form1"), "Form1");
}

} // namespace component_test
