#pragma once

// Registration groups: a library that registers classes and editors while a
// group is current can have every one of them taken back at once, by
// UnregisterGroup (classlib/design/registrationgroup.h), when it is unloaded.
// Group 0 is no group: what is registered under it stays for good.

namespace classlib {

using TRegistrationGroup = int;

inline constexpr TRegistrationGroup NoRegistrationGroup = 0;

// A group number that was never handed out before.
TRegistrationGroup NewRegistrationGroup();
// The group that registrations are tagged with now.
TRegistrationGroup CurrentRegistrationGroup();
// Makes Group current; gives back the one current before.
TRegistrationGroup SetCurrentRegistrationGroup(TRegistrationGroup Group);

// Makes a group current for as long as it lives (also while an exception
// passes).
class TRegistrationGroupScope {
public:
    explicit TRegistrationGroupScope(TRegistrationGroup Group)
        : FPrevious(SetCurrentRegistrationGroup(Group))
    {
    }
    ~TRegistrationGroupScope() { SetCurrentRegistrationGroup(FPrevious); }
    TRegistrationGroupScope(const TRegistrationGroupScope&) = delete;
    TRegistrationGroupScope& operator=(const TRegistrationGroupScope&) = delete;

private:
    TRegistrationGroup FPrevious;
};

// Unregisters every class that was first registered while Group was current.
void UnregisterClassGroup(TRegistrationGroup Group);

} // namespace classlib
