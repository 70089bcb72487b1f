#pragma once

// The element classes that a page read creates by name. The designer holds
// classes of the same names, so the runtime's page reads resolve names
// through ReportClass and never touch the registry; an application that
// streams elements itself may register them.

#include "classlib/core/typinfo.h"

#include <QString>

namespace runtime {

// The runtime's element class of that name (without regard to case), else
// the registry's class of that name, else nil.
const classlib::TClassInfo* ReportClass(const QString& Name);

void RegisterReportClasses();
void UnregisterReportClasses();

} // namespace runtime
