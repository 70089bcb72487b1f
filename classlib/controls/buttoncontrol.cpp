#include "classlib/controls/buttoncontrol.h"

#include "classlib/controls/messages.h"
#include "classlib/controls/windowkeys.h"
#include "classlib/core/classbuilder.h"

namespace classlib {

const TClassInfo& TButtonControl::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TButtonControl>("TButtonControl")
            .Prop("Caption", &TButtonControl::Caption, &TButtonControl::SetCaption).Type(TypeInfo<TCaption>())
            .Build();
    return info;
}

TButtonControl::TButtonControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle({csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
    Widget()->setFocusPolicy(Qt::StrongFocus);
    detail::InstallWindowKeys();
}

void TButtonControl::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR && Showing() && Enabled() && IsAccel(unsigned(Message.WParam), Caption())) {
        if (CanFocus())
            SetFocus();
        Click();
        Message.Result = 1;
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TButtonControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && CanFocus() && !Focused() && !IsDesigning())
        SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButtonControl::KeyUp(unsigned& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    if (Key == VK_SPACE && Shift.Mask() == 0)
        Click();
}

} // namespace classlib
