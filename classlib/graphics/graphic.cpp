#include "classlib/graphics/graphic.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/streams.h"

#include <QtEndian>

#include <mutex>
#include <unordered_map>

namespace classlib {

bool GraphicSizeFits(qint64 Width, qint64 Height)
{
    // Division, not multiplication: the sides come from untrusted bytes.
    return Width > 0 && Height > 0 && Width <= MaxGraphicPixels / Height;
}

void CheckGraphicSize(qint64 Width, qint64 Height)
{
    if (GraphicSizeFits(Width, Height)) return;
    if (Width <= 0 || Height <= 0)
        throw EInvalidGraphic(Format("Invalid image size (%d x %d pixels)", {Width, Height}));
    throw EInvalidGraphic(Format("Image too large (%d x %d pixels)", {Width, Height}));
}

namespace {

// Every hold by the data it holds: pictures copied row by row share their
// image and count once.
struct TPixelLedger {
    struct TEntry {
        qint64 Pixels = 0;
        int Holders = 0;
    };
    std::mutex Lock;
    std::unordered_map<qint64, TEntry> Entries;
    qint64 Total = 0;
};

TPixelLedger& Ledger()
{
    // Never destroyed: graphics that outlive static destruction still release.
    static TPixelLedger* ledger = new TPixelLedger;
    return *ledger;
}

} // namespace

void TPixelHold::Hold(const QImage& Image)
{
    if (Image.isNull()) {
        Release();
        return;
    }
    // The high half of the cache key names the data; the low half counts
    // changes made in place.
    Hold(Image.cacheKey() >> 32, qint64(Image.width()) * Image.height());
}

void TPixelHold::Hold(qint64 Key, qint64 Pixels)
{
    if (FHeld && FKey == Key) return;
    TPixelLedger& ledger = Ledger();
    {
        std::lock_guard guard(ledger.Lock);
        auto it = ledger.Entries.find(Key);
        if (it == ledger.Entries.end()) {
            if (Pixels > MaxHeldPixels - ledger.Total)
                throw EInvalidGraphic(
                    Format("Pictures hold more than %d megapixels", {int(MaxHeldPixels >> 20)}));
            it = ledger.Entries.emplace(Key, TPixelLedger::TEntry{Pixels, 0}).first;
            ledger.Total += Pixels;
        }
        ++it->second.Holders;
    }
    Release();
    FKey = Key;
    FHeld = true;
}

void TPixelHold::Release()
{
    if (!FHeld) return;
    FHeld = false;
    TPixelLedger& ledger = Ledger();
    std::lock_guard guard(ledger.Lock);
    const auto it = ledger.Entries.find(FKey);
    if (it == ledger.Entries.end() || --it->second.Holders > 0) return;
    ledger.Total -= it->second.Pixels;
    ledger.Entries.erase(it);
}

qint64 TPixelHold::HeldPixels()
{
    TPixelLedger& ledger = Ledger();
    std::lock_guard guard(ledger.Lock);
    return ledger.Total;
}

const TClassInfo& TGraphic::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TGraphic>("TGraphic").Build();
    return info;
}

void TGraphic::SetTransparent(bool Value)
{
    if (Value == FTransparent) return;
    FTransparent = Value;
    Changed();
}

void TGraphic::LoadFromFile(const QString& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const QString& FileName) const
{
    TMemoryStream stream;
    SaveToStream(stream);
    stream.SaveToFile(FileName);
}

void TGraphic::Changed()
{
    if (OnChange) OnChange(this);
}

namespace detail {

QByteArray ReadSizedData(TStream& Stream, const char* What)
{
    quint8 raw[4];
    Stream.ReadBuffer(raw, 4);
    const qint32 size = qFromLittleEndian<qint32>(raw);
    const qint64 remaining = Stream.Remaining();
    if (size < 0 || size > remaining)
        throw EInvalidGraphic(Format("Invalid %s data size %d (%d bytes remain)", {What, size, remaining}));
    QByteArray bytes(size, Qt::Uninitialized);
    Stream.ReadBuffer(bytes.data(), size);
    return bytes;
}

void WriteSizedData(TStream& Stream, const QByteArray& Bytes)
{
    if (Bytes.size() > std::numeric_limits<qint32>::max())
        throw EInvalidGraphicOperation(QStringLiteral("Graphic data too large to store"));
    quint8 raw[4];
    qToLittleEndian<qint32>(qint32(Bytes.size()), raw);
    Stream.WriteBuffer(raw, 4);
    Stream.WriteBuffer(Bytes.constData(), Bytes.size());
}

QByteArray ReadRemaining(TStream& Stream)
{
    const qint64 remaining = Stream.Remaining();
    if (remaining > MaxMemoryStreamSize)
        throw EOutOfMemory(QStringLiteral("Out of memory"));
    QByteArray bytes(remaining, Qt::Uninitialized);
    Stream.ReadBuffer(bytes.data(), remaining);
    return bytes;
}

} // namespace detail

} // namespace classlib
