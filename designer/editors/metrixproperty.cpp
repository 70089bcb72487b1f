#include "designer/editors/metrixproperty.h"

#include "designer/editors/millimetres.h"

#include "classlib/core/sysutils.h"

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
    // Read as shown: with the decimal separator of the user's locale.
    const double mm = StrToFloat(Value.trimmed());
    // Lengths are kept in hundredths: one that no integer holds is refused
    // before any setter sees it. Whether a negative one may be is the
    // setter's business (a left may, a width may not).
    (void)MMToHundredths(mm, false);
    SetFloatValue(mm);
}

} // namespace designer
