// Taking back a library's registrations by its group: what the group
// registered goes, what others registered stays, whatever the order.

#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/component.h"
#include "classlib/design/componenteditor.h"
#include "classlib/design/propertyeditorregistry.h"
#include "classlib/design/registrationgroup.h"
#include "classlib/design/stringproperties.h"

#include <gtest/gtest.h>

using namespace classlib;

namespace {

class TRgWidget : public TComponent {
    QX_CLASS(TRgWidget, TComponent)
public:
    using TComponent::TComponent;
};

const TClassInfo& TRgWidget::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TRgWidget>("TRgWidget").Build();
    return info;
}

template <char Tag>
class TRgEditor : public TComponentEditor {
public:
    using TComponentEditor::TComponentEditor;
    int GetVerbCount() override { return 1; }
    QString GetVerb(int) override { return QString(QChar(Tag)); }
};

QString VerbOf(TComponent& C)
{
    auto editor = GetComponentEditor(&C, nullptr);
    return editor->GetVerbCount() ? editor->GetVerb(0) : QString();
}

TEST(RegistrationGroup, NewGroupsAreDistinctAndScopesRestoreTheCurrentOne)
{
    const TRegistrationGroup a = NewRegistrationGroup();
    const TRegistrationGroup b = NewRegistrationGroup();
    EXPECT_NE(a, b);
    EXPECT_NE(a, NoRegistrationGroup);
    EXPECT_EQ(CurrentRegistrationGroup(), NoRegistrationGroup);
    {
        TRegistrationGroupScope outer(a);
        EXPECT_EQ(CurrentRegistrationGroup(), a);
        try {
            TRegistrationGroupScope inner(b);
            EXPECT_EQ(CurrentRegistrationGroup(), b);
            throw Exception("gone");
        } catch (const Exception&) {
        }
        EXPECT_EQ(CurrentRegistrationGroup(), a);
    }
    EXPECT_EQ(CurrentRegistrationGroup(), NoRegistrationGroup);
}

TEST(RegistrationGroup, UnregisterGroupTakesBackOnlyThatGroupsRegistrations)
{
    TRgWidget widget(nullptr);
    const TTypeInfo* str = TypeInfo<QString>();
    const TPropertyEditorClass editor = PropertyEditorClass<TStringProperty>();
    RegisterComponentEditor(TRgWidget::StaticClass(), ComponentEditorClass<TRgEditor<'H'>>());
    const TRegistrationGroup group = NewRegistrationGroup();
    {
        TRegistrationGroupScope scope(group);
        RegisterComponentEditor(TRgWidget::StaticClass(), ComponentEditorClass<TRgEditor<'P'>>());
        RegisterPropertyEditor(str, &TRgWidget::StaticClass(), "Caption", editor);
        RegisterPropertyEditor(str, &TRgWidget::StaticClass(), "Hint", editor);
        RegisterClass(TRgWidget::StaticClass());
    }
    // Registered after the group's: unregistering the group must not take it.
    RegisterComponentEditor(TRgWidget::StaticClass(), ComponentEditorClass<TRgEditor<'L'>>());
    EXPECT_EQ(ComponentEditorGroupCount(group), 1);
    EXPECT_EQ(PropertyEditorGroupCount(group), 2);
    EXPECT_EQ(GetClass("TRgWidget"), &TRgWidget::StaticClass());

    UnregisterGroup(group);
    EXPECT_EQ(ComponentEditorGroupCount(group), 0);
    EXPECT_EQ(PropertyEditorGroupCount(group), 0);
    EXPECT_EQ(GetClass("TRgWidget"), nullptr);
    EXPECT_EQ(VerbOf(widget), "L");
    UnregisterComponentEditor(TRgWidget::StaticClass(), ComponentEditorClass<TRgEditor<'L'>>());
    EXPECT_EQ(VerbOf(widget), "H");
    UnregisterComponentEditor(TRgWidget::StaticClass(), ComponentEditorClass<TRgEditor<'H'>>());
    EXPECT_EQ(VerbOf(widget), "");
}

TEST(RegistrationGroup, AClassRegisteredBeforeTheGroupStaysRegistered)
{
    RegisterClass(TRgWidget::StaticClass());
    const TRegistrationGroup group = NewRegistrationGroup();
    {
        TRegistrationGroupScope scope(group);
        RegisterClass(TRgWidget::StaticClass());
    }
    UnregisterGroup(group);
    EXPECT_EQ(GetClass("TRgWidget"), &TRgWidget::StaticClass());
    UnregisterClass(TRgWidget::StaticClass());
    // No group: nothing registered without one is ever taken back by it.
    UnregisterGroup(NoRegistrationGroup);
}

} // namespace
