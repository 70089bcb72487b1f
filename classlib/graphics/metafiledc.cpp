#include "classlib/graphics/metafiledc.h"

#include "classlib/core/sysutils.h"
#include "classlib/graphics/bitmapfile.h"
#include "classlib/graphics/emfrecords.h"
#include "classlib/graphics/metafile.h"

#include <QtEndian>

#include <algorithm>
#include <climits>
#include <cstring>

namespace classlib {

using namespace emf;

namespace {

// The reference screen: 96 pixels per inch on sides of whole millimetres
// (1920 px = 508 mm, 1440 px = 381 mm), so other readers that map through
// the millimetre sizes land on the same pixels.
constexpr int RefWidthPx = 1920, RefHeightPx = 1440;
constexpr int RefWidthMM = 508, RefHeightMM = 381;
constexpr qint64 EofSize = 20;

bool Fits16(const TPoint& P)
{
    return P.X >= SHRT_MIN && P.X <= SHRT_MAX && P.Y >= SHRT_MIN && P.Y <= SHRT_MAX;
}

} // namespace

TDeviceCaps TMetafileDC::ReferenceCaps()
{
    TDeviceCaps c;
    c.Technology = DT_RASDISPLAY;
    c.HorzRes = RefWidthPx;
    c.VertRes = RefHeightPx;
    c.HorzSizeMM = RefWidthMM;
    c.VertSizeMM = RefHeightMM;
    c.LogPixelsX = c.LogPixelsY = 96;
    return c;
}

TMetafileDC::TMetafileDC(const TRect& FrameMM)
    : FFrameMM(FrameMM)
    , FHandleUsed(1, true)
    , FRecorded{{STOCK_OBJECT | BLACK_PEN, STOCK_OBJECT | WHITE_BRUSH, STOCK_OBJECT | SYSTEM_FONT}, {}}
    , FWanted(FRecorded.Selected)
{
    if (FFrameMM.Right <= FFrameMM.Left || FFrameMM.Bottom <= FFrameMM.Top)
        FFrameMM = {0, 0, RefWidthMM * 100, RefHeightMM * 100};
    FBody.reserve(64 * 1024);  // a typical page, without regrowing
    FBody.append(HeaderSize, '\0');
    FWriter.Reset();
    SetTracksChanges(false);
}

TMetafileDC::~TMetafileDC() = default;

// The header goes in front of the records, in room kept for it there.
void TMetafileDC::WriteHeader(QByteArray& Out) const
{
    QByteArray header;
    header.reserve(HeaderSize);
    TEmfWriter w(header);
    w.Begin(EMR_HEADER);
    // The frame's pixels on the reference screen stand for the drawing's bounds.
    auto px = [](int mm100, int px, int mm) { return int(qint64(mm100) * px / (mm * 100)); };
    w.Rect({px(FFrameMM.Left, RefWidthPx, RefWidthMM), px(FFrameMM.Top, RefHeightPx, RefHeightMM),
            px(FFrameMM.Right, RefWidthPx, RefWidthMM) - 1, px(FFrameMM.Bottom, RefHeightPx, RefHeightMM) - 1});
    w.Rect(FFrameMM);
    w.U32(ENHMETA_SIGNATURE);
    w.U32(ENHMETA_VERSION);
    w.U32(quint32(Out.size()));
    w.U32(quint32(FRecords + 2));
    w.U16(quint16(std::min<size_t>(FHandleUsed.size(), 0xFFFF)));
    w.U16(0);
    w.U32(0);  // no description
    w.U32(0);
    w.U32(0);  // no palette
    w.I32(RefWidthPx);
    w.I32(RefHeightPx);
    w.I32(RefWidthMM);
    w.I32(RefHeightMM);
    w.U32(0);  // no pixel format
    w.U32(0);
    w.U32(0);  // not OpenGL
    w.I32(RefWidthMM * 1000);
    w.I32(RefHeightMM * 1000);
    w.End();
    Q_ASSERT(header.size() == HeaderSize);
    std::memcpy(Out.data(), header.constData(), size_t(HeaderSize));
}

namespace {

void WriteEof(TEmfWriter& W)
{
    W.Begin(EMR_EOF);
    W.U32(0);
    W.U32(16);
    W.U32(20);
    W.End();
}

} // namespace

QByteArray TMetafileDC::Finish() const
{
    QByteArray out;
    out.reserve(FWriter.Length() + EofSize);
    out.append(FBody.constData(), FWriter.Length());
    {
        TEmfWriter w(out);
        WriteEof(w);
    }
    WriteHeader(out);
    return out;
}

QByteArray TMetafileDC::TakeFinished()
{
    WriteEof(FWriter);
    FWriter.Trim();
    WriteHeader(FBody);
    QByteArray out = std::move(FBody);
    FBody = QByteArray(HeaderSize, '\0');
    FWriter.Reset();
    FRecords = 0;
    return out;
}

// --- record helpers ------------------------------------------------------------

void TMetafileDC::Simple(quint32 Type, quint32 Value)
{
    FWriter.Fixed<1>(Type, {Value});
    ++FRecords;
}

void TMetafileDC::StateRecord(TSlot Slot, quint32 Type, quint32 Value)
{
    std::optional<quint32>& recorded = FRecorded.Values[Slot];
    if (recorded == Value) return;
    recorded = Value;
    Simple(Type, Value);
}

void TMetafileDC::Sync(unsigned Needs)
{
    if (Needs & nPen) SelectHandle(kPen, FWanted[kPen]);
    if (Needs & nBrush) SelectHandle(kBrush, FWanted[kBrush]);
    if (Needs & nFont) SelectHandle(kFont, FWanted[kFont]);
    const TDCState& s = State();
    if (Needs & nTextColor) StateRecord(sTextColor, EMR_SETTEXTCOLOR, s.TextColor);
    if (Needs & nBkColor) StateRecord(sBkColor, EMR_SETBKCOLOR, s.BkColor);
    if (Needs & nBkMode) StateRecord(sBkMode, EMR_SETBKMODE, quint32(s.BkMode));
    if (Needs & nTextAlign) StateRecord(sTextAlign, EMR_SETTEXTALIGN, s.TextAlign);
    if (Needs & nROP2) StateRecord(sROP2, EMR_SETROP2, quint32(s.ROP2));
    if (Needs & nStretchBltMode) StateRecord(sStretchBltMode, EMR_SETSTRETCHBLTMODE, quint32(s.StretchBltMode));
    if (Needs & nPolyFillMode) StateRecord(sPolyFillMode, EMR_SETPOLYFILLMODE, quint32(s.PolyFillMode));
}

void TMetafileDC::PointRecord(quint32 Type, int X, int Y)
{
    FWriter.Fixed<2>(Type, {quint32(X), quint32(Y)});
    ++FRecords;
}

void TMetafileDC::RectRecord(quint32 Type, const TRect& R)
{
    FWriter.Fixed<4>(Type, {quint32(R.Left), quint32(R.Top), quint32(R.Right), quint32(R.Bottom)});
    ++FRecords;
}

TRect TMetafileDC::DeviceBounds(const std::vector<TPoint>& Points) const
{
    if (Points.empty()) return {0, 0, -1, -1};
    TRect b{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const TPoint& p : Points) {
        const TPoint d = LPtoDP(p);
        b.Left = std::min(b.Left, d.X);
        b.Top = std::min(b.Top, d.Y);
        b.Right = std::max(b.Right, d.X);
        b.Bottom = std::max(b.Bottom, d.Y);
    }
    return b;
}

void TMetafileDC::Poly(quint32 Type16, quint32 Type32, const std::vector<TPoint>& Points)
{
    const bool small = std::all_of(Points.begin(), Points.end(), Fits16);
    TEmfWriter& w = FWriter;
    w.Begin(small ? Type16 : Type32);
    w.Rect(DeviceBounds(Points));
    w.U32(quint32(Points.size()));
    for (const TPoint& p : Points) {
        if (small) {
            w.U16(quint16(qint16(p.X)));
            w.U16(quint16(qint16(p.Y)));
        } else {
            w.I32(p.X);
            w.I32(p.Y);
        }
    }
    w.End();
    ++FRecords;
}

// --- objects ---------------------------------------------------------------------

quint32 TMetafileDC::NewHandle()
{
    for (size_t i = 1; i < FHandleUsed.size(); ++i)
        if (!FHandleUsed[i]) {
            FHandleUsed[i] = true;
            return quint32(i);
        }
    FHandleUsed.push_back(true);
    return quint32(FHandleUsed.size() - 1);
}

bool TMetafileDC::InUse(quint32 Handle) const
{
    auto holds = [Handle](const std::array<quint32, 3>& Selected) {
        return std::find(Selected.begin(), Selected.end(), Handle) != Selected.end();
    };
    return holds(FRecorded.Selected) || holds(FWanted) ||
           std::any_of(FSavedStates.begin(), FSavedStates.end(),
                       [&](const TSaved& Saved) { return holds(Saved.Player.Selected) || holds(Saved.Wanted); });
}

void TMetafileDC::SelectHandle(TKind Kind, quint32 Handle)
{
    if (FRecorded.Selected[Kind] == Handle) return;
    Simple(EMR_SELECTOBJECT, Handle);
    FRecorded.Selected[Kind] = Handle;
}

// An object is deleted only once neither the selection nor a saved state
// refers to it, so a restore never selects a deleted object.
template <class TLog>
quint32 TMetafileDC::Cached(TObjectCache<TLog>& Cache, const TLog& Log,
                            quint32 (TMetafileDC::*Create)(const TLog&))
{
    auto& entries = Cache.Entries;
    const auto hit = std::find_if(entries.begin(), entries.end(), [&](const auto& E) { return E.first == Log; });
    if (hit != entries.end()) {
        std::rotate(hit, hit + 1, entries.end());
        return entries.back().second;
    }
    const quint32 h = (this->*Create)(Log);
    if (h & STOCK_OBJECT) return h;
    if (entries.size() >= CacheLimit) {
        const auto idle = std::find_if(entries.begin(), entries.end(), [&](const auto& E) { return !InUse(E.second); });
        if (idle != entries.end()) {
            Simple(EMR_DELETEOBJECT, idle->second);
            FHandleUsed[idle->second] = false;
            entries.erase(idle);
        }
    }
    entries.emplace_back(Log, h);
    return h;
}

quint32 TMetafileDC::CreatePen(const TLogPen& Pen)
{
    if (Pen.Style == PS_NULL) return STOCK_OBJECT | NULL_PEN;
    const quint32 h = NewHandle();
    TEmfWriter& w = FWriter;
    w.Begin(EMR_CREATEPEN);
    w.U32(h);
    w.U32(quint32(Pen.Style));
    w.I32(Pen.Width);
    w.I32(0);
    w.U32(Pen.Color);
    w.End();
    ++FRecords;
    return h;
}

quint32 TMetafileDC::CreateBrush(const TLogBrush& Brush)
{
    if (Brush.Style == BS_NULL) return STOCK_OBJECT | NULL_BRUSH;
    const quint32 h = NewHandle();
    TEmfWriter& w = FWriter;
    w.Begin(EMR_CREATEBRUSHINDIRECT);
    w.U32(h);
    w.U32(quint32(Brush.Style));
    w.U32(Brush.Color);
    w.U32(quint32(Brush.Hatch));
    w.End();
    ++FRecords;
    return h;
}

quint32 TMetafileDC::CreateFont(const TLogFont& Font)
{
    const quint32 h = NewHandle();
    TEmfWriter& w = FWriter;
    w.Begin(EMR_EXTCREATEFONTINDIRECTW);
    w.U32(h);
    w.I32(Font.Height);
    w.I32(Font.Width);
    w.I32(Font.Escapement);
    w.I32(Font.Orientation);
    w.I32(Font.Weight);
    w.U8(Font.Italic);
    w.U8(Font.Underline);
    w.U8(Font.StrikeOut);
    w.U8(Font.CharSet);
    w.U8(Font.OutPrecision);
    w.U8(Font.ClipPrecision);
    w.U8(Font.Quality);
    w.U8(Font.PitchAndFamily);
    w.Utf16(Font.FaceName.left(31), 32);
    // The rest of the panose form (full name, style, ...), left empty.
    w.Zeros(LogFontPanoseSize - LogFontSize);
    w.End();
    ++FRecords;
    return h;
}

void TMetafileDC::SelectPen(const TLogPen& Pen)
{
    if (Pen == State().Pen) return;
    TDeviceContext::SelectPen(Pen);
    FWanted[kPen] = Cached(FPens, Pen, &TMetafileDC::CreatePen);
}

void TMetafileDC::SelectBrush(const TLogBrush& Brush)
{
    if (Brush == State().Brush) return;
    TDeviceContext::SelectBrush(Brush);
    FWanted[kBrush] = Cached(FBrushes, Brush, &TMetafileDC::CreateBrush);
}

void TMetafileDC::SelectFont(const TLogFont& Font)
{
    if (Font == State().Font) return;
    TDeviceContext::SelectFont(Font);
    FWanted[kFont] = Cached(FFonts, Font, &TMetafileDC::CreateFont);
}

// --- state -------------------------------------------------------------------------

int TMetafileDC::SetMapMode(int Mode)
{
    const int old = TDeviceContext::SetMapMode(Mode);
    if (old) Simple(EMR_SETMAPMODE, quint32(Mode));
    return old;
}

bool TMetafileDC::SetWindowOrg(int X, int Y, TPoint* Old)
{
    if (!TDeviceContext::SetWindowOrg(X, Y, Old)) return false;
    PointRecord(EMR_SETWINDOWORGEX, X, Y);
    return true;
}

bool TMetafileDC::SetWindowExt(int X, int Y, TSize* Old)
{
    if (!TDeviceContext::SetWindowExt(X, Y, Old)) return false;
    PointRecord(EMR_SETWINDOWEXTEX, X, Y);
    return true;
}

bool TMetafileDC::SetViewportOrg(int X, int Y, TPoint* Old)
{
    if (!TDeviceContext::SetViewportOrg(X, Y, Old)) return false;
    PointRecord(EMR_SETVIEWPORTORGEX, X, Y);
    return true;
}

bool TMetafileDC::SetViewportExt(int X, int Y, TSize* Old)
{
    if (!TDeviceContext::SetViewportExt(X, Y, Old)) return false;
    PointRecord(EMR_SETVIEWPORTEXTEX, X, Y);
    return true;
}

int TMetafileDC::SaveDC()
{
    const int level = TDeviceContext::SaveDC();
    FWriter.Fixed<0>(EMR_SAVEDC, {});
    ++FRecords;
    FSavedStates.push_back({FRecorded, FWanted});
    return level;
}

bool TMetafileDC::RestoreDC(int Level)
{
    const int count = SaveLevel();
    if (!TDeviceContext::RestoreDC(Level)) return false;
    // Recorded relative to the most recent save, as players expect.
    const int relative = SaveLevel() - count;
    Simple(EMR_RESTOREDC, quint32(relative));
    FRecorded = FSavedStates[size_t(SaveLevel())].Player;
    FWanted = FSavedStates[size_t(SaveLevel())].Wanted;
    FSavedStates.resize(size_t(SaveLevel()));
    return true;
}

// --- clipping -------------------------------------------------------------------------

int TMetafileDC::IntersectClipRect(const TRect& Logical)
{
    RectRecord(EMR_INTERSECTCLIPRECT, Logical);
    return TDeviceContext::IntersectClipRect(Logical);
}

int TMetafileDC::ExcludeClipRect(const TRect& Logical)
{
    RectRecord(EMR_EXCLUDECLIPRECT, Logical);
    return TDeviceContext::ExcludeClipRect(Logical);
}

int TMetafileDC::ExtSelectClipRgn(const TRegion* Region, int Mode)
{
    const int result = TDeviceContext::ExtSelectClipRgn(Region, Mode);
    if (result == RGN_ERROR) return result;
    const std::vector<TRect> rects = Region ? Region->Rects() : std::vector<TRect>{};
    TEmfWriter& w = FWriter;
    w.Begin(EMR_EXTSELECTCLIPRGN);
    w.U32(Region ? quint32(RgnDataHeaderSize + 16 * rects.size()) : 0);
    w.U32(quint32(Mode));
    if (Region) {
        w.U32(RgnDataHeaderSize);
        w.U32(1);  // RDH_RECTANGLES
        w.U32(quint32(rects.size()));
        w.U32(quint32(16 * rects.size()));
        const TRect b = Region->Bounds();
        w.Rect(b);
        for (const TRect& r : rects) w.Rect(r);
    }
    w.End();
    ++FRecords;
    return result;
}

int TMetafileDC::OffsetClipRgn(int DX, int DY)
{
    PointRecord(EMR_OFFSETCLIPRGN, DX, DY);
    return TDeviceContext::OffsetClipRgn(DX, DY);
}

// --- drawing -----------------------------------------------------------------------------

void TMetafileDC::MoveTo(int X, int Y, TPoint* Old)
{
    TDeviceContext::MoveTo(X, Y, Old);
    PointRecord(EMR_MOVETOEX, X, Y);
}

void TMetafileDC::LineTo(int X, int Y)
{
    Sync(nLines);
    MutableState().CurrentPos = {X, Y};
    PointRecord(EMR_LINETO, X, Y);
}

void TMetafileDC::Rectangle(const TRect& R)
{
    Sync(nShapes);
    RectRecord(EMR_RECTANGLE, R);
}

void TMetafileDC::Ellipse(const TRect& R)
{
    Sync(nShapes);
    RectRecord(EMR_ELLIPSE, R);
}

void TMetafileDC::Polygon(const std::vector<TPoint>& Points)
{
    Sync(nShapes | nPolyFillMode);
    Poly(EMR_POLYGON16, EMR_POLYGON, Points);
}

void TMetafileDC::Polyline(const std::vector<TPoint>& Points)
{
    Sync(nLines);
    Poly(EMR_POLYLINE16, EMR_POLYLINE, Points);
}

// Recorded as a rectangle without outline in Brush. The selection is left
// as it is: what draws next selects what it needs.
void TMetafileDC::FillRect(const TRect& R, const TLogBrush& Brush)
{
    SelectHandle(kBrush, Brush == State().Brush ? FWanted[kBrush] : Cached(FBrushes, Brush, &TMetafileDC::CreateBrush));
    SelectHandle(kPen, STOCK_OBJECT | NULL_PEN);
    Sync(nBackground | nROP2);
    RectRecord(EMR_RECTANGLE, R);
}

TColorRef TMetafileDC::SetPixel(int X, int Y, TColorRef Color)
{
    TEmfWriter& w = FWriter;
    w.Begin(EMR_SETPIXELV);
    w.I32(X);
    w.I32(Y);
    w.U32(Color);
    w.End();
    ++FRecords;
    return Color;
}

void TMetafileDC::ExtTextOut(int X, int Y, unsigned Options, const TRect* Rect, const QString& Text,
                             const std::vector<int>* Dx)
{
    // Advances are always stored, so every player spaces the text as measured here.
    const bool given = Dx && Dx->size() >= size_t(Text.size());
    if (!given) CharAdvances(Text, FAdvances);
    const std::vector<int>& advances = given ? *Dx : FAdvances;

    Sync(nFont | nTextColor | nBackground | nTextAlign);
    const qint64 chars = Text.size();
    const qint64 stringBytes = (chars * 2 + 3) / 4 * 4;
    TEmfWriter& w = FWriter;
    w.Begin(EMR_EXTTEXTOUTW);
    w.Rect({0, 0, -1, -1});  // bounds not computed
    w.U32(GM_COMPATIBLE);
    w.U32(0);  // exScale, eyScale: 0.0f
    w.U32(0);
    w.I32(X);
    w.I32(Y);
    w.U32(quint32(chars));
    w.U32(quint32(ExtTextOutFixed));
    w.U32(Options & ~(ETO_NO_RECT | ETO_PDY));
    w.Rect(Rect ? *Rect : TRect{});
    w.U32(quint32(ExtTextOutFixed + stringBytes));
    w.Utf16(Text, chars);
    w.Zeros(stringBytes - chars * 2);
    for (qint64 i = 0; i < chars; ++i) w.I32(size_t(i) < advances.size() ? advances[size_t(i)] : 0);
    w.End();
    ++FRecords;
}

void TMetafileDC::StretchDIBits(const TRect& Dest, const TRect& SrcRect, const QImage& Image,
                                quint32 Rop)
{
    if (Image.isNull()) return;
    const QRect src = QRect(SrcRect.Left, SrcRect.Top, SrcRect.Width(), SrcRect.Height())
                          .normalized()
                          .intersected(Image.rect());
    if (src.isEmpty()) return;
    // 24 bits a pixel: a page may hold many copies of a texture tile. A
    // bitmap file without its 14-byte file header is the record's
    // BITMAPINFOHEADER followed by the pixels.
    const QByteArray file = detail::WriteBitmapFile(Image.copy(src), 24);
    Sync(nBrush | nStretchBltMode);  // the brush for the raster operations that take it
    const qint64 bmiSize = 40, bitsSize = file.size() - 14 - bmiSize;
    TEmfWriter& w = FWriter;
    w.Begin(EMR_STRETCHDIBITS);
    w.Rect(NormalizeRect(LPtoDP(Dest)));
    w.I32(Dest.Left);
    w.I32(Dest.Top);
    w.I32(0);  // the whole of the stored bitmap
    w.I32(0);
    w.I32(src.width());
    w.I32(src.height());
    w.U32(quint32(StretchDIBitsFixed));
    w.U32(quint32(bmiSize));
    w.U32(quint32(StretchDIBitsFixed + bmiSize));
    w.U32(quint32(bitsSize));
    w.U32(DIB_RGB_COLORS);
    w.U32(Rop);
    w.I32(Dest.Width());
    w.I32(Dest.Height());
    w.Bytes(file.constData() + 14, bmiSize + bitsSize);
    w.End();
    ++FRecords;
}

// ---------------------------------------------------------------------------
// TMetafileCanvas

TMetafileCanvas::TMetafileCanvas(TMetafile& Metafile)
    : FMetafile(Metafile), FRecorder(TRect{0, 0, Metafile.MMWidth(), Metafile.MMHeight()})
{
    SetHandle(&FRecorder);
}

TMetafileCanvas::~TMetafileCanvas()
{
    SetHandle(nullptr);
    // Our own records: no need to check them again.
    FMetafile.FData = FRecorder.TakeFinished();
    FMetafile.FMMWidth = FRecorder.FrameMM().Width();
    FMetafile.FMMHeight = FRecorder.FrameMM().Height();
    FMetafile.Changed();
}

} // namespace classlib
