#include "classlib/core/classbuilder.h"
#include "classlib/core/component.h"
#include "classlib/core/sysutils.h"

#include "classlib/tests/errorof.h"

#include <gtest/gtest.h>

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
