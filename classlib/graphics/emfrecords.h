#pragma once

// Enhanced-metafile records at the byte level: the record numbers and
// layouts of the published format, a writer that appends records, and a
// checked view of one record. All integers are little-endian.

#include "classlib/graphics/gditypes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtEndian>

#include <array>

namespace classlib::emf {

// Record types
constexpr quint32 EMR_HEADER = 1;
constexpr quint32 EMR_POLYGON = 3;
constexpr quint32 EMR_POLYLINE = 4;
constexpr quint32 EMR_SETWINDOWEXTEX = 9;
constexpr quint32 EMR_SETWINDOWORGEX = 10;
constexpr quint32 EMR_SETVIEWPORTEXTEX = 11;
constexpr quint32 EMR_SETVIEWPORTORGEX = 12;
constexpr quint32 EMR_EOF = 14;
constexpr quint32 EMR_SETPIXELV = 15;
constexpr quint32 EMR_SETMAPMODE = 17;
constexpr quint32 EMR_SETBKMODE = 18;
constexpr quint32 EMR_SETPOLYFILLMODE = 19;
constexpr quint32 EMR_SETROP2 = 20;
constexpr quint32 EMR_SETSTRETCHBLTMODE = 21;
constexpr quint32 EMR_SETTEXTALIGN = 22;
constexpr quint32 EMR_SETTEXTCOLOR = 24;
constexpr quint32 EMR_SETBKCOLOR = 25;
constexpr quint32 EMR_OFFSETCLIPRGN = 26;
constexpr quint32 EMR_MOVETOEX = 27;
constexpr quint32 EMR_EXCLUDECLIPRECT = 29;
constexpr quint32 EMR_INTERSECTCLIPRECT = 30;
constexpr quint32 EMR_SAVEDC = 33;
constexpr quint32 EMR_RESTOREDC = 34;
constexpr quint32 EMR_SELECTOBJECT = 37;
constexpr quint32 EMR_CREATEPEN = 38;
constexpr quint32 EMR_CREATEBRUSHINDIRECT = 39;
constexpr quint32 EMR_DELETEOBJECT = 40;
constexpr quint32 EMR_ELLIPSE = 42;
constexpr quint32 EMR_RECTANGLE = 43;
constexpr quint32 EMR_LINETO = 54;
constexpr quint32 EMR_EXTSELECTCLIPRGN = 75;
constexpr quint32 EMR_EXTCREATEPEN = 95;
constexpr quint32 EMR_STRETCHDIBITS = 81;
constexpr quint32 EMR_EXTCREATEFONTINDIRECTW = 82;
constexpr quint32 EMR_EXTTEXTOUTW = 84;
constexpr quint32 EMR_POLYGON16 = 86;
constexpr quint32 EMR_POLYLINE16 = 87;

// The header's signature " EMF" and version.
constexpr quint32 ENHMETA_SIGNATURE = 0x464D4520;
constexpr quint32 ENHMETA_VERSION = 0x10000;
// The header as written: base, pixel-format and micrometre extensions.
constexpr qint64 HeaderSize = 108;
// The smallest header a reader accepts (no extensions).
constexpr qint64 MinHeaderSize = 88;

// Stock objects: an object index with the high bit set.
constexpr quint32 STOCK_OBJECT = 0x80000000;
constexpr quint32 WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3,
                  BLACK_BRUSH = 4, NULL_BRUSH = 5, WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8,
                  OEM_FIXED_FONT = 10, ANSI_FIXED_FONT = 11, ANSI_VAR_FONT = 12,
                  SYSTEM_FONT = 13, DEVICE_DEFAULT_FONT = 14, DEFAULT_PALETTE = 15,
                  SYSTEM_FIXED_FONT = 16, DEFAULT_GUI_FONT = 17, DC_BRUSH = 18, DC_PEN = 19;

constexpr quint32 ETO_NO_RECT = 0x100;
constexpr quint32 ETO_PDY = 0x2000;
constexpr quint32 GM_COMPATIBLE = 1;
constexpr quint32 DIB_RGB_COLORS = 0;

// Sizes of the fixed parts of records
constexpr qint64 LogFontSize = 92;         // LOGFONTW
constexpr qint64 LogFontPanoseSize = 320;  // LOGFONTW and the panose extension
constexpr qint64 ExtTextOutFixed = 76;     // EMREXTTEXTOUTW up to offDx, with its rectangle
constexpr qint64 StretchDIBitsFixed = 80;
constexpr qint64 RgnDataHeaderSize = 32;

// Appends records to a byte array: Begin(type), the fields, End() fills in
// the size (padded to 4 bytes).
// Records are written in place: a page holds hundreds of thousands of
// small fields, and growing the array for each costs more than the drawing
// it describes. Each record's end cuts the array to what is written, unless
// the writer runs ahead: then only Trim (or the writer's end) does, and
// nothing else may touch the array meanwhile.
class TEmfWriter {
public:
    explicit TEmfWriter(QByteArray& Out, bool RunAhead = false)
        : FOut(Out), FLength(Out.size()), FRunAhead(RunAhead) {}
    TEmfWriter(const TEmfWriter&) = delete;
    TEmfWriter& operator=(const TEmfWriter&) = delete;
    ~TEmfWriter() { Trim(); }

