#pragma once

// The design-time element classes, under the stored names the runtime
// reads, and the class lookup for reading a designed page.

#include "classlib/core/classregistry.h"

#include <QString>
#include <vector>

namespace designer {

// TQXPanel, TQXBand, TQXLabel, TQXShape, TQXPaintBox, TQXControl,
// TQXContainer, in that order.
const std::vector<const classlib::TClassInfo*>& DesignElementClasses();

// The designer's class for one of those names (in any case), the global
// registry's for any other: the designer reads its pages without the
// runtime's classes in the registry.
const classlib::TClassInfo* DesignClass(const QString& Name);

} // namespace designer
