#pragma once

// The editor of event properties: the name of the form's method that
// handles the event. Naming a method that does not exist creates it;
// naming another while the event has a handler of its own renames it.

#include "classlib/design/propertyeditor.h"

namespace classlib {

class TMethodProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    bool AllEqual() override;
    // The handler, created under the default name when there is none.
    void Edit() override;
    TPropertyAttributes GetAttributes() override;
    int GetEditLimit() override;
    QString GetValue() override;
    // The form's methods that fit the event.
    void GetValues(const TGetStrProc& Proc) override;
    // Empty unbinds the event; anything else must be an identifier.
    void SetValue(const QString& Value) override;

    // The default name of a new handler: the component's name (the root's
    // class name less its T) followed by the event's name less its "On".
    virtual QString GetFormMethodName();
    QString GetTrimmedEventName();
};

} // namespace classlib
