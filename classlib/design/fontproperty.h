#pragma once

// The editor of font properties: the font's own properties as rows, and the
// font dialog behind the "..." button.

#include "classlib/design/classproperty.h"

#include <functional>

namespace classlib {

class TFont;

// Shows the font dialog on Font; true when the user took the dialog's
// font, which is then in Font. Empty while no dialog is available: Edit
// then changes nothing.
extern std::function<bool(TFont& Font)> FontDialogHook;

class TFontProperty : public TClassProperty {
public:
    using TClassProperty::TClassProperty;
    TPropertyAttributes GetAttributes() override;
    // The first component's font in the dialog; the chosen font goes to
    // every selected component.
    void Edit() override;
};

} // namespace classlib
