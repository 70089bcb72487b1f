#include "ide/registration.h"

#include "ide/ideentries.h"

using namespace classlib;

namespace ide {

void RegisterPackage(bool)
{
}

void CloseWindows()
{
}

void DetachPackage()
{
}

} // namespace ide

extern "C" int QXIdeRegister(int UseInternalRegister, TQXEntryStatus* Status)
{
    return GuardEntry(Status, [&] { ide::RegisterPackage(UseInternalRegister != 0); });
}

extern "C" int QXIdeCloseWindows(TQXEntryStatus* Status)
{
    return GuardEntry(Status, [] { ide::CloseWindows(); });
}

extern "C" int QXIdeDetach(TQXEntryStatus* Status)
{
    return GuardEntry(Status, [] { ide::DetachPackage(); });
}
