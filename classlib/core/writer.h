#pragma once

#include "classlib/core/filer.h"
#include "classlib/core/streamformat.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>

namespace classlib {

class TCollection;
class TComponent;
class TPersistent;
class TPropInfo;
class TStream;

// Writes the binary component stream through a buffer: values in their
// smallest form, and of each component the properties that differ from
// their defaults, its custom properties and its children. Text is stored
// in the ANSI code page; a character it lacks raises EConvertError.
class TWriter : public TFiler {
public:
    explicit TWriter(TStream& Stream, int BufSize = 8192);
    // Writes out the buffer.
    ~TWriter() noexcept(false) override;
    TWriter(const TWriter&) = delete;
    TWriter& operator=(const TWriter&) = delete;

    // Hands the buffered bytes to the stream.
    void FlushBuffer();
    // Where the next byte goes in the stream; setting it writes out the
    // buffer first, so that a record can be reopened over its end marker.
    qint64 Position() const;
    void SetPosition(qint64 Value);
    void Write(const void* Buf, qint64 Count);

    void WriteValue(TValueType Value);
    void WriteInteger(qint64 Value);  // the smallest form
    void WriteString(const QString& Value);
    // Text already in its code page, as type 6 or 12.
    void WriteStringBytes(const QByteArray& Value);
    void WriteIdent(const QString& Ident);  // False, True and nil as types 8, 9, 13
    void WriteBoolean(bool Value);
    void WriteFloat(long double Value);
    void WriteChar(QChar Value);
    void WriteListBegin();
    void WriteListEnd();
    // A short string: EWriteError "Stream write error" beyond 255 bytes.
    void WriteStr(const QString& Value);

    void WriteSignature();
    void WritePrefix(int Flags, int ChildPos);
    // The collection value (type 14); null writes an empty one.
    void WriteCollection(const TCollection* Value);

    // "TPF0" and Root's record.
    void WriteRootComponent(TComponent* Root);
    void WriteComponent(TComponent* Component);
    // The record of Instance (TComponent::WriteState).
    void WriteData(TComponent* Instance);

    void DefineProperty(const QString& Name, const TReaderProc& ReadData,
                        const TWriterProc& WriteData, bool HasData) override;
    void DefineBinaryProperty(const QString& Name, const TStreamProc& ReadData,
                              const TStreamProc& WriteData, bool HasData) override;

    TComponent* Root() const { return FRoot; }
    TReaderLimits Limits;
    // Hands Proc the components written inside Instance's record, with the
    // root being written; Instance->GetChildren when unset.
    std::function<void(TComponent* Instance, const std::function<void(TComponent*)>& Proc, TComponent* Root)>
        OnGetChildren;

private:
    class TDepth;

    void WriteByte(quint8 Value);
    void WriteShortBytes(const char* Data, qsizetype Length);
    [[noreturn]] void WriteError();
    // Published and custom properties of Instance under the path prefix.
    void WriteProperties(TPersistent* Instance);
    void WriteProperty(TPersistent* Instance, const TPropInfo* Prop);
    void WritePropName(const TPropInfo* Prop);
    void WritePropName(const QString& Name);
    QString ReferenceName(const TComponent* Component) const;

    TStream& FStream;
    QByteArray FBuffer;
    char* FBuf;
    qint64 FBufPos = 0;
    int FDepth = 0;
    int FUncaught;
    TComponent* FRoot = nullptr;
    QByteArray FPath;  // "Frame." while writing a sub-object
    QHash<const TPropInfo*, QByteArray> FNames;
};

// Writes "TPF0" and Root's record to Stream.
void WriteComponentToStream(TStream& Stream, TComponent* Root);

} // namespace classlib
