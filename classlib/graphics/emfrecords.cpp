#include "classlib/graphics/emfrecords.h"

#include "classlib/core/sysutils.h"
#include "classlib/graphics/bitmapfile.h"
#include "classlib/graphics/graphic.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace classlib::emf {

void InvalidMetafile(const QString& Reason)
{
    throw EInvalidGraphic(QStringLiteral("Metafile is not valid: ") + Reason);
}

// ---------------------------------------------------------------------------
// TEmfWriter

void TEmfWriter::Begin(quint32 Type)
{
    FStart = FLength;
    U32(Type);
    U32(0);  // size, filled in by End
}

qint64 TEmfWriter::End()
{
    const qint64 pad = (4 - (FLength - FStart) % 4) % 4;
    Zeros(pad);
    const qint64 size = FLength - FStart;
    qToLittleEndian<quint32>(quint32(size), FData + FStart + 4);
    FStart = -1;
    if (!FRunAhead) Trim();
    return size;
}

void TEmfWriter::Grow(qint64 Count)
{
    const qint64 need = FLength + Count;
    if (need > FOut.capacity()) FOut.reserve(std::max(need, 2 * FOut.capacity()));
    FOut.resize(FOut.capacity());
    FData = FOut.data();
}

void TEmfWriter::Rect(const TRect& R)
{
    char* at = Room(16);
    qToLittleEndian<qint32>(R.Left, at);
    qToLittleEndian<qint32>(R.Top, at + 4);
    qToLittleEndian<qint32>(R.Right, at + 8);
    qToLittleEndian<qint32>(R.Bottom, at + 12);
}

void TEmfWriter::Bytes(const void* Data, qint64 Count)
{
    if (Count > 0) std::memcpy(Room(Count), Data, size_t(Count));
}

void TEmfWriter::Zeros(qint64 Count)
{
    if (Count > 0) std::memset(Room(Count), 0, size_t(Count));
}

void TEmfWriter::Utf16(const QString& Text, qint64 Units)
{
    if (Units <= 0) return;
    char* at = Room(2 * Units);
    const qint64 n = std::min<qint64>(Units, Text.size());
    const QChar* text = Text.constData();
    for (qint64 i = 0; i < n; ++i) qToLittleEndian<quint16>(text[i].unicode(), at + 2 * i);
    std::memset(at + 2 * n, 0, size_t(2 * (Units - n)));
}

void TEmfWriter::PatchU32(qint64 RecordOffset, quint32 V)
{
    qToLittleEndian<quint32>(V, FData + FStart + RecordOffset);
}

// ---------------------------------------------------------------------------
// TEmfRecord

void TEmfRecord::Bad() const
{
    InvalidMetafile(Format("record %d at offset %d is too short", {Type(), FOffset}));
}

void TEmfRecord::Need(qint64 At, qint64 Count, qint64 ItemSize) const
{
    if (At < 0 || At > FBytes.size() || Count < 0 || Count > (FBytes.size() - At) / ItemSize) Bad();
}

quint32 TEmfRecord::U32(qint64 At) const
{
    // Type() reads offset 0 of a record that has at least 8 bytes.
    if (At < 0 || 4 > FBytes.size() - At) Bad();
    return qFromLittleEndian<quint32>(FBytes.data() + At);
}

qint16 TEmfRecord::I16(qint64 At) const
{
    if (At < 0 || 2 > FBytes.size() - At) Bad();
    return qFromLittleEndian<qint16>(FBytes.data() + At);
}

quint8 TEmfRecord::U8(qint64 At) const
{
    if (At < 0 || At >= FBytes.size()) Bad();
    return quint8(FBytes[At]);
}

TRect TEmfRecord::Rect(qint64 At) const
{
    return {I32(At), I32(At + 4), I32(At + 8), I32(At + 12)};
}

// ---------------------------------------------------------------------------
// Record layouts

TTextLayout ReadTextLayout(const TEmfRecord& R)
{
    TTextLayout L;
    L.Chars = R.U32(44);
    L.OffString = R.U32(48);
    L.Options = R.U32(52);
    L.HasRect = !(L.Options & ETO_NO_RECT);
    if (L.HasRect) R.Need(56, 1, 16);
    L.OffDx = R.U32(L.HasRect ? 72 : 56);
    R.Need(L.OffString, L.Chars, 2);
    L.DxStride = L.Options & ETO_PDY ? 8 : 4;
    if (L.OffDx != 0 && L.Chars > 0) R.Need(L.OffDx, L.Chars, L.DxStride);
    return L;
}

