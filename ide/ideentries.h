#pragma once

// The entries of the development-environment package qxide4, which a host
// loads with dlopen. Every entry follows the protocol of libraryentry.h: it
// fills Status (never null) and returns its Code; no exception leaves it.
//
// Static initialisers do not run again when the library is loaded anew
// after it was unloaded, so every registration and every state of the
// package's units is made by QXIdeRegister and undone by QXIdeDetach.

#include "classlib/system/libraryentry.h"

extern "C" {

// Registers the package's editors, in this order: the method property for
// the five element event types, the "Document" property, the "Controls"
// property (also installing the procedure that closes a report's controls
// window before its document is edited), and the report's component
// editor; with UseInternalRegister != 0 the component editor is registered
// without the "Controls..." verb. The host tags the registrations itself
// and takes them back when it unloads the package.
__attribute__((visibility("default"))) int QXIdeRegister(int UseInternalRegister, TQXEntryStatus* Status);

// Closes and frees every window of the package that is open.
__attribute__((visibility("default"))) int QXIdeCloseWindows(TQXEntryStatus* Status);

// Resets every state of the package's units (flags, installed procedures),
// as before QXIdeRegister.
__attribute__((visibility("default"))) int QXIdeDetach(TQXEntryStatus* Status);

// Types of the entries, for GetDLLProc.
using TQXIdeRegisterProc = int (*)(int UseInternalRegister, TQXEntryStatus* Status);
using TQXIdeCloseWindowsProc = int (*)(TQXEntryStatus* Status);
using TQXIdeDetachProc = int (*)(TQXEntryStatus* Status);
}

namespace ide {

inline constexpr const char* IdeRegisterEntry = "QXIdeRegister";
inline constexpr const char* IdeCloseWindowsEntry = "QXIdeCloseWindows";
inline constexpr const char* IdeDetachEntry = "QXIdeDetach";
// The package's file name, for LoadDLL.
inline constexpr const char* IdePackageName = "qxide4.dll";

} // namespace ide
