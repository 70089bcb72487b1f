#include "classlib/graphics/metafile.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/streams.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/metafiledc.h"
#include "classlib/graphics/metafileembed.h"
#include "classlib/graphics/metafileplayer.h"

#include <algorithm>
#include <climits>

#include <uemf.h>
#include <uemf_safe.h>

namespace classlib {

using namespace emf;

namespace {

constexpr int ScreenLogPixels = 96;

// libUEMF checks record layouts but warns on the console about types it
// does not know, so it is given the types that the player reads.
bool LayoutChecked(quint32 Type)
{
    switch (Type) {
    case EMR_HEADER: case EMR_POLYGON: case EMR_POLYLINE: case EMR_SETWINDOWEXTEX:
    case EMR_SETWINDOWORGEX: case EMR_SETVIEWPORTEXTEX: case EMR_SETVIEWPORTORGEX: case EMR_EOF:
    case EMR_SETPIXELV: case EMR_SETMAPMODE: case EMR_SETBKMODE: case EMR_SETPOLYFILLMODE:
    case EMR_SETROP2: case EMR_SETSTRETCHBLTMODE: case EMR_SETTEXTALIGN: case EMR_SETTEXTCOLOR:
    case EMR_SETBKCOLOR: case EMR_OFFSETCLIPRGN: case EMR_MOVETOEX: case EMR_EXCLUDECLIPRECT:
    case EMR_INTERSECTCLIPRECT: case EMR_SAVEDC: case EMR_RESTOREDC: case EMR_SELECTOBJECT:
    case EMR_CREATEPEN: case EMR_CREATEBRUSHINDIRECT: case EMR_DELETEOBJECT: case EMR_ELLIPSE:
    case EMR_RECTANGLE: case EMR_LINETO: case EMR_EXTSELECTCLIPRGN: case EMR_STRETCHDIBITS:
    case EMR_EXTCREATEFONTINDIRECTW: case EMR_EXTTEXTOUTW: case EMR_POLYGON16:
    case EMR_POLYLINE16: case EMR_EXTCREATEPEN:
        return true;
    default:
        return false;
    }
}

} // namespace

const TClassInfo& TMetafile::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TMetafile>("TMetafile").Build();
    return info;
}

TEnhMetaHeader ReadEnhMetaHeader(QByteArrayView Emf)
{
    if (Emf.size() < MinHeaderSize) InvalidMetafile(QStringLiteral("truncated header"));
    const TEmfRecord first(Emf.first(MinHeaderSize), 0);
    if (first.Type() != EMR_HEADER) InvalidMetafile(QStringLiteral("no header record"));
    const quint32 size = first.U32(4);
    if (size < MinHeaderSize || size > quint64(Emf.size()) || size % 4)
        InvalidMetafile(Format("header record of %d bytes", {size}));
    const TEmfRecord h(Emf.first(size), 0);
    if (h.U32(40) != ENHMETA_SIGNATURE) InvalidMetafile(QStringLiteral("bad signature"));

    TEnhMetaHeader header;
    header.Bounds = h.Rect(8);
    header.Frame = h.Rect(24);
    header.Bytes = h.U32(48);
    header.Records = h.U32(52);
    header.Handles = quint16(h.U32(56) & 0xFFFF);
    header.Device = {h.I32(72), h.I32(76)};
    header.Millimeters = {h.I32(80), h.I32(84)};
    if (size >= HeaderSize) {
        // Only when the description and pixel format do not sit there instead.
        const quint32 descOff = h.U32(64), pixOff = h.U32(92);
        if ((descOff == 0 || descOff >= HeaderSize) && (pixOff == 0 || pixOff >= HeaderSize))
            header.Micrometers = {h.I32(100), h.I32(104)};
    }
    if (header.Bytes < size || header.Bytes > quint64(Emf.size()))
        InvalidMetafile(Format("file size %d in the header, %d bytes present", {header.Bytes, Emf.size()}));
    if (header.Device.cx <= 0 || header.Device.cy <= 0 || header.Millimeters.cx <= 0 ||
        header.Millimeters.cy <= 0)
        InvalidMetafile(QStringLiteral("no reference device size"));
    return header;
}

