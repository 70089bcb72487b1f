#include "classlib/graphics/region.h"

#include "classlib/graphics/gdiconsts.h"

#include <algorithm>

namespace classlib {

TRect NormalizeRect(const TRect& R)
{
    return {std::min(R.Left, R.Right), std::min(R.Top, R.Bottom), std::max(R.Left, R.Right),
            std::max(R.Top, R.Bottom)};
}

namespace {
// Regions stay within +-2^28 pixels, so that no width overflows.
constexpr int RegionLimit = 1 << 28;

QRect ToQRect(const TRect& R)
{
    const TRect n = NormalizeRect(R);
    auto c = [](int v) { return std::clamp(v, -RegionLimit, RegionLimit); };
    const int l = c(n.Left), t = c(n.Top);
    return QRect(l, t, c(n.Right) - l, c(n.Bottom) - t);
}
TRect FromQRect(const QRect& R)
{
    return {R.left(), R.top(), R.left() + R.width(), R.top() + R.height()};
}
} // namespace

TRegion::TRegion(const TRect& Rect) : FRegion(ToQRect(Rect)) {}

TRegion TRegion::FromRects(const std::vector<TRect>& Rects)
{
    TRegion r;
    for (const TRect& rc : Rects)
        r.FRegion += ToQRect(rc);
    return r;
}

TRegion TRegion::FromQRegion(const QRegion& Region)
{
    TRegion r;
    r.FRegion = Region;
    return r;
}

TRect TRegion::Bounds() const
{
    return FRegion.isEmpty() ? TRect{} : FromQRect(FRegion.boundingRect());
}

std::vector<TRect> TRegion::Rects() const
{
    std::vector<TRect> out;
    for (const QRect& r : FRegion)
        out.push_back(FromQRect(r));
    return out;
}

int TRegion::Complexity() const
{
    if (FRegion.isEmpty())
        return NULLREGION;
    return FRegion.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool TRegion::Combine(const TRegion& Other, int Mode)
{
    switch (Mode) {
    case RGN_AND: FRegion &= Other.FRegion; return true;
    case RGN_OR: FRegion |= Other.FRegion; return true;
    case RGN_XOR: FRegion ^= Other.FRegion; return true;
    case RGN_DIFF: FRegion -= Other.FRegion; return true;
    case RGN_COPY: FRegion = Other.FRegion; return true;
    default: return false;
    }
}

void TRegion::Intersect(const TRect& Rect)
{
    FRegion &= QRegion(ToQRect(Rect));
}

void TRegion::Exclude(const TRect& Rect)
{
    FRegion -= QRegion(ToQRect(Rect));
}

} // namespace classlib
