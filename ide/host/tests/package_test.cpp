// Loading the package: a library that cannot be loaded, or whose register
// entry is missing, leaves nothing loaded and nothing registered.

#include "ide/host/package.h"

#include "classlib/design/componenteditor.h"
#include "classlib/design/propertyeditorregistry.h"
#include "classlib/system/dll.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace idehost;

namespace {

TEST(Package, ALibraryThatCannotBeLoadedLeavesNothingBehind)
{
    struct {
        const char* Case;
        QString Library;
        QString Error;
    } const cases[] = {
        {"no such library", "no-such-package.dll", "Error loading library no-such-package.dll"},
        // The C library is there, but it is no package.
        {"no register entry", "libc.so.6", "Error accessing library function QXIdeRegister"},
    };
    const int untagged = PropertyEditorGroupCount(NoRegistrationGroup);
    for (const auto& c : cases) {
        TPackage package;
        try {
            package.Load(c.Library, false);
            ADD_FAILURE() << c.Case;
        } catch (const EDLLException& E) {
            EXPECT_EQ(E.Message, c.Error) << c.Case;
        }
        EXPECT_FALSE(package.Loaded()) << c.Case;
        EXPECT_EQ(package.LastGroup(), NoRegistrationGroup) << c.Case;
        EXPECT_EQ(PropertyEditorGroupCount(NoRegistrationGroup), untagged) << c.Case;
        // Nothing to unload.
        EXPECT_NO_THROW(package.Unload()) << c.Case;
    }
}

} // namespace
