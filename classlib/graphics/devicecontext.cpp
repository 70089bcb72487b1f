#include "classlib/graphics/devicecontext.h"

#include "classlib/graphics/fontmapping.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <limits>

namespace classlib {

namespace {

// Keeps converted coordinates inside int, far beyond any device.
constexpr double CoordLimit = double(1 << 28);

int RoundCoord(double V)
{
    if (!std::isfinite(V))
        return 0;
    return int(std::nearbyint(std::clamp(V, -CoordLimit, CoordLimit)));
}

int MetricUnitsPerInch(int Mode)
{
    switch (Mode) {
    case MM_LOMETRIC: return 254;
    case MM_HIMETRIC: return 2540;
    case MM_LOENGLISH: return 100;
    case MM_HIENGLISH: return 1000;
    case MM_TWIPS: return 1440;
    default: return 0;
    }
}

} // namespace

int TDeviceContext::GetDeviceCaps(int Index) const
{
    const TDeviceCaps c = DeviceCaps();
    switch (Index) {
    case TECHNOLOGY: return c.Technology;
    case HORZSIZE: return c.HorzSizeMM;
    case VERTSIZE: return c.VertSizeMM;
    case HORZRES: return c.HorzRes;
    case VERTRES: return c.VertRes;
    case BITSPIXEL: return c.BitsPixel;
    case PLANES: return c.Planes;
    case NUMCOLORS: return c.NumColors;
    case LOGPIXELSX: return c.LogPixelsX;
    case LOGPIXELSY: return c.LogPixelsY;
    case PHYSICALWIDTH: return c.PhysicalWidth;
    case PHYSICALHEIGHT: return c.PhysicalHeight;
    case PHYSICALOFFSETX: return c.PhysicalOffsetX;
    case PHYSICALOFFSETY: return c.PhysicalOffsetY;
    default: return 0;
    }
}

int TDeviceContext::MappingLogPixelsX() const
{
    const int v = FFrame ? FFrame->RefLogPixelsX : DeviceCaps().LogPixelsX;
    return v > 0 ? v : 96;
}

int TDeviceContext::MappingLogPixelsY() const
{
    const int v = FFrame ? FFrame->RefLogPixelsY : DeviceCaps().LogPixelsY;
    return v > 0 ? v : 96;
}

// --- mapping ---------------------------------------------------------------

void TDeviceContext::FixExtents()
{
    TDCState& s = FState;
    if (s.MapMode == MM_TEXT) {
        s.WindowExt = {1, 1};
        s.ViewportExt = {1, 1};
    } else if (const int u = MetricUnitsPerInch(s.MapMode)) {
        s.WindowExt = {u, u};
        s.ViewportExt = {MappingLogPixelsX(), -MappingLogPixelsY()};
    } else if (s.MapMode == MM_ISOTROPIC) {
        // Equal physical units along both axes: the larger unit shrinks.
        const double ux = std::fabs(double(s.ViewportExt.cx) / s.WindowExt.cx) / MappingLogPixelsX();
        const double uy = std::fabs(double(s.ViewportExt.cy) / s.WindowExt.cy) / MappingLogPixelsY();
        if (ux > uy) {
            const int v = std::max(1, RoundCoord(uy * MappingLogPixelsX() * std::fabs(double(s.WindowExt.cx))));
            s.ViewportExt.cx = s.ViewportExt.cx < 0 ? -v : v;
        } else if (uy > ux) {
            const int v = std::max(1, RoundCoord(ux * MappingLogPixelsY() * std::fabs(double(s.WindowExt.cy))));
            s.ViewportExt.cy = s.ViewportExt.cy < 0 ? -v : v;
        }
    }
}

int TDeviceContext::SetMapMode(int Mode)
{
    if (Mode < MM_TEXT || Mode > MM_ANISOTROPIC)
        return 0;
    const int old = FState.MapMode;
    FState.MapMode = Mode;
    FixExtents();
    MarkDirty(dirtyMapping | dirtyFont | dirtyPen);
    return old;
}

bool TDeviceContext::SetWindowOrg(int X, int Y, TPoint* Old)
{
    if (Old) *Old = FState.WindowOrg;
    FState.WindowOrg = {X, Y};
    MarkDirty(dirtyMapping);
    return true;
}

bool TDeviceContext::SetViewportOrg(int X, int Y, TPoint* Old)
{
    if (Old) *Old = FState.ViewportOrg;
    FState.ViewportOrg = {X, Y};
    MarkDirty(dirtyMapping);
    return true;
}

bool TDeviceContext::OffsetWindowOrg(int DX, int DY, TPoint* Old)
{
    const TPoint o = FState.WindowOrg;
    return SetWindowOrg(RoundCoord(double(o.X) + DX), RoundCoord(double(o.Y) + DY), Old);
}

bool TDeviceContext::OffsetViewportOrg(int DX, int DY, TPoint* Old)
{
    const TPoint o = FState.ViewportOrg;
    return SetViewportOrg(RoundCoord(double(o.X) + DX), RoundCoord(double(o.Y) + DY), Old);
}

bool TDeviceContext::SetWindowExt(int X, int Y, TSize* Old)
{
    if (Old) *Old = FState.WindowExt;
    if (X == 0 || Y == 0)
        return false;
    if (FState.MapMode != MM_ISOTROPIC && FState.MapMode != MM_ANISOTROPIC)
        return true;  // fixed by the mode; not an error
    FState.WindowExt = {X, Y};
    FixExtents();
    MarkDirty(dirtyMapping | dirtyFont | dirtyPen);
    return true;
}

bool TDeviceContext::SetViewportExt(int X, int Y, TSize* Old)
{
    if (Old) *Old = FState.ViewportExt;
    if (X == 0 || Y == 0)
        return false;
    if (FState.MapMode != MM_ISOTROPIC && FState.MapMode != MM_ANISOTROPIC)
        return true;
    FState.ViewportExt = {X, Y};
    FixExtents();
    MarkDirty(dirtyMapping | dirtyFont | dirtyPen);
    return true;
}

TPoint TDeviceContext::LPtoDP(const TPoint& P) const
{
    const TDCState& s = FState;
    return {RoundCoord((double(P.X) - s.WindowOrg.X) * ScaleX() + s.ViewportOrg.X),
            RoundCoord((double(P.Y) - s.WindowOrg.Y) * ScaleY() + s.ViewportOrg.Y)};
}

TPoint TDeviceContext::DPtoLP(const TPoint& P) const
{
    const TDCState& s = FState;
    return {RoundCoord((double(P.X) - s.ViewportOrg.X) / ScaleX() + s.WindowOrg.X),
            RoundCoord((double(P.Y) - s.ViewportOrg.Y) / ScaleY() + s.WindowOrg.Y)};
}

TRect TDeviceContext::LPtoDP(const TRect& R) const
{
    const TPoint a = LPtoDP(R.TopLeft());
    const TPoint b = LPtoDP(R.BottomRight());
    return {a.X, a.Y, b.X, b.Y};
}

TRect TDeviceContext::DPtoLP(const TRect& R) const
{
    const TPoint a = DPtoLP(R.TopLeft());
    const TPoint b = DPtoLP(R.BottomRight());
    return {a.X, a.Y, b.X, b.Y};
}

double TDeviceContext::OutX(double LogicalX) const
{
    const double d = (LogicalX - FState.WindowOrg.X) * ScaleX() + FState.ViewportOrg.X;
    return FFrame ? d * FFrame->ScaleX + FFrame->OffsetX : d;
}

double TDeviceContext::OutY(double LogicalY) const
{
    const double d = (LogicalY - FState.WindowOrg.Y) * ScaleY() + FState.ViewportOrg.Y;
    return FFrame ? d * FFrame->ScaleY + FFrame->OffsetY : d;
}

// --- saving ------------------------------------------------------------------

int TDeviceContext::SaveDC()
{
    FSaved.push_back(FState);
    return int(FSaved.size());
}

bool TDeviceContext::DiffersIn(const TDCState& A, const TDCState& B, unsigned What)
{
    switch (What) {
    case dirtyMapping:
        return A.MapMode != B.MapMode || A.WindowOrg != B.WindowOrg || A.WindowExt != B.WindowExt ||
               A.ViewportOrg != B.ViewportOrg || A.ViewportExt != B.ViewportExt;
    case dirtyClip: return A.Clip != B.Clip;
    case dirtyPen: return A.Pen != B.Pen;
    case dirtyBrush: return A.Brush != B.Brush;
    case dirtyFont: return A.Font != B.Font;
    case dirtyColors: return A.TextColor != B.TextColor || A.BkColor != B.BkColor || A.BkMode != B.BkMode;
    case dirtyModes:
        return A.TextAlign != B.TextAlign || A.ROP2 != B.ROP2 || A.StretchBltMode != B.StretchBltMode ||
               A.PolyFillMode != B.PolyFillMode;
    case dirtyPos: return A.CurrentPos != B.CurrentPos;
    default: return true;
    }
}

bool TDeviceContext::RestoreDC(int Level)
{
    const int count = int(FSaved.size());
    int index;
    if (Level > 0)
        index = Level - 1;
    else if (Level < 0)
        index = count + Level;
    else
        return false;
    if (index < 0 || index >= count)
        return false;
    TDCState& saved = FSaved[size_t(index)];
    unsigned dirty = FTracksChanges ? 0 : unsigned(dirtyAll);
    for (unsigned bit = 1; bit < dirtyAll && FTracksChanges; bit <<= 1)
        if (DiffersIn(FState, saved, bit))
            dirty |= bit;
    FState = std::move(saved);
    FSaved.resize(size_t(index));
    ++FFontStamp;
    // Sizes of pens and fonts follow the mapping.
    if (dirty & dirtyMapping)
        dirty |= dirtyPen | dirtyFont;
    MarkDirty(dirty);
    return true;
}

// --- clipping ------------------------------------------------------------------

TRegion TDeviceContext::EffectiveClip() const
{
    TRegion r = DeviceRegion();
    if (FState.Clip)
        r.Combine(*FState.Clip, RGN_AND);
    return r;
}

TRegion TDeviceContext::ClipOrEverything() const
{
    // Without a clip every pixel may be drawn, also beyond a recorder's
    // reference surface; the device cuts drawing off at its own edges.
    if (FState.Clip)
        return *FState.Clip;
    constexpr int Far = 1 << 27;
    return TRegion(TRect{-Far, -Far, Far, Far});
}

TRegion TDeviceContext::DeviceRegion() const
{
    const TDeviceCaps c = DeviceCaps();
    if (!FFrame)
        return TRegion(TRect{0, 0, c.HorzRes, c.VertRes});
    // The output device seen in reference pixels.
    const TPlaybackFrame& f = *FFrame;
    const double sx = f.ScaleX != 0 ? f.ScaleX : 1, sy = f.ScaleY != 0 ? f.ScaleY : 1;
    return TRegion(TRect{RoundCoord(-f.OffsetX / sx), RoundCoord(-f.OffsetY / sy),
                         RoundCoord((c.HorzRes - f.OffsetX) / sx), RoundCoord((c.VertRes - f.OffsetY) / sy)});
}

int TDeviceContext::ClipResult() const
{
    return FState.Clip ? FState.Clip->Complexity() : SIMPLEREGION;
}

int TDeviceContext::IntersectClipRect(const TRect& Logical)
{
    const TRect d = NormalizeRect(LPtoDP(Logical));
    if (FState.Clip)
        FState.Clip->Intersect(d);
    else
        FState.Clip = TRegion(d);
    MarkDirty(dirtyClip);
    return ClipResult();
}

int TDeviceContext::ExcludeClipRect(const TRect& Logical)
{
    const TRect d = NormalizeRect(LPtoDP(Logical));
    TRegion r = ClipOrEverything();
    r.Exclude(d);
    FState.Clip = r;
    MarkDirty(dirtyClip);
    return ClipResult();
}

int TDeviceContext::ExtSelectClipRgn(const TRegion* Region, int Mode)
{
    if (!Region) {
        if (Mode != RGN_COPY)
            return RGN_ERROR;
        FState.Clip.reset();
        MarkDirty(dirtyClip);
        return SIMPLEREGION;
    }
    if (Mode == RGN_COPY) {
        FState.Clip = *Region;
    } else {
        TRegion r = ClipOrEverything();
        if (!r.Combine(*Region, Mode))
            return RGN_ERROR;
        FState.Clip = r;
    }
    MarkDirty(dirtyClip);
    return ClipResult();
}

int TDeviceContext::OffsetClipRgn(int DX, int DY)
{
    if (FState.Clip) {
        FState.Clip->Offset(RoundCoord(DX * ScaleX()), RoundCoord(DY * ScaleY()));
        MarkDirty(dirtyClip);
    }
    return ClipResult();
}

int TDeviceContext::GetClipBox(TRect& Logical) const
{
    const TRegion r = EffectiveClip();
    Logical = DPtoLP(r.Bounds());
    return r.Complexity();
}

// --- objects and attributes ------------------------------------------------------

void TDeviceContext::SelectPen(const TLogPen& Pen)
{
    FState.Pen = Pen;
    MarkDirty(dirtyPen);
}

void TDeviceContext::SelectBrush(const TLogBrush& Brush)
{
    FState.Brush = Brush;
    MarkDirty(dirtyBrush);
}

void TDeviceContext::SelectFont(const TLogFont& Font)
{
    FState.Font = Font;
    ++FFontStamp;
    MarkDirty(dirtyFont);
}

TColorRef TDeviceContext::SetTextColor(TColorRef Color)
{
    const TColorRef old = FState.TextColor;
    FState.TextColor = Color;
    MarkDirty(dirtyColors);
    return old;
}

TColorRef TDeviceContext::SetBkColor(TColorRef Color)
{
    const TColorRef old = FState.BkColor;
    FState.BkColor = Color;
    MarkDirty(dirtyColors);
    return old;
}

int TDeviceContext::SetBkMode(int Mode)
{
    if (Mode != TRANSPARENT && Mode != OPAQUE)
        return 0;
    const int old = FState.BkMode;
    FState.BkMode = Mode;
    MarkDirty(dirtyColors);
    return old;
}

unsigned TDeviceContext::SetTextAlign(unsigned Align)
{
    const unsigned old = FState.TextAlign;
    FState.TextAlign = Align;
    MarkDirty(dirtyModes);
    return old;
}

int TDeviceContext::SetROP2(int Mode)
{
    if (Mode < R2_BLACK || Mode > R2_WHITE)
        return 0;
    const int old = FState.ROP2;
    FState.ROP2 = Mode;
    MarkDirty(dirtyModes);
    return old;
}

int TDeviceContext::SetStretchBltMode(int Mode)
{
    if (Mode < BLACKONWHITE || Mode > HALFTONE)
        return 0;
    const int old = FState.StretchBltMode;
    FState.StretchBltMode = Mode;
    MarkDirty(dirtyModes);
    return old;
}

int TDeviceContext::SetPolyFillMode(int Mode)
{
    if (Mode != ALTERNATE && Mode != WINDING)
        return 0;
    const int old = FState.PolyFillMode;
    FState.PolyFillMode = Mode;
    MarkDirty(dirtyModes);
    return old;
}

void TDeviceContext::MoveTo(int X, int Y, TPoint* Old)
{
    if (Old) *Old = FState.CurrentPos;
    FState.CurrentPos = {X, Y};
    MarkDirty(dirtyPos);
}

TColorRef TDeviceContext::GetPixel(int, int) const
{
    return CLR_INVALID;
}

void TDeviceContext::StretchBlt(const TRect& Dest, const TDeviceContext& Source, const TRect& SrcRect,
                                quint32 Rop)
{
    const QImage img = Source.CopyImage(SrcRect);
    if (img.isNull())
        return;
    StretchDIBits(Dest, TRect{0, 0, img.width(), img.height()}, img, Rop);
}

QImage TDeviceContext::CopyImage(const TRect&) const
{
    return QImage();
}

// --- text measurement --------------------------------------------------------------

double TDeviceContext::FontPixelSize() const
{
    const double px = FState.Font.Height * ScaleY();
    return ResolveEmPixels(FState.Font, px, MappingLogPixelsX(), MappingLogPixelsY());
}

namespace {

bool Resolves(const TResolvedFont& F, const TLogFont& Font, double Em, double Width, int DpiX, int DpiY)
{
    return F.EmPixels() == ClampFontPixels(Em, 0.01) && F.DpiX() == DpiX && F.DpiY() == DpiY &&
           F.WidthPixels() == ClampFontPixels(std::fabs(Width), 0.0) && F.LogFont() == Font;
}

// Fonts lately resolved on the application's thread. Each page of a run
// records on a context of its own, and resolving a font and measuring its
// characters anew would cost more than the page's text. Freed with the
// application, while fonts can still be freed.
using TRecentFonts = std::vector<std::shared_ptr<const TResolvedFont>>;
TRecentFonts* GRecentFonts = nullptr;

TRecentFonts* RecentFonts()
{
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) return nullptr;
    if (!GRecentFonts) {
        GRecentFonts = new TRecentFonts;
        qAddPostRoutine([] {
            delete GRecentFonts;
            GRecentFonts = nullptr;
        });
    }
    return GRecentFonts;
}

} // namespace

