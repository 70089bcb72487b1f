#include "classlib/controls/controlscrollbar.h"

#include "classlib/core/classbuilder.h"

namespace classlib {

const TClassInfo& TControlScrollBar::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TControlScrollBar>("TControlScrollBar")
        .Prop("Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement).Default(8)
        .Prop("Margin", &TControlScrollBar::Margin, &TControlScrollBar::SetMargin).Default(0)
        .Prop("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition).Default(0)
        .Prop("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange).Default(0)
        .Prop("Tracking", &TControlScrollBar::Tracking, &TControlScrollBar::SetTracking).Default(false)
        .Prop("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible).Default(true)
        .Build();
    return info;
}

void TControlScrollBar::Assign(const TPersistent* Source)
{
    if (auto* s = dynamic_cast<const TControlScrollBar*>(Source)) {
        FIncrement = s->FIncrement;
        FMargin = s->FMargin;
        FPosition = s->FPosition;
        FRange = s->FRange;
        FTracking = s->FTracking;
        FVisible = s->FVisible;
        return;
    }
    TPersistent::Assign(Source);
}

} // namespace classlib
