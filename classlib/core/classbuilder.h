#pragma once

// Writing a class's run-time type information:
//
//   const TClassInfo& TQXHost::StaticClass()
//   {
//       static const TClassInfo& info = TClassBuilder<TQXHost>("TQXHost")
//           .Prop("QXLeftMargin", &TQXHost::FQXLeftMargin)
//           .Prop("PageCount", &TQXHost::GetPageCount, &TQXHost::SetPageCount)
//           .Prop("Visible", &TFoo::FVisible).Default(true)
//           .Method("Button1Click", &TForm1::Button1Click)
//           .Build();
//       return info;
//   }
//
// Types come from the C++ member types (TypeInfo<T>()); .Type() overrides.

#include "classlib/core/component.h"
#include "classlib/core/persistent.h"
#include "classlib/core/typinfo.h"

#include <concepts>
#include <type_traits>

namespace classlib {

namespace detail {

template <class T>
struct IsSet : std::false_type {};
template <class E>
struct IsSet<TSet<E>> : std::true_type {};

// TEvent<...> itself or a named event type (QX_EVENT).
template <class T>
struct IsEvent : std::is_base_of<TMethod, T> {};

template <class T>
constexpr bool IsOrdinal = std::is_integral_v<T> || std::is_enum_v<T> || IsSet<T>::value;

template <class T>
qint64 ToOrd(const T& v)
{
    if constexpr (IsSet<T>::value)
        return qint64(v.Mask());
    else if constexpr (std::is_same_v<T, char>)
        return qint64(static_cast<unsigned char>(v));  // Char is 0..255
    else
        return qint64(v);
}

template <class T>
T FromOrd(qint64 v)
{
    if constexpr (IsSet<T>::value)
        return T::FromMask(quint32(v));
    else if constexpr (std::is_same_v<T, bool>)
        return v != 0;
    else
        return static_cast<T>(v);
}

template <class C, class F>
struct TypeOfGetter;
// The getter may belong to a base class (inherited properties published again).
template <class C, class B, class R>
struct TypeOfGetter<C, R (B::*)() const> {
    using type = std::remove_cvref_t<R>;
};

template <class S>
struct ArgOfSetter;
template <class C, class P>
struct ArgOfSetter<void (C::*)(P)> {
    using type = std::remove_cvref_t<P>;
};

} // namespace detail

class TClassBuilderBase {
public:
    explicit TClassBuilderBase(const char* Name, const TClassInfo* Parent, TClassInfo::TFactory Factory);

    // An ancestor's property declared again as it stands, so that the
    // modifiers can change it for this class (Restate("Left").Stored(false)).
    // A name no ancestor publishes is a programming error: it aborts.
    TClassBuilderBase& Restate(const QString& Name);

    // Modifiers of the property declared last.
    TClassBuilderBase& Default(qint64 Value);
    TClassBuilderBase& NoDefault();
    TClassBuilderBase& Stored(bool Value);
    TClassBuilderBase& Type(const TTypeInfo* TypeInfo);

    const TClassInfo& Build();

protected:
    TPropInfo& NewProp(const char* Name, const TTypeInfo* Type);
    TPropInfo& Last();
    void AddMethod(const char* Name, const void* Signature, std::shared_ptr<const void> Invoker);
    void AddField(TFieldInfo Field);

    TClassInfo* FInfo;
};

template <class C>
class TClassBuilder : public TClassBuilderBase {
public:
    using Self = TClassBuilder<C>;

    explicit TClassBuilder(const char* Name)
        : TClassBuilderBase(Name, &C::inherited::StaticClass(), FactoryFor())
    {
    }

    // A property read and written through a field.
    template <class M>
        requires(!std::is_function_v<M>)
    Self& Prop(const char* Name, M C::*Field)
    {
        TPropInfo& p = NewProp(Name, TypeInfo<M>());
        Bind<M>(p, [Field](const C& o) -> M { return o.*Field; },
                [Field](C& o, const M& v) { AssignField(o.*Field, v); });
        return *this;
    }

    // A property read through a getter and written through a setter (or
    // read-only when Setter is nullptr).
    template <class G, class S = std::nullptr_t>
        requires std::is_member_function_pointer_v<G>
    Self& Prop(const char* Name, G Getter, S Setter = nullptr)
    {
        using M = typename detail::TypeOfGetter<C, G>::type;
        TPropInfo& p = NewProp(Name, TypeInfo<M>());
        std::function<void(C&, const M&)> set;
        if constexpr (!std::is_null_pointer_v<S>)
            set = [Setter](C& o, const M& v) { (o.*Setter)(v); };
        Bind<M>(p, [Getter](const C& o) -> M { return (o.*Getter)(); }, set);
        return *this;
    }

    // One of several properties that share accessors taking an index first
    // (the millimetre sides of a box).
    template <class M, class B>
    Self& Prop(const char* Name, int Index, M (B::*Getter)(int) const, void (B::*Setter)(int, M))
    {
        TPropInfo& p = NewProp(Name, TypeInfo<M>());
        Bind<M>(p, [Getter, Index](const C& o) -> M { return (o.*Getter)(Index); },
                [Setter, Index](C& o, const M& v) { (o.*Setter)(Index, v); });
        return *this;
    }

    // A property read through a field and written through a setter.
    template <class M, class S>
        requires(!std::is_function_v<M> && std::is_member_function_pointer_v<S>)
    Self& Prop(const char* Name, M C::*Field, S Setter)
    {
        TPropInfo& p = NewProp(Name, TypeInfo<M>());
        Bind<M>(p, [Field](const C& o) -> M { return o.*Field; },
                [Setter](C& o, const M& v) { (o.*Setter)(v); });
        return *this;
    }

