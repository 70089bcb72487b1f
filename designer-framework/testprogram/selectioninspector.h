#pragma once

// A one-line stand-in for the object inspector: it shows what is selected
// on the surface it serves, and where a single selected control stands.

#include "designer-framework/inspectorform.h"

namespace classlib {
class TStaticText;
}

namespace designer_framework::testprogram {

class TSelectionInspector : public TInspectorForm {
public:
    explicit TSelectionInspector(classlib::TComponent* AOwner);

    // What the line shows now.
    const QString& SelectionText() const;

    void DesignModified() override;
    void ComponentNameChanged(classlib::TComponent* AComponent, const QString& NewName) override;
    void ComponentInserted(classlib::TComponent* AComponent) override;
    void ComponentRemoved(classlib::TComponent* AComponent) override;
    void ClearComponents() override;
    void ShowSelection(classlib::TComponentList* List) override;
    void SetPropertyRows(classlib::TStringList* All, classlib::TStringList* General,
                         classlib::TStringList* Event) override;

protected:
    void Resize() override;

private:
    void ShowComponents(const QList<classlib::TComponent*>& Components);

    classlib::TStaticText* FText;
};

} // namespace designer_framework::testprogram
