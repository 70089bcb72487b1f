#pragma once

// The form-designer interface: the object a form in design state talks to.
// Its controls' messages pass through IsDesignMsg first; the form hands it
// insertions and removals of components, renames and grid painting.

#include "classlib/controls/messages.h"
#include "classlib/core/component.h"

namespace classlib {

class TControl;
class TForm;

class TDesigner : public TObject {
public:
    TDesigner() = default;
    // A designer that goes leaves the form that still names it.
    ~TDesigner() override;

    // The form being designed; the form names its designer separately
    // (TForm::SetDesigner).
    TForm* Form() const { return FForm; }
    void SetForm(TForm* Value) { FForm = Value; }

    // True takes the message from Sender, whose own handling is skipped.
    virtual bool IsDesignMsg(TControl* Sender, TMessage& Message) = 0;
    virtual void Modified() = 0;
    virtual void Notification(TComponent* AComponent, TOperation Operation) = 0;
    // Draws on the form's canvas while the form paints.
    virtual void PaintGrid() = 0;
    virtual void ValidateRename(TComponent* AComponent, const QString& CurName, const QString& NewName) = 0;

private:
    TForm* FForm = nullptr;
};

} // namespace classlib
