#include "classlib/core/persistent.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/sysutils.h"

namespace classlib {

const TClassInfo& TPersistent::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPersistent>("TPersistent").Build();
    return info;
}

void TPersistent::Assign(const TPersistent* Source)
{
    if (Source) {
        Source->AssignTo(this);
        return;
    }
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) const
{
    Dest->AssignError(this);
}

void TPersistent::DefineProperties(TFiler&) {}

void TPersistent::AssignError(const TPersistent* Source) const
{
    const QString source = Source ? Source->ClassName() : QStringLiteral("nil");
    throw EConvertError(Format("Cannot assign a %s to a %s", {source, ClassName()}));
}

} // namespace classlib
