#include "ide/host/hostdesigner.h"

#include "ide/host/hostinspector.h"
#include "ide/host/sourceunit.h"

#include "designer-framework/controldesigner.h"
#include "designer-framework/inspectordesigner.h"

#include "classlib/controls/screen.h"
#include "classlib/core/component.h"
#include "classlib/core/componentlist.h"
#include "classlib/design/designwindow.h"
#include "classlib/design/propertyeditorregistry.h"
#include "classlib/design/selectionlist.h"

#include <QDir>
#include <QObject>

using namespace classlib;
using namespace designer_framework;

namespace idehost {

namespace {

// Every kind the inspector can show: method kinds go to the Events page.
TTypeKinds ShownKinds()
{
    using enum TTypeKind;
    return TTypeKinds{tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod,
                      tkLString, tkInt64};
}

} // namespace

THostDesigner::THostDesigner(THostInspector* AInspector, TSourceUnit& Unit)
    : TExtDesigner(AInspector), FInspector(AInspector), FUnit(Unit), FWatchContext(std::make_unique<QObject>())
{
}

THostDesigner::~THostDesigner()
{
    if (InspectorForm()) InspectorForm()->SetPropertyRows(nullptr, nullptr, nullptr);
    ClearRows();
}

void THostDesigner::SetModified(bool Value)
{
    FModified = Value;
    if (OnStateChange) OnStateChange();
}

void THostDesigner::Modified()
{
    TExtDesigner::Modified();
    FModified = true;
    NotifyDesignWindowsFormModified(this);
    if (OnStateChange) OnStateChange();
}

void THostDesigner::ClearRows()
{
    for (int i = 0; i < FAllRows.Count(); ++i) delete FAllRows.Objects(i);
    FAllRows.Clear();
    FGeneralRows.Clear();
    FEventRows.Clear();
}

void THostDesigner::Feed()
{
    THostInspector* inspector = As<THostInspector>(InspectorForm());
    if (!inspector) return;
    // The window lets go of the rows before they go.
    inspector->SetPropertyRows(nullptr, nullptr, nullptr);
    ClearRows();
    TComponentList components;
    std::vector<TObject*> objects;
    for (TPersistent* p : FSelected) {
        objects.push_back(p);
        if (TComponent* c = As<TComponent>(p)) components.Add(c);
    }
    inspector->ShowSelection(&components);
    GetObjectProperties(objects, ShownKinds(), this, [this](std::unique_ptr<TPropertyEditor> Editor) {
        auto* row = new TPropItem(std::move(Editor));
        FAllRows.AddObject(row->Name, row);
        if (row->Editor->GetPropType() && row->Editor->GetPropType()->Kind == TTypeKind::tkMethod)
            FEventRows.AddObject(row->Name, row);
        else
            FGeneralRows.AddObject(row->Name, row);
    });
    inspector->SetPropertyRows(&FAllRows, &FGeneralRows, &FEventRows);
}

void THostDesigner::RefreshInspector()
{
    Feed();
}

void THostDesigner::ForgetObjects()
{
    if (!FObjects) return;
    FObjects = false;
    FSelected.clear();
    if (TControlDesigner* surface = Surface())
        for (int i = 0; i < surface->SelectionCount(); ++i) FSelected.push_back(surface->GetSelectedComponent(i));
    Feed();
}

void THostDesigner::SelectionChanged(TComponentList* List)
{
    FObjects = false;
    FSelected.clear();
    if (List)
        for (int i = 0; i < List->Count(); ++i) FSelected.push_back(List->Items(i));
    Feed();
    TDesignerSelectionList selection;
    for (TPersistent* p : FSelected) selection.Add(p);
    NotifyDesignWindowsSelectionChanged(this, &selection);
}

void THostDesigner::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent) {
        // A row must not outlive what it edits.
        const auto it = std::find(FSelected.begin(), FSelected.end(), AComponent);
        if (it != FSelected.end()) {
            FSelected.erase(it);
            Feed();
        }
    }
    TExtDesigner::Notification(AComponent, Operation);
}

void THostDesigner::GetSelections(TDesignerSelectionList* List)
{
    if (!List) return;
    if (!FObjects) {
        TExtDesigner::GetSelections(List);
        return;
    }
    for (TPersistent* p : FSelected) List->Add(p);
}

