#include "classlib/controls/controlscrollbar.h"

#include "classlib/controls/scrollbox.h"
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
        FRange = s->FRange;
        FTracking = s->FTracking;
        FVisible = s->FVisible;
        Changed();
        SetPosition(s->FPosition);
        return;
    }
    TPersistent::Assign(Source);
}

void TControlScrollBar::SetIncrement(int Value)
{
    FIncrement = Value;
    Changed();
}

void TControlScrollBar::SetMargin(int Value)
{
    FMargin = Value;
    Changed();
}

void TControlScrollBar::SetPosition(int Value)
{
    if (FBox)
        FBox->ScrollTo(this, Value);
    else
        FPosition = Value;
}

void TControlScrollBar::SetRange(int Value)
{
    FRange = Value;
    Changed();
}

void TControlScrollBar::SetVisible(bool Value)
{
    FVisible = Value;
    Changed();
}

void TControlScrollBar::Changed()
{
    if (FBox)
        FBox->UpdateScrollBars();
}

} // namespace classlib
