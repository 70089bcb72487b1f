#pragma once

// Logical fonts resolved to Qt fonts, and text measured at a resolution.
// Shared by every device so that a recording and its playback measure alike.

#include "classlib/graphics/devicecontext.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>

#include <array>
#include <memory>
#include <vector>

namespace classlib {

// Font sizes beyond this many device pixels are drawn at this size: larger
// glyphs only fill memory (a rotated glyph cache of hundreds of megabytes).
constexpr double MaxFontPixels = 1e4;
// Glyphs larger than this many device pixels are filled as outlines: Qt
// keeps some glyphs (boxes for characters no face has, colour bitmaps) in
// a cache image whatever their size.
constexpr double MaxGlyphImagePixels = 4.0 * 1024 * 1024;
// An em or width in pixels brought into [Min, MaxFontPixels]; NaN gives Min.
inline double ClampFontPixels(double Pixels, double Min)
{
    return Pixels >= Min ? (Pixels <= MaxFontPixels ? Pixels : MaxFontPixels) : Min;
}

// The installed family standing in for a face name: the metric twins of
// the usual faces (Arial, Times New Roman, Courier New), otherwise the name.
QString MapFaceName(const QString& FaceName);

// A paint device that only reports a resolution, for measuring text as a
// device of that resolution would draw it.
class TMetricDevice : public QPaintDevice {
public:
    TMetricDevice(int DpiX, int DpiY) : FDpiX(DpiX > 0 ? DpiX : 96), FDpiY(DpiY > 0 ? DpiY : 96) {}
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    int metric(PaintDeviceMetric Metric) const override;

private:
    int FDpiX;
    int FDpiY;
};

// A logical font at a size in device pixels. Height and Width of the
// logical font are ignored: the caller turns them into EmPixels
// (ResolveEmPixels) and the average character width WidthPixels (0: the
// face's own proportions).
class TResolvedFont {
public:
    TResolvedFont(const TLogFont& Font, double EmPixels, double WidthPixels, int DpiX, int DpiY);

    // The Qt font for a device of DpiY (point size from EmPixels).
    QFont Font(int DpiY) const;
    double EmPixels() const { return FEm; }
    double WidthPixels() const { return FWidth; }
    const TLogFont& LogFont() const { return FLog; }
    int DpiX() const { return FDevice.logicalDpiX(); }
    int DpiY() const { return FDevice.logicalDpiY(); }

    // Pixels at the resolution given to the constructor.
    double Ascent() const { return FAscent; }
    double Descent() const { return FDescent; }
    double Leading() const { return FLeading; }
    double AveCharWidth() const { return FAveWidth; }
    double MaxCharWidth() const { return FMaxWidth; }
    double TextWidth(const QString& Text) const;
    // Pen position before each UTF-16 unit, and after the last (size + 1).
    std::vector<double> Positions(const QString& Text) const;
    // The same into Out, whose storage is reused.
    void Positions(const QString& Text, std::vector<double>& Out) const;

private:
    double Advance(char16_t U) const;

    TLogFont FLog;
    double FEm;
    double FWidth;
    int FStretch = 100;
    TMetricDevice FDevice;
    double FAscent = 0, FDescent = 0, FLeading = 0, FAveWidth = 0, FMaxWidth = 0;
    // Advances of single characters, measured once: text is spaced as the
    // sum of its characters' advances, without kerning.
    std::unique_ptr<QFontMetricsF> FMetrics;
    // The first 256 units in a table (-1: not measured yet), the rest hashed.
    mutable std::array<double, 256> FLatinAdvances;
    mutable QHash<char16_t, double> FAdvances;
};

// The resolved font of those values, shared with every context that asked
// for it lately on the application's thread: each paint of each window has
// a context of its own, and resolving a face costs more than drawing a
// label's text.
std::shared_ptr<const TResolvedFont> ResolveFont(const TLogFont& Font, double Em, double Width, int DpiX,
                                                 int DpiY);

// The em size in pixels of a logical font whose Height, in logical units,
// is HeightPixels device pixels (negative: em, positive: cell, 0: default).
double ResolveEmPixels(const TLogFont& Font, double HeightPixels, int DpiX, int DpiY);

} // namespace classlib
