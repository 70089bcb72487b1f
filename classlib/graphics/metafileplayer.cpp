#include "classlib/graphics/metafileplayer.h"

#include "classlib/core/sysutils.h"
#include "classlib/graphics/bitmap.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace classlib {

using namespace emf;

namespace {

// Coordinates from the records are kept far inside int, so sums and
// differences computed downstream cannot overflow.
constexpr qint32 CoordLimit = 1 << 28;

int Coord(qint32 V) { return std::clamp(V, -CoordLimit, CoordLimit); }
TPoint Pt(const TEmfRecord& R, qint64 At) { return {Coord(R.I32(At)), Coord(R.I32(At + 4))}; }
TRect Rc(const TEmfRecord& R, qint64 At) { return {Coord(R.I32(At)), Coord(R.I32(At + 4)), Coord(R.I32(At + 8)), Coord(R.I32(At + 12))}; }

// Reference pixels of a frame edge in hundredths of a millimetre.
double FramePixels(int Mm100, int DevicePx, int DeviceMM, int DeviceUM)
{
    return DeviceUM > 0 ? double(Mm100) * 10.0 * DevicePx / DeviceUM
                        : double(Mm100) / 100.0 * DevicePx / DeviceMM;
}

int RefLogPixels(int DevicePx, int DeviceMM, int DeviceUM)
{
    const double perInch = DeviceUM > 0 ? DevicePx * 25400.0 / DeviceUM : DevicePx * 25.4 / DeviceMM;
    return int(std::nearbyint(std::clamp(perInch, 1.0, 100000.0)));
}

TLogBrush StockBrush(TColorRef Color) { return TLogBrush{BS_SOLID, Color, HS_HORIZONTAL}; }

} // namespace

TEnhMetaPlayer::TEnhMetaPlayer(TDeviceContext& DC, const TEnhMetaHeader& Header, const TRect& Dest)
    : FDC(DC), FObjects(std::max<size_t>(Header.Handles, 1))
{
    const double fx0 = FramePixels(Header.Frame.Left, Header.Device.cx, Header.Millimeters.cx, Header.Micrometers.cx);
    const double fx1 = FramePixels(Header.Frame.Right, Header.Device.cx, Header.Millimeters.cx, Header.Micrometers.cx);
    const double fy0 = FramePixels(Header.Frame.Top, Header.Device.cy, Header.Millimeters.cy, Header.Micrometers.cy);
    const double fy1 = FramePixels(Header.Frame.Bottom, Header.Device.cy, Header.Millimeters.cy, Header.Micrometers.cy);
    // Output pixels of the destination, normalised: never mirrored.
    double ox0 = DC.OutX(Dest.Left), ox1 = DC.OutX(Dest.Right);
    double oy0 = DC.OutY(Dest.Top), oy1 = DC.OutY(Dest.Bottom);
    if (ox0 > ox1) std::swap(ox0, ox1);
    if (oy0 > oy1) std::swap(oy0, oy1);
    if (!(fx1 > fx0) || !(fy1 > fy0) || !(ox1 > ox0) || !(oy1 > oy0)) return;

    TPlaybackFrame frame;
    frame.RefLogPixelsX = RefLogPixels(Header.Device.cx, Header.Millimeters.cx, Header.Micrometers.cx);
    frame.RefLogPixelsY = RefLogPixels(Header.Device.cy, Header.Millimeters.cy, Header.Micrometers.cy);
    frame.ScaleX = (ox1 - ox0) / (fx1 - fx0);
    frame.ScaleY = (oy1 - oy0) / (fy1 - fy0);
    frame.OffsetX = ox0 - fx0 * frame.ScaleX;
    frame.OffsetY = oy0 - fy0 * frame.ScaleY;

    // The caller's clip, from its device space to our reference pixels.
    if (const auto& clip = DC.State().Clip) {
        const std::optional<TPlaybackFrame>& outer = DC.PlaybackFrame();
        std::vector<TRect> rects;
        for (const TRect& r : clip->Rects()) {
            auto tx = [&](double x) {
                const double out = outer ? x * outer->ScaleX + outer->OffsetX : x;
                return int(std::nearbyint(std::clamp((out - frame.OffsetX) / frame.ScaleX, -1e9, 1e9)));
            };
            auto ty = [&](double y) {
                const double out = outer ? y * outer->ScaleY + outer->OffsetY : y;
                return int(std::nearbyint(std::clamp((out - frame.OffsetY) / frame.ScaleY, -1e9, 1e9)));
            };
            rects.push_back(NormalizeRect({tx(r.Left), ty(r.Top), tx(r.Right), ty(r.Bottom)}));
        }
        FBaseClip = TRegion::FromRects(rects);
    }

    FOldFrame = DC.PlaybackFrame();
    FBaseLevel = DC.SaveDC();
    DC.SetPlaybackFrame(frame);
    // The state a recording starts from.
    DC.SetMapMode(MM_TEXT);
    DC.SetWindowOrg(0, 0);
    DC.SetViewportOrg(0, 0);
    DC.SelectPen(TLogPen{});
    DC.SelectBrush(TLogBrush{});
    DC.SelectFont(TLogFont{});
    DC.SetTextColor(RGB(0, 0, 0));
    DC.SetBkColor(RGB(255, 255, 255));
    DC.SetBkMode(OPAQUE);
    DC.SetTextAlign(TA_LEFT | TA_TOP | TA_NOUPDATECP);
    DC.SetROP2(R2_COPYPEN);
    DC.SetStretchBltMode(BLACKONWHITE);
    DC.SetPolyFillMode(ALTERNATE);
    DC.MoveTo(0, 0);
    DC.SelectClipRgn(FBaseClip ? &*FBaseClip : nullptr);
    FVisible = true;
}

