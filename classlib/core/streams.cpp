#include "classlib/core/streams.h"

#include "classlib/core/atomicsave.h"
#include "classlib/core/sysutils.h"

#include <QFile>
#include <QtNumeric>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace classlib {

namespace {

[[noreturn]] void SeekError()
{
    throw EStreamError(QStringLiteral("Stream seek error"));
}

[[noreturn]] void OutOfMemory()
{
    throw EOutOfMemory(QStringLiteral("Out of memory"));
}

// Base + Offset as a position: never negative, never overflowing.
qint64 NewPosition(qint64 Base, qint64 Offset)
{
    qint64 r;
    if (qAddOverflow(Base, Offset, &r) || r < 0)
        SeekError();
    return r;
}

qint64 OriginBase(TSeekOrigin Origin, qint64 Current, qint64 End)
{
    switch (Origin) {
    case soBeginning: return 0;
    case soCurrent: return Current;
    case soEnd: return End;
    }
    SeekError();
}

} // namespace

// ---------------------------------------------------------------------------
// TStream

qint64 TStream::Size()
{
    const qint64 pos = Seek(0, soCurrent);
    const qint64 size = Seek(0, soEnd);
    Seek(pos, soBeginning);
    return size;
}

void TStream::SetSize(qint64)
{
    throw EStreamError(QStringLiteral("Stream size cannot be changed"));
}

qint64 TStream::Remaining()
{
    const qint64 pos = Position();
    return std::max<qint64>(0, Size() - pos);
}

void TStream::ReadBuffer(void* Buffer, qint64 Count)
{
    if (Count < 0 || (Count > 0 && Read(Buffer, Count) != Count))
        throw EReadError(QStringLiteral("Stream read error"));
}

void TStream::WriteBuffer(const void* Buffer, qint64 Count)
{
    if (Count < 0 || (Count > 0 && Write(Buffer, Count) != Count))
        throw EWriteError(QStringLiteral("Stream write error"));
}

qint64 TStream::CopyFrom(TStream& Source, qint64 Count)
{
    if (Count < 0)
        throw EReadError(QStringLiteral("Stream read error"));
    if (Count == 0) {
        Source.SetPosition(0);
        Count = Source.Size();
    }
    const qint64 total = Count;
    const qint64 chunk = std::min<qint64>(Count, 64 * 1024);
    std::unique_ptr<char[]> buf(new char[size_t(std::max<qint64>(chunk, 1))]);
    while (Count > 0) {
        const qint64 n = std::min(Count, chunk);
        Source.ReadBuffer(buf.get(), n);
        WriteBuffer(buf.get(), n);
        Count -= n;
    }
    return total;
}

// ---------------------------------------------------------------------------
// TCustomMemoryStream

qint64 TCustomMemoryStream::Read(void* Buffer, qint64 Count)
{
    const qint64 size = FData.size();
    if (Count <= 0 || FPosition >= size)
        return 0;
    const qint64 n = std::min(Count, size - FPosition);
    std::memcpy(Buffer, FData.constData() + FPosition, size_t(n));
    FPosition += n;
    return n;
}

qint64 TCustomMemoryStream::Seek(qint64 Offset, TSeekOrigin Origin)
{
    FPosition = NewPosition(OriginBase(Origin, FPosition, FData.size()), Offset);
    return FPosition;
}

void TCustomMemoryStream::SaveToStream(TStream& Stream) const
{
    Stream.WriteBuffer(FData.constData(), FData.size());
}

void TCustomMemoryStream::SaveToFile(const QString& FileName) const
{
    AtomicSaveToFile(FileName, FData);
}

void TCustomMemoryStream::SetPointer(const QByteArray& Data)
{
    FData = Data;
    FPosition = 0;
}

// ---------------------------------------------------------------------------
// TMemoryStream

void TMemoryStream::Grow(qint64 NewSize)
{
    if (NewSize > MaxMemoryStreamSize)
        OutOfMemory();
    const qint64 oldSize = FData.size();
    try {
        if (NewSize > FData.capacity()) {
            // Amortised growth for streams written piece by piece.
            const qint64 grown = std::max(NewSize, FData.capacity() + FData.capacity() / 2);
            FData.reserve(std::min(grown, MaxMemoryStreamSize));
        }
        FData.resize(NewSize);
    } catch (const std::bad_alloc&) {
        OutOfMemory();
    }
    std::memset(FData.data() + oldSize, 0, size_t(NewSize - oldSize));
}

