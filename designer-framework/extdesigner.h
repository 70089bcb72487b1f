#pragma once

// The designer hook: the form designer of a design surface. It filters the
// messages of the controls being edited into the surface, keeps capsules
// for non-visual components, draws the grid, and passes what concerns the
// object inspector to the inspector window. Operations of the form-designer
// interface that the surface has no use for raise "Internal Error N33 n".

#include "designer-framework/export.h"

#include "classlib/design/formdesigner.h"

#include <memory>

namespace designer_framework {

class TAlignSizeForm;
class TControlDesigner;
class TInspectorForm;

class QX_DESIGNFW_EXPORT TExtDesigner : public classlib::TFormDesigner {
public:
    // AInspectorForm may be nil: the inspector is then told nothing, as
    // after the inspector form is freed. The surface binds itself afterwards.
    explicit TExtDesigner(TInspectorForm* AInspectorForm);
    ~TExtDesigner() override;

    TInspectorForm* InspectorForm() const { return FInspectorForm; }
    // The form being designed; nil unless it is a design surface.
    TControlDesigner* Surface() const;
    // The inspector form's align form; nil without an inspector form.
    TAlignSizeForm* GetAlignForm() const;
    // Makes AlignForm the inspector form's and points it at this surface.
    void SetAlignForm(TAlignSizeForm* AlignForm);

    bool IsDesignMsg(classlib::TControl* Sender, classlib::TMessage& Message) override;
    void Modified() override;
    void Notification(classlib::TComponent* AComponent, classlib::TOperation Operation) override;
    // The surface and every component it owns, as Notification(opInsert)
    // tells them one by one: what the surface shows when it is served.
    void InsertAll();
    void PaintGrid() override;
    void ValidateRename(classlib::TComponent* AComponent, const QString& CurName,
                        const QString& NewName) override;

    classlib::TMethod CreateMethod(const QString& Name, const classlib::TTypeInfo* TypeData) override;
    QString GetMethodName(const classlib::TMethod& Method) override;
    void GetMethods(const classlib::TTypeInfo* TypeData, const classlib::TGetStrProc& Proc) override;
    QString GetPrivateDirectory() override;
    void GetSelections(classlib::TDesignerSelectionList* List) override;
    bool MethodExists(const QString& Name) override;
    void RenameMethod(const QString& CurName, const QString& NewName) override;
    void SelectComponent(classlib::TComponent* Instance) override;
    void SetSelections(classlib::TDesignerSelectionList* List) override;
    void ShowMethod(const QString& Name) override;
    QString UniqueName(const QString& BaseName) override;
    void GetComponentNames(const classlib::TTypeInfo* TypeData, const classlib::TGetStrProc& Proc) override;
    classlib::TComponent* GetComponent(const QString& Name) override;
    QString GetComponentName(classlib::TComponent* Component) override;
    classlib::TPersistent* GetObject(const QString& Name) override;
    QString GetObjectName(classlib::TPersistent* Instance) override;
    void GetObjectNames(const classlib::TTypeInfo* TypeData, const classlib::TGetStrProc& Proc) override;
    bool MethodFromAncestor(const classlib::TMethod& Method) override;
    classlib::TComponent* CreateComponent(const classlib::TClassInfo& ComponentClass,
                                          classlib::TComponent* Parent, int Left, int Top, int Width,
                                          int Height) override;
    bool IsComponentLinkable(classlib::TComponent* Component) override;
    void MakeComponentLinkable(classlib::TComponent* Component) override;
    classlib::TComponent* GetRoot() override;
    void Revert(classlib::TPersistent* Instance, const classlib::TPropInfo* PropInfo) override;
    bool GetIsDormant() override;
    bool HasInterface() override;
    bool HasInterfaceMember(const QString& Name) override;
    void AddInterfaceMember(const QString& MemberText) override;

    // The surface announces each new selection; nothing happens here.
    virtual void SelectionChanged(classlib::TComponentList* List);
    // Whether a non-visual component gets a capsule on the surface.
    virtual bool AcceptsComponent(classlib::TComponent* AComponent);
    // Whether the surface keeps components of the class when it is stored;
    // a paste refuses any other. Every class here.
    virtual bool AcceptsClass(const classlib::TClassInfo& AClass);

private:
    class TListener;
    // Whether the inspector lists AComponent: the surface's own and surfaces.
    bool Listed(classlib::TComponent* AComponent) const;
    // Gives a non-visual component of the surface its capsule, or takes it.
    void Encapsulate(classlib::TComponent* AComponent, classlib::TOperation Operation);

    TInspectorForm* FInspectorForm;
    std::unique_ptr<TListener> FListener;
};

} // namespace designer_framework
