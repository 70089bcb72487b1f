#include "classlib/design/fontproperty.h"

#include "classlib/controls/dialogs.h"
#include "classlib/graphics/font.h"

namespace classlib {

TPropertyAttributes TFontProperty::GetAttributes()
{
    using enum TPropertyAttribute;
    return {paMultiSelect, paSubProperties, paDialog, paReadOnly};
}

void TFontProperty::Edit()
{
    TFontDialog dialog(nullptr);
    if (const TFont* current = As<TFont>(GetObjValue())) dialog.SetFont(current);
    if (dialog.Execute()) SetObjValue(dialog.Font());
}

} // namespace classlib