bool EnumEnhMetaFile(QByteArrayView Emf, const TEnhMetaRecordProc& Proc)
{
    const TEnhMetaHeader header = ReadEnhMetaHeader(Emf);
    const QByteArrayView data = Emf.first(header.Bytes);
    qint64 pos = 0;
    while (pos < data.size()) {
        const qint64 remaining = data.size() - pos;
        if (remaining < 8) InvalidMetafile(Format("truncated record at offset %d", {pos}));
        const TEmfRecord head(data.sliced(pos, 8), pos);
        const quint32 size = head.U32(4);
        if (size < 8 || size % 4 || size > remaining)
            InvalidMetafile(Format("record %d at offset %d has size %d, %d bytes remain",
                                   {head.Type(), pos, size, remaining}));
        const TEmfRecord record(data.sliced(pos, size), pos);
        if (LayoutChecked(record.Type()) && !U_emf_record_safe(record.Bytes().data()))
            InvalidMetafile(Format("record %d at offset %d is malformed", {record.Type(), pos}));
        if (!Proc(record)) return false;
        pos += size;
        if (record.Type() == EMR_EOF) break;
    }
    return true;
}

// ---------------------------------------------------------------------------
// TMetafile

int TMetafile::Width() const { return MulDiv(FMMWidth, ScreenLogPixels, 2540); }
int TMetafile::Height() const { return MulDiv(FMMHeight, ScreenLogPixels, 2540); }
void TMetafile::SetWidth(int Value) { SetMMWidth(MulDiv(Value, 2540, ScreenLogPixels)); }
void TMetafile::SetHeight(int Value) { SetMMHeight(MulDiv(Value, 2540, ScreenLogPixels)); }

void TMetafile::SetMMWidth(int Value)
{
    if (Value == FMMWidth) return;
    FMMWidth = Value;
    Changed();
}

void TMetafile::SetMMHeight(int Value)
{
    if (Value == FMMHeight) return;
    FMMHeight = Value;
    Changed();
}

void TMetafile::Clear()
{
    FData.clear();
    FMMWidth = FMMHeight = 0;
    Changed();
}

void TMetafile::SetData(const QByteArray& Emf)
{
    // What playback would refuse is refused now, while the caller can still
    // keep what it had.
    EnumEnhMetaFile(Emf, [](const TEmfRecord& Record) {
        CheckRecord(Record);
        return true;
    });
    const TEnhMetaHeader header = ReadEnhMetaHeader(Emf);
    FData = Emf.first(header.Bytes);
    // The frame is the rectangle the recording was made for.
    FMMWidth = int(std::clamp<qint64>(qint64(header.Frame.Right) - header.Frame.Left, 0, INT_MAX));
    FMMHeight = int(std::clamp<qint64>(qint64(header.Frame.Bottom) - header.Frame.Top, 0, INT_MAX));
    Changed();
}

TEnhMetaHeader TMetafile::Header() const
{
    if (FData.isEmpty()) return {};
    return ReadEnhMetaHeader(FData);
}

void TMetafile::Assign(const TPersistent* Source)
{
    if (auto* mf = dynamic_cast<const TMetafile*>(Source)) {
        FData = mf->FData;
        FMMWidth = mf->FMMWidth;
        FMMHeight = mf->FMMHeight;
        FEnhanced = mf->FEnhanced;
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}

void TMetafile::Draw(TCanvas& Canvas, const TRect& Rect) const
{
    if (FData.isEmpty()) return;
    TDeviceContext& dc = Canvas.DC();
    // A recorder keeps its own coordinates, not a playback frame: the
    // records go in again in its logical units.
    if (auto* recorder = dynamic_cast<TMetafileDC*>(&dc))
        EmbedEnhMetaFile(*recorder, *this, Rect);
    else
        PlayEnhMetaFile(dc, *this, Rect);
}

void TMetafile::LoadFromStream(TStream& Stream)
{
    SetData(detail::ReadRemaining(Stream));
}

void TMetafile::SaveToStream(TStream& Stream) const
{
    Stream.WriteBuffer(FData.constData(), FData.size());
}

void TMetafile::ReadData(TStream& Stream)
{
    const QByteArray bytes = detail::ReadSizedData(Stream, "metafile");
    if (bytes.isEmpty())
        Clear();
    else
        SetData(bytes);
}

void TMetafile::WriteData(TStream& Stream) const
{
    detail::WriteSizedData(Stream, FData);
}

} // namespace classlib
