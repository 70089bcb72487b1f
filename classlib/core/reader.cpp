#include "classlib/core/reader.h"

#include "classlib/core/ansi.h"
#include "classlib/core/collection.h"
#include "classlib/core/component.h"
#include "classlib/core/extended.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/typinfo.h"

#include <QHash>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <exception>
#include <unordered_set>

namespace classlib {

// ---------------------------------------------------------------------------
// Private parts

// One level of nesting, refused beyond Limits.MaxDepth.
class TReader::TDepth {
public:
    explicit TDepth(TReader& Reader) : FReader(Reader)
    {
        if (++FReader.FDepth > FReader.Limits.MaxDepth) {
            --FReader.FDepth;
            FReader.ReadError(SStreamTooDeep);
        }
    }
    ~TDepth() { --FReader.FDepth; }
    TDepth(const TDepth&) = delete;
    TDepth& operator=(const TDepth&) = delete;

private:
    TReader& FReader;
};

// A reference read and resolved once the whole root has been read.
struct TReader::TFixup {
    TPersistent* Instance;
    const TPropInfo* Prop;
    QString Name;
    TComponent* Component;  // the component Instance belongs to
};

// The state of one root read: the components read in order and the pending
// references. It hears of the destruction of every component it tracks, so
// nothing here ever points at a freed component.
class TReader::TLoadContext : public TComponent {
public:
    TLoadContext() : TComponent(nullptr) {}
    ~TLoadContext() override
    {
        for (TComponent* c : Loaded)
            if (c) RemoveFreeNotification(c);
    }

    // Known: whether C may have been tracked before (a component that
    // existed before the read).
    void Track(TComponent* C, bool Known)
    {
        if (Known && std::find(Loaded.begin(), Loaded.end(), C) != Loaded.end()) return;
        Loaded.push_back(C);
        C->FreeNotification(this);
    }

    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation != opRemove) return;
        std::replace(Loaded.begin(), Loaded.end(), AComponent, static_cast<TComponent*>(nullptr));
        // Marked, not erased: the fixups may be being walked just now.
        for (TFixup& f : Fixups)
            if (f.Component == AComponent) f.Instance = nullptr, f.Component = nullptr;
    }

    std::vector<TComponent*> Loaded;  // read order, root first
    std::vector<TFixup> Fixups;       // read order
    QHash<QByteArray, const TClassInfo*> Classes;  // by stored class name
};

// A class's published properties, looked up by the bytes of a stored name
// without making a QString of it. Properties are mostly stored in their
// declaration order, so the search starts behind the last one found.
class TReader::TPropTable {
public:
    explicit TPropTable(const TClassInfo* Class) : FClass(Class)
    {
        for (const TPropInfo* p : Class->Props()) FProps.push_back({Lower(p->Name.toLatin1()), p});
    }

    const TClassInfo* Class() const { return FClass; }

