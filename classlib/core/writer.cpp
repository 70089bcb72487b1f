#include "classlib/core/writer.h"

#include "classlib/core/ansi.h"
#include "classlib/core/collection.h"
#include "classlib/core/component.h"
#include "classlib/core/extended.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/typinfo.h"

#include <QtEndian>

#include <cstring>
#include <exception>
#include <limits>

namespace classlib {

// One level of nesting: what the reader would refuse is not written.
class TWriter::TDepth {
public:
    explicit TDepth(TWriter& Writer) : FWriter(Writer)
    {
        if (++FWriter.FDepth > FWriter.Limits.MaxDepth) {
            --FWriter.FDepth;
            FWriter.WriteError();
        }
    }
    ~TDepth() { --FWriter.FDepth; }
    TDepth(const TDepth&) = delete;
    TDepth& operator=(const TDepth&) = delete;

private:
    TWriter& FWriter;
};

namespace {

// Puts FPath back when a sub-object or item is done, also on failure.
class TPathScope {
public:
    TPathScope(QByteArray& Path, QByteArray NewPath) : FPath(Path), FOld(std::move(Path))
    {
        FPath = std::move(NewPath);
    }
    ~TPathScope() { FPath = std::move(FOld); }
    TPathScope(const TPathScope&) = delete;
    TPathScope& operator=(const TPathScope&) = delete;

private:
    QByteArray& FPath;
    QByteArray FOld;
};

} // namespace

// ---------------------------------------------------------------------------
// Buffer

TWriter::TWriter(TStream& Stream, int BufSize)
    : FStream(Stream), FBuffer(qMax(BufSize, 16), Qt::Uninitialized), FBuf(FBuffer.data()),
      FUncaught(std::uncaught_exceptions())
{
}

TWriter::~TWriter() noexcept(false)
{
    // Unwinding already: a second failure would end the program.
    if (std::uncaught_exceptions() > FUncaught) {
        try {
            FlushBuffer();
        } catch (...) {
        }
        return;
    }
    FlushBuffer();
}

void TWriter::FlushBuffer()
{
    const qint64 n = FBufPos;
    FBufPos = 0;
    if (n > 0) FStream.WriteBuffer(FBuf, n);
}

qint64 TWriter::Position() const
{
    return FStream.Position() + FBufPos;
}

void TWriter::SetPosition(qint64 Value)
{
    FlushBuffer();
    FStream.SetPosition(Value);
}

void TWriter::Write(const void* Buf, qint64 Count)
{
    if (Count <= 0) return;
    if (Count <= FBuffer.size() - FBufPos) {
        std::memcpy(FBuf + FBufPos, Buf, size_t(Count));
        FBufPos += Count;
        return;
    }
    FlushBuffer();
    if (Count >= FBuffer.size()) {
        FStream.WriteBuffer(Buf, Count);
        return;
    }
    std::memcpy(FBuf, Buf, size_t(Count));
    FBufPos = Count;
}

void TWriter::WriteByte(quint8 Value)
{
    if (FBufPos == FBuffer.size()) FlushBuffer();
    FBuf[FBufPos++] = char(Value);
}

void TWriter::WriteError()
{
    throw EWriteError(QString::fromLatin1(SStreamWriteError));
}

// ---------------------------------------------------------------------------
// Values

void TWriter::WriteValue(TValueType Value)
{
    WriteByte(quint8(Value));
}

void TWriter::WriteInteger(qint64 Value)
{
    uchar b[8];
    if (Value >= -128 && Value <= 127) {
        WriteValue(TValueType::vaInt8);
        WriteByte(quint8(qint8(Value)));
    } else if (Value >= -32768 && Value <= 32767) {
        WriteValue(TValueType::vaInt16);
        qToLittleEndian<qint16>(qint16(Value), b);
        Write(b, 2);
    } else if (Value >= std::numeric_limits<qint32>::min() && Value <= std::numeric_limits<qint32>::max()) {
        WriteValue(TValueType::vaInt32);
        qToLittleEndian<qint32>(qint32(Value), b);
        Write(b, 4);
    } else {
        WriteValue(TValueType::vaInt64);
        qToLittleEndian<qint64>(Value, b);
        Write(b, 8);
    }
}

void TWriter::WriteString(const QString& Value)
{
    WriteStringBytes(ToAnsi(Value));
}

void TWriter::WriteStringBytes(const QByteArray& Value)
{
    if (Value.size() <= MaxShortString) {
        WriteValue(TValueType::vaString);
        WriteShortBytes(Value.constData(), Value.size());
        return;
    }
    if (Value.size() > std::numeric_limits<qint32>::max()) WriteError();
    WriteValue(TValueType::vaLString);
    uchar b[4];
    qToLittleEndian<qint32>(qint32(Value.size()), b);
    Write(b, 4);
    Write(Value.constData(), Value.size());
}

void TWriter::WriteShortBytes(const char* Data, qsizetype Length)
{
    if (Length > MaxShortString) WriteError();
    WriteByte(quint8(Length));
    Write(Data, Length);
}

void TWriter::WriteStr(const QString& Value)
{
    const QByteArray bytes = ToAnsi(Value);
    WriteShortBytes(bytes.constData(), bytes.size());
}

void TWriter::WriteIdent(const QString& Ident)
{
    if (SameText(Ident, u"False"))
        WriteValue(TValueType::vaFalse);
    else if (SameText(Ident, u"True"))
        WriteValue(TValueType::vaTrue);
    else if (SameText(Ident, u"nil"))
        WriteValue(TValueType::vaNil);
    else {
        WriteValue(TValueType::vaIdent);
        WriteStr(Ident);
    }
}

void TWriter::WriteBoolean(bool Value)
{
    WriteValue(Value ? TValueType::vaTrue : TValueType::vaFalse);
}

void TWriter::WriteFloat(long double Value)
{
    unsigned char b[ExtendedSize];
    ExtendedToBytes(Value, b);
    WriteValue(TValueType::vaExtended);
    Write(b, ExtendedSize);
}

void TWriter::WriteChar(QChar Value)
{
    const QByteArray bytes = ToAnsi(QString(Value));
    WriteValue(TValueType::vaString);
    WriteShortBytes(bytes.constData(), bytes.size());
}

void TWriter::WriteListBegin()
{
    WriteValue(TValueType::vaList);
}

void TWriter::WriteListEnd()
{
    WriteValue(TValueType::vaNull);
}

void TWriter::WriteSignature()
{
    Write(StreamSignature, 4);
}

void TWriter::WritePrefix(int Flags, int ChildPos)
{
    if (Flags == 0) return;
    WriteByte(quint8(PrefixMark | (Flags & 0x0F)));
    if (Flags & ffChildPos) WriteInteger(ChildPos);
}

void TWriter::WriteCollection(const TCollection* Value)
{
    TDepth d(*this);
    WriteValue(TValueType::vaCollection);
    if (Value) {
        // Item properties are named from the item, not from the owner.
        TPathScope path(FPath, QByteArray());
        for (int i = 0; i < Value->Count(); ++i) {
            WriteListBegin();
            WriteProperties(Value->Items(i));
            WriteListEnd();
        }
    }
    WriteListEnd();
}

// ---------------------------------------------------------------------------
// Components

void TWriter::WriteRootComponent(TComponent* Root)
{
    WriteSignature();
    TComponent* const old = FRoot;
    FRoot = Root;
    try {
        WriteComponent(Root);
    } catch (...) {
        FRoot = old;
        throw;
    }
    FRoot = old;
}

void TWriter::WriteComponent(TComponent* Component)
{
    TComponent* const oldRoot = FRoot;
    if (!FRoot) FRoot = Component;
    Component->IncludeState(csWriting);
    try {
        Component->WriteState(*this);
    } catch (...) {
        Component->ExcludeState(csWriting);
        FRoot = oldRoot;
        throw;
    }
    Component->ExcludeState(csWriting);
    FRoot = oldRoot;
}

void TWriter::WriteData(TComponent* Instance)
{
    TDepth d(*this);
    WriteStr(Instance->ClassType()->Name);
    WriteStr(Instance->Name());
    {
        TPathScope path(FPath, QByteArray());
        WriteProperties(Instance);
    }
    WriteListEnd();
    const auto write = [this](TComponent* Child) { WriteComponent(Child); };
    if (OnGetChildren)
        OnGetChildren(Instance, write, FRoot);
    else
        Instance->GetChildren(write, FRoot);
    WriteListEnd();
}

// ---------------------------------------------------------------------------
// Properties

void TWriter::WriteProperties(TPersistent* Instance)
{
    for (const TPropInfo* p : Instance->ClassType()->Props()) WriteProperty(Instance, p);
    Instance->DefineProperties(*this);
}

void TWriter::WritePropName(const TPropInfo* Prop)
{
    auto it = FNames.constFind(Prop);
    if (it == FNames.constEnd()) it = FNames.insert(Prop, ToAnsi(Prop->Name));
    const QByteArray& name = *it;
    if (FPath.size() + name.size() > MaxShortString) WriteError();
    WriteByte(quint8(FPath.size() + name.size()));
    Write(FPath.constData(), FPath.size());
    Write(name.constData(), name.size());
}

void TWriter::WritePropName(const QString& Name)
{
    const QByteArray name = ToAnsi(Name);
    if (FPath.size() + name.size() > MaxShortString) WriteError();
    WriteByte(quint8(FPath.size() + name.size()));
    Write(FPath.constData(), FPath.size());
    Write(name.constData(), name.size());
}

QString TWriter::ReferenceName(const TComponent* Component) const
{
    if (Component == FRoot) return QStringLiteral("Owner");
    if (Component->Name().isEmpty()) return {};
    const TComponent* owner = Component->Owner();
    if (!owner || owner == FRoot) return Component->Name();
    if (owner->Name().isEmpty()) return {};
    return owner->Name() + QLatin1Char('.') + Component->Name();
}

void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo* Prop)
{
    if (!Prop->IsStored(*Instance)) return;
    const TTypeInfo* type = Prop->PropType;
    switch (Prop->Kind()) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkChar:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet:
    case TTypeKind::tkInt64: {
        if (!Prop->GetOrd || !Prop->SetOrd) return;
        qint64 v = Prop->GetOrd(*Instance);
        if (Prop->HasDefault && v == Prop->Default) return;
        switch (Prop->Kind()) {
        case TTypeKind::tkInteger: {
            QString ident;
            const TIntToIdent toIdent = type->IntToIdent();
            if (toIdent && toIdent(v, ident)) {
                WritePropName(Prop);
                WriteIdent(ident);
                return;
            }
            // Unsigned 32-bit values keep their bit pattern in 32 bits.
            if (type->OrdType == TOrdType::otULong) v = qint32(quint32(v));
            WritePropName(Prop);
            WriteInteger(v);
            return;
        }
        case TTypeKind::tkChar:
            WritePropName(Prop);
            WriteValue(TValueType::vaString);
            WriteByte(1);
            WriteByte(quint8(v));
            return;
        case TTypeKind::tkEnumeration: {
            const QString name = type->GetEnumName(v);
            WritePropName(Prop);
            if (name.isEmpty())
                WriteInteger(v);  // a value without a name survives as a number
            else
                WriteIdent(name);
            return;
        }
        case TTypeKind::tkSet: {
            WritePropName(Prop);
            WriteValue(TValueType::vaSet);
            const TTypeInfo* comp = type->CompType;
            for (int bit = 0; bit < 32 && comp; ++bit) {
                if (!(quint64(v) >> bit & 1)) continue;
                const QString name = comp->GetEnumName(bit);
                if (!name.isEmpty()) WriteStr(name);
            }
            WriteByte(0);
            return;
        }
        default:
            WritePropName(Prop);
            WriteInteger(v);
            return;
        }
    }
    case TTypeKind::tkFloat: {
        if (!Prop->GetFloat || !Prop->SetFloat) return;
        const long double v = Prop->GetFloat(*Instance);
        if (v == 0) return;
        WritePropName(Prop);
        WriteFloat(v);
        return;
    }
    case TTypeKind::tkString:
    case TTypeKind::tkLString: {
        if (!Prop->GetStr || !Prop->SetStr) return;
        if (Prop->GetBytes) {
            const QByteArray bytes = Prop->GetBytes(*Instance);
            if (bytes.isEmpty()) return;
            WritePropName(Prop);
            WriteStringBytes(bytes);
            return;
        }
        const QString s = Prop->GetStr(*Instance);
        if (s.isEmpty()) return;
        WritePropName(Prop);
        WriteString(s);
        return;
    }
    case TTypeKind::tkClass: {
        if (!Prop->GetObj) return;
        TObject* obj = Prop->GetObj(*Instance);
        if (!obj) return;
        if (auto* component = dynamic_cast<TComponent*>(obj)) {
            if (!Prop->SetObj) return;
            const QString name = ReferenceName(component);
            if (name.isEmpty()) return;  // a component without a name cannot be found again
            WritePropName(Prop);
            WriteIdent(name);
        } else if (auto* collection = dynamic_cast<TCollection*>(obj)) {
            WritePropName(Prop);
            WriteCollection(collection);
        } else if (auto* sub = dynamic_cast<TPersistent*>(obj)) {
            // The path bounds the recursion, even through a cycle of
            // sub-objects that write nothing.
            if (FPath.size() >= MaxShortString) WriteError();
            auto it = FNames.constFind(Prop);
            if (it == FNames.constEnd()) it = FNames.insert(Prop, ToAnsi(Prop->Name));
            TPathScope path(FPath, FPath + *it + '.');
            WriteProperties(sub);
        }
        return;
    }
    case TTypeKind::tkMethod: {
        if (!Prop->GetMethod || !Prop->SetMethod) return;
        const TMethod m = Prop->GetMethod(*Instance);
        if (!m.Assigned()) return;
        QString name = FRoot ? FRoot->ClassType()->MethodName(m.Code) : QString();
        if (name.isEmpty()) name = m.Code->Name;
        WritePropName(Prop);
        WriteIdent(name);
        return;
    }
    case TTypeKind::tkUnknown:
        return;
    }
}

void TWriter::DefineProperty(const QString& Name, const TReaderProc&, const TWriterProc& WriteData,
                             bool HasData)
{
    if (!HasData || !WriteData) return;
    WritePropName(Name);
    WriteData(*this);
}

void TWriter::DefineBinaryProperty(const QString& Name, const TStreamProc&,
                                   const TStreamProc& WriteData, bool HasData)
{
    if (!HasData || !WriteData) return;
    // Produced first, so that a failing writer leaves no half property.
    TMemoryStream data;
    WriteData(data);
    const qint64 size = data.Size();
    if (size > std::numeric_limits<qint32>::max()) WriteError();
    WritePropName(Name);
    WriteValue(TValueType::vaBinary);
    uchar b[4];
    qToLittleEndian<qint32>(qint32(size), b);
    Write(b, 4);
    Write(data.Memory(), size);
}

// ---------------------------------------------------------------------------

void WriteComponentToStream(TStream& Stream, TComponent* Root)
{
    TWriter writer(Stream);
    writer.WriteRootComponent(Root);
}

} // namespace classlib
