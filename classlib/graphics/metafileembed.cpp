#include "classlib/graphics/metafileembed.h"

#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafiledc.h"
#include "classlib/graphics/metafileplayer.h"

#include <algorithm>
#include <cmath>

namespace classlib {

namespace {

// The player's output pixels are sixteenths of the recording's device
// pixels, so that coordinates keep their precision on the way through.
constexpr double SubPixels = 16.0;

int RoundCoord(double V)
{
    if (!std::isfinite(V)) return 0;
    return int(std::nearbyint(std::clamp(V, -double(1 << 28), double(1 << 28))));
}

// A device context that the player draws on: it keeps the embedded
// metafile's state (mapping, playback frame, clip, objects) and hands every
// drawing call on to the recorder in the recorder's logical units.
class TEmbeddingDC : public TDeviceContext {
public:
    explicit TEmbeddingDC(TMetafileDC& Outer) : FOuter(Outer) { FLevel = Outer.SaveDC(); }
    ~TEmbeddingDC() override { FOuter.RestoreDC(FLevel); }

    // The recorder's device, counted in our output units.
    TDeviceCaps DeviceCaps() const override
    {
        TDeviceCaps c = FOuter.DeviceCaps();
        c.HorzRes *= int(SubPixels);
        c.VertRes *= int(SubPixels);
        c.LogPixelsX *= int(SubPixels);
        c.LogPixelsY *= int(SubPixels);
        return c;
    }

    void LineTo(int X, int Y) override
    {
        const TPoint from = Map(State().CurrentPos);
        MutableState().CurrentPos = {X, Y};
        Sync();
        FOuter.MoveTo(from.X, from.Y);
        const TPoint to = Map(TPoint{X, Y});
        FOuter.LineTo(to.X, to.Y);
    }
    void Rectangle(const TRect& R) override
    {
        Sync();
        FOuter.Rectangle(Map(R));
    }
    void Ellipse(const TRect& R) override
    {
        Sync();
        FOuter.Ellipse(Map(R));
    }
    void Polygon(const std::vector<TPoint>& Points) override
    {
        Sync();
        FOuter.Polygon(Map(Points));
    }
    void Polyline(const std::vector<TPoint>& Points) override
    {
        Sync();
        FOuter.Polyline(Map(Points));
    }
    void FillRect(const TRect& R, const TLogBrush& Brush) override
    {
        Sync();
        FOuter.FillRect(Map(R), Brush);
    }
    TColorRef SetPixel(int X, int Y, TColorRef Color) override
    {
        Sync();
        const TPoint p = Map(TPoint{X, Y});
        return FOuter.SetPixel(p.X, p.Y, Color);
    }
    void ExtTextOut(int X, int Y, unsigned Options, const TRect* Rect, const QString& Text,
                    const std::vector<int>* Dx) override
    {
        Sync();
        const TPoint p = Map(TPoint{X, Y});
        const TRect r = Rect ? Map(*Rect) : TRect{};
        std::vector<int> dx;
        if (Dx) {
            // Through positions, so rounding does not add up along the line.
            double pos = 0;
            int done = 0;
            for (int a : *Dx) {
                pos += a * FLengthX;
                const int next = RoundCoord(pos);
                dx.push_back(next - done);
                done = next;
            }
        }
        FOuter.ExtTextOut(p.X, p.Y, Options, Rect ? &r : nullptr, Text, Dx ? &dx : nullptr);
    }
    void StretchDIBits(const TRect& Dest, const TRect& SrcRect, const QImage& Image, quint32 Rop) override
    {
        Sync();
        FOuter.StretchDIBits(Map(Dest), SrcRect, Image, Rop);
    }

private:
    // Embedded logical units to recorder logical units.
    TPoint Map(const TPoint& P) const
    {
        const TDCState& o = FOuter.State();
        const double dx = OutX(P.X) / SubPixels, dy = OutY(P.Y) / SubPixels;
        return {RoundCoord((dx - o.ViewportOrg.X) / FOuter.ScaleX() + o.WindowOrg.X),
                RoundCoord((dy - o.ViewportOrg.Y) / FOuter.ScaleY() + o.WindowOrg.Y)};
    }
    TRect Map(const TRect& R) const
    {
        const TPoint a = Map(R.TopLeft()), b = Map(R.BottomRight());
        return {a.X, a.Y, b.X, b.Y};
    }
    std::vector<TPoint> Map(const std::vector<TPoint>& Points) const
    {
        std::vector<TPoint> out;
        out.reserve(Points.size());
        for (const TPoint& p : Points) out.push_back(Map(p));
        return out;
    }