std::shared_ptr<const TResolvedFont> ResolveFont(const TLogFont& Font, double Em, double Width, int DpiX, int DpiY)
{
    auto* recent = RecentFonts();
    if (!recent) return std::make_shared<const TResolvedFont>(Font, Em, Width, DpiX, DpiY);
    for (auto it = recent->begin(); it != recent->end(); ++it)
        if (Resolves(**it, Font, Em, Width, DpiX, DpiY)) {
            std::rotate(it, it + 1, recent->end());
            return recent->back();
        }
    constexpr size_t Kept = 16;
    if (recent->size() >= Kept) recent->erase(recent->begin());
    recent->push_back(std::make_shared<const TResolvedFont>(Font, Em, Width, DpiX, DpiY));
    return recent->back();
}


const TResolvedFont& TDeviceContext::MeasureFont() const
{
    // Text is measured several times a string: while neither the font nor
    // the scale changed, the font found last time still holds.
    const TMeasureKey key{FFontStamp, ScaleX(), ScaleY(), MappingLogPixelsX(), MappingLogPixelsY()};
    if (FMeasureFont && key == FMeasureKey) return *FMeasureFont;
    FMeasureKey = key;
    const double em = FontPixelSize();
    const double width = FState.Font.Width * key.ScaleX;
    const int dpiX = key.DpiX, dpiY = key.DpiY;
    if (!FMeasureFont || !Resolves(*FMeasureFont, FState.Font, em, width, dpiX, dpiY)) {
        FMeasureFont = ResolveFont(FState.Font, em, width, dpiX, dpiY);
        FMeasured.Font = nullptr;  // the remembered text was measured in another font
    }
    return *FMeasureFont;
}

