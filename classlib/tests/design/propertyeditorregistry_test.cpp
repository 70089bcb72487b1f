// Which editor a property gets, and which properties a selection offers.

#include "editorfixture.h"

#include "classlib/design/classproperty.h"
#include "classlib/design/ordinalproperties.h"

#include <algorithm>

using namespace classlib;
using namespace classlib::test;

namespace {

// Editors that say who they are through their value.
template <char Tag>
class TTaggedEditor : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() override { return {TPropertyAttribute::paMultiSelect}; }
    QString GetValue() override { return QString(QChar(Tag)); }
};

const TPropertyEditorClass EditorA = PropertyEditorClass<TTaggedEditor<'A'>>();
const TPropertyEditorClass EditorB = PropertyEditorClass<TTaggedEditor<'B'>>();
const TPropertyEditorClass EditorC = PropertyEditorClass<TTaggedEditor<'C'>>();

struct TRegistration {
    const TTypeInfo* Type;
    const TClassInfo* Class;
    const char* Name;
    TPropertyEditorClass Editor;
};

// Registers for the length of a test, and takes it all back.
class TScopedRegistrations {
public:
    explicit TScopedRegistrations(std::vector<TRegistration> List) : FList(std::move(List))
    {
        for (const TRegistration& r : FList) RegisterPropertyEditor(r.Type, r.Class, r.Name, r.Editor);
    }
    ~TScopedRegistrations()
    {
        for (auto it = FList.rbegin(); it != FList.rend(); ++it)
            UnregisterPropertyEditor(it->Type, it->Class, it->Name, it->Editor);
    }

private:
    std::vector<TRegistration> FList;
};

// The value the editor of Prop shows: its tag, or the standard editor's.
QString ShownBy(TEditorFixture& F, TComponent* Component, const char* Prop)
{
    auto editor = F.EditorOf({Component}, QString::fromLatin1(Prop));
    return editor ? editor->GetValue() : QStringLiteral("<none>");
}

TEST(PropertyEditorRegistry, TypeThenClassThenNameThenTheLaterRegistration)
{
    const TClassInfo* target = &TPeTarget::StaticClass();
    const TClassInfo* derived = &TPeDerived::StaticClass();
    const TTypeInfo* integer = TypeInfo<int>();
    const TTypeInfo* font = TypeInfo<TFont*>();
    const TTypeInfo* component = TypeInfo<TComponent*>();
    const TTypeInfo* persistent = TypeInfo<TPersistent*>();
    const struct {
        const char* Case;
        std::vector<TRegistration> Registrations;
        bool OnDerived;
        const char* Prop;
        const char* Shown;
    } cases[] = {
        {"none: the kind's editor", {}, false, "Int", "0"},
        {"by type", {{integer, nullptr, "", EditorA}}, false, "Int", "A"},
        {"another type does not apply", {{TypeInfo<qint16>(), nullptr, "", EditorA}}, false, "Int", "0"},
        {"the later of equals",
         {{integer, nullptr, "", EditorA}, {integer, nullptr, "", EditorB}}, false, "Int", "B"},
        {"a class before every class",
         {{integer, target, "", EditorA}, {integer, nullptr, "", EditorB}}, false, "Int", "A"},
        {"the nearer class",
         {{integer, derived, "", EditorA}, {integer, target, "", EditorB}}, true, "Int", "A"},
        {"a descendant's class does not apply to the ancestor",
         {{integer, target, "", EditorB}, {integer, derived, "", EditorA}}, false, "Int", "B"},
        {"a name before every name",
         {{integer, target, "Int", EditorA}, {integer, target, "", EditorB}}, false, "Int", "A"},
        {"another name does not apply", {{integer, nullptr, "Card", EditorA}}, false, "Int", "0"},
        {"names without regard to case", {{integer, nullptr, "INT", EditorA}}, false, "Int", "A"},
        {"the class before the name",
         {{integer, nullptr, "Int", EditorA}, {integer, target, "", EditorB}}, false, "Int", "B"},
        {"an object's class by inheritance", {{component, nullptr, "", EditorA}}, false, "Buddy", "A"},
        {"the exact type before a class and name",
         {{persistent, target, "Font", EditorA}, {font, nullptr, "", EditorB}}, false, "Font", "B"},
        {"the exact type before an ancestor",
         {{TypeInfo<TPeTarget*>(), nullptr, "", EditorA}, {component, nullptr, "", EditorB}}, false, "Buddy", "A"},
        {"the nearer ancestor type",
         {{component, nullptr, "", EditorA}, {persistent, nullptr, "", EditorB}}, false, "Buddy", "A"},
        {"a class type matches no ancestor's property",
         {{TypeInfo<TPeDerived*>(), nullptr, "", EditorA}}, false, "Buddy", ""},
        {"a nil editor hides the property", {{integer, target, "Int", nullptr}}, false, "Int", "<none>"},
    };
    for (const auto& c : cases) {
        TEditorFixture f;
        TPeDerived* d = new TPeDerived(&f.Root);
        const TScopedRegistrations scope(c.Registrations);
        EXPECT_EQ(ShownBy(f, c.OnDerived ? d : f.Target, c.Prop), QString::fromLatin1(c.Shown)) << c.Case;
    }
}

