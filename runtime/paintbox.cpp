#include "runtime/paintbox.h"

#include "classlib/core/classbuilder.h"

namespace runtime {

using namespace classlib;

const TClassInfo& TQXPaintBox::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXPaintBox>("TQXPaintBox").Build();
    return info;
}

TQXPaintBox::TQXPaintBox(TComponent* AOwner) : TQXControl(AOwner) {}

void TQXPaintBox::Paint(TCanvas& Canvas)
{
    FireOwnerDraw(Canvas, GetContentRect());
}

} // namespace runtime
