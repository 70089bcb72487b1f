#pragma once

// Taking back a library's registrations: every class, property editor and
// component editor registered while its group was current
// (classlib/core/registrationgroup.h).

#include "classlib/core/registrationgroup.h"

namespace classlib {

void UnregisterGroup(TRegistrationGroup Group);

} // namespace classlib
