#include "designer-framework/alignsizeform.h"

#include "designer-framework/controldesigner.h"

#include "classlib/core/classbuilder.h"

namespace designer_framework {

using namespace classlib;

const TClassInfo& TAlignSizeForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TAlignSizeForm>("TAlignSizeForm").Build();
    return info;
}

TAlignSizeForm::TAlignSizeForm(TComponent* AOwner) : TForm(AOwner) {}

TAlignSizeForm::~TAlignSizeForm()
{
    SetSurface(nullptr);
}

void TAlignSizeForm::SetSurface(TControlDesigner* Value)
{
    if (Value == FSurface) return;
    if (FSurface) FSurface->RemoveFreeNotification(this);
    FSurface = Value;
    if (FSurface) FSurface->FreeNotification(this);
}

void TAlignSizeForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TForm::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FSurface) FSurface = nullptr;
}

} // namespace designer_framework
