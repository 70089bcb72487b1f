// Which editor a component gets: the nearest registered class, the latest
// registration of that class, else the default editor.

#include "classlib/core/classbuilder.h"
#include "classlib/core/component.h"
#include "classlib/design/componenteditor.h"

#include <gtest/gtest.h>

#include <QString>

#include <utility>
#include <vector>

using namespace classlib;

namespace {

// TEdShape descends from TEdElement; TEdLabel and TEdRoundShape further down.
class TEdElement : public TComponent {
    QX_CLASS(TEdElement, TComponent)
public:
    using TComponent::TComponent;
};
class TEdShape : public TEdElement {
    QX_CLASS(TEdShape, TEdElement)
public:
    using TEdElement::TEdElement;
};
class TEdRoundShape : public TEdShape {
    QX_CLASS(TEdRoundShape, TEdShape)
public:
    using TEdShape::TEdShape;
};
class TEdLabel : public TEdElement {
    QX_CLASS(TEdLabel, TEdElement)
public:
    using TEdElement::TEdElement;
};

const TClassInfo& TEdElement::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TEdElement>("TEdElement").Build();
    return info;
}
const TClassInfo& TEdShape::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TEdShape>("TEdShape").Build();
    return info;
}
const TClassInfo& TEdRoundShape::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TEdRoundShape>("TEdRoundShape").Build();
    return info;
}
const TClassInfo& TEdLabel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TEdLabel>("TEdLabel").Build();
    return info;
}

// Editors that say who they are through their one verb.
template <char Tag>
class TTaggedEditor : public TComponentEditor {
public:
    using TComponentEditor::TComponentEditor;
    int GetVerbCount() override { return 1; }
    QString GetVerb(int) override { return QString(QChar(Tag)); }
};

const TComponentEditorClass EditorA = ComponentEditorClass<TTaggedEditor<'A'>>();
const TComponentEditorClass EditorB = ComponentEditorClass<TTaggedEditor<'B'>>();
const TComponentEditorClass EditorC = ComponentEditorClass<TTaggedEditor<'C'>>();

// Which editor Component gets: its verb, or "default".
QString EditorOf(TComponent* Component)
{
    auto editor = GetComponentEditor(Component, nullptr);
    return editor->GetVerbCount() == 0 ? QString("default") : editor->GetVerb(0);
}

using TRegistrations = std::vector<std::pair<const TClassInfo*, TComponentEditorClass>>;

// Registers for one test and takes it back afterwards, last first.
class TScopedRegistrations {
public:
    explicit TScopedRegistrations(TRegistrations List) : FList(std::move(List))
    {
        for (const auto& [cls, editor] : FList) RegisterComponentEditor(*cls, editor);
    }
    ~TScopedRegistrations()
    {
        for (auto it = FList.rbegin(); it != FList.rend(); ++it) UnregisterComponentEditor(*it->first, it->second);
    }

private:
    TRegistrations FList;
};

struct TLookupCase {
    const char* Name;
    TRegistrations Registered;
    const TClassInfo* ComponentClass;
    const char* Expected;
};

TEST(ComponentEditorLookup, NearestClassThenLatestRegistration)
{
    const TClassInfo* component = &TComponent::StaticClass();
    const TClassInfo* element = &TEdElement::StaticClass();
    const TClassInfo* shape = &TEdShape::StaticClass();
    const TClassInfo* round = &TEdRoundShape::StaticClass();
    const TClassInfo* label = &TEdLabel::StaticClass();

    const std::vector<TLookupCase> cases = {
        {"nothing registered gives the default editor", {}, shape, "default"},
        {"the exact class", {{shape, EditorA}}, shape, "A"},
        {"an ancestor's editor serves a descendant", {{element, EditorA}}, round, "A"},
        {"a descendant's editor does not serve its ancestor", {{round, EditorA}}, shape, "default"},
        {"a sibling's editor does not serve", {{label, EditorA}}, shape, "default"},
        {"the nearer class wins though registered first", {{shape, EditorA}, {element, EditorB}}, round, "A"},
        {"the nearer class wins when registered last", {{element, EditorA}, {shape, EditorB}}, round, "B"},
        {"the latest registration of one class wins", {{shape, EditorA}, {shape, EditorB}}, shape, "B"},
        {"the latest of one class wins over an earlier farther one",
         {{component, EditorC}, {shape, EditorA}, {shape, EditorB}}, round, "B"},
        {"the root class serves every component", {{component, EditorC}}, label, "C"},
        {"each branch gets its own", {{shape, EditorA}, {label, EditorB}}, label, "B"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TScopedRegistrations scope(c.Registered);
        std::unique_ptr<TComponent> instance(static_cast<TComponent*>(c.ComponentClass->Create(nullptr)));
        EXPECT_EQ(EditorOf(instance.get()), QString(c.Expected));
    }
}

TEST(ComponentEditorLookup, UnregisteringRestoresTheEarlierEditor)
{
    TEdShape shape(nullptr);
    RegisterComponentEditor(TEdShape::StaticClass(), EditorA);
    RegisterComponentEditor(TEdShape::StaticClass(), EditorB);
    EXPECT_EQ(EditorOf(&shape), "B");
    UnregisterComponentEditor(TEdShape::StaticClass(), EditorB);
    EXPECT_EQ(EditorOf(&shape), "A");
    // Not registered: nothing changes.
    UnregisterComponentEditor(TEdShape::StaticClass(), EditorC);
    EXPECT_EQ(EditorOf(&shape), "A");
    UnregisterComponentEditor(TEdShape::StaticClass(), EditorA);
    EXPECT_EQ(EditorOf(&shape), "default");
}

TEST(ComponentEditorLookup, EditorHoldsItsComponentAndDesigner)
{
    TEdLabel label(nullptr);
    RegisterComponentEditor(TEdElement::StaticClass(), EditorA);
    auto editor = GetComponentEditor(&label, nullptr);
    UnregisterComponentEditor(TEdElement::StaticClass(), EditorA);
    EXPECT_EQ(editor->Component(), &label);
    EXPECT_EQ(editor->Designer(), nullptr);
}

TEST(ComponentEditorLookup, DefaultEditorDoesNothing)
{
    TEdLabel label(nullptr);
    label.SetName("Label1");
    auto editor = GetComponentEditor(&label, nullptr);
    EXPECT_EQ(editor->GetVerbCount(), 0);
    editor->Edit();
    editor->ExecuteVerb(0);
    editor->Copy();
    EXPECT_EQ(label.Name(), "Label1");
    EXPECT_EQ(label.ComponentCount(), 0);
    // No component: still an editor, of nothing.
    EXPECT_EQ(GetComponentEditor(nullptr, nullptr)->Component(), nullptr);
}

} // namespace