    // Brings the recorder's attributes in line with ours before a call.
    void Sync()
    {
        const TDCState& s = State();
        const std::optional<TPlaybackFrame>& f = PlaybackFrame();
        const double fx = f ? f->ScaleX : 1.0, fy = f ? f->ScaleY : 1.0;
        const double sx = ScaleX() * fx / SubPixels / FOuter.ScaleX();
        const double sy = ScaleY() * fy / SubPixels / FOuter.ScaleY();
        FLengthX = std::fabs(sx);

        // At first the recording's clip is in force, as for no clip of ours.
        if (s.Clip != FSyncedClip) {
            FSyncedClip = s.Clip;
            // Back to the recording's clip by a restore, then narrowed:
            // clip rectangles in logical units read the same in every
            // player, region records in device pixels do not.
            FOuter.RestoreDC(FLevel);
            FLevel = FOuter.SaveDC();
            if (s.Clip) {
                std::vector<TRect> rects;
                for (const TRect& r : s.Clip->Rects()) {
                    auto tx = [&](int x) { return (f ? x * f->ScaleX + f->OffsetX : x) / SubPixels; };
                    auto ty = [&](int y) { return (f ? y * f->ScaleY + f->OffsetY : y) / SubPixels; };
                    rects.push_back(NormalizeRect({RoundCoord(tx(r.Left)), RoundCoord(ty(r.Top)),
                                                   RoundCoord(tx(r.Right)), RoundCoord(ty(r.Bottom))}));
                }
                if (rects.size() == 1) {
                    const TRect& d = rects.front();
                    FOuter.IntersectClipRect(OuterLogical(d));
                } else {
                    const TRegion region = TRegion::FromRects(rects);
                    FOuter.ExtSelectClipRgn(&region, RGN_AND);
                }
            }
        }

        TLogPen pen = s.Pen;
        pen.Width = RoundCoord(pen.Width * std::fabs(sx));
        FOuter.SelectPen(pen);
        FOuter.SelectBrush(s.Brush);
        TLogFont font = s.Font;
        font.Height = RoundCoord(font.Height * std::fabs(sy));
        font.Width = RoundCoord(font.Width * std::fabs(sx));
        // Angles turn with the logical axes: one axis turned over mirrors them.
        if ((sx < 0) != (sy < 0)) {
            font.Escapement = -font.Escapement;
            font.Orientation = -font.Orientation;
        }
        FOuter.SelectFont(font);
        const TDCState& o = FOuter.State();
        if (o.TextColor != s.TextColor) FOuter.SetTextColor(s.TextColor);
        if (o.BkColor != s.BkColor) FOuter.SetBkColor(s.BkColor);
        if (o.BkMode != s.BkMode) FOuter.SetBkMode(s.BkMode);
        if (o.TextAlign != s.TextAlign) FOuter.SetTextAlign(s.TextAlign);
        if (o.ROP2 != s.ROP2) FOuter.SetROP2(s.ROP2);
        if (o.StretchBltMode != s.StretchBltMode) FOuter.SetStretchBltMode(s.StretchBltMode);
        if (o.PolyFillMode != s.PolyFillMode) FOuter.SetPolyFillMode(s.PolyFillMode);
    }

    // A rectangle of the recording's device pixels in its logical units.
    TRect OuterLogical(const TRect& D) const
    {
        const TDCState& o = FOuter.State();
        auto lx = [&](int x) { return RoundCoord((x - o.ViewportOrg.X) / FOuter.ScaleX() + o.WindowOrg.X); };
        auto ly = [&](int y) { return RoundCoord((y - o.ViewportOrg.Y) / FOuter.ScaleY() + o.WindowOrg.Y); };
        return {lx(D.Left), ly(D.Top), lx(D.Right), ly(D.Bottom)};
    }

    TMetafileDC& FOuter;
    int FLevel = 0;  // the recorder's level saved with its own clip
    // Our clip that the recorder's clip was last narrowed to.
    std::optional<TRegion> FSyncedClip;
    double FLengthX = 1.0;
};

} // namespace

void EmbedEnhMetaFile(TMetafileDC& Recorder, const TMetafile& Metafile, const TRect& Rect)
{
    if (Metafile.Empty()) return;
    // The rectangle in the embedding context's output units.
    const TRect dest{RoundCoord(Recorder.OutX(Rect.Left) * SubPixels), RoundCoord(Recorder.OutY(Rect.Top) * SubPixels),
                     RoundCoord(Recorder.OutX(Rect.Right) * SubPixels),
                     RoundCoord(Recorder.OutY(Rect.Bottom) * SubPixels)};
    TEmbeddingDC dc(Recorder);
    PlayEnhMetaFile(dc, Metafile, dest);
}

} // namespace classlib
