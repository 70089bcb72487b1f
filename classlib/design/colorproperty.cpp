#include "classlib/design/colorproperty.h"

namespace classlib {

std::function<bool(TColor& Color)> ColorDialogHook;

void TColorProperty::Edit()
{
    if (!ColorDialogHook) return;
    TColor color = TColor(GetOrdValue());
    if (ColorDialogHook(color)) SetOrdValue(color);
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
