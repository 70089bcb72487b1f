#pragma once

// The form the host designs: a design surface whose class is the one its
// source unit builds at run time, so its methods are published methods of
// the form as the runtime looks them up. The run instance is a plain form
// of the same class.

#include "designer-framework/controldesigner.h"

#include "classlib/controls/form.h"

#include <functional>
#include <memory>

namespace idehost {

class TSourceUnit;

class THostForm : public designer_framework::TControlDesigner {
public:
    THostForm(classlib::TComponent* AOwner, TSourceUnit& Unit);
    ~THostForm() override;
    const classlib::TClassInfo* ClassType() const override;

    // Delete deletes the selection, as Edit > Delete: the host's, which
    // tells the design windows first. The form's own events are the user's.
    std::function<void()> OnDeleteKey;

protected:
    void KeyDown(unsigned& Key, classlib::TShiftState Shift) override;

private:
    TSourceUnit& FUnit;
};

// What the Run command reads the saved form into.
class TRunForm : public classlib::TForm {
public:
    TRunForm(classlib::TComponent* AOwner, const TSourceUnit& Unit);
    ~TRunForm() override;
    const classlib::TClassInfo* ClassType() const override;

private:
    std::unique_ptr<classlib::TClassInfo> FClass;
};

} // namespace idehost
