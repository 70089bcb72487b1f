#include "propertytarget.h"

#include "classlib/core/classbuilder.h"
#include "classlib/design/colorproperty.h"
#include "classlib/design/componentproperty.h"
#include "classlib/design/cursorproperty.h"
#include "classlib/design/fontproperty.h"
#include "classlib/design/propertyeditorregistry.h"
#include "classlib/design/stringproperties.h"

namespace classlib::test {

TPeTarget::TPeTarget(TComponent* AOwner) : TComponent(AOwner), FFont(new TFont) {}

TPeTarget::~TPeTarget()
{
    delete FFont;
}

const TClassInfo& TPeTarget::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPeTarget>("TPeTarget")
        .Prop("Int", &TPeTarget::FInt)
        .Prop("Card", &TPeTarget::FCard)
        .Prop("Big", &TPeTarget::FBig)
        .Prop("Percent", &TPeTarget::FPercent)
        .Prop("Ch", &TPeTarget::FCh)
        .Prop("Shade", &TPeTarget::FShade)
        .Prop("Flag", &TPeTarget::FFlag)
        .Prop("Shades", &TPeTarget::FShades)
        .Prop("Single", &TPeTarget::FSingle)
        .Prop("Ratio", &TPeTarget::FRatio)
        .Prop("Ext", &TPeTarget::FExt)
        .Prop("Short", &TPeTarget::FShort).Type(ShortStringType())
        .Prop("Text", &TPeTarget::FText)
        .Prop("Caption", &TPeTarget::FCaption).Type(TypeInfo<TCaption>())
        .Prop("Color", &TPeTarget::FColor)
        .Prop("Cursor", &TPeTarget::FCursor)
        .Prop("TabOrder", &TPeTarget::FTabOrder)
        .Prop("Font", &TPeTarget::Font, &TPeTarget::SetFont)
        .Prop("Partner", &TPeTarget::FPartner)
        .Prop("Buddy", &TPeTarget::FBuddy)
        .Prop("Fixed", &TPeTarget::Fixed)
        .Prop("OnClick", &TPeTarget::FOnClick)
        .Prop("OnDone", &TPeTarget::FOnDone)
        .Method("Target1Click", &TPeTarget::Target1Click)
        .Build();
    return info;
}

const TClassInfo& TPeOther::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPeOther>("TPeOther")
        .Prop("Int", &TPeOther::FInt)
        .Prop("Text", &TPeOther::FText)
        .Prop("Color", &TPeOther::FColor)
        .Build();
    return info;
}

const TClassInfo& TPeDerived::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPeDerived>("TPeDerived").Build();
    return info;
}

void RegisterStandardEditors()
{
    static const bool registered = [] {
        RegisterPropertyEditor(TypeInfo<TFont*>(), nullptr, "", PropertyEditorClass<TFontProperty>());
        RegisterPropertyEditor(TypeInfo<TTabOrder>(), nullptr, "", PropertyEditorClass<TTabOrderProperty>());
        RegisterPropertyEditor(TypeInfo<TColor>(), nullptr, "", PropertyEditorClass<TColorProperty>());
        RegisterPropertyEditor(TypeInfo<TCursor>(), nullptr, "", PropertyEditorClass<TCursorProperty>());
        RegisterPropertyEditor(TypeInfo<TComponentName>(), nullptr, "", PropertyEditorClass<TComponentNameProperty>());
        RegisterPropertyEditor(TypeInfo<TCaption>(), nullptr, "", PropertyEditorClass<TCaptionProperty>());
        RegisterPropertyEditor(TypeInfo<TComponent*>(), nullptr, "", PropertyEditorClass<TComponentProperty>());
        return true;
    }();
    (void)registered;
}

} // namespace classlib::test