void THostDesigner::SetSelections(TDesignerSelectionList* List)
{
    FSelected.clear();
    if (List)
        for (int i = 0; i < List->Count(); ++i) FSelected.push_back(List->Items(i));
    FObjects = true;
    WatchDesignWindows();
    Feed();
}

// The objects a design window hands over (stubs) are its own: when it goes,
// so does the selection of them.
void THostDesigner::WatchDesignWindows()
{
    TScreen* screen = Screen();
    for (int i = 0; screen && i < screen->FormCount(); ++i) {
        auto* window = As<TDesignWindow>(screen->Forms(i));
        if (!window || window->Designer() != this || !window->Widget()) continue;
        if (window->Widget()->property("qxHostWatched").toBool()) continue;
        window->Widget()->setProperty("qxHostWatched", true);
        QObject::connect(window->Widget(), &QObject::destroyed, FWatchContext.get(), [this] { ForgetObjects(); });
    }
}

TMethod THostDesigner::CreateMethod(const QString& Name, const TTypeInfo* TypeData)
{
    const TMethodInfo* code = FUnit.Find(Name);
    if (!code) code = FUnit.Add(Name, TypeData);
    else if (!TypeData || code->Signature != TypeData->Signature)
        throw ESourceError(Format("Method %s does not fit this event", {Name}));
    return TMethod{code, GetRoot()};
}

QString THostDesigner::GetMethodName(const TMethod& Method)
{
    return FUnit.IsLive(Method.Code) ? Method.Code->Name : QString();
}

void THostDesigner::GetMethods(const TTypeInfo* TypeData, const TGetStrProc& Proc)
{
    for (const QString& name : FUnit.CompatibleNames(TypeData)) Proc(name);
}

bool THostDesigner::MethodExists(const QString& Name)
{
    return FUnit.Exists(Name);
}

void THostDesigner::RenameMethod(const QString& CurName, const QString& NewName)
{
    FUnit.Rename(CurName, NewName);
}

void THostDesigner::ShowMethod(const QString& Name)
{
    FShownMethod = FUnit.Exists(Name) ? FUnit.Find(Name)->Name : QString();
    if (OnStateChange) OnStateChange();
}

bool THostDesigner::MethodFromAncestor(const TMethod& Method)
{
    // The form's own methods are the unit's; any other is inherited.
    return Method.Code && !FUnit.IsLive(Method.Code) && Method.Code->Owner != &FUnit.FormClass();
}

QString THostDesigner::GetObjectName(TPersistent* Instance)
{
    if (TComponent* c = As<TComponent>(Instance)) return c->Name();
    // Objects that stand in for others (stubs) publish their name.
    const TPropInfo* name = Instance ? Instance->ClassType()->FindProp(u"Name") : nullptr;
    return name && name->GetStr ? name->GetStr(*Instance) : QString();
}

QString THostDesigner::GetPrivateDirectory()
{
    return QDir::tempPath();
}

TPersistent* THostDesigner::GetObject(const QString& Name)
{
    return GetComponent(Name);
}

void THostDesigner::GetObjectNames(const TTypeInfo* TypeData, const TGetStrProc& Proc)
{
    GetComponentNames(TypeData, Proc);
}

TComponent* THostDesigner::CreateComponent(const TClassInfo& ComponentClass, TComponent*, int Left, int Top, int,
                                           int)
{
    TControlDesigner* surface = Surface();
    if (!surface) throw Exception("The form is not being designed");
    TComponent* c = surface->CreateComponent(ComponentClass, Point(Left, Top));
    Modified();
    return c;
}

bool THostDesigner::IsComponentLinkable(TComponent* Component)
{
    return Component && Component->Owner() == GetRoot();
}

void THostDesigner::MakeComponentLinkable(TComponent*) {}

TComponent* THostDesigner::GetRoot()
{
    return Surface();
}

void THostDesigner::Revert(TPersistent*, const TPropInfo*) {}

bool THostDesigner::GetIsDormant()
{
    return false;
}

bool THostDesigner::HasInterface()
{
    return false;
}

bool THostDesigner::HasInterfaceMember(const QString&)
{
    return false;
}

void THostDesigner::AddInterfaceMember(const QString&) {}

} // namespace idehost
