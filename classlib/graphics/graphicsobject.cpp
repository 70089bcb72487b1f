#include "classlib/graphics/graphicsobject.h"

#include "classlib/core/classbuilder.h"

namespace classlib {

const TClassInfo& TGraphicsObject::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TGraphicsObject>("TGraphicsObject").Build();
    return info;
}

} // namespace classlib
