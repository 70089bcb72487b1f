#pragma once

#include "classlib/core/typinfo.h"

#include <functional>
#include <initializer_list>
#include <vector>

namespace classlib {

// The registry of classes that streams create by name. Names compare
// without regard to case. Registering the same class twice is harmless;
// another class of a registered name (a same-named class of another
// library) raises EFilerError "A class named %s already exists", and
// unregistering takes out exactly the class given, never a namesake.
void RegisterClass(const TClassInfo& Class);
void RegisterClasses(std::initializer_list<const TClassInfo*> Classes);
void UnregisterClass(const TClassInfo& Class);
void UnregisterClasses(std::initializer_list<const TClassInfo*> Classes);

// Every registered class, in no particular order.
std::vector<const TClassInfo*> RegisteredClassList();

// Null when no class of that name is registered.
const TClassInfo* GetClass(const QString& ClassName);
// EClassNotFound "Class %s not found" when none is registered.
const TClassInfo& FindClass(const QString& ClassName);

// How a reader turns a stored class name into a class: the runtime and the
// designer hold element classes of the same names, so a reader can be
// given its own resolver instead of the global registry.
using TClassResolver = std::function<const TClassInfo*(const QString& ClassName)>;

} // namespace classlib
