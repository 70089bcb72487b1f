#include "designer/qxui/formparts.h"

#include "classlib/controls/button.h"
#include "classlib/controls/checkbox.h"
#include "classlib/controls/label.h"

using namespace classlib;

namespace qxui {

namespace {

// Owned by their parent (the form), which frees them.
template <class T>
T* Make(TWinControl* Parent, const QString& Name)
{
    auto* control = new T(Parent);
    control->SetName(Name);
    control->SetParent(Parent);
    return control;
}

} // namespace

TLabel* MakeLabel(TWinControl* Parent, const QString& Name, const QString& Caption, int Left, int Top)
{
    auto* label = Make<TLabel>(Parent, Name);
    label->SetCaption(Caption);
    label->SetLeft(Left);
    label->SetTop(Top);
    return label;
}

TButton* MakeButton(TWinControl* Parent, const QString& Name, const QString& Caption, TModalResult Result,
                    int Left, int Top)
{
    auto* button = Make<TButton>(Parent, Name);
    button->SetCaption(Caption);
    button->SetModalResult(Result);
    button->SetBounds(Left, Top, 75, 25);
    return button;
}

TCheckBox* MakeCheckBox(TWinControl* Parent, const QString& Name, const QString& Caption, int Left, int Top)
{
    auto* box = Make<TCheckBox>(Parent, Name);
    box->SetCaption(Caption);
    box->SetBounds(Left, Top, 180, 20);
    return box;
}

} // namespace qxui
