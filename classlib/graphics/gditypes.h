#pragma once

// Plain geometry and colour values of the drawing layer. Coordinates are
// whatever unit the surrounding code says (logical units of a canvas,
// device pixels, hundredths of a millimetre); the types do not convert.

#include <QtGlobal>

#include <climits>

namespace classlib {

// Geometry read from documents may sit anywhere in the 32-bit range: sums,
// differences and products go through 64 bits and saturate back to int.
constexpr int SatInt(qint64 V)
{
    return V < INT_MIN ? INT_MIN : (V > INT_MAX ? INT_MAX : int(V));
}
constexpr int SatAdd(int A, int B) { return SatInt(qint64(A) + B); }
constexpr int SatSub(int A, int B) { return SatInt(qint64(A) - B); }
constexpr int SatMul(int A, int B) { return SatInt(qint64(A) * B); }
constexpr int SatNeg(int A) { return SatInt(-qint64(A)); }

struct TPoint {
    int X = 0;
    int Y = 0;
    constexpr bool operator==(const TPoint&) const = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    constexpr bool operator==(const TSize&) const = default;
};

// Left/Top inclusive, Right/Bottom exclusive, as the drawing calls take it.
// Top may be greater than Bottom (y pointing up in report coordinates).
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return SatSub(Right, Left); }
    constexpr int Height() const { return SatSub(Bottom, Top); }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    constexpr bool operator==(const TRect&) const = default;
};

constexpr TRect Rect(int Left, int Top, int Right, int Bottom) { return {Left, Top, Right, Bottom}; }
constexpr TPoint Point(int X, int Y) { return {X, Y}; }
constexpr TRect Bounds(int Left, int Top, int Width, int Height)
{
    return {Left, Top, SatAdd(Left, Width), SatAdd(Top, Height)};
}

// R moved by (DX, DY), each edge saturated.
constexpr TRect SatOffsetRect(const TRect& R, int DX, int DY)
{
    return {SatAdd(R.Left, DX), SatAdd(R.Top, DY), SatAdd(R.Right, DX), SatAdd(R.Bottom, DY)};
}

// A colour as the device context takes it: 0x00BBGGRR.
using TColorRef = quint32;

constexpr TColorRef RGB(int R, int G, int B)
{
    return TColorRef(quint8(R)) | (TColorRef(quint8(G)) << 8) | (TColorRef(quint8(B)) << 16);
}
constexpr int GetRValue(TColorRef C) { return int(C & 0xFF); }
constexpr int GetGValue(TColorRef C) { return int((C >> 8) & 0xFF); }
constexpr int GetBValue(TColorRef C) { return int((C >> 16) & 0xFF); }

} // namespace classlib
