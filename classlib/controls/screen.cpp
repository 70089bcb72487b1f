#include "classlib/controls/screen.h"

#include "classlib/controls/form.h"
#include "classlib/core/classbuilder.h"

namespace classlib {

const TClassInfo& TScreen::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TScreen>("TScreen").Build();
    return info;
}

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

TForm* TScreen::ActiveForm() const
{
    for (TForm* f : FForms)
        if (f->Widget() && f->Widget()->isWindow() && f->Widget()->isActiveWindow())
            return f;
    return nullptr;
}

void TScreen::AddForm(TForm* Form)
{
    if (!FForms.contains(Form))
        FForms.append(Form);
}

void TScreen::RemoveForm(TForm* Form)
{
    FForms.removeOne(Form);
}

TScreen* Screen()
{
    // Never freed: forms that outlive static destruction still leave it.
    static TScreen* const screen = new TScreen(nullptr);
    return screen;
}

} // namespace classlib
