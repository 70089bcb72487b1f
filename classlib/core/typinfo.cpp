#include "classlib/core/typinfo.h"

#include "classlib/core/component.h"
#include "classlib/core/sysutils.h"

#include <QHash>
#include <QMutex>

namespace classlib {

// ---------------------------------------------------------------------------
// TObject

const TClassInfo& TObject::StaticClass()
{
    static const TClassInfo* info = [] {
        auto* c = new TClassInfo;
        c->Name = QStringLiteral("TObject");
        return c;
    }();
    return *info;
}

QString TObject::ClassName() const
{
    return ClassType()->Name;
}

bool TObject::InheritsFrom(const TClassInfo* Class) const
{
    return ClassType()->InheritsFrom(Class);
}

// ---------------------------------------------------------------------------
// TTypeInfo

QString TTypeInfo::GetEnumName(qint64 Value) const
{
    const qint64 i = Value - MinValue;
    if (i < 0 || i >= EnumNames.size()) return {};
    return EnumNames[i];
}

qint64 TTypeInfo::GetEnumValue(const QString& Ident) const
{
    for (qsizetype i = 0; i < EnumNames.size(); ++i)
        if (SameText(EnumNames[i], Ident)) return MinValue + i;
    return -1;
}

namespace {

struct TIntegerConsts {
    TIdentToInt IdentToInt;
    TIntToIdent IntToIdent;
};

QHash<const TTypeInfo*, TIntegerConsts>& IntegerConsts()
{
    static QHash<const TTypeInfo*, TIntegerConsts> map;
    return map;
}

} // namespace

void RegisterIntegerConsts(const TTypeInfo* IntType, TIdentToInt IdentToInt, TIntToIdent IntToIdent)
{
    IntegerConsts().insert(IntType, {IdentToInt, IntToIdent});
}

TIdentToInt TTypeInfo::IdentToInt() const
{
    auto it = IntegerConsts().constFind(this);
    return it == IntegerConsts().constEnd() ? nullptr : it->IdentToInt;
}

TIntToIdent TTypeInfo::IntToIdent() const
{
    auto it = IntegerConsts().constFind(this);
    return it == IntegerConsts().constEnd() ? nullptr : it->IntToIdent;
}

bool TPropInfo::Writable() const
{
    switch (Kind()) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkChar:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet:
    case TTypeKind::tkInt64:
        return bool(SetOrd);
    case TTypeKind::tkFloat:
        return bool(SetFloat);
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
        return bool(SetStr);
    case TTypeKind::tkClass:
        return bool(SetObj);
    case TTypeKind::tkMethod:
        return bool(SetMethod);
    case TTypeKind::tkUnknown:
        break;
    }
    return false;
}

// ---------------------------------------------------------------------------
// TClassInfo

bool TClassInfo::InheritsFrom(const TClassInfo* Class) const
{
    return InheritanceDistance(Class) >= 0;
}

int TClassInfo::InheritanceDistance(const TClassInfo* Ancestor) const
{
    int steps = 0;
    for (const TClassInfo* c = this; c; c = c->Parent, ++steps)
        if (c == Ancestor) return steps;
    return -1;
}

bool TClassInfo::IsComponent() const
{
    return InheritsFrom(&TComponent::StaticClass());
}

const std::vector<const TPropInfo*>& TClassInfo::Props() const
{
    // Class tables are complete before first use and never change after.
    if (!FAllPropsReady) {
        std::vector<const TPropInfo*> all;
        if (Parent) all = Parent->Props();
        for (const auto& p : OwnProps) {
            // A redeclared property replaces the ancestor's in its place.
            auto same = std::find_if(all.begin(), all.end(), [&](const TPropInfo* q) {
                return SameText(q->Name, p->Name);
            });
            if (same != all.end())
                *same = p.get();
            else
                all.push_back(p.get());
        }
        FAllProps = std::move(all);
        FAllPropsReady = true;
    }
    return FAllProps;
}

