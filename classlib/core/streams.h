#pragma once

// Byte streams: the abstract TStream, streams in memory and file streams.

#include "classlib/core/object.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QFile;

namespace classlib {

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// TFileStream modes: fmCreate or one of the open modes, or'ed with a share
// mode. Share modes are accepted and have no effect (no share locks here).
constexpr quint16 fmCreate = 0xFF00;
constexpr quint16 fmOpenRead = 0x0000;
constexpr quint16 fmOpenWrite = 0x0001;
constexpr quint16 fmOpenReadWrite = 0x0002;
constexpr quint16 fmShareCompat = 0x0000;
constexpr quint16 fmShareExclusive = 0x0010;
constexpr quint16 fmShareDenyWrite = 0x0020;
constexpr quint16 fmShareDenyRead = 0x0030;
constexpr quint16 fmShareDenyNone = 0x0040;

// The largest stream held in memory; growing beyond it raises EOutOfMemory.
constexpr qint64 MaxMemoryStreamSize = qint64(1) << 30;

// Positions are never negative: a seek or size before the start raises
// EStreamError "Stream seek error".
class TStream : public TObject {
public:
    // The number of bytes actually read or written; 0 for Count <= 0.
    virtual qint64 Read(void* Buffer, qint64 Count) = 0;
    virtual qint64 Write(const void* Buffer, qint64 Count) = 0;
    // The new position.
    virtual qint64 Seek(qint64 Offset, TSeekOrigin Origin) = 0;

    qint64 Position() { return Seek(0, soCurrent); }
    void SetPosition(qint64 Pos) { Seek(Pos, soBeginning); }
    virtual qint64 Size();
    // EStreamError "Stream size cannot be changed" unless overridden.
    virtual void SetSize(qint64 NewSize);
    // Size - Position, never negative.
    qint64 Remaining();

    // EReadError "Stream read error" / EWriteError "Stream write error" when
    // fewer than Count bytes could be transferred.
    void ReadBuffer(void* Buffer, qint64 Count);
    void WriteBuffer(const void* Buffer, qint64 Count);
    // Count 0 copies all of Source from its start. Returns the bytes copied.
    qint64 CopyFrom(TStream& Source, qint64 Count);
};

// A stream over bytes in memory.
class TCustomMemoryStream : public TStream {
public:
    qint64 Read(void* Buffer, qint64 Count) override;
    qint64 Seek(qint64 Offset, TSeekOrigin Origin) override;
    qint64 Size() override { return FData.size(); }

    const char* Memory() const { return FData.constData(); }
    void SaveToStream(TStream& Stream) const;
    // Through AtomicSaveToFile: a failed save leaves the old file.
    void SaveToFile(const QString& FileName) const;

protected:
    TCustomMemoryStream() = default;
    // Reads Data without copying it.
    void SetPointer(const QByteArray& Data);

    QByteArray FData;
    qint64 FPosition = 0;
};

// A growable stream in memory. Gaps left by seeking beyond the end and
// then writing read as zeros.
class TMemoryStream : public TCustomMemoryStream {
public:
    TMemoryStream() = default;

    qint64 Write(const void* Buffer, qint64 Count) override;
    void SetSize(qint64 NewSize) override;
    void Clear();

    using TCustomMemoryStream::Memory;
    char* Memory() { return FData.data(); }
    // The stream's contents.
    QByteArray Bytes() const { return FData; }

    // Replaces the contents; on failure the old contents stay.
    void LoadFromStream(TStream& Stream);
    void LoadFromFile(const QString& FileName);

private:
    void Grow(qint64 NewSize);
};

// A memory stream over existing bytes: they are shared, not copied, until
// the stream is written.
class TBytesStream : public TMemoryStream {
public:
    explicit TBytesStream(const QByteArray& Bytes = {}) { SetPointer(Bytes); }
};

// Reads files and changes them in place. Whole files are written with
// SaveToFile of a memory stream, which never leaves a half-written one.
class TFileStream : public TStream {
public:
    // EFCreateError "Cannot create file %s" / EFOpenError "Cannot open file %s".
    TFileStream(const QString& FileName, quint16 Mode);
    ~TFileStream() override;

    qint64 Read(void* Buffer, qint64 Count) override;
    qint64 Write(const void* Buffer, qint64 Count) override;
    qint64 Seek(qint64 Offset, TSeekOrigin Origin) override;
    qint64 Size() override;
    void SetSize(qint64 NewSize) override;

    const QString& FileName() const { return FFileName; }

private:
    QString FFileName;
    std::unique_ptr<QFile> FFile;
};

} // namespace classlib
