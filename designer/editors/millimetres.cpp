#include "designer/editors/millimetres.h"

#include "classlib/core/sysutils.h"

#include <cmath>
#include <limits>

namespace designer {

using namespace classlib;

int MMToHundredths(double MM, bool Positive)
{
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    const double hundredths = std::nearbyint(MM * 100);
    // Negative first: a width of minus a great deal is still negative.
    if (Positive && hundredths < 0) throw EInvalidOp(Format("%f is not a valid positive value", {MM}));
    if (!(hundredths >= lowest && hundredths <= highest))
        throw EConvertError(Format("%.2f is out of range (%.2f to %.2f)",
                                   {MM, Positive ? 0.0 : lowest / 100, highest / 100}));
    return Round(MM * 100);
}

} // namespace designer
