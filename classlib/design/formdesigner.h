#pragma once

// The form-designer interface: what property and component editors ask of
// the designer of the form they edit (selection, names, methods). A concrete
// designer supplies every operation; one that cannot serve an operation
// raises.

#include "classlib/controls/designer.h"
#include "classlib/core/typinfo.h"

#include <QString>

#include <functional>

namespace classlib {

class TComponentList;
class TDesignerSelectionList;
class TPersistent;

// Called once for each name of an enumeration.
using TGetStrProc = std::function<void(const QString& S)>;

class TFormDesigner : public TDesigner {
public:
    TFormDesigner() = default;
    ~TFormDesigner() override;

    // Methods of the form: TypeData is the type of the event that a method
    // is to handle.
    virtual TMethod CreateMethod(const QString& Name, const TTypeInfo* TypeData) = 0;
    virtual QString GetMethodName(const TMethod& Method) = 0;
    virtual void GetMethods(const TTypeInfo* TypeData, const TGetStrProc& Proc) = 0;
    virtual QString GetPrivateDirectory() = 0;
    // Appends the selected components to List.
    virtual void GetSelections(TDesignerSelectionList* List) = 0;
    virtual bool MethodExists(const QString& Name) = 0;
    virtual void RenameMethod(const QString& CurName, const QString& NewName) = 0;
    virtual void SelectComponent(TComponent* Instance) = 0;
    virtual void SetSelections(TDesignerSelectionList* List) = 0;
    virtual void ShowMethod(const QString& Name) = 0;
    // A component name that is free on the form.
    virtual QString UniqueName(const QString& BaseName) = 0;
    // TypeData is a class type: the names of the form's components of that
    // class or a descendant.
    virtual void GetComponentNames(const TTypeInfo* TypeData, const TGetStrProc& Proc) = 0;
    virtual TComponent* GetComponent(const QString& Name) = 0;
    virtual QString GetComponentName(TComponent* Component) = 0;
    virtual TPersistent* GetObject(const QString& Name) = 0;
    virtual QString GetObjectName(TPersistent* Instance) = 0;
    virtual void GetObjectNames(const TTypeInfo* TypeData, const TGetStrProc& Proc) = 0;
    virtual bool MethodFromAncestor(const TMethod& Method) = 0;
    virtual TComponent* CreateComponent(const TClassInfo& ComponentClass, TComponent* Parent, int Left,
                                        int Top, int Width, int Height) = 0;
    virtual bool IsComponentLinkable(TComponent* Component) = 0;
    virtual void MakeComponentLinkable(TComponent* Component) = 0;
    virtual TComponent* GetRoot() = 0;
    virtual void Revert(TPersistent* Instance, const TPropInfo* PropInfo) = 0;
    virtual bool GetIsDormant() = 0;
    virtual bool HasInterface() = 0;
    virtual bool HasInterfaceMember(const QString& Name) = 0;
    virtual void AddInterfaceMember(const QString& MemberText) = 0;
};

} // namespace classlib
