#include "classlib/graphics/painterdc.h"

#include "classlib/graphics/fontmapping.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QRawFont>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace classlib {

struct TPainterDC::TDevRect {
    int L = 0, T = 0, R = 0, B = 0;
    bool Empty() const { return R <= L || B <= T; }
    QRect ToQRect() const { return QRect(L, T, R - L, B - T); }
};

namespace {

constexpr double CoordLimit = double(1 << 28);

int RoundOut(double V)
{
    if (!std::isfinite(V))
        return 0;
    return int(std::nearbyint(std::clamp(V, -CoordLimit, CoordLimit)));
}

QColor ToQColor(TColorRef C)
{
    return QColor(GetRValue(C), GetGValue(C), GetBValue(C));
}

TColorRef FromQRgb(QRgb C)
{
    return RGB(qRed(C), qGreen(C), qBlue(C));
}

bool HasRasterOps(const QPainter& P)
{
    return P.paintEngine() && P.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
}

} // namespace

TPainterDC::TPainterDC(QPaintDevice* Device)
{
    SetDevice(Device);
}

TPainterDC::TPainterDC(QPainter* Painter) : FPainter(Painter), FDevice(Painter ? Painter->device() : nullptr)
{
    if (FPainter)
        FPainter->setRenderHint(QPainter::Antialiasing, false);
}

TPainterDC::~TPainterDC()
{
    EndPaint();
}

void TPainterDC::EndPaint()
{
    if (FOwnPainter) {
        if (FOwnPainter->isActive())
            FOwnPainter->end();
        FOwnPainter.reset();
        FPainter = nullptr;
    }
}

void TPainterDC::SetDevice(QPaintDevice* Device)
{
    EndPaint();
    FPainterClipKnown = false;
    FDevice = Device;
    FDeviceCaps.reset();
    FPainter = nullptr;
    if (Device && Device->width() > 0 && Device->height() > 0) {
        FOwnPainter = std::make_unique<QPainter>();
        if (FOwnPainter->begin(Device)) {
            FPainter = FOwnPainter.get();
            FPainter->setRenderHint(QPainter::Antialiasing, false);
        } else {
            FOwnPainter.reset();
        }
    }
    MarkDirty(dirtyAll);
}

void TPainterDC::SetDeviceCaps(const std::optional<TDeviceCaps>& Caps)
{
    FCaps = Caps;
    MarkDirty(dirtyAll);
}

TDeviceCaps TPainterDC::DeviceCaps() const
{
    if (FCaps)
        return *FCaps;
    // Asked on every drawing call; the device does not change under us.
    if (FDeviceCaps)
        return *FDeviceCaps;
    TDeviceCaps c;
    if (!FDevice)
        return c;
    c.LogPixelsX = FDevice->logicalDpiX();
    c.LogPixelsY = FDevice->logicalDpiY();
    c.HorzRes = c.PhysicalWidth = FDevice->width();
    c.VertRes = c.PhysicalHeight = FDevice->height();
    c.HorzSizeMM = FDevice->widthMM();
    c.VertSizeMM = FDevice->heightMM();
    c.BitsPixel = FDevice->depth();
    c.NumColors = c.BitsPixel <= 1 ? 2 : c.BitsPixel <= 8 ? (1 << c.BitsPixel) : -1;
    // Printers and PDF writers are paged devices.
    c.Technology = dynamic_cast<QPagedPaintDevice*>(FDevice) ? DT_RASPRINTER : DT_RASDISPLAY;
    FDeviceCaps = c;
    return c;
}

QImage* TPainterDC::TargetImage() const
{
    return FDevice && FDevice->devType() == QInternal::Image ? static_cast<QImage*>(FDevice) : nullptr;
}

// --- coordinates ------------------------------------------------------------

