#pragma once

// The element classes that a page read creates by name. The designer holds
// classes of the same names, so the runtime registers its own only around
// its reads: register, read, unregister (also when the read fails).

namespace runtime {

void RegisterReportClasses();
void UnregisterReportClasses();

} // namespace runtime
