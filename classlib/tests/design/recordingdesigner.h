#pragma once

// A form designer that records what editors and windows ask of it: the
// form's methods kept in a map, the selections handed over, renames,
// shown methods and modifications. Shared by every test tree that drives
// property or component editors.

#include "classlib/core/component.h"
#include "classlib/design/formdesigner.h"

#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace classlib::test {

class TRecordingDesigner : public TFormDesigner {
public:
    explicit TRecordingDesigner(TComponent* ARoot) : FRoot(ARoot) {}

    int ModifiedCount = 0;
    QStringList Shown;    // ShowMethod
    QStringList Renamed;  // "Old->New"
    std::map<QString, std::unique_ptr<TMethodInfo>> Methods;
    // What SetSelections handed over last, and how often it was called.
    std::vector<TPersistent*> Selection;
    int SelectionCount = 0;
    // Each selection handed over: the names of its objects, "," between.
    QStringList SelectionLog;
    // The name in SelectionLog of a selected object that is no component;
    // nullopt (or no function) leaves the object out of the log.
    std::function<std::optional<QString>(TPersistent*)> ObjectNameOf;

    // A method the form's source no longer has.
    void DeleteMethod(const QString& Name) { Methods.erase(Name.toUpper()); }

    bool IsDesignMsg(TControl*, TMessage&) override { return false; }
    void Modified() override { ++ModifiedCount; }
    void Notification(TComponent*, TOperation) override {}
    void PaintGrid() override {}
    void ValidateRename(TComponent*, const QString&, const QString&) override {}

    TMethod CreateMethod(const QString& Name, const TTypeInfo* TypeData) override;
    QString GetMethodName(const TMethod& Method) override;
    void GetMethods(const TTypeInfo* TypeData, const TGetStrProc& Proc) override;
    QString GetPrivateDirectory() override { return {}; }
    void GetSelections(TDesignerSelectionList*) override {}
    bool MethodExists(const QString& Name) override;
    void RenameMethod(const QString& CurName, const QString& NewName) override;
    void SelectComponent(TComponent*) override {}
    void SetSelections(TDesignerSelectionList* List) override;
    void ShowMethod(const QString& Name) override { Shown << Name; }
    QString UniqueName(const QString& BaseName) override { return BaseName + "1"; }
    void GetComponentNames(const TTypeInfo* TypeData, const TGetStrProc& Proc) override;
    TComponent* GetComponent(const QString& Name) override { return FRoot->FindComponent(Name); }
    QString GetComponentName(TComponent* Component) override { return Component ? Component->Name() : QString(); }
    TPersistent* GetObject(const QString&) override { return nullptr; }
    QString GetObjectName(TPersistent*) override { return {}; }
    void GetObjectNames(const TTypeInfo*, const TGetStrProc&) override {}
    bool MethodFromAncestor(const TMethod&) override { return false; }
    TComponent* CreateComponent(const TClassInfo&, TComponent*, int, int, int, int) override { return nullptr; }
    bool IsComponentLinkable(TComponent*) override { return true; }
    void MakeComponentLinkable(TComponent*) override {}
    TComponent* GetRoot() override { return FRoot; }
    void Revert(TPersistent*, const TPropInfo*) override {}
    bool GetIsDormant() override { return false; }
    bool HasInterface() override { return false; }
    bool HasInterfaceMember(const QString&) override { return false; }
    void AddInterfaceMember(const QString&) override {}

private:
    TComponent* FRoot;
};

} // namespace classlib::test
