#pragma once

// A region: a set of device pixels made of rectangles, as clipping keeps it.

#include "classlib/graphics/gditypes.h"

#include <QRegion>

#include <vector>

namespace classlib {

class TRegion {
public:
    TRegion() = default;
    // The pixels of Rect (normalised, Right and Bottom excluded).
    explicit TRegion(const TRect& Rect);
    static TRegion FromRects(const std::vector<TRect>& Rects);

    bool IsEmpty() const { return FIsRect ? FRect.isEmpty() : FRegion.isEmpty(); }
    // The bounding rectangle; all zero when empty.
    TRect Bounds() const;
    // Disjoint rectangles, top to bottom, left to right.
    std::vector<TRect> Rects() const;
    bool Contains(const TPoint& P) const;
    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int Complexity() const;

    // One of RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY; false otherwise.
    bool Combine(const TRegion& Other, int Mode);
    void Intersect(const TRect& Rect);
    void Exclude(const TRect& Rect);
    void Offset(int DX, int DY);

    QRegion ToQRegion() const { return FIsRect ? QRegion(FRect) : FRegion; }
    static TRegion FromQRegion(const QRegion& Region);

    bool operator==(const TRegion& Other) const;

private:
    // Back to a plain rectangle when the region is one.
    void Simplify();

    // A single rectangle, or nothing, is kept as such: every element clips
    // to its box, and a QRegion allocates for each.
    bool FIsRect = true;
    QRect FRect;      // when FIsRect; empty ones are QRect()
    QRegion FRegion;  // otherwise
};

// Left < Right and Top < Bottom, by swapping.
TRect NormalizeRect(const TRect& R);

} // namespace classlib
