#include "runtime/report.h"

#include "classlib/core/classbuilder.h"

namespace runtime {

using namespace classlib;

const TClassInfo& TQXReport::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXReport>("TQXReport").Build();
    return info;
}

TQXReport::TQXReport(TComponent* AOwner) : TComponent(AOwner) {}

TQXReport::~TQXReport() = default;

} // namespace runtime
