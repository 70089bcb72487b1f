#pragma once

// The screen: the forms of the program, in the order they were made.

#include "classlib/core/component.h"

#include <QList>

namespace classlib {

class TForm;

class TScreen : public TComponent {
    QX_CLASS(TScreen, TComponent)
public:
    explicit TScreen(TComponent* AOwner);

    int FormCount() const { return int(FForms.size()); }
    TForm* Forms(int Index) const { return FForms.at(Index); }
    // The form whose window is the active one, or nil.
    TForm* ActiveForm() const;

private:
    friend class TForm;
    // A form joins the list when it is made and leaves it when freed.
    void AddForm(TForm* Form);
    void RemoveForm(TForm* Form);

    QList<TForm*> FForms;
};

// The process's screen, made on first use; it outlives every form.
TScreen* Screen();

} // namespace classlib