// Text is measured for its extent and then again for its advances when it
// is drawn: the last string's positions are kept for the second time.
const std::vector<double>& TDeviceContext::PositionsOf(const TResolvedFont& Font, const QString& Text) const
{
    if (FMeasured.Font != &Font || FMeasured.Text != Text) {
        FMeasured.Font = nullptr;  // until the positions are whole
        Font.Positions(Text, FMeasured.Positions);
        FMeasured.Text = Text;
        FMeasured.Font = &Font;
    }
    return FMeasured.Positions;
}

TSize TDeviceContext::GetTextExtent(const QString& Text) const
{
    const TResolvedFont& f = MeasureFont();
    const double sy = std::fabs(ScaleY());
    return {RoundCoord(PositionsOf(f, Text).back() / std::fabs(ScaleX())),
            RoundCoord(f.Ascent() / sy) + RoundCoord(f.Descent() / sy)};
}

std::vector<int> TDeviceContext::GetCharAdvances(const QString& Text) const
{
    std::vector<int> adv;
    CharAdvances(Text, adv);
    return adv;
}

void TDeviceContext::CharAdvances(const QString& Text, std::vector<int>& Out) const
{
    const TResolvedFont& f = MeasureFont();
    const std::vector<double>& pos = PositionsOf(f, Text);
    const double sx = std::fabs(ScaleX());
    Out.resize(size_t(Text.size()));
    int prev = 0;
    for (size_t i = 0; i < Out.size(); ++i) {
        const int next = RoundCoord(pos[i + 1] / sx);
        Out[i] = next - prev;
        prev = next;
    }
}

