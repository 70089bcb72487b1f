#pragma once

// The C entries of the user-interface library (qxui) and the resource
// library (qxres), as the designer calls them. Each reports through the
// status of libraryentry.h; results come back through pointers.

#include "classlib/system/libraryentry.h"

namespace designer {

inline constexpr const char* InitQXLibraryEntry = "InitQXLibrary";
inline constexpr const char* ShowAboutEntry = "ShowAbout";
inline constexpr const char* ShowSplashFormEntry = "ShowSplashForm";
inline constexpr const char* HideSplashFormEntry = "HideSplashForm";
inline constexpr const char* EditOptionsEntry = "EditOptions";

extern "C" {
// Handed the designer's application object and its screen object.
using TInitQXLibraryProc = int (*)(void* Application, void* Screen, TQXEntryStatus* Status);
using TShowAboutProc = int (*)(TQXEntryStatus* Status);
using TShowSplashFormProc = int (*)(TQXEntryStatus* Status);
using THideSplashFormProc = int (*)(TQXEntryStatus* Status);
// Edits the four options in place; *Accepted tells whether the user did.
using TEditOptionsProc = int (*)(bool* ShowGrid, bool* ShowCaptions, bool* ConfirmDelete,
                                 bool* AutoPreview, bool* Accepted, TQXEntryStatus* Status);
}

} // namespace designer
