#pragma once

// The designer previews through the runtime: a copy of the design document
// is read by a runtime report component and run there in design mode.

#include <memory>
#include <vector>

#include <QString>

namespace classlib {
class TClassInfo;
}

namespace runtime {
class TQXReport;
}

namespace designer {

using TClassList = std::vector<const classlib::TClassInfo*>;

// Report's document becomes a copy of the design document (the open page's
// edits included); with Prepare it also gets a design run. Its title
// becomes "Tessary" only when everything succeeded.
void BuildPreviewReport(runtime::TQXReport& Report, bool Prepare);

// Takes exactly the classes registered under those names out of the
// registry (their ancestors stay); the classes taken.
TClassList UnregisterDesignClasses(const QStringList& Names);
// Registers every class of the list, ancestors along up to the elements'
// base, and then raises the first failure.
void ReregisterClasses(const TClassList& List);

} // namespace designer