TTextMetric TDeviceContext::GetTextMetrics() const
{
    const TResolvedFont& f = MeasureFont();
    const double em = f.EmPixels();
    const double sx = std::fabs(ScaleX()), sy = std::fabs(ScaleY());
    TTextMetric m;
    m.Ascent = RoundCoord(f.Ascent() / sy);
    m.Descent = RoundCoord(f.Descent() / sy);
    m.Height = m.Ascent + m.Descent;
    m.InternalLeading = std::max(0, m.Height - RoundCoord(em / sy));
    m.ExternalLeading = RoundCoord(f.Leading() / sy);
    m.AveCharWidth = RoundCoord(f.AveCharWidth() / sx);
    m.MaxCharWidth = RoundCoord(f.MaxCharWidth() / sx);
    m.Weight = FState.Font.Weight <= 0 ? FW_NORMAL : FState.Font.Weight;
    m.Italic = FState.Font.Italic;
    m.Underlined = FState.Font.Underline;
    m.StruckOut = FState.Font.StrikeOut;
    m.PitchAndFamily = FState.Font.PitchAndFamily;
    m.CharSet = FState.Font.CharSet;
    return m;
}

void TDeviceContext::SetPlaybackFrame(const std::optional<TPlaybackFrame>& Frame)
{
    FFrame = Frame;
    FixExtents();
    ++FFontStamp;
    MarkDirty(dirtyAll);
}

} // namespace classlib
