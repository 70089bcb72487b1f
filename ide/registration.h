#pragma once

// What the package's entries run: the units' registrations in the order the
// development environment calls them, and the reset of every unit state.

namespace ide {

// UseInternalRegister: the component editor without the "Controls..." verb.
void RegisterPackage(bool UseInternalRegister);
// Takes back what RegisterPackage registered (the host does it itself,
// by the group it tags them with).
void UnregisterPackage();
void CloseWindows();
void DetachPackage();

} // namespace ide
