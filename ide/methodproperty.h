#pragma once

// The event editor of the stubs: the handler chosen for a stub's event is
// written into its report's events list, under the key "Page.Element.Event"
// ("Page.Event" for a page), from which the report binds it at run time.
// On any other component it is the plain method property.

#include "classlib/design/methodproperty.h"

namespace runtime {
class TQXReport;
}

namespace ide {

class TQXBase_;

class TQXMethodProperty : public classlib::TMethodProperty {
public:
    using TMethodProperty::TMethodProperty;

    void Edit() override;
    QString GetValue() override;
    void SetValue(const QString& Value) override;
    // The report's name, the page's, the element's, then the event's.
    QString GetFormMethodName() override;

    // The events list key of the edited stub's event; empty on a component
    // that is not a stub.
    QString Key();

private:
    TQXBase_* Stub();
};

// The events list of Report: the value of Key (compared without regard to
// case); setting an empty value removes every line of that key.
QString EventValue(const runtime::TQXReport& Report, const QString& Key);
void SetEventValue(runtime::TQXReport& Report, const QString& Key, const QString& Value);
// Every line of Report naming the handler OldName names NewName instead.
void RenameEventHandler(runtime::TQXReport& Report, const QString& OldName, const QString& NewName);

namespace Qxctlstb {
// The stub event editor for the five element event types.
void Register();
}

} // namespace ide
