#pragma once

// Binds the designer's own libraries (qxui, qxres): found through the
// installation folder the registry names, then initialised with the
// designer's application and screen objects.

#include "classlib/system/dll.h"

#include <QString>

namespace designer {

inline constexpr const char* InstallationKey = "\\Software\\Vorn\\Tessary\\1.12\\Delphi";
inline constexpr const char* BinaryPathValue = "Binary Path";

// The installation folder: "Binary Path" of InstallationKey when it is an
// absolute path; empty when the key or value is missing, or when the value
// is empty, relative or no string (a setting that cannot be trusted to
// name a place).
QString InstallationFolder();

// Loads Name from the installation folder (by plain name, through the
// loader's search, without one) and runs its InitQXLibrary. The caller
// unloads it. EDLLException when it cannot be loaded or has no
// InitQXLibrary; a failing InitQXLibrary unloads it and its error passes on.
classlib::TDLLHandle LoadQXLibrary(const QString& Name);

} // namespace designer
