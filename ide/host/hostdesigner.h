#pragma once

// The host's form designer: the hook of its design form, feeding the
// host's inspector with the properties and events of what is selected
// (components of the form, or objects that design windows hand over), and
// serving the method operations from the form's source unit.

#include "designer-framework/extdesigner.h"

#include "classlib/core/stringlist.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace idehost {

class THostInspector;
class TSourceUnit;

class THostDesigner : public designer_framework::TExtDesigner {
public:
    THostDesigner(THostInspector* AInspector, TSourceUnit& Unit);
    ~THostDesigner() override;

    // The form is modified (the caption's mark); Save clears it.
    bool IsModified() const { return FModified; }
    void SetModified(bool Value);
    // Called when the modified mark or the shown method changes.
    std::function<void()> OnStateChange;
    // The method ShowMethod last showed.
    QString ShownMethod() const { return FShownMethod; }

    // The selection's objects, components and others alike.
    const std::vector<classlib::TPersistent*>& Selected() const { return FSelected; }
    // Drops a selection of objects that are not components and rows that
    // refer to them, before those objects may go.
    void ForgetObjects();
    // Shows the selection's rows again (after a change from outside).
    void RefreshInspector();

    void Modified() override;
    void SelectionChanged(classlib::TComponentList* List) override;
    void Notification(classlib::TComponent* AComponent, classlib::TOperation Operation) override;

    classlib::TMethod CreateMethod(const QString& Name, const classlib::TTypeInfo* TypeData) override;
    QString GetMethodName(const classlib::TMethod& Method) override;
    void GetMethods(const classlib::TTypeInfo* TypeData, const classlib::TGetStrProc& Proc) override;
    bool MethodExists(const QString& Name) override;
    void RenameMethod(const QString& CurName, const QString& NewName) override;
    void ShowMethod(const QString& Name) override;
    bool MethodFromAncestor(const classlib::TMethod& Method) override;
    void GetSelections(classlib::TDesignerSelectionList* List) override;
    void SetSelections(classlib::TDesignerSelectionList* List) override;
    QString GetObjectName(classlib::TPersistent* Instance) override;
    QString GetPrivateDirectory() override;
    classlib::TPersistent* GetObject(const QString& Name) override;
    void GetObjectNames(const classlib::TTypeInfo* TypeData, const classlib::TGetStrProc& Proc) override;
    classlib::TComponent* CreateComponent(const classlib::TClassInfo& ComponentClass, classlib::TComponent* Parent,
                                          int Left, int Top, int Width, int Height) override;
    bool IsComponentLinkable(classlib::TComponent* Component) override;
    void MakeComponentLinkable(classlib::TComponent* Component) override;
    classlib::TComponent* GetRoot() override;
    void Revert(classlib::TPersistent* Instance, const classlib::TPropInfo* PropInfo) override;
    bool GetIsDormant() override;
    bool HasInterface() override;
    bool HasInterfaceMember(const QString& Name) override;
    void AddInterfaceMember(const QString& MemberText) override;

private:
    void Feed();
    void ClearRows();
    void WatchDesignWindows();

    THostInspector* FInspector;
    TSourceUnit& FUnit;
    bool FModified = false;
    QString FShownMethod;
    std::vector<classlib::TPersistent*> FSelected;
    // True when FSelected holds objects that design windows handed over.
    bool FObjects = false;
    classlib::TStringList FAllRows;
    classlib::TStringList FGeneralRows;
    classlib::TStringList FEventRows;
    // Ties the watches of design windows to this designer's life.
    std::unique_ptr<QObject> FWatchContext;
};

} // namespace idehost
