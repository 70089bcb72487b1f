#include "designer/elementclasses.h"

#include "designer/band.h"
#include "designer/label.h"
#include "designer/paintbox.h"
#include "designer/panel.h"
#include "designer/shape.h"

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
    return GetClass(Name);
}

} // namespace designer
