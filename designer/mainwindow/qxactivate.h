#pragma once

// The designer library's entry: runs the designer's main window modally on
// the document FileName (null: none) and returns when it closes. Embedded,
// the designer edits that file for its caller; WithSplash shows the splash
// form while it starts. No exception leaves it: failures are shown
// through the application's exception display.

#include "classlib/system/libraryentry.h"

extern "C" {
// The library's initialisation and finalisation (classlib/system/dll.h):
// the designer's registrations are made on a load and taken back when the
// library goes, so its host keeps none of them.
__attribute__((visibility("default"))) int QXLibraryAttach(TQXEntryStatus* Status);
__attribute__((visibility("default"))) int QXLibraryDetach(TQXEntryStatus* Status);

__attribute__((visibility("default"))) void QXActivate(const char* FileName, unsigned char Embedded,
                                                       unsigned char WithSplash) noexcept;
}
