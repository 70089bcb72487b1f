#pragma once

// Base of the object inspector window: the designer hook tells it what
// happens on the surface it serves.

#include "designer-framework/export.h"

#include "classlib/controls/form.h"

#include <QList>

namespace classlib {
class TComponentList;
class TStringList;
}

namespace designer_framework {

class TAlignSizeForm;
class TControlDesigner;

class QX_DESIGNFW_EXPORT TInspectorForm : public classlib::TForm {
    QX_CLASS(TInspectorForm, classlib::TForm)
public:
    explicit TInspectorForm(classlib::TComponent* AOwner);
    ~TInspectorForm() override;

    // The align/size palette and the surface served; nil when none, and a
    // freed one leaves nil.
    TAlignSizeForm* AlignForm() const { return FAlignForm; }
    void SetAlignForm(TAlignSizeForm* Value);
    TControlDesigner* ActiveSurface() const { return FActiveSurface; }
    void SetActiveSurface(TControlDesigner* Value);

    // The design changed: show the values again.
    virtual void DesignModified() = 0;
    virtual void ComponentNameChanged(classlib::TComponent* AComponent, const QString& NewName) = 0;
    virtual void ComponentInserted(classlib::TComponent* AComponent) = 0;
    // A surface's components all at once, as ComponentInserted would take
    // them one after another.
    virtual void ComponentsInserted(const QList<classlib::TComponent*>& Components);
    virtual void ComponentRemoved(classlib::TComponent* AComponent) = 0;
    // Another surface is served, or the surface is emptied or goes.
    virtual void ClearComponents() = 0;
    virtual void ShowSelection(classlib::TComponentList* List) = 0;
    // Nil lists: no rows.
    virtual void SetPropertyRows(classlib::TStringList* All, classlib::TStringList* General,
                                 classlib::TStringList* Event) = 0;

    void Notification(classlib::TComponent* AComponent, classlib::TOperation Operation) override;

private:
    TAlignSizeForm* FAlignForm = nullptr;
    TControlDesigner* FActiveSurface = nullptr;
};

} // namespace designer_framework
