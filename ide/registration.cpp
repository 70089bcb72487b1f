#include "ide/registration.h"

#include "ide/ideentries.h"
#include "ide/methodproperty.h"

#include "runtime/control.h"

#include "classlib/design/propertyeditorregistry.h"

using namespace classlib;

namespace ide {

void RegisterPackage(bool UseInternalRegister)
{
    (void)UseInternalRegister;
    Qxctlstb::Register();
}

void UnregisterPackage(bool UseInternalRegister)
{
    (void)UseInternalRegister;
    const TPropertyEditorClass method = PropertyEditorClass<TQXMethodProperty>();
    for (const TTypeInfo* type : {TypeInfo<runtime::TQXBeforePrint>(), TypeInfo<runtime::TQXAfterPrint>(),
                                  TypeInfo<runtime::TQXAskData>(), TypeInfo<runtime::TQXGetText>(),
                                  TypeInfo<runtime::TQXOwnerDraw>()})
        UnregisterPropertyEditor(type, nullptr, QString(), method);
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