TPainterDC::TDevRect TPainterDC::OutRect(const TRect& Logical) const
{
    const int x1 = RoundOut(OutX(Logical.Left)), x2 = RoundOut(OutX(Logical.Right));
    const int y1 = RoundOut(OutY(Logical.Top)), y2 = RoundOut(OutY(Logical.Bottom));
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

QPointF TPainterDC::OutPoint(int X, int Y) const
{
    return QPointF(RoundOut(OutX(X)) + 0.5, RoundOut(OutY(Y)) + 0.5);
}

namespace {

// Whether a clip (none: everything) leaves all of Pixels.
bool Covers(const std::optional<QRegion>& Clip, const QRect& Pixels)
{
    if (!Clip)
        return true;
    if (Clip->rectCount() == 1)
        return Clip->boundingRect().contains(Pixels);
    return QRegion(Pixels).subtracted(*Clip).isEmpty();
}

} // namespace

const std::optional<QRegion>& TPainterDC::StateClip()
{
    if (TakeDirty() & dirtyClip)
        FStateClip = OutputClip();
    return FStateClip;
}

bool TPainterDC::Begin(const QRect* TextClip, const QRect* Ink)
{
    if (!FPainter || !FPainter->isActive())
        return false;
    // Only what differs is set: a vector device writes out every change,
    // and a clip in full.
    std::optional<QRegion> clip = StateClip();
    if (TextClip)
        clip = clip ? clip->intersected(*TextClip) : QRegion(*TextClip);
    QPainter& p = *FPainter;
    const bool inkInside = Ink && FPainterClipKnown && Covers(clip, *Ink) && Covers(FPainterClip, *Ink);
    if (!inkInside && (!FPainterClipKnown || clip != FPainterClip)) {
        // Not setClipping(false): the raster engine then ignores a region
        // of several rectangles set afterwards.
        if (clip)
            p.setClipRegion(*clip);
        else
            p.setClipRect(QRect(), Qt::NoClip);
        FPainterClip = std::move(clip);
        FPainterClipKnown = true;
    }
    const TDCState& s = State();
    const Qt::BGMode mode = s.BkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode;
    if (p.backgroundMode() != mode)
        p.setBackgroundMode(mode);
    const QColor bk = ToQColor(s.BkColor);
    if (p.background().style() != Qt::SolidPattern || p.background().color() != bk)
        p.setBackground(bk);
    if (p.compositionMode() != QPainter::CompositionMode_SourceOver)
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (p.brushOrigin() != QPoint(0, 0))
        p.setBrushOrigin(0, 0);
    return true;
}

std::optional<QRegion> TPainterDC::OutputClip() const
{
    const std::optional<TRegion>& clip = State().Clip;
    if (!clip)
        return std::nullopt;
    QRegion r = clip->ToQRegion();
    if (const auto& f = PlaybackFrame()) {
        QRegion out;
        for (const QRect& rc : r) {
            const int x1 = RoundOut(rc.left() * f->ScaleX + f->OffsetX);
            const int x2 = RoundOut((rc.left() + rc.width()) * f->ScaleX + f->OffsetX);
            const int y1 = RoundOut(rc.top() * f->ScaleY + f->OffsetY);
            const int y2 = RoundOut((rc.top() + rc.height()) * f->ScaleY + f->OffsetY);
            out += QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                         QSize(std::abs(x2 - x1), std::abs(y2 - y1)));
        }
        r = out;
    }
    return r;
}

// --- pens and brushes ------------------------------------------------------

int TPainterDC::PenPixels() const
{
    const TLogPen& pen = State().Pen;
    if (pen.Width <= 1)
        return 1;
    double s = std::fabs(ScaleX());
    if (const auto& f = PlaybackFrame())
        s *= std::fabs(f->ScaleX);
    // Qt refuses pens of 2^15 pixels or more and would draw a hairline.
    return std::clamp(RoundOut(pen.Width * s), 1, (1 << 15) - 1);
}

