#include "classlib/graphics/metafiletexts.h"

#include "classlib/graphics/devicecontext.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafileplayer.h"

namespace classlib {

namespace {

// Keeps the texts played onto it and draws nothing.
class TTextCollector : public TDeviceContext {
public:
    QStringList Texts;

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
    void ExtTextOut(int, int, unsigned, const TRect*, const QString& Text, const std::vector<int>*) override
    {
        Texts << Text;
    }
};

} // namespace

QStringList MetafileTexts(const TMetafile& Metafile)
{
    TTextCollector dc;
    PlayEnhMetaFile(dc, Metafile, TRect{0, 0, 2100, 2970});
    return dc.Texts;
}

} // namespace classlib