const TPropInfo* TClassInfo::FindProp(QStringView PropName) const
{
    for (const TPropInfo* p : Props())
        if (PropName.compare(p->Name, Qt::CaseInsensitive) == 0) return p;
    return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(QStringView MethodName) const
{
    for (const TClassInfo* c = this; c; c = c->Parent)
        for (const auto& m : c->Methods)
            if (MethodName.compare(m->Name, Qt::CaseInsensitive) == 0) return m.get();
    return nullptr;
}

QString TClassInfo::MethodName(const TMethodInfo* Code) const
{
    if (!Code) return {};
    for (const TClassInfo* c = this; c; c = c->Parent)
        for (const auto& m : c->Methods)
            if (m.get() == Code) return m->Name;
    return {};
}

const TFieldInfo* TClassInfo::FindField(QStringView FieldName) const
{
    for (const TClassInfo* c = this; c; c = c->Parent)
        for (const auto& f : c->Fields)
            if (FieldName.compare(f.Name, Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

const TClassInfo* TClassInfo::FindFieldClass(QStringView ClassName) const
{
    for (const TClassInfo* c = this; c; c = c->Parent)
        for (const auto& f : c->Fields)
            for (const TClassInfo* fc = f.FieldClass; fc; fc = fc->Parent)
                if (ClassName.compare(fc->Name, Qt::CaseInsensitive) == 0) return fc;
    return nullptr;
}

TObject* TClassInfo::Create(TComponent* Owner) const
{
    if (!Factory)
        throw EComponentError(Format("Cannot create an instance of abstract class %s", {Name}));
    return Factory(Owner);
}

// ---------------------------------------------------------------------------
// Type identities

namespace detail {

namespace {

TTypeInfo* NewType(TTypeKind Kind, const QString& Name)
{
    auto* t = new TTypeInfo;
    t->Kind = Kind;
    t->Name = Name;
    return t;
}

} // namespace

const TTypeInfo* MakeEnumType(const char* Name, const char* CommaNames)
{
    TTypeInfo* t = NewType(TTypeKind::tkEnumeration, QString::fromLatin1(Name));
    for (const QString& n : QString::fromLatin1(CommaNames).split(QLatin1Char(',')))
        t->EnumNames.append(n.trimmed());
    t->MinValue = 0;
    t->MaxValue = t->EnumNames.size() - 1;
    t->OrdType = TOrdType::otUByte;
    return t;
}

const TTypeInfo* MakeSetType(const TTypeInfo* CompType)
{
    TTypeInfo* t = NewType(TTypeKind::tkSet, QStringLiteral("set of ") + CompType->Name);
    t->CompType = CompType;
    t->OrdType = TOrdType::otULong;
    return t;
}

const TTypeInfo* MakeClassType(const TClassInfo& (*ClassFn)())
{
    TTypeInfo* t = NewType(TTypeKind::tkClass, QString());
    t->ClassFn = ClassFn;
    return t;
}

const TTypeInfo* MakeMethodType(const void* Signature, const char* Name)
{
    TTypeInfo* t = NewType(TTypeKind::tkMethod, QString::fromLatin1(Name));
    t->Signature = Signature;
    return t;
}

const TTypeInfo* MakeIntegerType(const char* Name, TOrdType OrdType, qint64 Min, qint64 Max)
{
    TTypeInfo* t = NewType(TTypeKind::tkInteger, QString::fromLatin1(Name));
    t->OrdType = OrdType;
    t->MinValue = Min;
    t->MaxValue = Max;
    return t;
}

const TTypeInfo* MakeStringType(const char* Name, TTypeKind Kind, int MaxLength)
{
    TTypeInfo* t = NewType(Kind, QString::fromLatin1(Name));
    t->MaxLength = MaxLength;
    return t;
}

} // namespace detail

#define QX_BUILTIN_INTEGER(CType, TypeName, Ord)                                           \
    const TTypeInfo* TypeInfoOf(CType*)                                                    \
    {                                                                                      \
        static const TTypeInfo* t = detail::MakeIntegerType(                               \
            TypeName, TOrdType::Ord, std::numeric_limits<CType>::min(), std::numeric_limits<CType>::max()); \
        return t;                                                                          \
    }

QX_BUILTIN_INTEGER(int, "Integer", otSLong)
QX_BUILTIN_INTEGER(unsigned, "Cardinal", otULong)
QX_BUILTIN_INTEGER(qint16, "SmallInt", otSWord)
QX_BUILTIN_INTEGER(quint16, "Word", otUWord)
QX_BUILTIN_INTEGER(qint8, "ShortInt", otSByte)
QX_BUILTIN_INTEGER(quint8, "Byte", otUByte)
#undef QX_BUILTIN_INTEGER

const TTypeInfo* TypeInfoOf(qint64*)
{
    static const TTypeInfo* t = [] {
        auto* i = const_cast<TTypeInfo*>(detail::MakeIntegerType(
            "Int64", TOrdType::otSLong, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()));
        i->Kind = TTypeKind::tkInt64;
        return i;
    }();
    return t;
}

const TTypeInfo* TypeInfoOf(char*)
{
    static const TTypeInfo* t = [] {
        auto* c = const_cast<TTypeInfo*>(detail::MakeIntegerType("Char", TOrdType::otUByte, 0, 255));
        c->Kind = TTypeKind::tkChar;
        return c;
    }();
    return t;
}

const TTypeInfo* TypeInfoOf(bool*)
{
    static const TTypeInfo* t = detail::MakeEnumType("Boolean", "False, True");
    return t;
}

namespace {
const TTypeInfo* FloatType(const char* Name, TFloatType FloatType)
{
    auto* t = new TTypeInfo;
    t->Kind = TTypeKind::tkFloat;
    t->Name = QString::fromLatin1(Name);
    t->FloatType = FloatType;
    return t;
}
} // namespace

const TTypeInfo* TypeInfoOf(float*)
{
    static const TTypeInfo* t = FloatType("Single", TFloatType::ftSingle);
    return t;
}

const TTypeInfo* TypeInfoOf(double*)
{
    static const TTypeInfo* t = FloatType("Double", TFloatType::ftDouble);
    return t;
}

const TTypeInfo* TypeInfoOf(long double*)
{
    static const TTypeInfo* t = FloatType("Extended", TFloatType::ftExtended);
    return t;
}

const TTypeInfo* TypeInfoOf(QString*)
{
    static const TTypeInfo* t = [] {
        auto* s = new TTypeInfo;
        s->Kind = TTypeKind::tkLString;
        s->Name = QStringLiteral("string");
        s->MaxLength = std::numeric_limits<int>::max();
        return s;
    }();
    return t;
}

const TTypeInfo* ShortStringType()
{
    static const TTypeInfo* t = [] {
        auto* s = new TTypeInfo;
        s->Kind = TTypeKind::tkString;
        s->Name = QStringLiteral("ShortString");
        s->MaxLength = 255;
        return s;
    }();
    return t;
}

} // namespace classlib
