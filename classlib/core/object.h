#pragma once

#include <QString>

namespace classlib {

class TClassInfo;

// Root of every class-library object. Run-time type information is opt-in:
// classes that stream or are looked up by name declare a TClassInfo
// (typinfo.h); the rest report TObject's own.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TClassInfo& StaticClass();
    virtual const TClassInfo* ClassType() const { return &StaticClass(); }
    QString ClassName() const;
    bool InheritsFrom(const TClassInfo* Class) const;
};

// Obj as a T, or null: a walk up the type tables with a pointer compare a
// step, where dynamic_cast between libraries compares type names. T must
// declare its table; a class that declares none answers as its nearest
// ancestor that does, which it is.
template <class T>
T* As(TObject* Obj)
{
    return Obj && Obj->InheritsFrom(&T::StaticClass()) ? static_cast<T*>(Obj) : nullptr;
}

template <class T>
const T* As(const TObject* Obj)
{
    return Obj && Obj->InheritsFrom(&T::StaticClass()) ? static_cast<const T*>(Obj) : nullptr;
}

} // namespace classlib
