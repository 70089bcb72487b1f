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

} // namespace classlib