quint32 ReadPolyCount(const TEmfRecord& R, bool Short)
{
    const quint32 count = R.U32(24);
    R.Need(28, count, Short ? 4 : 8);
    return count;
}

TDibLayout ReadDibLayout(const TEmfRecord& R)
{
    R.Need(0, 1, StretchDIBitsFixed);
    TDibLayout L;
    L.OffBmi = R.U32(48);
    L.CbBmi = R.U32(52);
    L.OffBits = R.U32(56);
    L.CbBits = R.U32(60);
    L.Usage = R.U32(64);
    L.Rop = R.U32(68);
    if (L.HasBitmap()) {
        R.Need(L.OffBmi, L.CbBmi, 1);
        R.Need(L.OffBits, L.CbBits, 1);
    }
    return L;
}

QByteArray ReadDibFile(const TEmfRecord& R, const TDibLayout& L)
{
    QByteArray file;
    file.reserve(14 + qint64(L.CbBmi) + L.CbBits);
    char head[14] = {'B', 'M'};
    qToLittleEndian<quint32>(quint32(14 + qint64(L.CbBmi) + L.CbBits), head + 2);
    qToLittleEndian<quint32>(quint32(14 + L.CbBmi), head + 10);
    file.append(head, 14);
    file.append(R.Bytes().data() + L.OffBmi, L.CbBmi);
    file.append(R.Bytes().data() + L.OffBits, L.CbBits);
    detail::CheckBitmapFile(file);
    return file;
}

TClipLayout ReadClipLayout(const TEmfRecord& R)
{
    TClipLayout L;
    L.Size = R.U32(8);
    L.Mode = int(R.U32(12));
    if (L.Size == 0) return L;
    R.Need(16, L.Size, 1);
    if (L.Size < RgnDataHeaderSize) R.Bad();
    L.Count = R.U32(24);
    if (L.Count > (L.Size - RgnDataHeaderSize) / 16) R.Bad();
    return L;
}

namespace {

// The bytes of the fixed fields the player reads from each record it knows.
qint64 FixedFields(quint32 Type)
{
    switch (Type) {
    case EMR_SAVEDC: return 8;
    case EMR_SETMAPMODE: case EMR_SETBKMODE: case EMR_SETPOLYFILLMODE: case EMR_SETROP2:
    case EMR_SETSTRETCHBLTMODE: case EMR_SETTEXTALIGN: case EMR_SETTEXTCOLOR: case EMR_SETBKCOLOR:
    case EMR_RESTOREDC: case EMR_SELECTOBJECT: case EMR_DELETEOBJECT:
        return 12;
    case EMR_SETWINDOWEXTEX: case EMR_SETWINDOWORGEX: case EMR_SETVIEWPORTEXTEX: case EMR_SETVIEWPORTORGEX:
    case EMR_OFFSETCLIPRGN: case EMR_MOVETOEX: case EMR_LINETO: case EMR_EXTSELECTCLIPRGN:
        return 16;
    case EMR_SETPIXELV: return 20;
    case EMR_EXCLUDECLIPRECT: case EMR_INTERSECTCLIPRECT: case EMR_RECTANGLE: case EMR_ELLIPSE:
    case EMR_CREATEBRUSHINDIRECT:
        return 24;
    case EMR_CREATEPEN: return 28;
    case EMR_POLYGON: case EMR_POLYLINE: case EMR_POLYGON16: case EMR_POLYLINE16: return 28;
    case EMR_EXTCREATEPEN: return 44;
    case EMR_EXTTEXTOUTW: return 60;
    case EMR_STRETCHDIBITS: return StretchDIBitsFixed;
    // The face name may run to the end of the logical font.
    case EMR_EXTCREATEFONTINDIRECTW: return 104;
    default: return 8;
    }
}

} // namespace

void CheckRecord(const TEmfRecord& R)
{
    const quint32 type = R.Type();
    R.Need(0, 1, FixedFields(type));
    switch (type) {
    case EMR_POLYGON: case EMR_POLYLINE: ReadPolyCount(R, false); break;
    case EMR_POLYGON16: case EMR_POLYLINE16: ReadPolyCount(R, true); break;
    case EMR_EXTTEXTOUTW: ReadTextLayout(R); break;
    case EMR_EXTSELECTCLIPRGN: ReadClipLayout(R); break;
    case EMR_STRETCHDIBITS: {
        const TDibLayout dib = ReadDibLayout(R);
        if (dib.HasBitmap()) ReadDibFile(R, dib);
        break;
    }
    default: break;
    }
}

} // namespace classlib::emf
