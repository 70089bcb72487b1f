#pragma once

// A component with a property of every kind the editors serve, and a form
// designer that records what the editors ask of it.

#include "classlib/controls/control.h"
#include "classlib/core/component.h"
#include "classlib/core/componentlist.h"
#include "classlib/design/formdesigner.h"
#include "classlib/graphics/color.h"
#include "classlib/graphics/font.h"

#include <QStringList>

#include <map>
#include <memory>

namespace classlib::test {

QX_ENUM(TPeShade, shLight, shMedium, shDark)
using TPeShades = TSet<TPeShade>;
QX_INTEGER_RANGE(TPePercent, qint8, 0, 100)
// Same parameter list as TNotifyEvent, an identity of its own.
QX_EVENT(TPeDoneEvent, TObject* /*Sender*/)

class TPeTarget : public TComponent {
    QX_CLASS(TPeTarget, TComponent)
public:
    explicit TPeTarget(TComponent* AOwner);
    ~TPeTarget() override;

    int FInt = 0;
    unsigned FCard = 0;
    qint64 FBig = 0;
    TPePercent FPercent = TPePercent(0);
    char FCh = 'A';
    TPeShade FShade = shLight;
    bool FFlag = false;
    TPeShades FShades;
    float FSingle = 0;
    double FRatio = 0;
    long double FExt = 0;
    QString FShort;
    QString FText;
    QString FCaption;
    TColor FColor = clBlack;
    TCursor FCursor = crDefault;
    TTabOrder FTabOrder = TTabOrder(0);
    TFont* FFont;
    TComponent* FPartner = nullptr;
    TPeTarget* FBuddy = nullptr;
    TNotifyEvent FOnClick;
    TPeDoneEvent FOnDone;

    int Fixed() const { return 7; }
    TFont* Font() const { return FFont; }
    void SetFont(TFont* Value) { FFont->Assign(Value); }

    void Target1Click(TObject*) {}
};

// Another class: it shares some of the target's properties.
class TPeOther : public TComponent {
    QX_CLASS(TPeOther, TComponent)
public:
    using TComponent::TComponent;

    int FInt = 0;
    // Text under the name the target gives a string.
    int FText = 0;
    TColor FColor = clBlack;
};

// A descendant of the target that adds nothing.
class TPeDerived : public TPeTarget {
    QX_CLASS(TPeDerived, TPeTarget)
public:
    using TPeTarget::TPeTarget;
};

// The inspector's standard editors (font, tab order, colour, cursor,
// component name, caption, component), registered once for every class.
void RegisterStandardEditors();

class TRecordingDesigner : public TFormDesigner {
public:
    explicit TRecordingDesigner(TComponent* ARoot) : FRoot(ARoot) {}

    int ModifiedCount = 0;
    QStringList Shown;    // ShowMethod
    QStringList Renamed;  // "Old->New"
    std::map<QString, std::unique_ptr<TMethodInfo>> Methods;

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
    void SetSelections(TDesignerSelectionList*) override {}
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