    void Begin(quint32 Type);
    qint64 End();  // the record's size
    // A whole record of N 32-bit fields at once: most records are a few.
    template <size_t N>
    void Fixed(quint32 Type, const std::array<quint32, N>& Fields)
    {
        char* at = Room(qint64(8 + 4 * N));
        qToLittleEndian<quint32>(Type, at);
        qToLittleEndian<quint32>(quint32(8 + 4 * N), at + 4);
        for (size_t i = 0; i < N; ++i) qToLittleEndian<quint32>(Fields[i], at + 8 + 4 * i);
        if (!FRunAhead) Trim();
    }
    // The bytes written so far, records before the writer's included.
    qint64 Length() const { return FLength; }
    // Cuts the array to what is written.
    void Trim() { FOut.resize(FLength); }
    // Takes the array as it now is, after a change from outside.
    void Reset() { FLength = FOut.size(); }

    void U8(quint8 V) { *Room(1) = char(V); }
    void U16(quint16 V) { qToLittleEndian<quint16>(V, Room(2)); }
    void U32(quint32 V) { qToLittleEndian<quint32>(V, Room(4)); }
    void I32(qint32 V) { U32(quint32(V)); }
    void Rect(const TRect& R);
    void Bytes(const void* Data, qint64 Count);
    void Zeros(qint64 Count);
    // UTF-16LE, exactly Units units (cut or padded with zeros).
    void Utf16(const QString& Text, qint64 Units);
    // The record's bytes so far (offsets inside it).
    qint64 Offset() const { return FLength - FStart; }
    // Overwrites a 32-bit value at an offset inside the current record.
    void PatchU32(qint64 RecordOffset, quint32 V);

private:
    char* Room(qint64 Count)
    {
        if (FOut.size() - FLength < Count) Grow(Count);
        char* at = FData + FLength;
        FLength += Count;
        return at;
    }
    void Grow(qint64 Count);

    QByteArray& FOut;
    char* FData = nullptr;
    qint64 FStart = -1;
    qint64 FLength;  // bytes written
    bool FRunAhead;
};

// One record, its size already checked against what remains. Field reads
// past the record's end raise the metafile error instead of reading on.
class TEmfRecord {
public:
    TEmfRecord(QByteArrayView Bytes, qint64 Offset) : FBytes(Bytes), FOffset(Offset) {}

    quint32 Type() const { return U32(0); }
    qint64 Size() const { return FBytes.size(); }
    QByteArrayView Bytes() const { return FBytes; }
    qint64 Offset() const { return FOffset; }  // in the file

    // Raise EInvalidGraphic "Metafile is not valid: record %d at offset %d
    // is too short" when At + width goes beyond the record.
    quint32 U32(qint64 At) const;
    qint32 I32(qint64 At) const { return qint32(U32(At)); }
    qint16 I16(qint64 At) const;
    quint8 U8(qint64 At) const;
    TRect Rect(qint64 At) const;
    // Count items of ItemSize bytes starting at At fit in the record;
    // checked as Count <= (Size - At) / ItemSize.
    void Need(qint64 At, qint64 Count, qint64 ItemSize) const;
    [[noreturn]] void Bad() const;

private:
    QByteArrayView FBytes;
    qint64 FOffset;
};

[[noreturn]] void InvalidMetafile(const QString& Reason);

// The variable parts of the records that the player reads. Each reader
// checks what it returns against the record, with the record's own error;
// the player draws from them and CheckRecord runs them when a metafile is
// loaded, so a metafile that loads also plays.
struct TTextLayout {
    quint32 Chars = 0;
    quint32 OffString = 0;
    quint32 Options = 0;
    bool HasRect = false;
    quint32 OffDx = 0;  // 0: no advances
    qint64 DxStride = 4;
};
TTextLayout ReadTextLayout(const TEmfRecord& R);
// The number of points of a polygon or polyline record.
quint32 ReadPolyCount(const TEmfRecord& R, bool Short);

struct TDibLayout {
    quint32 OffBmi = 0, CbBmi = 0, OffBits = 0, CbBits = 0;
    quint32 Usage = 0, Rop = 0;
    // Whether the record carries a bitmap that the player decodes.
    bool HasBitmap() const { return CbBmi != 0 && Usage == DIB_RGB_COLORS; }
};
TDibLayout ReadDibLayout(const TEmfRecord& R);
// The record's bitmap as a bitmap file, its headers checked.
QByteArray ReadDibFile(const TEmfRecord& R, const TDibLayout& L);

struct TClipLayout {
    quint32 Size = 0;  // 0: no region
    int Mode = 0;
    quint32 Count = 0;  // rectangles from offset 48
};
TClipLayout ReadClipLayout(const TEmfRecord& R);

// Every check the player makes on a record it knows.
void CheckRecord(const TEmfRecord& R);

} // namespace classlib::emf
