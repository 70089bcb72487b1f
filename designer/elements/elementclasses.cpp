#include "designer/elements/elementclasses.h"

#include "designer/elements/band.h"
#include "designer/elements/label.h"
#include "designer/elements/paintbox.h"
#include "designer/elements/panel.h"
#include "designer/elements/shape.h"

#include "classlib/core/sysutils.h"

namespace designer {

using namespace classlib;

const std::vector<const TClassInfo*>& DesignElementClasses()
{
    static const std::vector<const TClassInfo*> classes{
        &TQXPanel::StaticClass(), &TQXBand::StaticClass(),    &TQXLabel::StaticClass(),
        &TQXShape::StaticClass(), &TQXPaintBox::StaticClass(), &TQXControl::StaticClass(),
        &TQXContainer::StaticClass(),
    };
    return classes;
}

const TClassInfo* DesignClass(const QString& Name)
{
    for (const TClassInfo* c : DesignElementClasses())
        if (SameText(c->Name, Name)) return c;
    return nullptr;
}

} // namespace designer
