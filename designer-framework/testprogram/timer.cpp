#include "designer-framework/testprogram/timer.h"

#include "classlib/core/classbuilder.h"

namespace designer_framework::testprogram {

using namespace classlib;

const TClassInfo& TTimer::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TTimer>("TTimer").Prop("Interval", &TTimer::FInterval).Default(1000).Build();
    return info;
}

} // namespace designer_framework::testprogram