qint64 TMemoryStream::Write(const void* Buffer, qint64 Count)
{
    if (Count <= 0)
        return 0;
    if (Count > MaxMemoryStreamSize - std::min(FPosition, MaxMemoryStreamSize))
        OutOfMemory();
    const qint64 end = FPosition + Count;
    if (end > FData.size())
        Grow(end);
    std::memcpy(FData.data() + FPosition, Buffer, size_t(Count));
    FPosition = end;
    return Count;
}

void TMemoryStream::SetSize(qint64 NewSize)
{
    if (NewSize < 0)
        SeekError();
    if (NewSize > FData.size())
        Grow(NewSize);
    else
        FData.truncate(NewSize);
    FPosition = std::min(FPosition, NewSize);
}

void TMemoryStream::Clear()
{
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& Stream)
{
    Stream.SetPosition(0);
    const qint64 size = Stream.Size();
    if (size > MaxMemoryStreamSize)
        OutOfMemory();
    QByteArray data;
    try {
        data.resize(size);
    } catch (const std::bad_alloc&) {
        OutOfMemory();
    }
    Stream.ReadBuffer(data.data(), size);
    FData = data;
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const QString& FileName)
{
    TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

// ---------------------------------------------------------------------------
// TFileStream

TFileStream::TFileStream(const QString& FileName, quint16 Mode) : FFileName(FileName)
{
    // Opened here rather than by QFile, whose write-only mode truncates.
    const bool create = (Mode & 0xFF00) == fmCreate;
    int flags = O_CLOEXEC;
    QIODevice::OpenMode qtMode = QIODevice::Unbuffered;
    if (create) {
        flags |= O_RDWR | O_CREAT | O_TRUNC;
        qtMode |= QIODevice::ReadWrite;
    } else {
        switch (Mode & 0x000F) {
        case fmOpenRead:
            flags |= O_RDONLY;
            qtMode |= QIODevice::ReadOnly;
            break;
        case fmOpenWrite:
            flags |= O_WRONLY;
            qtMode |= QIODevice::WriteOnly;
            break;
        case fmOpenReadWrite:
            flags |= O_RDWR;
            qtMode |= QIODevice::ReadWrite;
            break;
        default:
            flags = -1;
        }
    }
    auto fail = [&]() {
        if (create)
            throw EFCreateError(Format("Cannot create file %s", {FileName}));
        throw EFOpenError(Format("Cannot open file %s", {FileName}));
    };
    if (flags == -1 || FileName.isEmpty())
        fail();
    const QByteArray path = QFile::encodeName(FileName);
    int fd;
    do
        fd = ::open(path.constData(), flags, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        fail();
    struct stat st;
    FFile = std::make_unique<QFile>();
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode) ||
        !FFile->open(fd, qtMode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        fail();
    }
}

TFileStream::~TFileStream() = default;

qint64 TFileStream::Read(void* Buffer, qint64 Count)
{
    if (Count <= 0 || !FFile->isReadable())
        return 0;
    const qint64 n = FFile->read(static_cast<char*>(Buffer), Count);
    return std::max<qint64>(n, 0);
}

qint64 TFileStream::Write(const void* Buffer, qint64 Count)
{
    if (Count <= 0 || !FFile->isWritable())
        return 0;
    const qint64 n = FFile->write(static_cast<const char*>(Buffer), Count);
    return std::max<qint64>(n, 0);
}

qint64 TFileStream::Seek(qint64 Offset, TSeekOrigin Origin)
{
    if (Origin == soCurrent && Offset == 0)
        return FFile->pos();
    const qint64 end = Origin == soEnd ? FFile->size() : 0;
    const qint64 pos = NewPosition(OriginBase(Origin, FFile->pos(), end), Offset);
    if (!FFile->seek(pos))
        SeekError();
    return pos;
}

qint64 TFileStream::Size()
{
    return FFile->size();
}

void TFileStream::SetSize(qint64 NewSize)
{
    if (NewSize < 0)
        SeekError();
    const qint64 pos = FFile->pos();
    if (!FFile->resize(NewSize))
        throw EWriteError(QStringLiteral("Stream write error"));
    if (pos > NewSize)
        FFile->seek(NewSize);
}

} // namespace classlib
