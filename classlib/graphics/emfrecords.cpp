#include "classlib/graphics/emfrecords.h"

#include "classlib/core/sysutils.h"
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

} // namespace classlib::emf
