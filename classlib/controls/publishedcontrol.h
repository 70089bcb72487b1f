#pragma once

// The properties that a windowed control of a stored form publishes from
// its ancestors: added to a class builder in one go.

#include "classlib/controls/control.h"
#include "classlib/core/classbuilder.h"

namespace classlib {

template <class C>
TClassBuilder<C>& PublishWinControl(TClassBuilder<C>& Builder)
{
    return Builder.Prop("Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D)
        .Prop("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor).Default(crDrag)
        .Prop("DragMode", &TControl::DragMode, &TControl::SetDragMode).Default(dmManual)
        .Prop("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true)
        .Prop("Font", &TControl::Font, &TControl::SetFont)
        .Prop("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false)
        .Prop("ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D).Default(true)
        .Prop("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
        .Prop("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
        .Prop("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
        .Prop("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
}

} // namespace classlib