TEST(PropertyEditorRegistry, UnregisteringRestoresTheEarlierEditor)
{
    TEditorFixture f;
    RegisterPropertyEditor(TypeInfo<int>(), nullptr, "", EditorA);
    RegisterPropertyEditor(TypeInfo<int>(), nullptr, "", EditorB);
    RegisterPropertyEditor(TypeInfo<int>(), nullptr, "", EditorA);
    UnregisterPropertyEditor(TypeInfo<int>(), nullptr, "", EditorA);
    EXPECT_EQ(ShownBy(f, f.Target, "Int"), "B");
    UnregisterPropertyEditor(TypeInfo<int>(), nullptr, "", EditorB);
    EXPECT_EQ(ShownBy(f, f.Target, "Int"), "A");
    UnregisterPropertyEditor(TypeInfo<int>(), nullptr, "", EditorA);
    // Nothing left to take back.
    UnregisterPropertyEditor(TypeInfo<int>(), nullptr, "", EditorA);
    EXPECT_EQ(ShownBy(f, f.Target, "Int"), "0");
}

// A registration for one named type never captures another type's
// properties of the same representation.
TEST(PropertyEditorRegistry, NamedTypesKeepTheirEditorsApart)
{
    const struct {
        const char* Case;
        const TTypeInfo* Type;
        const char* Captured;
        const char* Untouched;
    } cases[] = {
        {"event type", TypeInfo<TPeDoneEvent>(), "OnDone", "OnClick"},
        {"notify event", TypeInfo<TNotifyEvent>(), "OnClick", "OnDone"},
        {"caption", TypeInfo<TCaption>(), "Caption", "Text"},
        {"string", TypeInfo<QString>(), "Text", "Caption"},
        {"short string", ShortStringType(), "Short", "Name"},
        {"tab order", TypeInfo<TTabOrder>(), "TabOrder", "Cursor"},
        {"integer", TypeInfo<int>(), "Int", "Color"},
    };
    for (const auto& c : cases) {
        TEditorFixture f;
        const TScopedRegistrations scope({{c.Type, nullptr, "", EditorC}});
        EXPECT_EQ(ShownBy(f, f.Target, c.Captured), "C") << c.Case;
        EXPECT_NE(ShownBy(f, f.Target, c.Untouched), "C") << c.Case;
    }
}

TEST(PropertyEditorRegistry, OneSelectionOffersItsEditablePropertiesInNameOrder)
{
    TEditorFixture f;
    const QStringList names = f.NamesOf({f.Target});
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(),
                               [](const QString& a, const QString& b) { return CompareText(a, b) < 0; }));
    // Read-only values are not offered; objects are, for their own rows.
    EXPECT_FALSE(names.contains("Fixed"));
    EXPECT_TRUE(names.contains("Font"));
    EXPECT_TRUE(names.contains("Name"));
    EXPECT_TRUE(names.contains("OnClick"));
    EXPECT_EQ(f.NamesOf({f.Target}, TTypeKinds{TTypeKind::tkFloat}), QStringList({"Ext", "Ratio", "Single"}));
    EXPECT_EQ(f.NamesOf({f.Target}, TTypeKinds{TTypeKind::tkString}), QStringList({"Name", "Short"}));
    EXPECT_FALSE(f.NamesOf({f.Target}, tkProperties).contains("OnClick"));
    EXPECT_TRUE(f.NamesOf({}).isEmpty());
}

TEST(PropertyEditorRegistry, SeveralComponentsShareOnlyCommonMultiSelectProperties)
{
    TEditorFixture f;
    TPeDerived* d = new TPeDerived(&f.Root);
    // Same class: everything but the name and the tab order, which are
    // never set for several components at once.
    const QStringList twins = f.NamesOf({f.Target, f.Target2});
    EXPECT_EQ(twins.size() + 2, f.NamesOf({f.Target}).size());
    EXPECT_FALSE(twins.contains("Name"));
    EXPECT_FALSE(twins.contains("TabOrder"));
    // Another class: the properties of both with the same type (Text is
    // a string here and an integer there).
    EXPECT_EQ(f.NamesOf({f.Target, f.Other}), QStringList({"Color", "Int", "Tag"}));
    EXPECT_EQ(f.NamesOf({f.Other, f.Target}), QStringList({"Color", "Int", "Tag"}));
    EXPECT_TRUE(f.NamesOf({f.Target, d}).contains("Int"));
    // An editor of its own for one of the classes: no common editor.
    const TScopedRegistrations scope({{TypeInfo<int>(), &TPeDerived::StaticClass(), "Int", EditorA}});
    EXPECT_FALSE(f.NamesOf({f.Target, d}).contains("Int"));
    EXPECT_EQ(ShownBy(f, d, "Int"), "A");
}

// An editor without the multi-select attribute is not offered for several
// components, whatever its kind.
TEST(PropertyEditorRegistry, EditorsWithoutMultiSelectServeOneComponent)
{
    class TSingleOnly : public TIntegerProperty {
    public:
        using TIntegerProperty::TIntegerProperty;
        TPropertyAttributes GetAttributes() override { return {}; }
    };
    TEditorFixture f;
    const TScopedRegistrations scope({{TypeInfo<int>(), nullptr, "Int", PropertyEditorClass<TSingleOnly>()}});
    EXPECT_TRUE(f.NamesOf({f.Target}).contains("Int"));
    EXPECT_FALSE(f.NamesOf({f.Target, f.Target2}).contains("Int"));
}

} // namespace