QPen TPainterDC::MakePen() const
{
    const TLogPen& lp = State().Pen;
    if (lp.Style == PS_NULL)
        return QPen(Qt::NoPen);
    const int w = PenPixels();
    QPen pen(ToQColor(lp.Color));
    pen.setWidth(w);
    pen.setCapStyle(w <= 1 ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(w <= 1 ? Qt::MiterJoin : Qt::RoundJoin);
    // Styled pens wider than a pixel draw solid, as the platform's do.
    if (w <= 1) {
        switch (lp.Style) {
        case PS_DASH: pen.setDashPattern({18, 6}); break;
        case PS_DOT: pen.setDashPattern({3, 3}); break;
        case PS_DASHDOT: pen.setDashPattern({9, 6, 3, 6}); break;
        case PS_DASHDOTDOT: pen.setDashPattern({9, 3, 3, 3, 3, 3}); break;
        default: break;
        }
    }
    return pen;
}

QBrush TPainterDC::MakeBrush(const TLogBrush& Brush) const
{
    switch (Brush.Style) {
    case BS_NULL: return QBrush(Qt::NoBrush);
    case BS_HATCHED: {
        static const Qt::BrushStyle Hatches[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                                 Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        const int h = (Brush.Hatch >= HS_HORIZONTAL && Brush.Hatch <= HS_DIAGCROSS) ? Brush.Hatch : HS_HORIZONTAL;
        return QBrush(ToQColor(Brush.Color), Hatches[h]);
    }
    default: return QBrush(ToQColor(Brush.Color));
    }
}

bool TPainterDC::ApplyROP2(QPen* Pen, QBrush* Brush)
{
    using CM = QPainter::CompositionMode;
    CM mode = QPainter::CompositionMode_SourceOver;
    auto force = [&](const QColor& c) {
        if (Pen && Pen->style() != Qt::NoPen) Pen->setColor(c);
        if (Brush && Brush->style() != Qt::NoBrush) Brush->setColor(c);
    };
    switch (State().ROP2) {
    case R2_NOP: return false;
    case R2_BLACK: force(Qt::black); break;
    case R2_WHITE: force(Qt::white); break;
    case R2_NOT: mode = QPainter::RasterOp_NotDestination; break;
    case R2_XORPEN: mode = QPainter::RasterOp_SourceXorDestination; break;
    case R2_NOTXORPEN: mode = QPainter::RasterOp_NotSourceXorDestination; break;
    case R2_MASKPEN: mode = QPainter::RasterOp_SourceAndDestination; break;
    case R2_NOTMASKPEN: mode = QPainter::RasterOp_NotSourceOrNotDestination; break;
    case R2_MERGEPEN: mode = QPainter::RasterOp_SourceOrDestination; break;
    case R2_NOTMERGEPEN: mode = QPainter::RasterOp_NotSourceAndNotDestination; break;
    case R2_NOTCOPYPEN: mode = QPainter::RasterOp_NotSource; break;
    case R2_MASKNOTPEN: mode = QPainter::RasterOp_NotSourceAndDestination; break;
    case R2_MASKPENNOT: mode = QPainter::RasterOp_SourceAndNotDestination; break;
    case R2_MERGENOTPEN: mode = QPainter::RasterOp_NotSourceOrDestination; break;
    case R2_MERGEPENNOT: mode = QPainter::RasterOp_SourceOrNotDestination; break;
    default: break;
    }
    if (mode != QPainter::CompositionMode_SourceOver && !HasRasterOps(*FPainter)) {
        // Devices without raster operations (PDF) draw the pen as it is.
        if (State().ROP2 == R2_NOTCOPYPEN) {
            auto inv = [](QColor c) { return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue()); };
            if (Pen) Pen->setColor(inv(Pen->color()));
            if (Brush) Brush->setColor(inv(Brush->color()));
        }
        mode = QPainter::CompositionMode_SourceOver;
    }
    FPainter->setCompositionMode(mode);
    return true;
}

void TPainterDC::FillDevRect(const TDevRect& R, const QBrush& Brush)
{
    if (R.Empty() || Brush.style() == Qt::NoBrush)
        return;
    FPainter->fillRect(R.ToQRect(), Brush);
}

// --- drawing ----------------------------------------------------------------------

void TPainterDC::LineTo(int X, int Y)
{
    const TPoint from = State().CurrentPos;
    MutableState().CurrentPos = {X, Y};
    if (!Begin())
        return;
    QPen pen = MakePen();
    if (pen.style() == Qt::NoPen || !ApplyROP2(&pen, nullptr))
        return;
    FPainter->setBrush(Qt::NoBrush);
    DrawSegment(pen, OutPoint(from.X, from.Y), OutPoint(X, Y));
}

void TPainterDC::DrawSegment(QPen Pen, const QPointF& A, const QPointF& B)
{
    if (A == B)
        return;
    if (Pen.width() > 1) {
        FPainter->setPen(Pen);
        FPainter->drawLine(A, B);
        return;
    }
    // Thin lines stop one step short of B along the longer axis, so that
    // the end point is not set: both ends of the shortened line are drawn.
    const double dx = B.x() - A.x(), dy = B.y() - A.y();
    const double n = std::max(std::fabs(dx), std::fabs(dy));
    const QPointF last(A.x() + std::nearbyint(dx * (n - 1) / n), A.y() + std::nearbyint(dy * (n - 1) / n));
    Pen.setCapStyle(Qt::SquareCap);
    FPainter->setPen(Pen);
    if (last == A)
        FPainter->drawPoint(A);
    else
        FPainter->drawLine(A, last);
}

bool TPainterDC::BeginShape(const TRect& Rect, TDevRect& Device, QPen& Pen, QBrush& Brush, bool Cut)
{
    Device = OutRect(Rect);
    const QRect ink = Cut ? CutToClip(Device) : QRect();
    if (!Begin(nullptr, ink.isEmpty() ? nullptr : &ink))
        return false;
    if (Device.Empty())
        return false;
    Pen = MakePen();
    Brush = MakeBrush(State().Brush);
    return ApplyROP2(&Pen, &Brush);
}

void TPainterDC::Rectangle(const TRect& Rect)
{
    TDevRect d;
    QPen pen;
    QBrush brush;
    // Without a pen it is a plain fill.
    if (!BeginShape(Rect, d, pen, brush, State().Pen.Style == PS_NULL))
        return;
    const bool hasPen = pen.style() != Qt::NoPen;
    const int w = hasPen ? pen.width() : 0;
    const bool inside = State().Pen.Style == PS_INSIDEFRAME || w <= 1;
    // The pen's band along the edges, and the brush inside it, so that raster
    // operations touch each pixel once.
    const int inset = inside && w > 1 ? w : (w + 1) / 2;
    TDevRect inner{d.L + inset, d.T + inset, d.R - inset, d.B - inset};
    FillDevRect(inner, brush);
    if (!hasPen)
        return;
    if (inside && (d.R - d.L <= 2 * w || d.B - d.T <= 2 * w)) {
        FillDevRect(d, QBrush(pen.color()));
        return;
    }
    FPainter->setPen(pen);
    FPainter->setBrush(Qt::NoBrush);
    if (w <= 1)
        FPainter->drawRect(QRectF(d.L + 0.5, d.T + 0.5, d.R - d.L - 1, d.B - d.T - 1));
    else if (inside) {
        pen.setJoinStyle(Qt::MiterJoin);
        FPainter->setPen(pen);
        FPainter->drawRect(QRectF(d.L + w / 2.0, d.T + w / 2.0, d.R - d.L - w, d.B - d.T - w));
    } else
        FPainter->drawRect(QRectF(d.L + 0.5, d.T + 0.5, d.R - d.L - 1, d.B - d.T - 1));
}

void TPainterDC::Ellipse(const TRect& Rect)
{
    TDevRect d;
    QPen pen;
    QBrush brush;
    if (!BeginShape(Rect, d, pen, brush))
        return;
    const int w = pen.style() != Qt::NoPen ? pen.width() : 0;
    FPainter->setPen(pen);
    FPainter->setBrush(brush);
    if (w > 1 && State().Pen.Style == PS_INSIDEFRAME)
        FPainter->drawEllipse(QRectF(d.L + w / 2.0, d.T + w / 2.0, d.R - d.L - w, d.B - d.T - w));
    else
        FPainter->drawEllipse(QRectF(d.L + 0.5, d.T + 0.5, d.R - d.L - 1, d.B - d.T - 1));
}

void TPainterDC::Polygon(const std::vector<TPoint>& Points)
{
    if (Points.size() < 2 || !Begin())
        return;
    QPen pen = MakePen();
    QBrush brush = MakeBrush(State().Brush);
    if (!ApplyROP2(&pen, &brush))
        return;
    QPolygonF poly;
    for (const TPoint& p : Points)
        poly << OutPoint(p.X, p.Y);
    FPainter->setPen(pen);
    FPainter->setBrush(brush);
    FPainter->drawPolygon(poly, State().PolyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
}

void TPainterDC::Polyline(const std::vector<TPoint>& Points)
{
    if (Points.size() < 2 || !Begin())
        return;
    QPen pen = MakePen();
    if (pen.style() == Qt::NoPen || !ApplyROP2(&pen, nullptr))
        return;
    FPainter->setBrush(Qt::NoBrush);
    if (pen.width() <= 1) {
        for (size_t i = 1; i < Points.size(); ++i)
            DrawSegment(pen, OutPoint(Points[i - 1].X, Points[i - 1].Y), OutPoint(Points[i].X, Points[i].Y));
        return;
    }
    QPolygonF poly;
    for (const TPoint& p : Points)
        poly << OutPoint(p.X, p.Y);
    FPainter->setPen(pen);
    FPainter->drawPolyline(poly);
}

QRect TPainterDC::CutToClip(TDevRect& Device)
{
    const std::optional<QRegion>& clip = StateClip();
    if (clip && clip->rectCount() != 1)
        return QRect();
    QRect r = Device.ToQRect();
    if (clip)
        r &= clip->boundingRect();
    Device = {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    return r;
}

void TPainterDC::FillRect(const TRect& R, const TLogBrush& Brush)
{
    TDevRect d = OutRect(R);
    const QRect ink = CutToClip(d);
    if (!Begin(nullptr, ink.isEmpty() ? nullptr : &ink))
        return;
    FillDevRect(d, MakeBrush(Brush));
}

TColorRef TPainterDC::SetPixel(int X, int Y, TColorRef Color)
{
    if (!Begin())
        return CLR_INVALID;
    const TPoint d = LPtoDP(TPoint{X, Y});
    // Per pixel (gradients are set this way): no region is built here.
    if (State().Clip && !State().Clip->Contains(d))
        return CLR_INVALID;
    if (!PlaybackFrame() && (d.X < 0 || d.Y < 0 || d.X >= FDevice->width() || d.Y >= FDevice->height()))
        return CLR_INVALID;
    TDevRect r{d.X, d.Y, d.X + 1, d.Y + 1};
    if (const auto& f = PlaybackFrame()) {
        const int x1 = RoundOut(d.X * f->ScaleX + f->OffsetX), x2 = RoundOut((d.X + 1) * f->ScaleX + f->OffsetX);
        const int y1 = RoundOut(d.Y * f->ScaleY + f->OffsetY), y2 = RoundOut((d.Y + 1) * f->ScaleY + f->OffsetY);
        r = {std::min(x1, x2), std::min(y1, y2), std::max({x1, x2, std::min(x1, x2) + 1}),
             std::max({y1, y2, std::min(y1, y2) + 1})};
    }
    FPainter->fillRect(r.ToQRect(), ToQColor(Color));
    return Color & 0xFFFFFF;
}

TColorRef TPainterDC::GetPixel(int X, int Y) const
{
    const QImage* img = TargetImage();
    if (!img)
        return CLR_INVALID;
    const int x = RoundOut(OutX(X)), y = RoundOut(OutY(Y));
    if (!img->valid(x, y))
        return CLR_INVALID;
    return FromQRgb(img->pixel(x, y));
}

QImage TPainterDC::CopyImage(const TRect& Logical) const
{
    const QImage* img = TargetImage();
    if (!img)
        return QImage();
    const TDevRect d = OutRect(Logical);
    if (d.Empty())
        return QImage();
    return img->copy(d.ToQRect());
}

// --- text -----------------------------------------------------------------------------

const TResolvedFont& TPainterDC::OutputFont() const
{
    const TResolvedFont& measured = MeasureFont();
    double em = measured.EmPixels(), width = measured.WidthPixels();
    if (const auto& f = PlaybackFrame()) {
        em *= std::fabs(f->ScaleY);
        width *= std::fabs(f->ScaleX);
    }
    const int dx = FDevice ? FDevice->logicalDpiX() : 96, dy = FDevice ? FDevice->logicalDpiY() : 96;
    const TResolvedFont* cur = FOutFont.get();
    if (!cur || cur->EmPixels() != ClampFontPixels(em, 0.01) || cur->LogFont() != State().Font ||
        cur->DpiX() != dx || cur->DpiY() != dy || cur->WidthPixels() != ClampFontPixels(width, 0.0))
        FOutFont = ResolveFont(State().Font, em, width, dx, dy);
    return *FOutFont;
}

namespace {

// Characters that shaping hides or that the font itself lacks are left to
// the painter's own text drawing, with its fallback faces.
bool NeedsShaping(QChar C)
{
    if (C.isSurrogate())
        return true;
    const QChar::Category c = C.category();
    return c == QChar::Other_Control || c == QChar::Other_Format;
}

// Text placed at given advances: glyphs of the font itself, and the
// characters left to the painter's text drawing, all relative to the
// origin of the text.
struct TGlyphLayout {
    QVarLengthArray<quint32, 128> Glyphs;
    QVarLengthArray<QPointF, 128> Positions;
    struct TShaped {
        qsizetype At, Units;
        QPointF Pos;
    };
    QVarLengthArray<TShaped, 8> Shaped;
};

} // namespace

struct TPainterDC::TTextFace {
    TTextFace(std::shared_ptr<const TResolvedFont> Of, const QFont& F, QPaintDevice* Device)
        : Resolved(std::move(Of)), Font(F), Raw(QRawFont::fromFont(F)), Metrics(F, Device)
    {
    }

    void LayOut(const QString& Text, const std::vector<int>& Dx, double Scale, TGlyphLayout& L) const
    {
        const qsizetype n = Text.size();
        QVarLengthArray<quint32, 128> glyphs(n);
        int count = int(n);
        if (!Raw.isValid() || !Raw.glyphIndexesForChars(Text.constData(), int(n), glyphs.data(), &count) ||
            count != n)
            std::fill(glyphs.begin(), glyphs.end(), 0u);  // surrogate pairs: drawn one by one
        double x = 0;
        for (qsizetype i = 0; i < n;) {
            qsizetype units = 1;
            if (Text[i].isHighSurrogate() && i + 1 < n && Text[i + 1].isLowSurrogate())
                units = 2;
            if (units == 1 && glyphs[i] != 0 && !NeedsShaping(Text[i])) {
                L.Glyphs.append(glyphs[i]);
                L.Positions.append(QPointF(x, 0));
            } else {
                L.Shaped.append({i, units, QPointF(x, 0)});
            }
            for (qsizetype k = 0; k < units; ++k)
                x += Dx[size_t(i + k)] * Scale;
            i += units;
        }
    }

    // Where the glyphs can leave ink, relative to the origin; null when
    // that is not known (characters left to the painter, decorations).
    QRectF Ink(const TGlyphLayout& L) const
    {
        if (!L.Shaped.isEmpty() || Font.underline() || Font.strikeOut())
            return QRectF();
        QRectF ink;
        for (qsizetype i = 0; i < L.Glyphs.size(); ++i)
            ink |= Raw.boundingRect(L.Glyphs[i]).translated(L.Positions[i]);
        return ink;
    }

    // Whether a glyph's image on P would exceed MaxGlyphImagePixels: the
    // cell's height by the widest character (or the em, where boxes stand
    // in for missing glyphs), through the painter's own scale.
    bool TooLargeForImages(const QPainter& P) const
    {
        const TResolvedFont& of = *Resolved;
        const double pixels = (of.Ascent() + of.Descent()) * std::max(of.MaxCharWidth(), of.EmPixels()) *
                              std::fabs(P.combinedTransform().determinant());
        return !(pixels <= MaxGlyphImagePixels);
    }

    // The font without decorations, for text whose decorations are drawn
    // across it as a whole.
    QFont PlainFont() const
    {
        QFont plain = Font;
        plain.setUnderline(false);
        plain.setStrikeOut(false);
        return plain;
    }

    // What the painter would draw, as outlines in painter coordinates:
    // Natural laid out by the font with its decorations, or Text as L
    // placed it.
    QPainterPath Outlines(const QPointF& Origin, const QString& Natural, const QString& Text,
                          const TGlyphLayout& L) const
    {
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        if (!Natural.isEmpty())
            path.addText(Origin, Font, Natural);
        for (qsizetype i = 0; i < L.Glyphs.size(); ++i)
            path.addPath(Raw.pathForGlyph(L.Glyphs[i]).translated(Origin + L.Positions[i]));
        if (!L.Shaped.isEmpty()) {
            const QFont plain = PlainFont();
            for (const TGlyphLayout::TShaped& c : L.Shaped)
                path.addText(Origin + c.Pos, plain, Text.mid(c.At, c.Units));
        }
        return path;
    }

    std::shared_ptr<const TResolvedFont> Resolved;
    QFont Font;  // at the device's resolution
    QRawFont Raw;  // the font's own glyphs, without fallback faces
    QFontMetricsF Metrics;
};

// Underline and strike-out across spaced text, where Qt's own text drawing
// puts them, in painter coordinates.
void TPainterDC::DrawDecorations(QPainter& P, const TTextFace& Face, const QPointF& Origin, double Width)
{
    if (!Face.Font.underline() && !Face.Font.strikeOut())
        return;
    const double thickness = std::max(1.0, Face.Raw.lineThickness());
    QPen pen(P.pen().color(), thickness, Qt::SolidLine, Qt::FlatCap);
    P.save();
    P.setPen(pen);
    P.setBrush(Qt::NoBrush);
    const double x1 = std::floor(Origin.x()), x2 = std::floor(Origin.x() + Width);
    if (Face.Font.underline()) {
        const double y = Origin.y() + std::ceil(Face.Raw.underlinePosition()) + 0.5;
        P.drawLine(QLineF(x1, y, x2, y));
    }
    if (Face.Font.strikeOut()) {
        const double y = Origin.y() - Face.Raw.ascent() / 3.0;
        P.drawLine(QLineF(x1, y, x2, y));
    }
    P.restore();
}

const TPainterDC::TTextFace& TPainterDC::TextFace()
{
    const TResolvedFont& of = OutputFont();
    if (!FFace || FFace->Resolved.get() != &of) {
        const QFont base = of.Font(FDevice ? FDevice->logicalDpiY() : 96);
        FFace = std::make_unique<TTextFace>(FOutFont, FDevice ? QFont(base, FDevice) : base, FDevice);
    }
    return *FFace;
}

void TPainterDC::ExtTextOut(int X, int Y, unsigned Options, const TRect* Rect, const QString& Text,
                            const std::vector<int>* Dx)
{
    if (!FPainter || !FPainter->isActive())
        return;
    const TDCState& s = State();
    QPainter& p = *FPainter;
    const TDevRect r = Rect ? OutRect(*Rect) : TDevRect{};
    const QRect textClip = r.ToQRect();
    const bool clipped = Rect && (Options & ETO_CLIPPED);
    const bool opaqueRect = Rect && (Options & ETO_OPAQUE) && !r.Empty();
    const bool updateCP = s.TextAlign & TA_UPDATECP;
    const TPoint ref = updateCP ? s.CurrentPos : TPoint{X, Y};
    if (Dx && Dx->size() < size_t(Text.size()))
        Dx = nullptr;  // too few advances: lay the text out naturally
    qint64 logicalWidth = 0;
    if (Dx)
        for (qsizetype i = 0; i < Text.size(); ++i)
            logicalWidth += (*Dx)[size_t(i)];

    bool visible = !Text.isEmpty();
    if (clipped) {
        const std::optional<QRegion>& clip = StateClip();
        visible = visible && (clip ? clip->intersects(textClip) : !textClip.isEmpty());
    }
    if (!visible) {
        if (opaqueRect && Begin(clipped ? &textClip : nullptr))
            p.fillRect(textClip, ToQColor(s.BkColor));
    } else {
        const auto& frame = PlaybackFrame();
        const double outScaleX = std::fabs(ScaleX()) * (frame ? std::fabs(frame->ScaleX) : 1.0);
        const TTextFace& face = TextFace();
        const TResolvedFont& of = *face.Resolved;
        const double width = Dx ? logicalWidth * outScaleX : face.Metrics.horizontalAdvance(Text);

        // The baseline runs along the escapement as the logical axes see it.
        const double a = s.Font.Escapement * std::numbers::pi / 1800.0;
        double vx = std::cos(a) * ScaleX(), vy = -std::sin(a) * ScaleY();
        if (frame) {
            vx *= frame->ScaleX;
            vy *= frame->ScaleY;
        }
        const double deg = std::atan2(vy, vx) * 180.0 / std::numbers::pi;

        double x0 = 0;
        if ((s.TextAlign & TA_CENTER) == TA_CENTER)
            x0 = -width / 2;
        else if (s.TextAlign & TA_RIGHT)
            x0 = -width;
        double base = of.Ascent();
        if ((s.TextAlign & TA_BASELINE) == TA_BASELINE)
            base = 0;
        else if (s.TextAlign & TA_BOTTOM)
            base = -of.Descent();

        // Level text is placed by offsets alone: a transform would make a
        // vector device restate its whole graphics state around each text.
        const QPointF ref0(RoundOut(OutX(ref.X)), RoundOut(OutY(ref.Y)));
        const bool turned = deg != 0.0;
        const QPointF at = turned ? QPointF(0, 0) : ref0;
        const QPointF origin = at + QPointF(x0, base);
        const QRectF cell(at.x() + x0, at.y() + base - of.Ascent(), width, of.Ascent() + of.Descent());
        TGlyphLayout layout;
        if (Dx)
            face.LayOut(Text, *Dx, outScaleX, layout);

        // Level glyphs whose ink is known to stay inside the clips leave
        // the painter's clip as it is: a vector device writes out each
        // change of clip in full.
        QRect inkPixels;
        if (Dx && !turned) {
            QRectF ink = face.Ink(layout);
            if (!ink.isNull()) {
                ink.translate(origin);
                if (s.BkMode == OPAQUE)
                    ink |= cell;
                if (opaqueRect)
                    ink |= QRectF(textClip);
                // Widened while it is still in floating point, and only
                // where whole pixels can hold it: ink beyond stays unknown.
                const QRectF wide = ink.adjusted(-1, -1, 1, 1);
                constexpr double Far = 1 << 28;
                if (wide.left() > -Far && wide.top() > -Far && wide.right() < Far && wide.bottom() < Far)
                    inkPixels = wide.toAlignedRect();
            }
        }
        if (!Begin(clipped ? &textClip : nullptr, inkPixels.isNull() ? nullptr : &inkPixels))
            return;
        if (opaqueRect)
            p.fillRect(textClip, ToQColor(s.BkColor));
        if (turned) {
            p.save();
            p.translate(ref0);
            p.rotate(deg);
        }
        if (s.BkMode == OPAQUE)
            p.fillRect(cell, ToQColor(s.BkColor));
        if (p.backgroundMode() != Qt::TransparentMode)
            p.setBackgroundMode(Qt::TransparentMode);
        p.setPen(ToQColor(s.TextColor));
        if (face.TooLargeForImages(p)) {
            // As Qt fills the outlines of large glyphs itself: smoothed
            // where text would be.
            const bool smooth =
                p.testRenderHint(QPainter::TextAntialiasing) && !(face.Font.styleStrategy() & QFont::NoAntialias);
            p.setRenderHint(QPainter::Antialiasing, smooth);
            p.fillPath(face.Outlines(origin, Dx ? QString() : Text, Text, layout), p.pen().color());
            p.setRenderHint(QPainter::Antialiasing, false);
        } else {
            if (!Dx) {
                p.setFont(face.Font);
                p.drawText(origin, Text);
            }
            if (!layout.Glyphs.isEmpty()) {
                // Qt would draw a glyph run's decorations at the device position
                // through the painter's transform once more: on a widget inside a
                // window that is off by the widget's offset. They are drawn below.
                QGlyphRun run;
                run.setRawFont(face.Raw);
                run.setRawData(layout.Glyphs.constData(), layout.Positions.constData(), int(layout.Glyphs.size()));
                p.drawGlyphRun(origin, run);
            }
            if (!layout.Shaped.isEmpty()) {
                p.setFont(face.PlainFont());
                for (const TGlyphLayout::TShaped& c : layout.Shaped)
                    p.drawText(origin + c.Pos, Text.mid(c.At, c.Units));
            }
        }
        if (Dx)
            DrawDecorations(p, face, origin, width);
        if (turned)
            p.restore();
    }
    if (updateCP && (s.TextAlign & TA_CENTER) == 0) {
        const qint64 w = Dx ? logicalWidth : GetTextExtent(Text).cx;
        const qint64 x = MutableState().CurrentPos.X + (ScaleX() < 0 ? -w : w);
        MutableState().CurrentPos.X = int(std::clamp<qint64>(x, -CoordLimit, CoordLimit));
    }
}

// --- images ---------------------------------------------------------------------------

void TPainterDC::StretchDIBits(const TRect& Dest, const TRect& SrcRect, const QImage& Image, quint32 Rop)
{
    if (!Begin())
        return;
    const TDevRect d = OutRect(Dest);
    if (d.Empty())
        return;
    QPainter& p = *FPainter;
    const QRect target = d.ToQRect();
    switch (Rop) {
    case BLACKNESS: p.fillRect(target, Qt::black); return;
    case WHITENESS: p.fillRect(target, Qt::white); return;
    case PATCOPY: FillDevRect(d, MakeBrush(State().Brush)); return;
    case DSTINVERT:
        if (HasRasterOps(p)) {
            p.setCompositionMode(QPainter::RasterOp_NotDestination);
            p.fillRect(target, Qt::white);
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        return;
    default: break;
    }
    if (Image.isNull())
        return;
    const TRect sn = NormalizeRect(SrcRect);
    const QRect src = QRect(sn.Left, sn.Top, sn.Right - sn.Left, sn.Bottom - sn.Top).intersected(Image.rect());
    if (src.isEmpty())
        return;
    p.setRenderHint(QPainter::SmoothPixmapTransform, State().StretchBltMode == HALFTONE);
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    QImage image = Image;
    switch (Rop) {
    case SRCAND: mode = QPainter::RasterOp_SourceAndDestination; break;
    case SRCPAINT: mode = QPainter::RasterOp_SourceOrDestination; break;
    case SRCINVERT: mode = QPainter::RasterOp_SourceXorDestination; break;
    case SRCERASE: mode = QPainter::RasterOp_SourceAndNotDestination; break;
    case NOTSRCCOPY: mode = QPainter::RasterOp_NotSource; break;
    case NOTSRCERASE: mode = QPainter::RasterOp_NotSourceAndNotDestination; break;
    case MERGEPAINT: mode = QPainter::RasterOp_NotSourceOrDestination; break;
    default: {
        const bool porterDuff = p.paintEngine() && p.paintEngine()->hasFeature(QPaintEngine::PorterDuff);
        mode = Image.hasAlphaChannel() || !porterDuff ? QPainter::CompositionMode_SourceOver
                                                      : QPainter::CompositionMode_Source;
        break;
    }
    }
    if (mode >= QPainter::RasterOp_SourceOrDestination && !HasRasterOps(p)) {
        if (Rop == SRCAND) {
            // Without raster operations: darken by the source's grey, which
            // is what AND does to white paper and leaves black black.
            if (p.paintEngine() && p.paintEngine()->hasFeature(QPaintEngine::BlendModes)) {
                mode = QPainter::CompositionMode_Multiply;
            } else {
                QImage shade(src.size(), QImage::Format_ARGB32);
                for (int y = 0; y < src.height(); ++y)
                    for (int x = 0; x < src.width(); ++x)
                        shade.setPixel(x, y, qRgba(0, 0, 0, 255 - qGray(Image.pixel(src.x() + x, src.y() + y))));
                image = shade;
                p.drawImage(QRectF(target), image, image.rect());
                return;
            }
        } else {
            if (Rop == NOTSRCCOPY)
                image.invertPixels();
            mode = QPainter::CompositionMode_SourceOver;
        }
    }
    p.setCompositionMode(mode);
    p.drawImage(QRectF(target), image, src);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace classlib
