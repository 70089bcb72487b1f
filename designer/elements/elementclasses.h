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

// The designer's class for one of those names (in any case), nil for any
// other, which a page cannot store: the designer reads its pages without
// the runtime's classes in the registry, and skips what it does not know.
const classlib::TClassInfo* DesignClass(const QString& Name);

} // namespace designer
