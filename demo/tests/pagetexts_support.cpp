#include "demo/tests/pagetexts.h"

#include "classlib/graphics/devicecontext.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafileplayer.h"

using namespace classlib;

namespace demo::tests {

namespace {

// Keeps the texts and ignores everything else.
class TTextDC : public TDeviceContext {
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
    void ExtTextOut(int, int, unsigned, const TRect*, const QString& Text, const std::vector<int>*) override
    {
        Texts << Text;
    }
    void StretchDIBits(const TRect&, const TRect&, const QImage&, quint32) override {}

    QStringList Texts;
};

} // namespace

QStringList PageTexts(const TMetafile& Page)
{
    TTextDC dc;
    PlayEnhMetaFile(dc, Page, TRect{0, 0, 2100, 2970});
    return dc.Texts;
}

} // namespace demo::tests