    // Stored only when the predicate says so.
    template <class P>
        requires std::is_member_function_pointer_v<P>
    Self& StoredIf(P Predicate)
    {
        Last().IsStoredFn = [Predicate](const TObject& o) {
            return (static_cast<const C&>(o).*Predicate)();
        };
        return *this;
    }

    // The string property declared last is streamed as the bytes Getter
    // gives and read back through Setter.
    Self& Encoded(QByteArray (C::*Getter)() const, void (C::*Setter)(const QByteArray&))
    {
        Last().GetBytes = [Getter](const TObject& o) { return (static_cast<const C&>(o).*Getter)(); };
        Last().SetBytes = [Setter](TObject& o, const QByteArray& v) { (static_cast<C&>(o).*Setter)(v); };
        return *this;
    }

    Self& Restate(const QString& Name) { return static_cast<Self&>(TClassBuilderBase::Restate(Name)); }
    Self& Default(qint64 Value) { return static_cast<Self&>(TClassBuilderBase::Default(Value)); }
    Self& NoDefault() { return static_cast<Self&>(TClassBuilderBase::NoDefault()); }
    Self& Stored(bool Value) { return static_cast<Self&>(TClassBuilderBase::Stored(Value)); }
    Self& Type(const TTypeInfo* T) { return static_cast<Self&>(TClassBuilderBase::Type(T)); }

    // A published method, callable through events of the same parameter list.
    template <class... A>
    Self& Method(const char* Name, void (C::*M)(A...))
    {
        auto invoker = std::make_shared<const std::function<void(TObject*, A...)>>(
            [M](TObject* Self_, A... a) { (static_cast<C*>(Self_)->*M)(a...); });
        AddMethod(Name, SignatureOf<A...>(), invoker);
        return *this;
    }

    // A published field naming an owned component.
    template <class F>
        requires std::is_base_of_v<TComponent, F>
    Self& Field(const char* Name, F* C::*Member)
    {
        TFieldInfo f;
        f.Name = QString::fromLatin1(Name);
        f.FieldClass = &F::StaticClass();
        f.Set = [Member](TObject& o, TObject* v) {
            static_cast<C&>(o).*Member = dynamic_cast<F*>(v);
        };
        f.Get = [Member](const TObject& o) -> TObject* { return static_cast<const C&>(o).*Member; };
        AddField(std::move(f));
        return *this;
    }

private:
    static TClassInfo::TFactory FactoryFor()
    {
        if constexpr (std::is_abstract_v<C>)
            return nullptr;
        else if constexpr (std::is_constructible_v<C, TComponent*>)
            return [](TComponent* Owner) -> TObject* { return new C(Owner); };
        else if constexpr (std::is_default_constructible_v<C>)
            return [](TComponent*) -> TObject* { return new C(); };
        else
            return nullptr;
    }

    template <class M>
    static void AssignField(M& Field, const M& Value)
    {
        if constexpr (std::is_pointer_v<M> &&
                      std::is_base_of_v<TPersistent, std::remove_pointer_t<M>> &&
                      !std::is_base_of_v<TComponent, std::remove_pointer_t<M>>) {
            // A persistent sub-object keeps its identity and copies the value.
            if (Field)
                Field->Assign(Value);
            else
                Field = Value;
        } else {
            Field = Value;
        }
    }

    template <class M>
    static void Bind(TPropInfo& p, std::function<M(const C&)> get,
                     std::function<void(C&, const M&)> set)
    {
        if constexpr (detail::IsOrdinal<M>) {
            p.GetOrd = [get](const TObject& o) { return detail::ToOrd(get(static_cast<const C&>(o))); };
            if (set)
                p.SetOrd = [set](TObject& o, qint64 v) { set(static_cast<C&>(o), detail::FromOrd<M>(v)); };
        } else if constexpr (std::is_floating_point_v<M>) {
            p.GetFloat = [get](const TObject& o) { return (long double)get(static_cast<const C&>(o)); };
            if (set)
                p.SetFloat = [set](TObject& o, long double v) { set(static_cast<C&>(o), M(v)); };
        } else if constexpr (std::is_base_of_v<QString, M>) {
            // QString or a named string type (QX_STRING_TYPE)
            p.GetStr = [get](const TObject& o) -> QString { return get(static_cast<const C&>(o)); };
            if (set)
                p.SetStr = [set](TObject& o, const QString& v) { set(static_cast<C&>(o), M(v)); };
        } else if constexpr (std::is_pointer_v<M>) {
            using T = std::remove_pointer_t<M>;
            static_assert(std::is_base_of_v<TObject, T>);
            p.GetObj = [get](const TObject& o) -> TObject* { return get(static_cast<const C&>(o)); };
            if (set)
                p.SetObj = [set](TObject& o, TObject* v) {
                    M typed = dynamic_cast<M>(v);
                    if (v && !typed) return;  // wrong class: refused by the reader beforehand
                    set(static_cast<C&>(o), typed);
                };
        } else if constexpr (detail::IsEvent<M>::value) {
            p.GetMethod = [get](const TObject& o) -> TMethod { return get(static_cast<const C&>(o)); };
            if (set)
                p.SetMethod = [set](TObject& o, const TMethod& v) { set(static_cast<C&>(o), M(v)); };
        } else {
            static_assert(sizeof(M) == 0, "unsupported property type");
        }
    }
};

} // namespace classlib
