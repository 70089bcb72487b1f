#include "designer-framework/inspectorform.h"

#include "designer-framework/alignsizeform.h"
#include "designer-framework/controldesigner.h"

#include "classlib/core/classbuilder.h"

namespace designer_framework {

using namespace classlib;

namespace {

// Points Field at Value, hearing of the end of whatever it points at.
template <class T>
void Follow(TComponent* Self, T*& Field, T* Value)
{
    if (Value == Field) return;
    if (Field) Field->RemoveFreeNotification(Self);
    Field = Value;
    if (Field) Field->FreeNotification(Self);
}

} // namespace

const TClassInfo& TInspectorForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TInspectorForm>("TInspectorForm").Build();
    return info;
}

TInspectorForm::TInspectorForm(TComponent* AOwner) : TForm(AOwner) {}

TInspectorForm::~TInspectorForm()
{
    SetAlignForm(nullptr);
    SetActiveSurface(nullptr);
}

void TInspectorForm::SetAlignForm(TAlignSizeForm* Value)
{
    Follow(this, FAlignForm, Value);
}

void TInspectorForm::SetActiveSurface(TControlDesigner* Value)
{
    Follow(this, FActiveSurface, Value);
}

void TInspectorForm::ComponentsInserted(const QList<TComponent*>& Components)
{
    for (TComponent* c : Components) ComponentInserted(c);
}

void TInspectorForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TForm::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FAlignForm) FAlignForm = nullptr;
    if (AComponent == FActiveSurface) FActiveSurface = nullptr;
}

} // namespace designer_framework
