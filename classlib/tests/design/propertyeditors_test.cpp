// What the standard editors show and offer, and the editors with
// behaviour beyond a typed value: set elements, value cycling, event
// handlers, component references and the colour and font dialogs.

#include "editorfixture.h"

#include "../errorof.h"

#include "classlib/controls/modalresponder.h"
#include "classlib/design/colorproperty.h"
#include "classlib/design/fontproperty.h"
#include "classlib/design/methodproperty.h"
#include "classlib/design/setproperty.h"

using namespace classlib;
using namespace classlib::test;

namespace {

using enum TPropertyAttribute;

QStringList ValuesOf(TPropertyEditor& Editor)
{
    QStringList values;
    Editor.GetValues([&](const QString& S) { values << S; });
    return values;
}

std::vector<std::unique_ptr<TPropertyEditor>> SubPropertiesOf(TPropertyEditor& Editor)
{
    std::vector<std::unique_ptr<TPropertyEditor>> rows;
    Editor.GetProperties([&](std::unique_ptr<TPropertyEditor> e) { rows.push_back(std::move(e)); });
    return rows;
}

TEST(PropertyEditors, ShowValuesOfEveryKind)
{
    TEditorFixture f;
    f.Target->FInt = -3;
    f.Target->FCard = 4000000000u;
    f.Target->FCh = '\x80';
    f.Target->FShade = shMedium;
    f.Target->FShades = {shLight, shDark};
    f.Target->FSingle = 0.1f;
    f.Target->FRatio = 1.0 / 3;
    f.Target->FColor = clBtnFace;
    f.Target->FCursor = TCursor(-22);
    const struct {
        const char* Prop;
        QString Shown;
    } cases[] = {
        {"Int", "-3"},
        {"Card", "4000000000"},
        {"Ch", "#128"},
        {"Shade", "shMedium"},
        {"Shades", "[shLight,shDark]"},
        {"Single", "0.1"},
        {"Ratio", "0.333333333333333"},
        {"Color", "clBtnFace"},
        {"Cursor", "crSizeAll"},
        {"Font", "(TFont)"},
        {"Partner", ""},
        {"OnClick", ""},
    };
    for (const auto& c : cases) {
        auto editor = f.EditorOf(QString::fromLatin1(c.Prop));
        ASSERT_TRUE(editor) << c.Prop;
        EXPECT_EQ(editor->GetValue(), c.Shown) << c.Prop;
    }
}

TEST(PropertyEditors, OfferTheirValues)
{
    TEditorFixture f;
    auto shade = f.EditorOf("Shade");
    EXPECT_EQ(ValuesOf(*shade), QStringList({"shLight", "shMedium", "shDark"}));
    auto flag = f.EditorOf("Flag");
    EXPECT_EQ(ValuesOf(*flag), QStringList({"False", "True"}));
    auto color = f.EditorOf("Color");
    EXPECT_TRUE(ValuesOf(*color).contains("clBtnFace"));
    EXPECT_EQ(ValuesOf(*color).first(), "clBlack");
    auto cursor = f.EditorOf("Cursor");
    EXPECT_EQ(ValuesOf(*cursor).size(), 22);
    EXPECT_TRUE(ValuesOf(*cursor).contains("crHandPoint"));
    // Components of the property's class on the form.
    auto partner = f.EditorOf("Partner");
    EXPECT_EQ(ValuesOf(*partner), QStringList({"Target1", "Target2", "Other1"}));
}

// The attributes the inspector builds its controls from.
TEST(PropertyEditors, TellTheInspectorHowToEdit)
{
    TEditorFixture f;
    const struct {
        const char* Prop;
        TPropertyAttributes Attributes;
        int EditLimit;
    } cases[] = {
        {"Int", {paMultiSelect, paRevertable}, 63},
        {"Shade", {paMultiSelect, paValueList, paSortList, paRevertable}, 63},
        {"Shades", {paMultiSelect, paSubProperties, paReadOnly, paRevertable}, 63},
        {"Short", {paMultiSelect, paRevertable}, 255},
        {"Name", {}, 63},
        {"Caption", {paMultiSelect, paAutoUpdate}, 255},
        {"Color", {paMultiSelect, paDialog, paValueList, paRevertable}, 63},
        {"Cursor", {paMultiSelect, paSortList, paValueList, paRevertable}, 63},
        {"TabOrder", {}, 63},
        {"Font", {paMultiSelect, paSubProperties, paDialog, paReadOnly}, 255},
        {"Partner", {paMultiSelect, paValueList, paSortList, paRevertable}, 127},
        {"OnClick", {paMultiSelect, paValueList, paSortList, paRevertable}, 63},
    };
    for (const auto& c : cases) {
        auto editor = f.EditorOf(QString::fromLatin1(c.Prop));
        ASSERT_TRUE(editor) << c.Prop;
        EXPECT_EQ(editor->GetAttributes().Mask(), c.Attributes.Mask()) << c.Prop;
        EXPECT_EQ(editor->GetEditLimit(), c.EditLimit) << c.Prop;
    }
}

TEST(PropertyEditors, DifferingValuesShowEmpty)
{
    TEditorFixture f;
    f.Target->FInt = 1;
    f.Target2->FInt = 2;
    f.Target->FText = f.Target2->FText = "same";
    auto differing = f.EditorOf({f.Target, f.Target2}, "Int");
    EXPECT_FALSE(differing->AllEqual());
    EXPECT_EQ(differing->GetVisualValue(), "");
    EXPECT_EQ(differing->GetValue(), "1");
    auto same = f.EditorOf({f.Target, f.Target2}, "Text");
    EXPECT_TRUE(same->AllEqual());
    EXPECT_EQ(same->GetVisualValue(), "same");
    // Every object row names the same type.
    EXPECT_EQ(f.EditorOf({f.Target, f.Target2}, "Font")->GetVisualValue(), "(TFont)");
}

// Without a dialog, a double click steps through the values and wraps.
TEST(PropertyEditors, EditStepsToTheNextValue)
{
    TEditorFixture f;
    auto shade = f.EditorOf("Shade");
    QStringList seen;
    for (int i = 0; i < 4; ++i) {
        shade->Edit();
        seen << shade->GetValue();
    }
    // The list is sorted, as the attributes ask.
    EXPECT_EQ(seen, QStringList({"shMedium", "shDark", "shLight", "shMedium"}));
}

TEST(PropertyEditors, SetElementsAreRowsOfTheirOwn)
{
    TEditorFixture f;
    f.Target->FShades = {shMedium};
    f.Target2->FShades = {shLight, shMedium};
    auto set = f.EditorOf({f.Target, f.Target2}, "Shades");
    auto rows = SubPropertiesOf(*set);
    ASSERT_EQ(rows.size(), 3u);
    QStringList names, values;
    for (auto& r : rows) names << r->GetName(), values << r->GetVisualValue();
    EXPECT_EQ(names, QStringList({"shLight", "shMedium", "shDark"}));
    EXPECT_EQ(values, QStringList({"", "True", "False"}));
    EXPECT_EQ(ValuesOf(*rows[0]), QStringList({"False", "True"}));

    rows[2]->SetValue("true");
    // Each component keeps its own other elements.
    EXPECT_EQ(f.Target->FShades, TPeShades({shMedium, shDark}));
    EXPECT_EQ(f.Target2->FShades, TPeShades({shLight, shMedium, shDark}));
    EXPECT_EQ(set->GetValue(), "[shMedium,shDark]");
    EXPECT_EQ(f.Designer.ModifiedCount, 1);

    rows[1]->SetValue("False");
    EXPECT_EQ(f.Target2->FShades, TPeShades({shLight, shDark}));
    EXPECT_EQ(ErrorOf<EPropertyError>([&] { rows[0]->SetValue("maybe"); }), "Invalid property value");
    EXPECT_EQ(f.Target2->FShades, TPeShades({shLight, shDark}));
}

TEST(PropertyEditors, FontRowsAreTheFontsProperties)
{
    TEditorFixture f;
    auto font = f.EditorOf("Font");
    QStringList names;
    for (auto& r : SubPropertiesOf(*font)) names << r->GetName();
    EXPECT_TRUE(names.contains("Color"));
    EXPECT_TRUE(names.contains("Name"));
    EXPECT_TRUE(names.contains("Style"));
}

TEST(PropertyEditors, EventHandlersAreCreatedRenamedAndUnbound)
{
    TEditorFixture f;
    auto click = f.EditorOf("OnClick");
    // A double click creates the handler under the default name.
    click->Edit();
    EXPECT_EQ(click->GetValue(), "Target1Click");
    EXPECT_EQ(f.Designer.Shown, QStringList({"Target1Click", "Target1Click"}));
    ASSERT_TRUE(f.Target->FOnClick.Assigned());

    // Another name that does not exist renames the handler.
    click->SetValue("ButtonPressed");
    EXPECT_EQ(f.Designer.Renamed, QStringList({"Target1Click->ButtonPressed"}));
    EXPECT_EQ(click->GetValue(), "ButtonPressed");

    // The handler is offered to events of its parameter list only.
    f.Designer.CreateMethod("Unrelated", TypeInfo<TKeyEvent>());
    EXPECT_EQ(ValuesOf(*click), QStringList({"ButtonPressed"}));

    click->SetValue("");
    EXPECT_FALSE(f.Target->FOnClick.Assigned());
    EXPECT_EQ(click->GetValue(), "");
}

TEST(PropertyEditors, HandlerNamesFollowTheComponentAndTheRoot)
{
    TEditorFixture f;
    auto done = f.EditorOf("OnDone");
    EXPECT_EQ(static_cast<TMethodProperty*>(done.get())->GetFormMethodName(), "Target1Done");
    f.Target->SetName("");
    EXPECT_EQ(ErrorOf<EPropertyError>([&] { done->Edit(); }),
              "Cannot create a method for an unnamed component");
    EXPECT_FALSE(f.Target->FOnDone.Assigned());

    // The root's handlers take its class name less the T.
    TPeTarget root(nullptr);
    TRecordingDesigner designer(&root);
    TComponentList list;
    list.Add(&root);
    GetComponentProperties(list, TTypeKinds{TTypeKind::tkMethod}, &designer, [&](std::unique_ptr<TPropertyEditor> e) {
        if (e->GetName() == "OnClick") e->Edit();
    });
    EXPECT_EQ(designer.Shown.value(0), "PeTargetClick");
}

TEST(PropertyEditors, ComponentReferencesKeepToTheirClass)
{
    TEditorFixture f;
    auto partner = f.EditorOf("Partner");
    partner->SetValue("Target2");
    EXPECT_EQ(f.Target->FPartner, f.Target2);
    partner->SetValue("");
    EXPECT_EQ(f.Target->FPartner, nullptr);

    // Buddy takes targets only: it offers them alone and refuses others.
    auto buddy = f.EditorOf("Buddy");
    EXPECT_EQ(ValuesOf(*buddy), QStringList({"Target1", "Target2"}));
    EXPECT_EQ(ErrorOf<EPropertyError>([&] { buddy->SetValue("Other1"); }), "Invalid property value");
    EXPECT_EQ(f.Target->FBuddy, nullptr);
    buddy->SetValue("target2");
    EXPECT_EQ(f.Target->FBuddy, f.Target2);
}

// The form's own rules for names come through as the form raises them.
TEST(PropertyEditors, ATakenNameIsRefusedByTheOwner)
{
    TEditorFixture f;
    auto name = f.EditorOf("Name");
    EXPECT_EQ(ErrorOf<EComponentError>([&] { name->SetValue("other1"); }),
              "A component named other1 already exists");
    EXPECT_EQ(f.Target->Name(), "Target1");
    EXPECT_EQ(f.Designer.ModifiedCount, 0);
}

TEST(PropertyEditors, ColourDialogSetsEverySelectedComponent)
{
    TEditorFixture f;
    f.Target->FColor = clRed;
    TModalScript script;
    script.ChooseColor(clLime);
    auto color = f.EditorOf({f.Target, f.Target2}, "Color");
    color->Edit();
    ASSERT_EQ(script.Requests().size(), 1u);
    EXPECT_EQ(script.Requests()[0].Color, clRed);
    EXPECT_EQ(f.Target->FColor, clLime);
    EXPECT_EQ(f.Target2->FColor, clLime);
    EXPECT_EQ(f.Designer.ModifiedCount, 1);

    // Cancel changes nothing.
    script.Answer(mrCancel);
    color->Edit();
    EXPECT_EQ(f.Target->FColor, clLime);
    EXPECT_EQ(f.Designer.ModifiedCount, 1);
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST(PropertyEditors, FontDialogSetsEverySelectedComponentsOwnFont)
{
    TEditorFixture f;
    f.Target->FFont->SetName("Arial");
    TFont chosen;
    chosen.SetName("Courier New");
    chosen.SetSize(14);
    TModalScript script;
    QString offered;
    script.Then([&](TModalRequest& Request) {
        offered = Request.Font->Name();
        Request.Font->Assign(&chosen);
        return mrOk;
    });
    TFont* own = f.Target2->FFont;
    auto font = f.EditorOf({f.Target, f.Target2}, "Font");
    font->Edit();
    EXPECT_EQ(offered, "Arial");
    EXPECT_EQ(f.Target->FFont->Name(), "Courier New");
    EXPECT_EQ(f.Target2->FFont->Size(), 14);
    EXPECT_EQ(f.Target2->FFont, own);
    EXPECT_EQ(f.Designer.ModifiedCount, 1);
    script.Answer(mrCancel);
    font->Edit();
    EXPECT_EQ(f.Designer.ModifiedCount, 1);
    EXPECT_EQ(script.Unexpected(), 0);
}

} // namespace
