#pragma once

// Run-time type information as explicit tables: each streamable class states
// its published properties, methods and fields once (see classbuilder.h), and
// the streaming reader and writer, the inspector and the property editors all
// work from these tables.

#include "classlib/core/object.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <limits>
#include <memory>
#include <type_traits>
#include <vector>

namespace classlib {

class TClassInfo;
class TComponent;

enum class TTypeKind {
    tkUnknown,
    tkInteger,
    tkChar,
    tkEnumeration,
    tkFloat,
    tkString,  // short string, at most 255 characters
    tkSet,
    tkClass,
    tkMethod,
    tkLString,
    tkInt64,
};

enum class TOrdType { otSByte, otUByte, otSWord, otUWord, otSLong, otULong };
enum class TFloatType { ftSingle, ftDouble, ftExtended };

// Maps between an integer type's values and their registered names
// (colours, character sets). Both return false when there is no mapping.
using TIdentToInt = bool (*)(const QString& Ident, qint64& Value);
using TIntToIdent = bool (*)(qint64 Value, QString& Ident);

// One type identity. Two types with the same representation (Integer and
// TColor) are different TTypeInfo objects.
class TTypeInfo {
public:
    TTypeKind Kind = TTypeKind::tkUnknown;
    QString Name;

    // Ordinal kinds
    TOrdType OrdType = TOrdType::otSLong;
    qint64 MinValue = 0;
    qint64 MaxValue = 0;
    QStringList EnumNames;  // index = ordinal - MinValue
    const TTypeInfo* CompType = nullptr;  // set: element type

    // tkFloat
    TFloatType FloatType = TFloatType::ftDouble;

    // tkString
    int MaxLength = 255;

    // tkClass: resolved on use, because class tables refer to each other
    // (an element's parent is a container, a container is an element).
    const TClassInfo& (*ClassFn)() = nullptr;
    const TClassInfo* ClassType() const { return ClassFn ? &ClassFn() : nullptr; }

    // tkMethod: the identity of the handler's parameter list
    const void* Signature = nullptr;

    // Enumerations: the name of a value or empty, and the value of a name
    // compared without regard to case or -1.
    QString GetEnumName(qint64 Value) const;
    qint64 GetEnumValue(const QString& Name) const;

    // Integers with registered names
    TIdentToInt IdentToInt() const;
    TIntToIdent IntToIdent() const;
};

// Registers names for the values of an integer type (colours, character sets).
void RegisterIntegerConsts(const TTypeInfo* IntType, TIdentToInt IdentToInt, TIntToIdent IntToIdent);

// ---------------------------------------------------------------------------
// Sets of enumeration members, at most 32 members (the streamable limit).

template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> Items)
    {
        for (E e : Items) *this += e;
    }
    static constexpr TSet FromMask(quint32 m)
    {
        TSet s;
        s.FMask = m;
        return s;
    }
    constexpr quint32 Mask() const { return FMask; }
    constexpr bool Contains(E e) const { return (FMask >> static_cast<unsigned>(e)) & 1u; }
    constexpr bool Empty() const { return FMask == 0; }
    constexpr TSet& operator+=(E e)
    {
        FMask |= 1u << static_cast<unsigned>(e);
        return *this;
    }
    constexpr TSet& operator-=(E e)
    {
        FMask &= ~(1u << static_cast<unsigned>(e));
        return *this;
    }
    constexpr TSet operator+(TSet o) const { return FromMask(FMask | o.FMask); }
    constexpr TSet operator-(TSet o) const { return FromMask(FMask & ~o.FMask); }
    constexpr TSet operator*(TSet o) const { return FromMask(FMask & o.FMask); }
    constexpr bool operator==(const TSet&) const = default;

private:
    quint32 FMask = 0;
};

// ---------------------------------------------------------------------------
// Published methods and events.

// A published method: its name, the identity of its parameter list, and an
// invoker: a std::function<void(TObject*, Args...)> for that parameter list.
class TMethodInfo {
public:
    QString Name;
    const void* Signature = nullptr;
    std::shared_ptr<const void> Invoker;
    const TClassInfo* Owner = nullptr;
};