    const TPropInfo* Find(const char* Name, int Length)
    {
        const size_t n = FProps.size();
        size_t i = FHint;
        for (size_t k = 0; k < n; ++k, ++i) {
            if (i == n) i = 0;
            if (Matches(FProps[i].first, Name, Length)) {
                FHint = i + 1;
                return FProps[i].second;
            }
        }
        return nullptr;
    }

private:
    static char LowerChar(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
    static QByteArray Lower(QByteArray s)
    {
        for (char& c : s) c = LowerChar(c);
        return s;
    }
    static bool Matches(const QByteArray& Lowered, const char* Name, int Length)
    {
        if (Lowered.size() != Length) return false;
        for (int i = 0; i < Length; ++i)
            if (Lowered[i] != LowerChar(Name[i])) return false;
        return true;
    }

    const TClassInfo* FClass;
    std::vector<std::pair<QByteArray, const TPropInfo*>> FProps;  // declaration order
    size_t FHint = 0;
};

namespace {

// Puts a value back when a scope ends, also on failure.
template <class T>
class TRestore {
public:
    explicit TRestore(T& Ref) : FRef(Ref), FOld(Ref) {}
    ~TRestore() { FRef = FOld; }
    TRestore(const TRestore&) = delete;
    TRestore& operator=(const TRestore&) = delete;

private:
    T& FRef;
    T FOld;
};

// The position of a name among an enumeration's names, or -1.
qint64 EnumIndex(const TTypeInfo* Type, QStringView Name)
{
    for (qsizetype i = 0; i < Type->EnumNames.size(); ++i)
        if (SameText(Type->EnumNames[i], Name)) return i;
    return -1;
}

QString ClassNotFoundMessage(const QString& ClassName)
{
    return QString::fromLatin1(SClassNotFound).replace(QLatin1String("%s"), ClassName);
}

} // namespace

// ---------------------------------------------------------------------------
// Buffer

TReader::TReader(TStream& Stream, int BufSize)
    : FStream(Stream), FBuffer(qMax(BufSize, 16), Qt::Uninitialized), FBuf(FBuffer.constData()),
      FUncaught(std::uncaught_exceptions())
{
}

TReader::~TReader() noexcept(false)
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

void TReader::FlushBuffer()
{
    const qint64 unread = FBufEnd - FBufPos;
    FBufPos = FBufEnd = 0;
    if (unread > 0) FStream.Seek(-unread, soCurrent);
}

qint64 TReader::Remaining() const
{
    return (FBufEnd - FBufPos) + FStream.Remaining();
}

void TReader::Fill()
{
    FBufPos = 0;
    FBufEnd = qMax<qint64>(0, FStream.Read(FBuffer.data(), FBuffer.size()));
}

void TReader::Read(void* Buf, qint64 Count)
{
    qint64 avail = FBufEnd - FBufPos;
    if (Count <= avail) {
        if (Count < 0) ReadError(SStreamReadError);
        if (Count > 0) std::memcpy(Buf, FBuf + FBufPos, size_t(Count));
        FBufPos += Count;
        return;
    }
    auto* out = static_cast<char*>(Buf);
    std::memcpy(out, FBuf + FBufPos, size_t(avail));
    out += avail;
    Count -= avail;
    FBufPos = FBufEnd = 0;
    if (Count >= FBuffer.size()) {
        // Large reads bypass the buffer.
        if (FStream.Read(out, Count) != Count) ReadError(SStreamReadError);
        return;
    }
    Fill();
    if (FBufEnd < Count) ReadError(SStreamReadError);
    std::memcpy(out, FBuf, size_t(Count));
    FBufPos = Count;
}

quint8 TReader::PeekSlow()
{
    Fill();
    if (FBufEnd == 0) ReadError(SStreamReadError);
    return quint8(FBuf[FBufPos]);
}

void TReader::Skip(qint64 Count)
{
    const qint64 avail = FBufEnd - FBufPos;
    if (Count <= avail) {
        if (Count < 0) ReadError(SStreamReadError);
        FBufPos += Count;
        return;
    }
    Count -= avail;
    FBufPos = FBufEnd = 0;
    if (Count > FStream.Remaining()) ReadError(SStreamReadError);
    FStream.Seek(Count, soCurrent);
}

void TReader::CheckLength(qint64 Length)
{
    if (Length < 0 || Length > Remaining()) ReadError(SStreamReadError);
}

void TReader::ReadError(const char* Message)
{
    throw EReadError(QString::fromLatin1(Message));
}

void TReader::ValueError()
{
    ReadError(SInvalidPropertyValue);
}

bool TReader::Error(const QString& Message)
{
    bool handled = false;
    if (OnError) OnError(*this, Message, handled);
    return handled;
}

void TReader::ReportError(const QString& Message)
{
    if (!Error(Message)) throw EReadError(Message);
}

void TReader::PropertyError(const char* Message)
{
    SkipValue();
    ReportError(QString::fromLatin1(Message));
}

template <class F>
void TReader::CallSetter(F&& Setter)
{
    try {
        Setter();
    } catch (const EAbort&) {
        throw;
    } catch (const EReadError&) {
        throw;
    } catch (const Exception& e) {
        if (!Error(e.Message)) throw;
    }
}

// ---------------------------------------------------------------------------
// Values

TValueType TReader::ReadValue()
{
    return TValueType(ReadByte());
}

TValueType TReader::NextValue()
{
    return TValueType(PeekByte());
}

bool TReader::EndOfList()
{
    return PeekByte() == quint8(TValueType::vaNull);
}

bool TReader::IsInteger(TValueType Value) const
{
    return Value == TValueType::vaInt8 || Value == TValueType::vaInt16 ||
           Value == TValueType::vaInt32 || Value == TValueType::vaInt64;
}

qint64 TReader::ReadIntegerOf(TValueType Type)
{
    switch (Type) {
    case TValueType::vaInt8:
        return qint8(ReadByte());
    case TValueType::vaInt16: {
        uchar b[2];
        Read(b, 2);
        return qFromLittleEndian<qint16>(b);
    }
    case TValueType::vaInt32: {
        uchar b[4];
        Read(b, 4);
        return qFromLittleEndian<qint32>(b);
    }
    case TValueType::vaInt64: {
        uchar b[8];
        Read(b, 8);
        return qFromLittleEndian<qint64>(b);
    }
    default:
        ValueError();
    }
}

int TReader::ReadInteger()
{
    const qint64 v = ReadIntegerOf(ReadValue());
    if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
        ValueError();
    return int(v);
}

qint64 TReader::ReadInt64()
{
    return ReadIntegerOf(ReadValue());
}

int TReader::ReadShortBytes(char* Buf)
{
    const int len = ReadByte();
    Read(Buf, len);
    return len;
}

QString TReader::ReadStr()
{
    const int len = ReadByte();
    if (len <= FBufEnd - FBufPos) {
        QString s = FromAnsi(FBuf + FBufPos, len);
        FBufPos += len;
        return s;
    }
    char buf[MaxShortString];
    Read(buf, len);
    return FromAnsi(buf, len);
}

QString TReader::ReadLongString(TValueType Type)
{
    if (Type == TValueType::vaString) return ReadStr();
    uchar b[4];
    Read(b, 4);
    const qint32 len = qFromLittleEndian<qint32>(b);
    CheckLength(len);
    if (len <= FBufEnd - FBufPos) {
        QString s = FromAnsi(FBuf + FBufPos, len);
        FBufPos += len;
        return s;
    }
    QByteArray bytes(len, Qt::Uninitialized);
    Read(bytes.data(), len);
    return FromAnsi(bytes);
}

QByteArray TReader::ReadStringBytes(TValueType Type)
{
    qint32 len;
    if (Type == TValueType::vaString) {
        len = ReadByte();
    } else {
        uchar b[4];
        Read(b, 4);
        len = qFromLittleEndian<qint32>(b);
        CheckLength(len);
    }
    QByteArray bytes(len, Qt::Uninitialized);
    Read(bytes.data(), len);
    return bytes;
}

QString TReader::ReadString()
{
    const TValueType t = ReadValue();
    if (t != TValueType::vaString && t != TValueType::vaLString) ValueError();
    return ReadLongString(t);
}

QString TReader::ReadIdent()
{
    switch (ReadValue()) {
    case TValueType::vaIdent:
        return ReadStr();
    case TValueType::vaFalse:
        return QStringLiteral("False");
    case TValueType::vaTrue:
        return QStringLiteral("True");
    case TValueType::vaNil:
        return QStringLiteral("nil");
    default:
        ValueError();
    }
}

bool TReader::ReadBoolean()
{
    const TValueType t = ReadValue();
    if (t == TValueType::vaTrue) return true;
    if (t != TValueType::vaFalse) ValueError();
    return false;
}

long double TReader::ReadFloat()
{
    const TValueType t = ReadValue();
    if (t != TValueType::vaExtended) return static_cast<long double>(ReadIntegerOf(t));
    unsigned char b[ExtendedSize];
    Read(b, ExtendedSize);
    return ExtendedFromBytes(b);
}

QChar TReader::ReadChar()
{
    if (ReadValue() != TValueType::vaString) ValueError();
    const int len = ReadByte();
    if (len != 1) {
        Skip(len);
        ValueError();
    }
    char c;
    Read(&c, 1);
    return FromAnsi(&c, 1).at(0);
}

void TReader::ReadListBegin()
{
    if (ReadValue() != TValueType::vaList) ValueError();
    if (++FDepth > Limits.MaxDepth) {
        --FDepth;
        ReadError(SStreamTooDeep);
    }
}

void TReader::ReadListEnd()
{
    if (ReadValue() != TValueType::vaNull) ValueError();
    if (FDepth > 0) --FDepth;
}

void TReader::ReadSignature()
{
    char sig[4];
    Read(sig, 4);
    if (std::memcmp(sig, StreamSignature, 4) != 0) ReadError(SInvalidStreamFormat);
}

void TReader::ReadPrefix(int& Flags, int& ChildPos)
{
    Flags = 0;
    ChildPos = 0;
    const quint8 b = PeekByte();
    if ((b & PrefixMark) != PrefixMark) return;
    ++FBufPos;
    Flags = b & 0x0F;
    if (Flags & ffChildPos) ChildPos = ReadInteger();
}

// ---------------------------------------------------------------------------
// Skipping

void TReader::SkipValue()
{
    const TValueType t = ReadValue();
    switch (t) {
    case TValueType::vaList: {
        TDepth d(*this);
        while (!EndOfList()) SkipValue();
        ReadByte();
        break;
    }
    case TValueType::vaInt8:
        Skip(1);
        break;
    case TValueType::vaInt16:
        Skip(2);
        break;
    case TValueType::vaInt32:
        Skip(4);
        break;
    case TValueType::vaInt64:
        Skip(8);
        break;
    case TValueType::vaExtended:
        Skip(ExtendedSize);
        break;
    case TValueType::vaString:
    case TValueType::vaIdent:
        Skip(ReadByte());
        break;
    case TValueType::vaFalse:
    case TValueType::vaTrue:
    case TValueType::vaNil:
        break;
    case TValueType::vaBinary:
    case TValueType::vaLString: {
        uchar b[4];
        Read(b, 4);
        const qint32 len = qFromLittleEndian<qint32>(b);
        CheckLength(len);
        Skip(len);
        break;
    }
    case TValueType::vaSet:
        SkipSetBody();
        break;
    case TValueType::vaCollection:
        SkipCollectionBody();
        break;
    default:
        // Type 0 where a value belongs, or an unknown type byte: the length
        // of what follows is unknowable.
        ReadError(SInvalidStreamFormat);
    }
}

void TReader::SkipSetBody()
{
    while (const int len = ReadByte()) Skip(len);
}

void TReader::SkipCollectionBody()
{
    TDepth d(*this);
    while (!EndOfList()) {
        if (IsInteger(NextValue())) SkipValue();
        if (ReadValue() != TValueType::vaList) ReadError(SInvalidStreamFormat);
        while (!EndOfList()) SkipProperty();
        ReadByte();
    }
    ReadByte();
}

void TReader::SkipProperty()
{
    Skip(ReadByte());
    SkipValue();
}

void TReader::SkipComponent(bool SkipHeader)
{
    TDepth d(*this);
    if (SkipHeader) {
        int flags, pos;
        ReadPrefix(flags, pos);
        Skip(ReadByte());
        Skip(ReadByte());
    }
    while (!EndOfList()) SkipProperty();
    ReadByte();
    while (!EndOfList()) SkipComponent(true);
    ReadByte();
}

// ---------------------------------------------------------------------------
// Components

void TReader::RunLoad(TComponent* Root, const std::function<void()>& Body, bool LoadRoot)
{
    if (!Root) throw EReadError(QString::fromLatin1(SInvalidStreamFormat));
    TLoadContext context;
    TRestore<TLoadContext*> r1(FContext);
    TRestore<TComponent*> r2(FRoot), r3(FOwner), r4(FParent), r5(FCurrent);
    TRestore<int> r6(FDepth);
    FContext = &context;
    FRoot = FOwner = FParent = Root;
    FCurrent = nullptr;
    FDepth = 0;
    try {
        if (LoadRoot) {
            Root->IncludeState(csLoading);
            Root->IncludeState(csReading);
            context.Track(Root, true);
        }
        Body();
        if (LoadRoot) Root->ExcludeState(csReading);
        ResolveFixups();
        // Loaded may free what was read: the context forgets it then.
        for (size_t i = 0; i < context.Loaded.size(); ++i) {
            if (TComponent* c = context.Loaded[i]) {
                c->Loaded();
                if (context.Loaded[i]) c->ExcludeState(csLoading);
            }
        }
    } catch (...) {
        context.Fixups.clear();
        for (TComponent* c : context.Loaded) {
            if (!c) continue;
            c->ExcludeState(csReading);
            c->ExcludeState(csLoading);
        }
        throw;
    }
}

void TReader::ReadRootComponent(TComponent* Root)
{
    ReadSignature();
    RunLoad(Root, [&] {
        int flags, pos;
        ReadPrefix(flags, pos);
        ReadRootRecord(Root, flags);
    });
}

void TReader::ReadComponents(TComponent* AOwner, TComponent* AParent,
                             const std::function<void(TComponent* Component)>& Proc)
{
    RunLoad(
        AOwner,
        [&] {
            FParent = AParent;
            while (!EndOfList()) {
                ReadSignature();
                TComponent* c = ReadComponent(nullptr);
                if (c && Proc) Proc(c);
            }
            ReadByte();
        },
        false);
}

TComponent* TReader::ReadRootRecord(TComponent* Root, int)
{
    TDepth d(*this);
    Skip(ReadByte());  // the root keeps its own class
    const QString name = ReadStr();
    if (!Root->IsDesigning()) {
        const QString unique = UniqueGlobalName(name, Root);
        CallSetter([&] { Root->SetName(unique); });
    }
    Root->ReadState(*this);
    Root->ExcludeState(csReading);
    return Root;
}

TComponent* TReader::ReadComponent(TComponent* Component)
{
    if (!FContext) {
        RunLoad(Component, [&] {
            int flags, pos;
            ReadPrefix(flags, pos);
            ReadRootRecord(Component, flags);
        });
        return Component;
    }
    TDepth d(*this);
    int flags, pos;
    ReadPrefix(flags, pos);
    return ReadRecord(Component, flags, pos);
}

TComponent* TReader::ReadChild()
{
    TDepth d(*this);
    int flags, pos;
    ReadPrefix(flags, pos);
    return ReadRecord(nullptr, flags, pos);
}

const TClassInfo* TReader::FindComponentClass(const char* Name, int Length) const
{
    // A page names a handful of classes many times over.
    const QByteArray key = QByteArray::fromRawData(Name, Length);
    if (FContext) {
        auto it = FContext->Classes.constFind(key);
        if (it != FContext->Classes.constEnd()) return *it;
    }
    const QString className = FromAnsi(Name, Length);
    const TClassInfo* c = FRoot ? FRoot->ClassType()->FindFieldClass(className) : nullptr;
    if (!c) c = ClassResolver ? ClassResolver(className) : GetClass(className);
    if (c && !c->IsComponent()) c = nullptr;
    if (FContext) FContext->Classes.insert(QByteArray(Name, Length), c);
    return c;
}

TComponent* TReader::ReadRecord(TComponent* Component, int Flags, int ChildPos)
{
    char className[MaxShortString];
    const int classLength = ReadShortBytes(className);
    const QString name = ReadStr();
    TComponent* result = Component;
    bool created = false;

    if (!result && (Flags & ffInherited)) {
        result = FOwner ? FOwner->FindComponent(name) : nullptr;
        if (!result && OnAncestorNotFound)
            OnAncestorNotFound(*this, name, FindComponentClass(className, classLength), result);
    }
    if (!result) {
        // Nothing is created before the class is known.
        const TClassInfo* cls = FindComponentClass(className, classLength);
        if (!cls) {
            const QString message = ClassNotFoundMessage(FromAnsi(className, classLength));
            if (!Error(message)) throw EClassNotFound(message);
            SkipComponent(false);
            return nullptr;
        }
        try {
            TObject* obj = cls->Create(FOwner);
            result = dynamic_cast<TComponent*>(obj);
            if (!result) {
                delete obj;
                throw EReadError(ClassNotFoundMessage(FromAnsi(className, classLength)));
            }
            created = true;
            result->IncludeState(csLoading);
            result->IncludeState(csReading);
            QString newName = name;
            if (OnSetName) OnSetName(*this, result, newName);
            result->SetName(newName);
        } catch (const EAbort&) {
            delete result;
            throw;
        } catch (const Exception& e) {
            delete result;
            if (!Error(e.Message)) throw;
            SkipComponent(false);
            return nullptr;
        } catch (...) {
            delete result;
            throw;
        }
    }

    try {
        result->IncludeState(csLoading);
        result->IncludeState(csReading);
        FContext->Track(result, !created);
        result->ReadState(*this);
        result->ExcludeState(csReading);
        if ((Flags & ffChildPos) && FParent) FParent->SetChildOrder(result, ChildPos);
    } catch (...) {
        // A half-read component does not stay; what it owns goes with it,
        // and the context forgets both.
        if (created) delete result;
        throw;
    }
    return result;
}

void TReader::ReadData(TComponent* Instance)
{
    if (!FContext) {
        RunLoad(Instance, [&] { ReadData(Instance); });
        return;
    }
    {
        TRestore<TComponent*> rc(FCurrent);
        FCurrent = Instance;
        while (!EndOfList()) ReadProperty(Instance);
        ReadByte();
    }
    TRestore<TComponent*> ro(FOwner), rp(FParent);
    FParent = Instance->GetChildParent();
    if (!FParent) FParent = Instance;
    FOwner = Instance->GetChildOwner();
    if (!FOwner) FOwner = FRoot;
    while (!EndOfList()) ReadChild();
    ReadByte();
}

// ---------------------------------------------------------------------------
// Properties

const TPropInfo* TReader::FindProp(const TClassInfo* Class, const char* Name, int Length)
{
    if (!FLastTable || FLastTable->Class() != Class) {
        FLastTable = nullptr;
        for (const auto& t : FPropTables)
            if (t->Class() == Class) FLastTable = t.get();
        if (!FLastTable) {
            FPropTables.push_back(std::make_unique<TPropTable>(Class));
            FLastTable = FPropTables.back().get();
        }
    }
    return FLastTable->Find(Name, Length);
}

void TReader::ReadProperty(TPersistent* Instance)
{
    char name[MaxShortString];
    const int len = ReadShortBytes(name);
    TPersistent* obj = Instance;
    int start = 0;
    int segments = 0;
    for (;;) {
        if (++segments > Limits.MaxDepth) ReadError(SStreamTooDeep);
        const char* dot = static_cast<const char*>(std::memchr(name + start, '.', size_t(len - start)));
        const int end = dot ? int(dot - name) : len;
        const TPropInfo* p = FindProp(obj->ClassType(), name + start, end - start);
        if (!dot) {
            if (p) {
                ReadPropValue(obj, p);
                return;
            }
            // Not published: perhaps one of the instance's own definitions.
            FPropName = FromAnsi(name + start, end - start);
            FPropFound = false;
            obj->DefineProperties(*this);
            if (!FPropFound) PropertyError(SUnknownProperty);
            return;
        }
        if (!p) {
            FPropName = FromAnsi(name + start, end - start);
            PropertyError(SUnknownProperty);
            return;
        }
        TObject* sub = p->Kind() == TTypeKind::tkClass && p->GetObj ? p->GetObj(*obj) : nullptr;
        auto* next = dynamic_cast<TPersistent*>(sub);
        if (!next || dynamic_cast<TComponent*>(sub)) {
            FPropName = FromAnsi(name, len);
            PropertyError(SInvalidPropertyPath);
            return;
        }
        obj = next;
        start = end + 1;
    }
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo* Prop)
{
    const TValueType t = NextValue();
    if (Prop->Kind() == TTypeKind::tkClass && t == TValueType::vaCollection) {
        auto* coll = Prop->GetObj ? dynamic_cast<TCollection*>(Prop->GetObj(*Instance)) : nullptr;
        if (!coll) {
            FPropName = Prop->Name;
            PropertyError(SInvalidPropertyValue);
            return;
        }
        ReadValue();
        ReadCollection(*coll);
        return;
    }
    if (!Prop->Writable()) {
        FPropName = Prop->Name;
        PropertyError(SInvalidPropertyValue);
        return;
    }
    ReadPublished(*Instance, Prop, t);
}

void TReader::ReadPublished(TObject& Instance, const TPropInfo* Prop, TValueType Type)
{
    const TTypeInfo* type = Prop->PropType;
    auto invalid = [&] {
        FPropName = Prop->Name;
        ReportError(QString::fromLatin1(SInvalidPropertyValue));
    };
    auto setOrd = [&](qint64 v) {
        if (type->MinValue < type->MaxValue) {
            // Unsigned 32-bit values are stored as their signed pattern.
            if (type->OrdType == TOrdType::otULong && v < 0 && v >= std::numeric_limits<qint32>::min())
                v += qint64(1) << 32;
            if (v < type->MinValue || v > type->MaxValue) return invalid();
        }
        CallSetter([&] { Prop->SetOrd(Instance, v); });
    };

    switch (Prop->Kind()) {
    case TTypeKind::tkInteger:
        if (IsInteger(Type)) return setOrd(ReadIntegerOf(ReadValue()));
        if (Type == TValueType::vaIdent) {
            ReadValue();
            const QString ident = ReadStr();
            qint64 v = 0;
            const TIdentToInt toInt = type->IdentToInt();
            if (!toInt || !toInt(ident, v)) return invalid();
            return setOrd(v);
        }
        break;
    case TTypeKind::tkInt64:
        if (IsInteger(Type)) {
            const qint64 v = ReadIntegerOf(ReadValue());
            return CallSetter([&] { Prop->SetOrd(Instance, v); });
        }
        break;
    case TTypeKind::tkChar:
        if (Type == TValueType::vaString) {
            ReadValue();
            const int len = ReadByte();
            if (len != 1) {
                Skip(len);
                return invalid();
            }
            return setOrd(ReadByte());
        }
        break;
    case TTypeKind::tkEnumeration:
        if (Type == TValueType::vaIdent || Type == TValueType::vaFalse || Type == TValueType::vaTrue) {
            const QString ident = ReadIdent();
            const qint64 i = EnumIndex(type, ident);
            if (i < 0) return invalid();
            return setOrd(type->MinValue + i);
        }
        if (IsInteger(Type)) return setOrd(ReadIntegerOf(ReadValue()));  // a value without a name
        break;
    case TTypeKind::tkSet:
        if (Type == TValueType::vaSet) {
            ReadValue();
            return ReadSetValue(Instance, Prop);
        }
        break;
    case TTypeKind::tkFloat:
        if (Type == TValueType::vaExtended || IsInteger(Type)) {
            const long double v = ReadFloat();
            return CallSetter([&] { Prop->SetFloat(Instance, v); });
        }
        break;
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
        if ((Type == TValueType::vaString || Type == TValueType::vaLString) && Prop->SetBytes) {
            const QByteArray bytes = ReadStringBytes(ReadValue());
            if (bytes.size() > type->MaxLength) return invalid();
            return CallSetter([&] { Prop->SetBytes(Instance, bytes); });
        }
        if (Type == TValueType::vaString || Type == TValueType::vaLString) {
            const QString s = ReadLongString(ReadValue());
            if (s.size() > type->MaxLength) return invalid();
            return CallSetter([&] { Prop->SetStr(Instance, s); });
        }
        break;
    case TTypeKind::tkClass:
        if (Type == TValueType::vaNil) {
            ReadValue();
            return CallSetter([&] { Prop->SetObj(Instance, nullptr); });
        }
        // References need a root read to be resolved in.
        if (Type == TValueType::vaIdent && FContext && type->ClassType() && type->ClassType()->IsComponent()) {
            ReadValue();
            FContext->Fixups.push_back(
                {static_cast<TPersistent*>(&Instance), Prop, ReadStr(), FCurrent});
            return;
        }
        break;
    case TTypeKind::tkMethod:
        if (Type == TValueType::vaNil) {
            ReadValue();
            return CallSetter([&] { Prop->SetMethod(Instance, TMethod{}); });
        }
        if (Type == TValueType::vaIdent) return ReadMethodValue(Instance, Prop);
        break;
    case TTypeKind::tkUnknown:
        break;
    }
    FPropName = Prop->Name;
    PropertyError(SInvalidPropertyValue);
}

void TReader::ReadSetValue(TObject& Instance, const TPropInfo* Prop)
{
    const TTypeInfo* comp = Prop->PropType->CompType;
    quint32 mask = 0;
    bool bad = !comp;
    char name[MaxShortString];
    while (const int len = ReadShortBytes(name)) {
        if (bad) continue;  // the rest is consumed all the same
        const qint64 i = EnumIndex(comp, FromAnsi(name, len));
        const qint64 bit = comp->MinValue + i;
        if (i < 0 || bit < 0 || bit > 31)
            bad = true;
        else
            mask |= quint32(1) << bit;
    }
    if (bad) {
        FPropName = Prop->Name;
        return ReportError(QString::fromLatin1(SInvalidPropertyValue));
    }
    CallSetter([&] { Prop->SetOrd(Instance, qint64(mask)); });
}

void TReader::ReadMethodValue(TObject& Instance, const TPropInfo* Prop)
{
    ReadValue();
    const QString name = ReadStr();
    const TMethodInfo* method = FRoot ? FRoot->ClassType()->FindMethod(name) : nullptr;
    bool error = method == nullptr;
    if (OnFindMethod) OnFindMethod(*this, name, method, error);
    FPropName = Prop->Name;
    if (error) return ReportError(QString::fromLatin1(SInvalidPropertyValue));
    if (!method) return;  // the handler let it go: the event stays unassigned
    // The method is called on the root: it must be the root's, and take
    // the event's parameters.
    if (method->Signature != Prop->PropType->Signature || !method->Owner ||
        !FRoot->InheritsFrom(method->Owner))
        return ReportError(QString::fromLatin1(SInvalidPropertyValue));
    CallSetter([&] { Prop->SetMethod(Instance, TMethod{method, FRoot}); });
}

void TReader::DropFixupsOf(const TCollection& Collection)
{
    if (!FContext || FContext->Fixups.empty()) return;
    std::unordered_set<const TPersistent*> items;
    for (int i = 0; i < Collection.Count(); ++i) items.insert(Collection.Items(i));
    for (TFixup& f : FContext->Fixups)
        if (items.count(f.Instance)) f.Instance = nullptr, f.Component = nullptr;
}

void TReader::ReadCollection(TCollection& Collection)
{
    TDepth d(*this);
    Collection.BeginUpdate();
    struct TEndUpdate {
        TCollection& C;
        ~TEndUpdate() { C.EndUpdate(); }
    } endUpdate{Collection};
    if (!EndOfList()) {
        DropFixupsOf(Collection);
        Collection.Clear();
    }
    while (!EndOfList()) {
        if (IsInteger(NextValue())) ReadInt64();  // an item order some writers store
        if (ReadValue() != TValueType::vaList) ReadError(SInvalidStreamFormat);
        TCollectionItem* item = Collection.Add();
        while (!EndOfList()) ReadProperty(item);
        ReadByte();
    }
    ReadByte();
}

void TReader::DefineProperty(const QString& Name, const TReaderProc& ReadData,
                             const TWriterProc&, bool)
{
    if (FPropFound || !ReadData || !SameText(Name, FPropName)) return;
    FPropFound = true;
    ReadData(*this);
}

void TReader::DefineBinaryProperty(const QString& Name, const TStreamProc& ReadData,
                                   const TStreamProc&, bool)
{
    if (FPropFound || !ReadData || !SameText(Name, FPropName)) return;
    FPropFound = true;
    if (NextValue() != TValueType::vaBinary) return PropertyError(SInvalidPropertyValue);
    ReadValue();
    uchar b[4];
    Read(b, 4);
    const qint32 len = qFromLittleEndian<qint32>(b);
    CheckLength(len);
    // Read in place from a stream in memory: a document's pages are
    // megabytes, and copying them cost more than reading them.
    if (auto* memory = dynamic_cast<TCustomMemoryStream*>(&FStream)) {
        const qint64 at = FStream.Position() - (FBufEnd - FBufPos);
        TBytesStream data(QByteArray::fromRawData(memory->Memory() + at, len));
        Skip(len);
        ReadData(data);
        return;
    }
    TMemoryStream data;
    data.SetSize(len);
    Read(data.Memory(), len);
    data.SetPosition(0);
    ReadData(data);
}

// ---------------------------------------------------------------------------
// References

void TReader::ResolveFixups()
{
    // By index and by copy: a setter may free components, and the context
    // then marks their fixups.
    std::vector<TFixup>& fixups = FContext->Fixups;
    // The root's components by name, each with its index so that a stale
    // entry (a setter may free components) is noticed and looked up anew.
    QHash<QString, int> byName;
    if (fixups.size() > 4) {
        byName.reserve(FRoot->ComponentCount());
        for (int i = FRoot->ComponentCount() - 1; i >= 0; --i)  // the first of a name wins
            byName[UpperCase(FRoot->Components(i)->Name())] = i;
    }
    auto findOwned = [&](const QString& Name) -> TComponent* {
        if (!byName.isEmpty()) {
            const int i = byName.value(UpperCase(Name), -1);
            if (i < 0) return nullptr;
            if (i < FRoot->ComponentCount()) {
                TComponent* c = FRoot->Components(i);
                if (SameText(c->Name(), Name)) return c;
            }
        }
        return FRoot->FindComponent(Name);
    };
    for (size_t i = 0; i < fixups.size(); ++i) {
        if (!fixups[i].Instance) continue;
        const TFixup f = fixups[i];
        TComponent* target = nullptr;
        if (SameText(f.Name, u"Owner")) {
            target = FRoot;
        } else if (const qsizetype dot = f.Name.indexOf(QLatin1Char('.')); dot < 0) {
            target = findOwned(f.Name);
        } else {
            const QString ownerName = f.Name.left(dot);
            TComponent* owner = FRoot->FindComponent(ownerName);
            if (!owner) owner = FindGlobalComponent(ownerName);
            if (owner) target = owner->FindComponent(f.Name.mid(dot + 1));
        }
        const TClassInfo* cls = f.Prop->PropType->ClassType();
        if (target && cls && !target->InheritsFrom(cls)) target = nullptr;
        CallSetter([&] { f.Prop->SetObj(*f.Instance, target); });
    }
    fixups.clear();
}

// ---------------------------------------------------------------------------

void ReadComponentFromStream(TStream& Stream, TComponent* Root)
{
    TReader reader(Stream);
    reader.ReadRootComponent(Root);
}

} // namespace classlib