TEnhMetaPlayer::~TEnhMetaPlayer()
{
    if (!FVisible) return;
    FDC.RestoreDC(FBaseLevel);
    FDC.SetPlaybackFrame(FOldFrame);
}

void TEnhMetaPlayer::SetObject(quint32 Index, TGdiObject Object)
{
    if (Index == 0 || Index > 0xFFFF) return;  // index 0 is the metafile itself
    if (Index >= FObjects.size()) FObjects.resize(Index + 1);
    FObjects[Index] = std::move(Object);
}

void TEnhMetaPlayer::SelectObject(quint32 Index)
{
    TGdiObject obj;
    if (Index & STOCK_OBJECT) {
        switch (Index & ~STOCK_OBJECT) {
        case WHITE_BRUSH: obj = StockBrush(RGB(255, 255, 255)); break;
        case LTGRAY_BRUSH: obj = StockBrush(RGB(192, 192, 192)); break;
        case GRAY_BRUSH: obj = StockBrush(RGB(128, 128, 128)); break;
        case DKGRAY_BRUSH: obj = StockBrush(RGB(64, 64, 64)); break;
        case BLACK_BRUSH: obj = StockBrush(RGB(0, 0, 0)); break;
        case NULL_BRUSH: obj = TLogBrush{BS_NULL, 0, HS_HORIZONTAL}; break;
        case WHITE_PEN: obj = TLogPen{PS_SOLID, 0, RGB(255, 255, 255)}; break;
        case BLACK_PEN: obj = TLogPen{PS_SOLID, 0, RGB(0, 0, 0)}; break;
        case NULL_PEN: obj = TLogPen{PS_NULL, 0, 0}; break;
        case OEM_FIXED_FONT: case ANSI_FIXED_FONT: case SYSTEM_FIXED_FONT: {
            TLogFont f;
            f.PitchAndFamily = FIXED_PITCH;
            obj = f;
            break;
        }
        case ANSI_VAR_FONT: case SYSTEM_FONT: case DEVICE_DEFAULT_FONT: case DEFAULT_GUI_FONT:
            obj = TLogFont{};
            break;
        default: return;
        }
    } else if (Index < FObjects.size()) {
        obj = FObjects[Index];
    }
    if (auto* pen = std::get_if<TLogPen>(&obj)) FDC.SelectPen(*pen);
    else if (auto* brush = std::get_if<TLogBrush>(&obj)) FDC.SelectBrush(*brush);
    else if (auto* font = std::get_if<TLogFont>(&obj)) FDC.SelectFont(*font);
}

