#include "designer/document/designstate.h"

#include "classlib/core/sysutils.h"

#include <cmath>
#include <limits>

namespace designer {

double Scale = 1.0;
double Zoom = 0.0;
double GridStep = 0.0;
int ScaleLock = 0;
bool ShowGrid = false;
bool ShowCaptions = true;
bool ConfirmDelete = true;
bool AutoPreview = false;
classlib::TFont* NameFont = nullptr;

namespace {

int RoundSaturated(double Value)
{
    if (std::isnan(Value)) return 0;
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    if (Value <= lo) return std::numeric_limits<int>::min();
    if (Value >= hi) return std::numeric_limits<int>::max();
    return int(std::nearbyint(Value));  // the default rounding mode: halves to even
}

} // namespace

int ToPixels(qint64 Units)
{
    return RoundSaturated(double(Units) * Scale);
}

int ToUnits(qint64 Pixels)
{
    return RoundSaturated(double(Pixels) / Scale);
}

void LockScale()
{
    ++ScaleLock;
}

void UnlockScale()
{
    if (ScaleLock > 0) --ScaleLock;
}

bool ScaleUnlocked()
{
    return ScaleLock == 0;
}

} // namespace designer
