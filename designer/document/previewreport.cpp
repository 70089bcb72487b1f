#include "designer/document/previewreport.h"

#include "designer/document/document.h"
#include "designer/elements/qxcontrol.h"

#include "runtime/report.h"

#include "classlib/core/classregistry.h"
#include "classlib/core/component.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"

#include <QStringList>

#include <exception>

namespace designer {

using namespace classlib;

TClassList UnregisterDesignClasses(const QStringList& Names)
{
    TClassList list;
    for (const QString& name : Names)
        if (const TClassInfo* c = GetClass(name)) {
            list.push_back(c);
            UnregisterClass(*c);
        }
    return list;
}

void ReregisterClasses(const TClassList& List)
{
    std::exception_ptr first;
    for (const TClassInfo* c : List) {
        try {
            // Ancestors up to the elements' base, as the designer registers
            // them: the class library's controls never become readable
            // from a page.
            const TClassInfo* above = TQXControl::StaticClass().Parent;
            for (const TClassInfo* a = c; a && a != &TComponent::StaticClass() && a != above; a = a->Parent) {
                if (GetClass(a->Name) == a) break;
                RegisterClass(*a);
            }
        } catch (...) {
            if (!first) first = std::current_exception();
        }
    }
    if (first) std::rethrow_exception(first);
}

void BuildPreviewReport(runtime::TQXReport& Report, bool Prepare)
{
    TMemoryStream stream;
    SaveReportToStream(stream);
    // The runtime resolves its own classes whatever the registry holds;
    // the designer's stay out of its way all the same while it reads and
    // runs, as application code in a run may read components too.
    const TClassList swapped = UnregisterDesignClasses(
        {QStringLiteral("TQXPanel"), QStringLiteral("TQXBand"), QStringLiteral("TQXLabel"),
         QStringLiteral("TQXShape"), QStringLiteral("TQXPaintBox"), QStringLiteral("TQXControl"),
         QStringLiteral("TQXContainer")});
    try {
        stream.SetPosition(0);
        Report.ReadReport(stream);
        if (Prepare) Report.DesignPrepare();
    } catch (...) {
        ReregisterClasses(swapped);
        throw;
    }
    ReregisterClasses(swapped);
    Report.SetTitle(QStringLiteral("Tessary"));
}

} // namespace designer
