#include "designer/metrixproperty.h"

#include "classlib/core/sysutils.h"
#include "classlib/design/floatproperty.h"

namespace designer {

using namespace classlib;

TPropertyAttributes TMetrixProperty::GetAttributes()
{
    return {};
}

QString TMetrixProperty::GetValue()
{
    return Format("%.2f", {double(GetFloatValue())});
}

void TMetrixProperty::SetValue(const QString& Value)
{
    const double mm = double(StrToPropertyFloat(Value, TFloatType::ftDouble));
    // Lengths are kept in hundredths: one that no integer holds is refused
    // before any setter sees it.
    (void)Round(mm * 100);
    SetFloatValue(mm);
}

} // namespace designer
