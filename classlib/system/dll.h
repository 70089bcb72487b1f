#pragma once

// Libraries loaded at run time. The program names its libraries as
// "qxui.dll"; LibraryFileName maps such a name to the shared object that
// holds it here ("libqxui.so"), a folder in front staying where it is.
//
// A library may export two entries that stand in for library
// initialisation and finalisation:
//   int QXLibraryAttach(TQXEntryStatus* Status)   after it is first loaded
//   int QXLibraryDetach(TQXEntryStatus* Status)   before it is last unloaded
// Both follow the entry protocol of libraryentry.h. Libraries stay mapped
// once loaded (RTLD_NODELETE), so detach is where a library lets go of
// what attach set up.

#include "classlib/core/sysutils.h"

#include <QString>

namespace classlib {

class EDLLException : public Exception { public: using Exception::Exception; };

// A loaded library; nullptr for none.
using TDLLHandle = void*;

inline constexpr const char* LibraryAttachEntry = "QXLibraryAttach";
inline constexpr const char* LibraryDetachEntry = "QXLibraryDetach";

// "x.dll" (any case) becomes "libx.so" in the same folder; other names
// stay as they are.
QString LibraryFileName(const QString& Name);

// Loads the library Name (a plain name or a path; see LibraryFileName).
// A plain name is looked for first in the folder of the library or program
// that calls LoadDLL, then through the system's search. Runs the attach
// entry when this is the library's first load. EDLLException
// "Error loading library %s" with Name when it cannot be loaded; a failing
// attach entry unloads it again and raises what it reported.
TDLLHandle LoadDLL(const QString& Name);
// Releases one load; the last runs the detach entry. Failures go unreported.
void UnloadDLL(TDLLHandle Handle);
// The entry's address. EDLLException "Error accessing library function %s"
// with ProcName when Handle is nullptr or the library has no such entry.
void* GetDLLProc(TDLLHandle Handle, const QString& ProcName);

// The entry of type Proc (a function pointer type).
template <class Proc>
Proc GetDLLProc(TDLLHandle Handle, const QString& ProcName)
{
    return reinterpret_cast<Proc>(GetDLLProc(Handle, ProcName));
}

// One load of a library, unloaded when the object goes (also while an
// exception passes); Release hands the load over to the caller.
class TDLLLoad {
public:
    explicit TDLLLoad(TDLLHandle Handle) : FHandle(Handle) {}
    ~TDLLLoad() { UnloadDLL(FHandle); }
    TDLLLoad(const TDLLLoad&) = delete;
    TDLLLoad& operator=(const TDLLLoad&) = delete;

    TDLLHandle Handle() const { return FHandle; }
    TDLLHandle Release()
    {
        TDLLHandle h = FHandle;
        FHandle = nullptr;
        return h;
    }

private:
    TDLLHandle FHandle;
};

} // namespace classlib
