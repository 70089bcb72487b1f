#include "ide/registration.h"

#include "ide/ideentries.h"
#include "ide/componenteditor.h"
#include "ide/controlswindow.h"
#include "ide/documentdialog.h"
#include "ide/methodproperty.h"
#include "ide/reportbridge.h"

#include "runtime/control.h"
#include "runtime/report.h"

#include "classlib/design/componenteditor.h"
#include "classlib/design/propertyeditorregistry.h"

using namespace classlib;

namespace ide {

void RegisterPackage(bool UseInternalRegister)
{
    Qxctlstb::Register();
    Frepprop::Register();
    Fprctrl::Register();
    if (UseInternalRegister)
        Cerpt::InternalRegister();
    else
        Cerpt::Register();
}

void UnregisterPackage()
{
    const TPropertyEditorClass method = PropertyEditorClass<TQXMethodProperty>();
    for (const TTypeInfo* type : {TypeInfo<runtime::TQXBeforePrint>(), TypeInfo<runtime::TQXAfterPrint>(),
                                  TypeInfo<runtime::TQXAskData>(), TypeInfo<runtime::TQXGetText>(),
                                  TypeInfo<runtime::TQXOwnerDraw>()})
        UnregisterPropertyEditor(type, nullptr, QString(), method);
    UnregisterPropertyEditor(TypeInfo<runtime::TQXReport*>(), &runtime::TQXReport::StaticClass(),
                             QStringLiteral("Document"), PropertyEditorClass<TQXDocumentProperty>());
    UnregisterPropertyEditor(TypeInfo<runtime::TQXReport*>(), &runtime::TQXReport::StaticClass(),
                             QStringLiteral("Controls"), PropertyEditorClass<TQXControlsProperty>());
    UnregisterComponentEditor(runtime::TQXReport::StaticClass(), ComponentEditorClass<TQXComponentEditor>());
}

void CloseWindows()
{
    while (TfrmPropControls* window = FindControlsEditor(nullptr)) CloseControlsWindow(window);
}

void DetachPackage()
{
    Cerpt::Reset();
    QXSetCloseControlEditor(nullptr);
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
