#include "designer-framework/testprogram/shape.h"

#include "classlib/core/classbuilder.h"
#include "classlib/graphics/brush.h"
#include "classlib/graphics/pen.h"

namespace designer_framework::testprogram {

using namespace classlib;

const TClassInfo& TShape::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TShape>("TShape").Build();
    return info;
}

TShape::TShape(TComponent* AOwner) : TControl(AOwner)
{
    SetControlStyle({csCaptureMouse, csOpaque, csReplicatable});
    SetBounds(0, 0, 65, 65);
    SetColor(clWhite);
}

void TShape::Paint()
{
    TCanvas& c = *Canvas();
    c.Pen()->SetColor(clBlack);
    c.Pen()->SetWidth(1);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.Rectangle(ClientRect());
}

} // namespace designer_framework::testprogram
