#pragma once

// The development-environment package, loaded and unloaded at run time.
// Its registrations are tagged with a registration group of its own, so
// that unloading takes back every one of them; the library stays mapped
// (RTLD_NODELETE), so its static initialisers never run again and every
// registration and unit state is made by its register entry and undone by
// its detach entry.

#include "classlib/core/registrationgroup.h"
#include "classlib/system/dll.h"

#include <QString>

namespace idehost {

class TPackage {
public:
    TPackage() = default;
    ~TPackage();
    TPackage(const TPackage&) = delete;
    TPackage& operator=(const TPackage&) = delete;

    // Loads the library (a plain name or a path) and registers it; with
    // InternalRegister the component editor comes without the controls
    // window's verb. A failure leaves nothing registered or loaded.
    void Load(const QString& LibraryName, bool InternalRegister);
    // Closes the package's windows, takes back its registrations, lets it
    // reset its state and unloads it; nothing when it is not loaded. Every
    // step runs even when one before it failed; the first failure is raised
    // at the end.
    void Unload();

    bool Loaded() const { return FHandle != nullptr; }
    classlib::TRegistrationGroup Group() const { return FGroup; }
    // The group of the last load, also once unloaded.
    classlib::TRegistrationGroup LastGroup() const { return FLastGroup; }

private:
    classlib::TDLLHandle FHandle = nullptr;
    classlib::TRegistrationGroup FGroup = classlib::NoRegistrationGroup;
    classlib::TRegistrationGroup FLastGroup = classlib::NoRegistrationGroup;
};

} // namespace idehost
