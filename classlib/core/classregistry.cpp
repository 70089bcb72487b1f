#include "classlib/core/classregistry.h"

#include "classlib/core/registrationgroup.h"
#include "classlib/core/sysutils.h"

#include <QHash>

namespace classlib {

namespace {

struct TRegisteredClass {
    const TClassInfo* Class;
    // The group of the first registration: a later one of the same class
    // by another group does not take it over.
    TRegistrationGroup Group;
};

// Keyed by the upper-cased name: names compare without regard to case.
QHash<QString, TRegisteredClass>& Registry()
{
    static QHash<QString, TRegisteredClass> classes;
    return classes;
}

} // namespace

void RegisterClass(const TClassInfo& Class)
{
    const QString key = UpperCase(Class.Name);
    auto it = Registry().constFind(key);
    if (it != Registry().constEnd()) {
        if (it->Class == &Class) return;
        throw EFilerError(Format("A class named %s already exists", {Class.Name}));
    }
    Registry().insert(key, {&Class, CurrentRegistrationGroup()});
}

void RegisterClasses(std::initializer_list<const TClassInfo*> Classes)
{
    for (const TClassInfo* c : Classes) RegisterClass(*c);
}

void UnregisterClass(const TClassInfo& Class)
{
    const QString key = UpperCase(Class.Name);
    auto it = Registry().find(key);
    if (it != Registry().end() && it->Class == &Class) Registry().erase(it);
}

void UnregisterClassGroup(TRegistrationGroup Group)
{
    if (Group == NoRegistrationGroup) return;
    Registry().removeIf([Group](const auto& Entry) { return Entry.value().Group == Group; });
}

void UnregisterClasses(std::initializer_list<const TClassInfo*> Classes)
{
    for (const TClassInfo* c : Classes) UnregisterClass(*c);
}

std::vector<const TClassInfo*> RegisteredClassList()
{
    std::vector<const TClassInfo*> classes;
    classes.reserve(Registry().size());
    for (const TRegisteredClass& entry : Registry()) classes.push_back(entry.Class);
    return classes;
}

const TClassInfo* GetClass(const QString& ClassName)
{
    const auto it = Registry().constFind(UpperCase(ClassName));
    return it == Registry().constEnd() ? nullptr : it->Class;
}

const TClassInfo& FindClass(const QString& ClassName)
{
    const TClassInfo* c = GetClass(ClassName);
    if (!c) throw EClassNotFound(Format("Class %s not found", {ClassName}));
    return *c;
}

} // namespace classlib
