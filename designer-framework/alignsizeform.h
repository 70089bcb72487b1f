#pragma once

// Base of the align/size palette: the surface its commands act on, which
// follows the active surface.

#include "designer-framework/export.h"

#include "classlib/controls/form.h"

namespace designer_framework {

class TControlDesigner;

class QX_DESIGNFW_EXPORT TAlignSizeForm : public classlib::TForm {
    QX_CLASS(TAlignSizeForm, classlib::TForm)
public:
    explicit TAlignSizeForm(classlib::TComponent* AOwner);
    ~TAlignSizeForm() override;

    // Nil when none; a freed surface leaves nil.
    TControlDesigner* Surface() const { return FSurface; }
    void SetSurface(TControlDesigner* Value);

    void Notification(classlib::TComponent* AComponent, classlib::TOperation Operation) override;

private:
    TControlDesigner* FSurface = nullptr;
};

} // namespace designer_framework
