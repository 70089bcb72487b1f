#include "runtime/reportclasses.h"

#include "runtime/band.h"
#include "runtime/label.h"
#include "runtime/paintbox.h"
#include "runtime/panel.h"
#include "runtime/shape.h"

#include "classlib/core/classregistry.h"

namespace runtime {

using namespace classlib;

const TClassInfo* ReportClass(const QString& Name)
{
    for (const TClassInfo* c : {&TQXPanel::StaticClass(), &TQXBand::StaticClass(), &TQXLabel::StaticClass(),
                                &TQXShape::StaticClass(), &TQXPaintBox::StaticClass(),
                                &TQXContainer::StaticClass(), &TQXControl::StaticClass()})
        if (Name.compare(c->Name, Qt::CaseInsensitive) == 0) return c;
    return GetClass(Name);
}

void RegisterReportClasses()
{
    // Ancestors up to a registered one come along; the paper is always the
    // given root of a read and is not registered. A clash with another
    // class of the same name leaves none of ours registered.
    try {
        for (const TClassInfo* c : {&TQXPanel::StaticClass(), &TQXBand::StaticClass(),
                                    &TQXLabel::StaticClass(), &TQXShape::StaticClass(),
                                    &TQXPaintBox::StaticClass()}) {
            for (const TClassInfo* a = c; a && a != &TComponent::StaticClass(); a = a->Parent) {
                if (GetClass(a->Name) == a) break;
                RegisterClass(*a);
            }
        }
    } catch (...) {
        UnregisterReportClasses();
        throw;
    }
}

void UnregisterReportClasses()
{
    UnregisterClasses({&TQXPanel::StaticClass(), &TQXBand::StaticClass(), &TQXLabel::StaticClass(),
                       &TQXShape::StaticClass(), &TQXPaintBox::StaticClass(),
                       &TQXContainer::StaticClass(), &TQXControl::StaticClass()});
}

} // namespace runtime
