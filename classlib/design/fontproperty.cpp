#include "classlib/design/fontproperty.h"

#include "classlib/graphics/font.h"

namespace classlib {

std::function<bool(TFont& Font)> FontDialogHook;

TPropertyAttributes TFontProperty::GetAttributes()
{
    using enum TPropertyAttribute;
    return {paMultiSelect, paSubProperties, paDialog, paReadOnly};
}

void TFontProperty::Edit()
{
    if (!FontDialogHook) return;
    TFont font;
    if (const TFont* current = As<TFont>(GetObjValue())) font.Assign(current);
    if (FontDialogHook(font)) SetObjValue(&font);
}

} // namespace classlib
