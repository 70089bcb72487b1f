#include "classlib/design/colorproperty.h"

#include "classlib/controls/dialogs.h"

namespace classlib {

void TColorProperty::Edit()
{
    TColorDialog dialog(nullptr);
    dialog.SetColor(TColor(GetOrdValue()));
    if (dialog.Execute()) SetOrdValue(dialog.Color());
}

TPropertyAttributes TColorProperty::GetAttributes()
{
    using enum TPropertyAttribute;
    return {paMultiSelect, paDialog, paValueList, paRevertable};
}

QString TColorProperty::GetValue()
{
    return ColorToString(TColor(GetOrdValue()));
}

void TColorProperty::GetValues(const TGetStrProc& Proc)
{
    GetColorValues(Proc);
}

void TColorProperty::SetValue(const QString& Value)
{
    qint64 color = 0;
    if (IdentToColor(Value, color))
        SetOrdValue(color);
    else
        TIntegerProperty::SetValue(Value);
}

} // namespace classlib
