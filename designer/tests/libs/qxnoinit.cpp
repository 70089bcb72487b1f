// A library that lacks the InitQXLibrary every designer library has.

#include "classlib/system/libraryentry.h"

extern "C" int ShowAbout(TQXEntryStatus* Status)
{
    return classlib::GuardEntry(Status, [] {});
}
