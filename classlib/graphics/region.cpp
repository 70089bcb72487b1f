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
QRect Tidy(const QRect& R)
{
    return R.isEmpty() ? QRect() : R;
}
} // namespace

TRegion::TRegion(const TRect& Rect) : FRect(Tidy(ToQRect(Rect))) {}

TRegion TRegion::FromRects(const std::vector<TRect>& Rects)
{
    QRegion region;
    for (const TRect& rc : Rects)
        region += ToQRect(rc);
    return FromQRegion(region);
}

TRegion TRegion::FromQRegion(const QRegion& Region)
{
    TRegion r;
    r.FIsRect = false;
    r.FRegion = Region;
    r.Simplify();
    return r;
}

void TRegion::Simplify()
{
    if (FIsRect || FRegion.rectCount() > 1)
        return;
    FRect = Tidy(FRegion.boundingRect());
    FRegion = QRegion();
    FIsRect = true;
}

TRect TRegion::Bounds() const
{
    if (IsEmpty())
        return TRect{};
    return FromQRect(FIsRect ? FRect : FRegion.boundingRect());
}

std::vector<TRect> TRegion::Rects() const
{
    std::vector<TRect> out;
    if (FIsRect) {
        if (!FRect.isEmpty())
            out.push_back(FromQRect(FRect));
        return out;
    }
    for (const QRect& r : FRegion)
        out.push_back(FromQRect(r));
    return out;
}

bool TRegion::Contains(const TPoint& P) const
{
    return FIsRect ? FRect.contains(QPoint(P.X, P.Y)) : FRegion.contains(QPoint(P.X, P.Y));
}

int TRegion::Complexity() const
{
    if (IsEmpty())
        return NULLREGION;
    return FIsRect ? SIMPLEREGION : COMPLEXREGION;
}

bool TRegion::Combine(const TRegion& Other, int Mode)
{
    if (Mode == RGN_COPY) {
        *this = Other;
        return true;
    }
    if (Mode == RGN_AND && FIsRect && Other.FIsRect) {
        FRect = Tidy(FRect.intersected(Other.FRect));
        return true;
    }
    QRegion r = ToQRegion();
    const QRegion o = Other.ToQRegion();
    switch (Mode) {
    case RGN_AND: r &= o; break;
    case RGN_OR: r |= o; break;
    case RGN_XOR: r ^= o; break;
    case RGN_DIFF: r -= o; break;
    default: return false;
    }
    *this = FromQRegion(r);
    return true;
}

void TRegion::Intersect(const TRect& Rect)
{
    Combine(TRegion(Rect), RGN_AND);
}

void TRegion::Exclude(const TRect& Rect)
{
    Combine(TRegion(Rect), RGN_DIFF);
}

void TRegion::Offset(int DX, int DY)
{
    // Moved regions stay within the limit too, whole: offsets one after
    // another would run past the end of int.
    const QRect b = FIsRect ? FRect : FRegion.boundingRect();
    auto shift = [](qint64 Low, qint64 High, qint64 D) {
        return int(std::clamp<qint64>(D, -RegionLimit - Low, RegionLimit - High));
    };
    const int dx = shift(b.left(), qint64(b.left()) + b.width(), DX);
    const int dy = shift(b.top(), qint64(b.top()) + b.height(), DY);
    if (FIsRect)
        FRect = Tidy(FRect.translated(dx, dy));
    else
        FRegion.translate(dx, dy);
}

bool TRegion::operator==(const TRegion& Other) const
{
    if (FIsRect && Other.FIsRect)
        return FRect == Other.FRect;
    // A simplified region of several rectangles never equals a rectangle.
    return FIsRect == Other.FIsRect && FRegion == Other.FRegion;
}

} // namespace classlib