std::vector<TPoint> TEnhMetaPlayer::ReadPoints(const TEmfRecord& R, bool Short) const
{
    const quint32 count = ReadPolyCount(R, Short);
    std::vector<TPoint> points(count);
    for (quint32 i = 0; i < count; ++i)
        points[i] = Short ? TPoint{R.I16(28 + 4 * qint64(i)), R.I16(30 + 4 * qint64(i))}
                          : Pt(R, 28 + 8 * qint64(i));
    return points;
}

void TEnhMetaPlayer::PlayText(const TEmfRecord& R)
{
    const TPoint ref = Pt(R, 36);
    const TTextLayout L = ReadTextLayout(R);
    const TRect rect = L.HasRect ? Rc(R, 56) : TRect{};
    QString text(qsizetype(L.Chars), Qt::Uninitialized);
    for (quint32 i = 0; i < L.Chars; ++i)
        text[qsizetype(i)] = QChar(quint16(R.I16(L.OffString + 2 * qint64(i))));
    std::vector<int> dx;
    if (L.OffDx != 0 && L.Chars > 0) {
        dx.resize(L.Chars);
        for (quint32 i = 0; i < L.Chars; ++i) dx[i] = Coord(R.I32(L.OffDx + L.DxStride * i));
    }
    const unsigned drawOptions = L.Options & (ETO_OPAQUE | ETO_CLIPPED);
    FDC.ExtTextOut(ref.X, ref.Y, drawOptions, L.HasRect && drawOptions ? &rect : nullptr, text,
                   dx.empty() ? nullptr : &dx);
}

void TEnhMetaPlayer::PlayStretchDIBits(const TEmfRecord& R)
{
    const TDibLayout L = ReadDibLayout(R);
    const qint64 xDest = Coord(R.I32(24)), yDest = Coord(R.I32(28));
    const qint32 xSrc = R.I32(32), ySrc = R.I32(36), cxSrc = R.I32(40), cySrc = R.I32(44);
    const quint32 rop = L.Rop;
    const TRect dest{int(xDest), int(yDest), int(xDest + Coord(R.I32(72))), int(yDest + Coord(R.I32(76)))};
    if (L.CbBmi == 0) {
        // No bitmap: the operations that need none.
        if (rop == PATCOPY) FDC.FillRect(dest, FDC.State().Brush);
        else if (rop == BLACKNESS) FDC.FillRect(dest, StockBrush(RGB(0, 0, 0)));
        else if (rop == WHITENESS) FDC.FillRect(dest, StockBrush(RGB(255, 255, 255)));
        return;
    }
    if (!L.HasBitmap()) return;  // palette indices: no palette here
    // The record's bitmap as a bitmap file, checked and decoded as one.
    const QImage image = TBitmap::DecodeFile(ReadDibFile(R, L));
    // Source rows count from the bottom of a bottom-up bitmap.
    const qint64 top = qint64(image.height()) - ySrc - cySrc;
    const QRect src = QRect(QPoint(0, 0), image.size())
                          .intersected(QRect(int(std::clamp<qint64>(xSrc, -CoordLimit, CoordLimit)),
                                             int(std::clamp<qint64>(top, -CoordLimit, CoordLimit)),
                                             Coord(cxSrc), Coord(cySrc)).normalized());
    if (src.isEmpty()) return;
    FDC.StretchDIBits(dest, {src.left(), src.top(), src.right() + 1, src.bottom() + 1}, image, rop);
}

