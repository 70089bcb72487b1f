// The resource library: the textures (made at build time, see
// texturegen.cpp) and the entry every library of the designer binds with.

#include "classlib/system/libraryentry.h"
#include "designer/libraries/qxlibentries.h"

#include <type_traits>

extern "C" {

// Handed the designer's application and screen objects; the resources
// need neither.
int InitQXLibrary(void* /*Application*/, void* /*Screen*/, TQXEntryStatus* Status)
{
    return classlib::GuardEntry(Status, [] {});
}
}

static_assert(std::is_same_v<decltype(&InitQXLibrary), designer::TInitQXLibraryProc>);
