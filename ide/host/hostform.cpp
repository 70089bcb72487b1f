#include "ide/host/hostform.h"

#include "ide/host/sourceunit.h"

#include "classlib/controls/messages.h"

using namespace classlib;

namespace idehost {

THostForm::THostForm(TComponent* AOwner, TSourceUnit& Unit) : TControlDesigner(AOwner), FUnit(Unit)
{
    SetName("Form1");
    SetCaption("Form1");
}

THostForm::~THostForm() = default;

void THostForm::KeyDown(unsigned& Key, TShiftState Shift)
{
    if (Key == VK_DELETE && Shift.Empty() && OnDeleteKey) {
        OnDeleteKey();
        return;
    }
    TControlDesigner::KeyDown(Key, Shift);
}

const TClassInfo* THostForm::ClassType() const
{
    return &FUnit.FormClass();
}

TRunForm::TRunForm(TComponent* AOwner, const TSourceUnit& Unit)
    : TForm(AOwner), FClass(Unit.RunClass(TForm::StaticClass()))
{
}

TRunForm::~TRunForm()
{
    // The components go while the class they look their handlers up in
    // is still there.
    DestroyComponents();
}

const TClassInfo* TRunForm::ClassType() const
{
    return FClass.get();
}

} // namespace idehost
