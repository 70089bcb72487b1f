#include "classlib/controls/paintbox.h"

#include "classlib/core/classbuilder.h"

namespace classlib {

const TClassInfo& TPaintBox::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPaintBox>("TPaintBox")
        .Prop("OnPaint", &TPaintBox::OnPaint)
        .Build();
    return info;
}

TPaintBox::TPaintBox(TComponent* AOwner) : TControl(AOwner)
{
    SetBounds(0, 0, 105, 105);
}

void TPaintBox::Paint()
{
    if (OnPaint) OnPaint(this);
}

} // namespace classlib
