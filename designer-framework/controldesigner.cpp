#include "designer-framework/controldesigner.h"

#include "designer-framework/capsule.h"

#include "classlib/core/classbuilder.h"

namespace designer_framework {

using namespace classlib;

const TClassInfo& TControlDesigner::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TControlDesigner>("TControlDesigner").Build();
    return info;
}

TControlDesigner::TControlDesigner(TComponent* AOwner) : TForm(AOwner) {}

TControlDesigner::~TControlDesigner() = default;

void TControlDesigner::SetGridX(quint8 Value)
{
    if (Value == FGridX) return;
    FGridX = Value;
    Invalidate();
}

void TControlDesigner::SetGridY(quint8 Value)
{
    if (Value == FGridY) return;
    FGridY = Value;
    Invalidate();
}

TControl* TControlDesigner::ControlOfComponent(TComponent* AComponent) const
{
    if (!AComponent) return nullptr;
    if (TControl* control = As<TControl>(AComponent)) return control;
    for (int i = 0; i < ControlCount(); ++i)
        if (TCapsule* capsule = As<TCapsule>(Controls(i)))
            if (capsule->Component() == AComponent) return capsule;
    return nullptr;
}

} // namespace designer_framework
