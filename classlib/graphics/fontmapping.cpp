#include "classlib/graphics/fontmapping.h"

#include "classlib/core/sysutils.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace classlib {

QString MapFaceName(const QString& FaceName)
{
    static const struct {
        const char* Face;
        const char* Family;
    } Twins[] = {
        {"Arial", "Liberation Sans"},
        {"Helvetica", "Liberation Sans"},
        {"MS Sans Serif", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Times", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
        {"Courier", "Liberation Mono"},
    };
    for (const auto& t : Twins)
        if (SameText(FaceName, QString::fromLatin1(t.Face)))
            return QString::fromLatin1(t.Family);
    return FaceName.isEmpty() ? QStringLiteral("Liberation Sans") : FaceName;
}

int TMetricDevice::metric(PaintDeviceMetric Metric) const
{
    switch (Metric) {
    case PdmWidth: return 10000;
    case PdmHeight: return 10000;
    case PdmWidthMM: return int(10000 * 25.4 / FDpiX);
    case PdmHeightMM: return int(10000 * 25.4 / FDpiY);
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmPhysicalDpiX: return FDpiX;
    case PdmDpiY:
    case PdmPhysicalDpiY: return FDpiY;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    default: return 0;
    }
}

namespace {

QFont BaseFont(const TLogFont& Log)
{
    QFont f(MapFaceName(Log.FaceName));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    const int w = Log.Weight <= 0 ? FW_NORMAL : std::clamp(Log.Weight, 1, 1000);
    f.setWeight(QFont::Weight(w));
    f.setItalic(Log.Italic);
    f.setUnderline(Log.Underline);
    f.setStrikeOut(Log.StrikeOut);
    if ((Log.PitchAndFamily & 3) == FIXED_PITCH)
        f.setFixedPitch(true);
    return f;
}

QFont SizedFont(const TLogFont& Log, double Em, int Stretch, int DpiY)
{
    QFont f = BaseFont(Log);
    f.setPointSizeF(std::max(Em, 0.01) * 72.0 / DpiY);
    if (Stretch != 100)
        f.setStretch(Stretch);
    return f;
}

} // namespace

double ResolveEmPixels(const TLogFont& Font, double HeightPixels, int DpiX, int DpiY)
{
    const double h = std::fabs(HeightPixels);
    if (!(h > 0) || !std::isfinite(h))
        return DpiY * 12.0 / 72.0;
    if (Font.Height < 0)
        return h;
    // A cell height: find the em whose ascent + descent makes it.
    TMetricDevice dev(DpiX, DpiY);
    QFontMetricsF fm(SizedFont(Font, 100.0, 100, DpiY), &dev);
    const double cell = fm.ascent() + fm.descent();
    return cell > 0 ? h * 100.0 / cell : h;
}

TResolvedFont::TResolvedFont(const TLogFont& Font, double EmPixels, double WidthPixels, int DpiX, int DpiY)
    : FLog(Font)
    , FEm(ClampFontPixels(EmPixels, 0.01))
    , FWidth(ClampFontPixels(std::fabs(WidthPixels), 0.0))
    , FDevice(DpiX, DpiY)
{
    FLatinAdvances.fill(-1.0);
    if (FWidth > 0) {
        QFontMetricsF natural(SizedFont(FLog, FEm, 100, FDevice.logicalDpiY()), &FDevice);
        const double avg = natural.averageCharWidth();
        // Qt renders glyphs of up to 64 pixels into bitmaps; stretched far
        // wider than that, FreeType's rasteriser overflows and Qt crashes.
        // Larger fonts are drawn as outlines and may stretch all the way.
        const double most = FEm <= 64.0 ? 1000.0 : 4000.0;
        if (avg > 0)
            FStretch = int(std::nearbyint(std::clamp(FWidth / avg * 100.0, 1.0, most)));
    }
    FMetrics = std::make_unique<QFontMetricsF>(this->Font(FDevice.logicalDpiY()), &FDevice);
    const QFontMetricsF& fm = *FMetrics;
    FAscent = fm.ascent();
    FDescent = fm.descent();
    FLeading = std::max(0.0, fm.leading());
    FAveWidth = fm.averageCharWidth();
    FMaxWidth = fm.maxWidth();
}

QFont TResolvedFont::Font(int DpiY) const
{
    return SizedFont(FLog, FEm, FStretch, DpiY > 0 ? DpiY : 96);
}

std::vector<double> TResolvedFont::Positions(const QString& Text) const
{
    std::vector<double> pos;
    Positions(Text, pos);
    return pos;
}

void TResolvedFont::Positions(const QString& Text, std::vector<double>& Out) const
{
    std::vector<double>& pos = Out;
    pos.assign(size_t(Text.size()) + 1, 0.0);
    if (Text.isEmpty())
        return;
    bool simple = true;
    for (QChar c : Text)
        if (c.isSurrogate()) {
            simple = false;
            break;
        }
    if (simple) {
        double x = 0;
        for (qsizetype i = 0; i < Text.size(); ++i) {
            x += Advance(Text[i].unicode());
            pos[size_t(i) + 1] = x;
        }
        return;
    }
    QTextLayout layout(Text, Font(FDevice.logicalDpiY()), &FDevice);
    QTextOption opt;
    opt.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(opt);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e9);
    layout.endLayout();
    for (qsizetype i = 0; i <= Text.size(); ++i)
        pos[size_t(i)] = line.cursorToX(int(i));
    // A unit inside a character (the low half of a surrogate pair) has no
    // position of its own: it sits where the character began.
    for (size_t i = 1; i < pos.size(); ++i)
        pos[i] = std::max(pos[i], pos[i - 1]);
}

double TResolvedFont::Advance(char16_t U) const
{
    if (U < FLatinAdvances.size()) {
        double& a = FLatinAdvances[U];
        if (a < 0)
            a = FMetrics->horizontalAdvance(QChar(U));
        return a;
    }
    auto it = FAdvances.constFind(U);
    if (it == FAdvances.constEnd())
        it = FAdvances.insert(U, FMetrics->horizontalAdvance(QChar(U)));
    return *it;
}

double TResolvedFont::TextWidth(const QString& Text) const
{
    if (Text.isEmpty())
        return 0.0;
    return Positions(Text).back();
}

} // namespace classlib
