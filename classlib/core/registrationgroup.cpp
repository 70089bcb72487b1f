#include "classlib/core/registrationgroup.h"

namespace classlib {

namespace {

TRegistrationGroup& Current()
{
    static TRegistrationGroup group = NoRegistrationGroup;
    return group;
}

} // namespace

TRegistrationGroup NewRegistrationGroup()
{
    static TRegistrationGroup last = NoRegistrationGroup;
    return ++last;
}

TRegistrationGroup CurrentRegistrationGroup()
{
    return Current();
}

TRegistrationGroup SetCurrentRegistrationGroup(TRegistrationGroup Group)
{
    const TRegistrationGroup previous = Current();
    Current() = Group;
    return previous;
}

} // namespace classlib
