#include "clipclasses.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"

namespace designer_framework::test {

using namespace classlib;

const TClassInfo& TClipThing::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TClipThing>("TClipThing").Prop("Caption", &TClipThing::Caption).Build();
    return info;
}

const TClassInfo& TClipShape::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TClipShape>("TClipShape").Prop("Buddy", &TClipShape::Buddy, &TClipShape::SetBuddy).Build();
    return info;
}

void TClipShape::Notification(TComponent* AComponent, TOperation Operation)
{
    TControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == Buddy) Buddy = nullptr;
}

void TClipShape::SetBuddy(TComponent* Value)
{
    Buddy = Value;
    if (Value) Value->FreeNotification(this);
}

const TClassInfo& TClipButton::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TClipButton>("TClipButton").Build();
    return info;
}

const TClassInfo& TClipPanel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TClipPanel>("TClipPanel").Build();
    return info;
}

const TClassInfo& TClipBox::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TClipBox>("TClipBox").Build();
    return info;
}

void TClipBox::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*)
{
    for (int i = 0; i < ControlCount(); ++i)
        if (Controls(i)->Owner() == Owner()) Proc(Controls(i));
}

TRegisteredClipClasses::TRegisteredClipClasses()
{
    RegisterClasses({&TClipThing::StaticClass(), &TClipShape::StaticClass(), &TClipButton::StaticClass(),
                     &TClipPanel::StaticClass(), &TClipBox::StaticClass()});
}

TRegisteredClipClasses::~TRegisteredClipClasses()
{
    UnregisterClasses({&TClipThing::StaticClass(), &TClipShape::StaticClass(), &TClipButton::StaticClass(),
                       &TClipPanel::StaticClass(), &TClipBox::StaticClass()});
}

} // namespace designer_framework::test
