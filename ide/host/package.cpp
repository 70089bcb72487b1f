#include "ide/host/package.h"

#include "ide/ideentries.h"

#include "classlib/design/registrationgroup.h"
#include "classlib/system/libraryentry.h"

#include <exception>

using namespace classlib;

namespace idehost {

TPackage::~TPackage()
{
    try {
        Unload();
    } catch (...) {
        // Going away regardless: the package has been let go as far as it could be.
    }
}

void TPackage::Load(const QString& LibraryName, bool InternalRegister)
{
    if (Loaded()) throw Exception("The package is already loaded");
    TDLLLoad load(LoadDLL(LibraryName));
    const TRegistrationGroup group = NewRegistrationGroup();
    try {
        TRegistrationGroupScope scope(group);
        CallEntry<TQXIdeRegisterProc>(load.Handle(), ide::IdeRegisterEntry, InternalRegister ? 1 : 0);
    } catch (...) {
        UnregisterGroup(group);
        try {
            CallEntry<TQXIdeDetachProc>(load.Handle(), ide::IdeDetachEntry);
        } catch (...) {
            // The registration's failure is the one to report.
        }
        throw;
    }
    FHandle = load.Release();
    FGroup = group;
    FLastGroup = group;
}

void TPackage::Unload()
{
    if (!Loaded()) return;
    std::exception_ptr first;
    auto step = [&](auto&& Proc) {
        try {
            Proc();
        } catch (...) {
            if (!first) first = std::current_exception();
        }
    };
    step([&] { CallEntry<TQXIdeCloseWindowsProc>(FHandle, ide::IdeCloseWindowsEntry); });
    step([&] { UnregisterGroup(FGroup); });
    step([&] { CallEntry<TQXIdeDetachProc>(FHandle, ide::IdeDetachEntry); });
    UnloadDLL(FHandle);
    FHandle = nullptr;
    FGroup = NoRegistrationGroup;
    if (first) std::rethrow_exception(first);
}

} // namespace idehost
