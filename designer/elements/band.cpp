#include "designer/elements/band.h"

#include "classlib/core/classbuilder.h"

namespace designer {

using namespace classlib;

const TClassInfo& TQXBand::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXBand>("TQXBand")
        // A band is made aligned to the top: a free one must say so, or it
        // reopens at the top, as wide as its parent.
        .Restate("Align").Default(alTop)
        .Prop("PageBreak", &TQXBand::PageBreak, &TQXBand::SetPageBreak)
        .Prop("ColumnBreak", &TQXBand::ColumnBreak, &TQXBand::SetColumnBreak)
        .Prop("AutoSize", &TQXBand::AutoSize, &TQXBand::SetAutoSize)
        .Prop("InvertRows", &TQXBand::InvertRows, &TQXBand::SetInvertRows)
        .Prop("Background2", &TQXBand::Background2, &TQXBand::SetBackground2)
        .Build();
    return info;
}

TQXBand::TQXBand(TComponent* AOwner) : TQXContainer(AOwner), FBackground2(new runtime::TQXBackground)
{
    SetAlign(alTop);
    SetMMHeight(10);
    UpdateBounds();
}

TQXBand::~TQXBand()
{
    delete FBackground2;
}

} // namespace designer
