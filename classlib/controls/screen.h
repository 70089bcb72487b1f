#pragma once

// The screen: the forms of the program, in the order they were made, and
// which of them is the active one.

#include "classlib/core/component.h"
#include "classlib/core/typinfo.h"
#include "classlib/graphics/gditypes.h"

#include <QList>

namespace classlib {

class TForm;
class TWinControl;

class TScreen : public TComponent {
    QX_CLASS(TScreen, TComponent)
public:
    explicit TScreen(TComponent* AOwner);

    int FormCount() const { return int(FForms.size()); }
    TForm* Forms(int Index) const { return FForms.at(Index); }
    // The form whose window is the active one, or nil.
    TForm* ActiveForm() const;

    // Another form's window became the active one, or none is active now.
    TNotifyEvent OnActiveFormChange;

private:
    friend class TForm;
    // A form joins the list when it is made and leaves it when freed.
    void AddForm(TForm* Form);
    void RemoveForm(TForm* Form);
    // Fires OnActiveFormChange when the active form is another one.
    void ActiveWindowChanged();

    QList<TForm*> FForms;
    TForm* FLastActive = nullptr;
};

// The process's screen, made on first use; it outlives every form.
TScreen* Screen();

// The windowed control whose window is at the screen point (a control
// without a window of its own gives its parent), or nil.
TWinControl* FindVCLWindow(const TPoint& Pos);

} // namespace classlib