// A method pointer: which published method, bound to which instance.
struct TMethod {
    const TMethodInfo* Code = nullptr;
    TObject* Data = nullptr;
    bool Assigned() const { return Code != nullptr; }
    bool operator==(const TMethod&) const = default;
};

template <class... Args>
struct TSignatureId {
    static constexpr char Id = 0;
};
// The exact parameter list: a handler taking const QString& is not one taking
// QString&, since the event would call it through the wrong function type.
template <class... Args>
constexpr const void* SignatureOf()
{
    return &TSignatureId<Args...>::Id;
}

// An event property: a method pointer called with the event's arguments.
template <class... Args>
class TEvent : public TMethod {
public:
    using TInvoker = std::function<void(TObject*, Args...)>;
    static const void* Signature() { return SignatureOf<Args...>(); }

    TEvent() = default;
    TEvent(const TMethod& m) : TMethod(m) {}

    explicit operator bool() const { return Assigned(); }
    void operator()(Args... a) const
    {
        // Bindings check the signature, so the invoker has this parameter list.
        if (Code && Code->Signature == Signature())
            (*static_cast<const TInvoker*>(Code->Invoker.get()))(Data, a...);
    }
};

// A named event type: the parameter list of TEvent<Args...> under a type
// identity of its own, so that property editors registered for one event
// type never capture another's properties. Handlers bind by parameter list,
// as before:
//   QX_EVENT(TQXAfterPrint, TObject* /*Sender*/)
#define QX_EVENT(Type, ...)                                                    \
    class Type : public ::classlib::TEvent<__VA_ARGS__> {                      \
    public:                                                                    \
        using ::classlib::TEvent<__VA_ARGS__>::TEvent;                         \
    };                                                                         \
    inline const ::classlib::TTypeInfo* TypeInfoOf(Type*)                      \
    {                                                                          \
        static const ::classlib::TTypeInfo* t =                                \
            ::classlib::detail::MakeMethodType(Type::Signature(), #Type);      \
        return t;                                                              \
    }

namespace detail {
const TTypeInfo* MakeMethodType(const void* Signature, const char* Name = "TMethod");
}

QX_EVENT(TNotifyEvent, TObject* /*Sender*/)

// ---------------------------------------------------------------------------
// Published properties.

class TPropInfo {
public:
    QString Name;
    const TTypeInfo* PropType = nullptr;
    const TClassInfo* Owner = nullptr;

    // Declared default of an ordinal or set property; without one the
    // property is always written.
    bool HasDefault = false;
    qint64 Default = 0;

    // Null means stored always.
    std::function<bool(const TObject&)> IsStoredFn;
    bool IsStored(const TObject& Instance) const { return !IsStoredFn || IsStoredFn(Instance); }

    // Accessors of the property's kind; a missing setter makes it read-only.
    std::function<qint64(const TObject&)> GetOrd;
    std::function<void(TObject&, qint64)> SetOrd;
    std::function<long double(const TObject&)> GetFloat;
    std::function<void(TObject&, long double)> SetFloat;
    std::function<QString(const TObject&)> GetStr;
    std::function<void(TObject&, const QString&)> SetStr;
    // A string whose stream bytes the instance encodes and decodes itself
    // (text in a code page of its own); null for the ANSI code page.
    std::function<QByteArray(const TObject&)> GetBytes;
    std::function<void(TObject&, const QByteArray&)> SetBytes;
    std::function<TObject*(const TObject&)> GetObj;
    std::function<void(TObject&, TObject*)> SetObj;
    std::function<TMethod(const TObject&)> GetMethod;
    std::function<void(TObject&, const TMethod&)> SetMethod;

    TTypeKind Kind() const { return PropType ? PropType->Kind : TTypeKind::tkUnknown; }
    bool Writable() const;
};

// A published field: a component pointer of the owner that the reader and
// the owner keep pointing at the owned component of that name.
class TFieldInfo {
public:
    QString Name;
    const TClassInfo* FieldClass = nullptr;
    std::function<void(TObject&, TObject*)> Set;
    std::function<TObject*(const TObject&)> Get;
};

// ---------------------------------------------------------------------------
// Class information.

class TClassInfo {
public:
    using TFactory = TObject* (*)(TComponent* Owner);

    QString Name;
    const TClassInfo* Parent = nullptr;
    TFactory Factory = nullptr;  // null for abstract classes
    std::vector<std::unique_ptr<TPropInfo>> OwnProps;  // declaration order
    std::vector<std::unique_ptr<TMethodInfo>> Methods;
    std::vector<TFieldInfo> Fields;

    bool InheritsFrom(const TClassInfo* Class) const;
    // Steps up to Ancestor (0 for this class), or -1 when it is no ancestor.
    int InheritanceDistance(const TClassInfo* Ancestor) const;
    bool IsComponent() const;

    // Ancestors' properties first, then this class's, in declaration order.
    const std::vector<const TPropInfo*>& Props() const;
    // Compared without regard to case; null when absent.
    const TPropInfo* FindProp(QStringView Name) const;

    // Published methods of this class and its ancestors, by name without
    // regard to case, and the name of a method; null/empty when absent.
    const TMethodInfo* FindMethod(QStringView Name) const;
    QString MethodName(const TMethodInfo* Code) const;

    // Published fields, this class first, then ancestors.
    const TFieldInfo* FindField(QStringView Name) const;
    // The class of a published field whose class bears that name.
    const TClassInfo* FindFieldClass(QStringView ClassName) const;

    // Creates an instance; EComponentError when the class is abstract.
    TObject* Create(TComponent* Owner) const;

private:
    mutable std::vector<const TPropInfo*> FAllProps;
    mutable bool FAllPropsReady = false;
};

// ---------------------------------------------------------------------------
// Type identities of C++ types. TypeInfo<T>() finds TypeInfoOf(T*) by
// argument-dependent lookup, so a type declares its identity beside itself.

const TTypeInfo* TypeInfoOf(int*);
const TTypeInfo* TypeInfoOf(unsigned*);
const TTypeInfo* TypeInfoOf(qint16*);
const TTypeInfo* TypeInfoOf(quint16*);
const TTypeInfo* TypeInfoOf(qint8*);
const TTypeInfo* TypeInfoOf(quint8*);
const TTypeInfo* TypeInfoOf(qint64*);
const TTypeInfo* TypeInfoOf(char*);
const TTypeInfo* TypeInfoOf(bool*);
const TTypeInfo* TypeInfoOf(float*);
const TTypeInfo* TypeInfoOf(double*);
const TTypeInfo* TypeInfoOf(long double*);
const TTypeInfo* TypeInfoOf(QString*);

// Short strings: QString values stored as type tkString.
const TTypeInfo* ShortStringType();

using Extended = long double;

namespace detail {
const TTypeInfo* MakeEnumType(const char* Name, const char* CommaNames);
const TTypeInfo* MakeSetType(const TTypeInfo* CompType);
const TTypeInfo* MakeClassType(const TClassInfo& (*ClassFn)());
const TTypeInfo* MakeIntegerType(const char* Name, TOrdType OrdType, qint64 Min, qint64 Max);
const TTypeInfo* MakeStringType(const char* Name, TTypeKind Kind, int MaxLength);

template <class Rep>
constexpr TOrdType OrdTypeOf()
{
    if constexpr (sizeof(Rep) == 1)
        return std::is_signed_v<Rep> ? TOrdType::otSByte : TOrdType::otUByte;
    else if constexpr (sizeof(Rep) == 2)
        return std::is_signed_v<Rep> ? TOrdType::otSWord : TOrdType::otUWord;
    else
        return std::is_signed_v<Rep> ? TOrdType::otSLong : TOrdType::otULong;
}
}

// The kinds a property enumeration takes: TTypeKinds{tkInteger, tkFloat}.
using TTypeKinds = TSet<TTypeKind>;
// Every kind, and every kind but methods (the properties proper).
inline constexpr TTypeKinds tkAny = TTypeKinds::FromMask((1u << (unsigned(TTypeKind::tkInt64) + 1)) - 1);
inline constexpr TTypeKinds tkProperties = tkAny - TTypeKinds{TTypeKind::tkUnknown, TTypeKind::tkMethod};

template <class T>
const TTypeInfo* TypeInfo();

template <class E>
const TTypeInfo* TypeInfoOf(TSet<E>*)
{
    static const TTypeInfo* t = detail::MakeSetType(TypeInfo<E>());
    return t;
}

template <class C>
    requires std::is_base_of_v<TObject, C>
const TTypeInfo* TypeInfoOf(C**)
{
    static const TTypeInfo* t = detail::MakeClassType(&C::StaticClass);
    return t;
}

template <class... Args>
const TTypeInfo* TypeInfoOf(TEvent<Args...>*)
{
    static const TTypeInfo* t = detail::MakeMethodType(SignatureOf<Args...>());
    return t;
}

template <class T>
const TTypeInfo* TypeInfo()
{
    return TypeInfoOf(static_cast<T*>(nullptr));
}

// Declares an unscoped enumeration whose member names are its stored names:
//   QX_ENUM(TAlign, alNone, alTop, alBottom)
#define QX_ENUM(Type, ...)                                                     \
    enum Type : quint8 { __VA_ARGS__ };                                        \
    inline const ::classlib::TTypeInfo* TypeInfoOf(Type*)                      \
    {                                                                          \
        static const ::classlib::TTypeInfo* t =                                \
            ::classlib::detail::MakeEnumType(#Type, #__VA_ARGS__);             \
        return t;                                                              \
    }

// Declares a distinct integer type identity (TColor is not Integer):
//   QX_INTEGER_TYPE(TColor, qint32)
#define QX_INTEGER_TYPE(Type, Rep)                                             \
    QX_INTEGER_RANGE(Type, Rep, std::numeric_limits<Rep>::min(), std::numeric_limits<Rep>::max())

// A distinct integer type limited to Min..Max, which the reader and the
// property editors enforce: QX_INTEGER_RANGE(TTabOrder, qint16, -1, 32767)
#define QX_INTEGER_RANGE(Type, Rep, Min, Max)                                  \
    enum Type : Rep {};                                                        \
    inline const ::classlib::TTypeInfo* TypeInfoOf(Type*)                      \
    {                                                                          \
        static const ::classlib::TTypeInfo* t = ::classlib::detail::MakeIntegerType( \
            #Type, ::classlib::detail::OrdTypeOf<Rep>(), (Min), (Max));        \
        return t;                                                              \
    }

// A distinct string type identity with the value semantics of QString
// (TCaption is not string): QX_STRING_TYPE(TCaption, tkLString, 0x7FFFFFFF)
#define QX_STRING_TYPE(Type, Kind, MaxLength)                                  \
    class Type : public QString {                                              \
    public:                                                                    \
        using QString::QString;                                                \
        Type() = default;                                                      \
        Type(const QString& S) : QString(S) {}                                 \
    };                                                                         \
    inline const ::classlib::TTypeInfo* TypeInfoOf(Type*)                      \
    {                                                                          \
        static const ::classlib::TTypeInfo* t =                                \
            ::classlib::detail::MakeStringType(#Type, ::classlib::TTypeKind::Kind, (MaxLength)); \
        return t;                                                              \
    }

// Declares the run-time type information of a class; put it first in the
// class body. The table itself is written with TClassBuilder in the .cpp.
#define QX_CLASS(Class, Base)                                                  \
public:                                                                        \
    using inherited = Base;                                                    \
    static const ::classlib::TClassInfo& StaticClass();                        \
    const ::classlib::TClassInfo* ClassType() const override { return &StaticClass(); } \
                                                                               \
private:

} // namespace classlib

