#pragma once

// The host's object inspector: the inspector window of the design
// framework with a Properties page and an Events page. Method-kind
// properties stand on the Events page; a double click on an event runs its
// editor's Edit (which makes or shows the handler).

#include "designer-framework/inspectorwindow.h"

namespace idehost {

class THostInspector : public designer_framework::TfrmInspector {
    QX_CLASS(THostInspector, designer_framework::TfrmInspector)
public:
    explicit THostInspector(classlib::TComponent* AOwner);

    // Shows the Events page (true) or the Properties page.
    void ShowEvents(bool Value);
    // Selects the row of that property on the page shown; false when none.
    bool SelectProperty(const QString& Name);
    // The value shown for a property on the page shown; empty when none.
    QString ValueOf(const QString& Name) const;
    // The property names of the page shown, in order.
    QStringList RowNames() const;

    void dwgControlEventDblClick(classlib::TObject* Sender);
};

} // namespace idehost
