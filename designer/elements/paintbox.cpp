#include "designer/elements/paintbox.h"

#include "classlib/core/classbuilder.h"

namespace designer {

const classlib::TClassInfo& TQXPaintBox::StaticClass()
{
    static const classlib::TClassInfo& info = classlib::TClassBuilder<TQXPaintBox>("TQXPaintBox").Build();
    return info;
}

} // namespace designer
