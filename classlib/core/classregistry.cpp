#include "classlib/core/classregistry.h"

#include "classlib/core/sysutils.h"

#include <QHash>

namespace classlib {

namespace {

// Keyed by the upper-cased name: names compare without regard to case.
QHash<QString, const TClassInfo*>& Registry()
{
    static QHash<QString, const TClassInfo*> classes;
    return classes;
}

} // namespace

void RegisterClass(const TClassInfo& Class)
{
    const QString key = UpperCase(Class.Name);
    auto it = Registry().constFind(key);
    if (it != Registry().constEnd()) {
        if (*it == &Class) return;
        throw EFilerError(Format("A class named %s already exists", {Class.Name}));
    }
    Registry().insert(key, &Class);
}

void RegisterClasses(std::initializer_list<const TClassInfo*> Classes)
{
    for (const TClassInfo* c : Classes) RegisterClass(*c);
}

void UnregisterClass(const TClassInfo& Class)
{
    const QString key = UpperCase(Class.Name);
    auto it = Registry().find(key);
    if (it != Registry().end() && *it == &Class) Registry().erase(it);
}

void UnregisterClasses(std::initializer_list<const TClassInfo*> Classes)
{
    for (const TClassInfo* c : Classes) UnregisterClass(*c);
}

std::vector<const TClassInfo*> RegisteredClassList()
{
    const QList<const TClassInfo*> classes = Registry().values();
    return {classes.begin(), classes.end()};
}

const TClassInfo* GetClass(const QString& ClassName)
{
    return Registry().value(UpperCase(ClassName), nullptr);
}

const TClassInfo& FindClass(const QString& ClassName)
{
    const TClassInfo* c = GetClass(ClassName);
    if (!c) throw EClassNotFound(Format("Class %s not found", {ClassName}));
    return *c;
}

} // namespace classlib
