#pragma once

// What the paste target's surface knows: a panel that takes controls, a
// box that takes them and streams them as its own children (as a report
// container does), a windowed control that takes none, a shape-like
// control that refers to a component, and a non-visual component; and a
// panel that the surface's designer does not keep, as a report page keeps
// none of the class library's controls. The surface class is registered
// too, so that pasting one is tried.

#include "designer-framework/controldesigner.h"
#include "designer-framework/extdesigner.h"

#include "classlib/controls/panel.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"

#include <QString>

#include <functional>

namespace fuzz {

class TPasteThing : public classlib::TComponent {
    QX_CLASS(TPasteThing, classlib::TComponent)
public:
    using TComponent::TComponent;
    QString Caption;
    int Amount = 0;
};

class TPasteShape : public classlib::TControl {
    QX_CLASS(TPasteShape, classlib::TControl)
public:
    using TControl::TControl;
    void Notification(classlib::TComponent* AComponent, classlib::TOperation Operation) override
    {
        TControl::Notification(AComponent, Operation);
        if (Operation == classlib::opRemove && AComponent == Buddy) Buddy = nullptr;
    }
    void SetBuddy(classlib::TComponent* Value)
    {
        Buddy = Value;
        if (Value) Value->FreeNotification(this);
    }
    int Shape = 0;
    classlib::TComponent* Buddy = nullptr;
};

class TPasteButton : public classlib::TCustomControl {
    QX_CLASS(TPasteButton, classlib::TCustomControl)
public:
    using TCustomControl::TCustomControl;
    bool Default = false;
};

class TPastePanel : public classlib::TPanel {
    QX_CLASS(TPastePanel, classlib::TPanel)
public:
    using TPanel::TPanel;
    QString Caption;
};

class TPasteBox : public TPastePanel {
    QX_CLASS(TPasteBox, TPastePanel)
public:
    using TPastePanel::TPastePanel;
    void GetChildren(const std::function<void(classlib::TComponent*)>& Proc, classlib::TComponent*) override
    {
        for (int i = 0; i < ControlCount(); ++i)
            if (Controls(i)->Owner() == Owner()) Proc(Controls(i));
    }
};

// Known to streams, but not kept by the surface's designer.
class TPasteForeign : public classlib::TPanel {
    QX_CLASS(TPasteForeign, classlib::TPanel)
public:
    using TPanel::TPanel;
};

// Keeps every class but the foreign one.
class TPasteDesigner : public designer_framework::TExtDesigner {
public:
    TPasteDesigner() : TExtDesigner(nullptr) {}
    bool AcceptsClass(const classlib::TClassInfo& AClass) override
    {
        return !AClass.InheritsFrom(&TPasteForeign::StaticClass());
    }
};

inline const classlib::TClassInfo& TPasteThing::StaticClass()
{
    static const classlib::TClassInfo& info = classlib::TClassBuilder<TPasteThing>("TPasteThing")
        .Prop("Caption", &TPasteThing::Caption)
        .Prop("Amount", &TPasteThing::Amount)
        .Build();
    return info;
}

inline const classlib::TClassInfo& TPasteShape::StaticClass()
{
    static const classlib::TClassInfo& info = classlib::TClassBuilder<TPasteShape>("TPasteShape")
        .Prop("Shape", &TPasteShape::Shape)
        .Prop("Buddy", &TPasteShape::Buddy, &TPasteShape::SetBuddy)
        .Build();
    return info;
}

inline const classlib::TClassInfo& TPasteButton::StaticClass()
{
    static const classlib::TClassInfo& info = classlib::TClassBuilder<TPasteButton>("TPasteButton")
        .Prop("Default", &TPasteButton::Default)
        .Build();
    return info;
}

inline const classlib::TClassInfo& TPastePanel::StaticClass()
{
    static const classlib::TClassInfo& info = classlib::TClassBuilder<TPastePanel>("TPastePanel")
        .Prop("Caption", &TPastePanel::Caption)
        .Build();
    return info;
}

inline const classlib::TClassInfo& TPasteBox::StaticClass()
{
    static const classlib::TClassInfo& info = classlib::TClassBuilder<TPasteBox>("TPasteBox").Build();
    return info;
}

inline const classlib::TClassInfo& TPasteForeign::StaticClass()
{
    static const classlib::TClassInfo& info = classlib::TClassBuilder<TPasteForeign>("TPasteForeign").Build();
    return info;
}

// The surface the target pastes onto: a panel with a shape in it, a
// windowed control, a shape, a non-visual component, and a box with a
// shape and a panel with a shape in it.
inline void FillSurface(designer_framework::TControlDesigner& Surface)
{
    auto place = [&](classlib::TControl* Control, const char* Name, classlib::TWinControl* Parent, int Left,
                     int Top) {
        Control->SetName(QString::fromLatin1(Name));
        Control->SetParent(Parent);
        Control->SetBounds(Left, Top, 40, 20);
    };
    auto* panel = new TPastePanel(&Surface);
    place(panel, "Panel1", &Surface, 0, 0);
    place(new TPasteShape(&Surface), "Shape1", panel, 8, 8);
    place(new TPasteButton(&Surface), "Button1", &Surface, 8, 8);
    place(new TPasteShape(&Surface), "Shape2", &Surface, 16, 16);
    auto* thing = new TPasteThing(&Surface);
    thing->SetName(QStringLiteral("Thing1"));
    auto* box = new TPasteBox(&Surface);
    place(box, "Box1", &Surface, 80, 0);
    place(new TPasteShape(&Surface), "Shape3", box, 0, 0);
    auto* boxed = new TPastePanel(&Surface);
    place(boxed, "Panel2", box, 8, 8);
    place(new TPasteShape(&Surface), "Shape4", boxed, 0, 0);
}

// What a selector byte selects: nothing, the panel, the shape in it, the
// windowed control, the non-visual component, the surface itself.
constexpr int SelectionKinds = 6;

inline void SelectForPaste(designer_framework::TControlDesigner& Surface, int Selector)
{
    static const char* const names[SelectionKinds] = {nullptr, "Panel1", "Shape1", "Button1", "Thing1", nullptr};
    Surface.UnselectAll();
    const int kind = Selector % SelectionKinds;
    if (kind == SelectionKinds - 1)
        Surface.SelectOnly(&Surface);
    else if (names[kind])
        Surface.SelectOnly(Surface.FindComponent(QString::fromLatin1(names[kind])));
}

inline void RegisterPasteClasses()
{
    classlib::RegisterClasses({&TPasteThing::StaticClass(), &TPasteShape::StaticClass(), &TPasteButton::StaticClass(),
                               &TPastePanel::StaticClass(), &TPasteBox::StaticClass(), &TPasteForeign::StaticClass(),
                               &designer_framework::TControlDesigner::StaticClass()});
}

} // namespace fuzz
