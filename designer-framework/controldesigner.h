#pragma once

// The design surface as the designer hook sees it: a form in design state
// with a selection, a grid and capsules for its non-visual components. The
// selection and the handling of the edited controls' messages are the
// surface's own.

#include "designer-framework/export.h"

#include "classlib/controls/form.h"

namespace designer_framework {

class QX_DESIGNFW_EXPORT TControlDesigner : public classlib::TForm {
    QX_CLASS(TControlDesigner, classlib::TForm)
public:
    explicit TControlDesigner(classlib::TComponent* AOwner);
    ~TControlDesigner() override;

    // Grid steps in pixels, 1..255; a change repaints the surface.
    quint8 GridX() const { return FGridX; }
    quint8 GridY() const { return FGridY; }
    void SetGridX(quint8 Value);
    void SetGridY(quint8 Value);

    // A message of an edited control that the designer hook took.
    virtual void DesignMessage(classlib::TControl* Sender, classlib::TMessage& Message) = 0;

    // The selected components in the order they were selected.
    virtual int SelectionCount() const = 0;
    virtual classlib::TComponent* GetSelectedComponent(int Index) const = 0;
    // Whether the control, or for a capsule its component, is selected.
    virtual bool IsSelected(classlib::TControl* AControl) const = 0;
    // Adds a component (a capsule stands for its component) and announces
    // a change.
    virtual void SelectControl(classlib::TComponent* AControl) = 0;
    // Empties the selection without announcing it; whether it held anything.
    virtual bool ClearSelection() = 0;
    // Places or hides the grab handles for the selection.
    virtual void UpdateHandles() = 0;

    // The component when it is a control, else the surface's capsule that
    // stands for it, else nil.
    classlib::TControl* ControlOfComponent(classlib::TComponent* AComponent) const;

private:
    quint8 FGridX = 8;
    quint8 FGridY = 8;
};

} // namespace designer_framework
