#pragma once

// The few controls the library's forms are made of, placed in one call.

#include "classlib/controls/modalresponder.h"

#include <QString>

namespace classlib {
class TButton;
class TCheckBox;
class TLabel;
class TWinControl;
} // namespace classlib

namespace qxui {

classlib::TLabel* MakeLabel(classlib::TWinControl* Parent, const QString& Name, const QString& Caption,
                            int Left, int Top);
classlib::TButton* MakeButton(classlib::TWinControl* Parent, const QString& Name, const QString& Caption,
                              classlib::TModalResult Result, int Left, int Top);
classlib::TCheckBox* MakeCheckBox(classlib::TWinControl* Parent, const QString& Name, const QString& Caption,
                                  int Left, int Top);

} // namespace qxui
