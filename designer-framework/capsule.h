#pragma once

// The button that stands on a design surface for a non-visual component,
// at the place the component's design information gives. It lives no
// longer than its component.

#include "designer-framework/export.h"

#include "classlib/controls/bitbtn.h"

namespace designer_framework {

class TControlDesigner;

class QX_DESIGNFW_EXPORT TCapsule : public classlib::TBitBtn {
    QX_CLASS(TCapsule, classlib::TBitBtn)
public:
    // On Surface, owned by nobody; the surface frees it with its children.
    TCapsule(classlib::TComponent* AComponent, TControlDesigner* Surface);

    classlib::TComponent* Component() const { return FComponent; }

    // Always 28 x 28 pixels, at 0 or more; the place is kept in the
    // component's design information.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    void Notification(classlib::TComponent* AComponent, classlib::TOperation Operation) override;

private:
    classlib::TComponent* FComponent;
};

} // namespace designer_framework
