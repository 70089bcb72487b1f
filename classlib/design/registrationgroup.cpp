#include "classlib/design/registrationgroup.h"

#include "classlib/design/componenteditor.h"
#include "classlib/design/propertyeditorregistry.h"

namespace classlib {

void UnregisterGroup(TRegistrationGroup Group)
{
    UnregisterComponentEditorGroup(Group);
    UnregisterPropertyEditorGroup(Group);
    UnregisterClassGroup(Group);
}

} // namespace classlib
