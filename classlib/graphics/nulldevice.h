#pragma once

// A device that draws nothing: one pixel per 0.01 mm on a sheet 400 mm
// square. What a metafile does is read off it by overriding the calls of
// interest.

#include "classlib/graphics/devicecontext.h"

namespace classlib {

class TNullDeviceContext : public TDeviceContext {
public:
    TDeviceCaps DeviceCaps() const override
    {
        TDeviceCaps caps;
        caps.HorzSizeMM = caps.VertSizeMM = 400;
        caps.HorzRes = caps.VertRes = 40000;
        caps.LogPixelsX = caps.LogPixelsY = 2540;
        return caps;
    }
    void LineTo(int, int) override {}
    void Rectangle(const TRect&) override {}
    void Ellipse(const TRect&) override {}
    void Polygon(const std::vector<TPoint>&) override {}
    void Polyline(const std::vector<TPoint>&) override {}
    void FillRect(const TRect&, const TLogBrush&) override {}
    TColorRef SetPixel(int, int, TColorRef Color) override { return Color; }
    void StretchDIBits(const TRect&, const TRect&, const QImage&, quint32) override {}
    void ExtTextOut(int, int, unsigned, const TRect*, const QString&, const std::vector<int>*) override {}
};

} // namespace classlib
