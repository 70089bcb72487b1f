#include "designer/controls/marker.h"

#include "classlib/core/classbuilder.h"

namespace designer {

using namespace classlib;

const TClassInfo& TQXMarker::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXMarker>("TQXMarker").Build();
    return info;
}

TQXMarker::TQXMarker(TComponent* AOwner) : TPanel(AOwner)
{
    SetBevelInner(bvNone);
    SetBevelOuter(bvNone);
    SetParentColor(true);
    SetBounds(0, 0, 5, 5);
    FLastLeft = Left();
    FLastTop = Top();
}

void TQXMarker::Moved()
{
    TPanel::Moved();
    if (Left() == FLastLeft && Top() == FLastTop) return;
    FLastLeft = Left();
    FLastTop = Top();
    if (OnMove) OnMove(this);
}

} // namespace designer
