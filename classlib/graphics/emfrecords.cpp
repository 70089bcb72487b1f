#include "classlib/graphics/emfrecords.h"

#include "classlib/core/sysutils.h"
#include "classlib/graphics/graphic.h"

#include <QtEndian>

namespace classlib::emf {

void InvalidMetafile(const QString& Reason)
{
    throw EInvalidGraphic(QStringLiteral("Metafile is not valid: ") + Reason);
}

// ---------------------------------------------------------------------------
// TEmfWriter

void TEmfWriter::Begin(quint32 Type)
{
    FStart = FOut.size();
    U32(Type);
    U32(0);  // size, filled in by End
}

qint64 TEmfWriter::End()
{
    while ((FOut.size() - FStart) % 4) FOut.append('\0');
    const qint64 size = FOut.size() - FStart;
    qToLittleEndian<quint32>(quint32(size), FOut.data() + FStart + 4);
    FStart = -1;
    return size;
}

// Grown in place: a page records hundreds of thousands of small fields, and
// appending each as a piece costs more than the drawing it describes.
void TEmfWriter::U16(quint16 V)
{
    const qsizetype at = FOut.size();
    FOut.resize(at + 2);
    qToLittleEndian<quint16>(V, FOut.data() + at);
}

void TEmfWriter::U32(quint32 V)
{
    const qsizetype at = FOut.size();
    FOut.resize(at + 4);
    qToLittleEndian<quint32>(V, FOut.data() + at);
}

void TEmfWriter::Rect(const TRect& R)
{
    I32(R.Left);
    I32(R.Top);
    I32(R.Right);
    I32(R.Bottom);
}

void TEmfWriter::Utf16(const QString& Text, qint64 Units)
{
    for (qint64 i = 0; i < Units; ++i) U16(i < Text.size() ? Text.at(i).unicode() : 0);
}

void TEmfWriter::PatchU32(qint64 RecordOffset, quint32 V)
{
    qToLittleEndian<quint32>(V, FOut.data() + FStart + RecordOffset);
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