void TEnhMetaPlayer::PlayClipRegion(const TEmfRecord& R)
{
    const TClipLayout L = ReadClipLayout(R);
    const int mode = L.Mode;
    if (L.Size == 0) {
        if (mode == RGN_COPY) FDC.SelectClipRgn(FBaseClip ? &*FBaseClip : nullptr);
        return;
    }
    const quint32 count = L.Count;
    if (count > MaxClipRegionRects) return;  // skipped, as too complex
    std::vector<TRect> rects(count);
    for (quint32 i = 0; i < count; ++i) rects[i] = Rc(R, 48 + 16 * qint64(i));
    const TRegion region = TRegion::FromRects(rects);
    if (mode == RGN_COPY) {
        FDC.ExtSelectClipRgn(&region, RGN_COPY);
        // Records never reach outside the area the caller allowed.
        if (FBaseClip) FDC.ExtSelectClipRgn(&*FBaseClip, RGN_AND);
    } else {
        FDC.ExtSelectClipRgn(&region, mode);
    }
}

void TEnhMetaPlayer::PlayRecord(const TEmfRecord& R)
{
    if (!FVisible) return;
    switch (R.Type()) {
    case EMR_SETMAPMODE: FDC.SetMapMode(int(R.U32(8))); break;
    case EMR_SETWINDOWEXTEX: FDC.SetWindowExt(Coord(R.I32(8)), Coord(R.I32(12))); break;
    case EMR_SETWINDOWORGEX: FDC.SetWindowOrg(Coord(R.I32(8)), Coord(R.I32(12))); break;
    case EMR_SETVIEWPORTEXTEX: FDC.SetViewportExt(Coord(R.I32(8)), Coord(R.I32(12))); break;
    case EMR_SETVIEWPORTORGEX: FDC.SetViewportOrg(Coord(R.I32(8)), Coord(R.I32(12))); break;
    case EMR_SETPIXELV: FDC.SetPixel(Coord(R.I32(8)), Coord(R.I32(12)), R.U32(16) & 0xFFFFFF); break;
    case EMR_SETBKMODE: FDC.SetBkMode(int(R.U32(8))); break;
    case EMR_SETPOLYFILLMODE: FDC.SetPolyFillMode(int(R.U32(8))); break;
    case EMR_SETROP2: FDC.SetROP2(int(R.U32(8))); break;
    case EMR_SETSTRETCHBLTMODE: FDC.SetStretchBltMode(int(R.U32(8))); break;
    case EMR_SETTEXTALIGN: FDC.SetTextAlign(R.U32(8)); break;
    case EMR_SETTEXTCOLOR: FDC.SetTextColor(R.U32(8) & 0xFFFFFF); break;
    case EMR_SETBKCOLOR: FDC.SetBkColor(R.U32(8) & 0xFFFFFF); break;
    case EMR_OFFSETCLIPRGN: FDC.OffsetClipRgn(Coord(R.I32(8)), Coord(R.I32(12))); break;
    case EMR_MOVETOEX: FDC.MoveTo(Coord(R.I32(8)), Coord(R.I32(12))); break;
    case EMR_LINETO: FDC.LineTo(Coord(R.I32(8)), Coord(R.I32(12))); break;
    case EMR_EXCLUDECLIPRECT: FDC.ExcludeClipRect(Rc(R, 8)); break;
    case EMR_INTERSECTCLIPRECT: FDC.IntersectClipRect(Rc(R, 8)); break;
    case EMR_SAVEDC:
        FDC.SaveDC();
        ++FOwnSaves;
        break;
    case EMR_RESTOREDC: {
        // Only the records' own saves can be restored, never the caller's.
        const qint32 level = R.I32(8);
        if (level < 0 && -qint64(level) <= FOwnSaves) {
            if (FDC.RestoreDC(level)) FOwnSaves += level;
        } else if (level > 0 && level <= FOwnSaves) {
            if (FDC.RestoreDC(FBaseLevel + level)) FOwnSaves = level - 1;
        }
        break;
    }
    case EMR_SELECTOBJECT: SelectObject(R.U32(8)); break;
    case EMR_CREATEPEN:
        SetObject(R.U32(8), TLogPen{int(R.U32(12) & 0xF), std::max(0, Coord(R.I32(16))), R.U32(24) & 0xFFFFFF});
        break;
    case EMR_EXTCREATEPEN: {  // as other recorders write pens
        const int brushStyle = int(R.U32(36));
        const int style = brushStyle == BS_NULL ? PS_NULL : int(R.U32(28) & 0xF);
        SetObject(R.U32(8), TLogPen{style, Coord(qint32(std::min<quint32>(R.U32(32), CoordLimit))),
                                    R.U32(40) & 0xFFFFFF});
        break;
    }
    case EMR_CREATEBRUSHINDIRECT: {
        const int style = int(R.U32(12));
        TLogBrush b{style == BS_NULL || style == BS_HATCHED ? style : BS_SOLID, R.U32(16) & 0xFFFFFF,
                    int(std::min<quint32>(R.U32(20), HS_DIAGCROSS))};
        SetObject(R.U32(8), b);
        break;
    }
    case EMR_DELETEOBJECT: SetObject(R.U32(8), std::monostate{}); break;
    case EMR_EXTCREATEFONTINDIRECTW: {
        TLogFont f;
        f.Height = Coord(R.I32(12));
        // A face stretched more than 64 times its height is no font; the
        // bound keeps font matching within its arithmetic.
        const qint64 widthLimit = 64 * std::max<qint64>(std::abs(qint64(f.Height)), 1);
        f.Width = int(std::clamp<qint64>(R.I32(16), -widthLimit, widthLimit));
        f.Escapement = R.I32(20) % 3600;
        f.Orientation = R.I32(24) % 3600;
        f.Weight = std::clamp(R.I32(28), 0, 1000);
        f.Italic = R.U8(32) != 0;
        f.Underline = R.U8(33) != 0;
        f.StrikeOut = R.U8(34) != 0;
        f.CharSet = R.U8(35);
        f.OutPrecision = R.U8(36);
        f.ClipPrecision = R.U8(37);
        f.Quality = R.U8(38);
        f.PitchAndFamily = R.U8(39);
        for (qint64 i = 0; i < 32; ++i) {
            const quint16 c = quint16(R.I16(40 + 2 * i));
            if (!c) break;
            f.FaceName.append(QChar(c));
        }
        SetObject(R.U32(8), f);
        break;
    }
    case EMR_RECTANGLE: FDC.Rectangle(Rc(R, 8)); break;
    case EMR_ELLIPSE: FDC.Ellipse(Rc(R, 8)); break;
    case EMR_POLYGON: FDC.Polygon(ReadPoints(R, false)); break;
    case EMR_POLYLINE: FDC.Polyline(ReadPoints(R, false)); break;
    case EMR_POLYGON16: FDC.Polygon(ReadPoints(R, true)); break;
    case EMR_POLYLINE16: FDC.Polyline(ReadPoints(R, true)); break;
    case EMR_EXTSELECTCLIPRGN: PlayClipRegion(R); break;
    case EMR_STRETCHDIBITS: PlayStretchDIBits(R); break;
    case EMR_EXTTEXTOUTW: PlayText(R); break;
    default: break;  // the header, the end, and what we do not know
    }
}

bool EnumEnhMetaFile(TDeviceContext& DC, const TMetafile& Metafile, const TRect& Rect,
                     const TEnhMetaPlayProc& Proc)
{
    if (Metafile.Empty()) return true;
    const TEnhMetaHeader header = ReadEnhMetaHeader(Metafile.Data());
    TEnhMetaPlayer player(DC, header, Rect);
    return EnumEnhMetaFile(Metafile.Data(), [&](const TEmfRecord& Record) { return Proc(player, Record); });
}

void PlayEnhMetaFile(TDeviceContext& DC, const TMetafile& Metafile, const TRect& Rect)
{
    EnumEnhMetaFile(DC, Metafile, Rect, [](TEnhMetaPlayer& Player, const TEmfRecord& Record) {
        Player.PlayRecord(Record);
        return true;
    });
}

} // namespace classlib
