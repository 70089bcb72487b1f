#include "designer-framework/controldesigner.h"

#include "designer-framework/alignsizeform.h"
#include "designer-framework/borderpoint.h"
#include "designer-framework/capsule.h"
#include "designer-framework/extdesigner.h"
#include "designer-framework/inspectorform.h"

#include "classlib/controls/menus.h"
#include "classlib/controls/updatehold.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/componentlist.h"
#include "classlib/core/sysutils.h"
#include "classlib/design/componenteditor.h"

namespace designer_framework {

using namespace classlib;

namespace {

// Where handle Index sits around a control at L, T of W x H, and its cursor.
struct THandlePlace {
    int X, Y;
    TCursor Cursor;
};

THandlePlace HandlePlace(int Index, const TRect& C, int w, int h)
{
    const int L = C.Left, T = C.Top, W = C.Width(), H = C.Height();
    const int left = SatSub(L, 4);
    const int centreX = SatAdd(L, (W - w) / 2);
    const int right = SatAdd(SatSub(SatAdd(L, W), w), 4);
    const int top = SatSub(T, 4);
    const int centreY = SatAdd(T, (H - h) / 2);
    const int bottom = SatAdd(SatSub(SatAdd(T, H), h), 4);
    switch (Index) {
    case 0: return {left, top, crSizeNWSE};
    case 1: return {centreX, top, crSizeNS};
    case 2: return {right, top, crSizeNESW};
    case 3: return {right, centreY, crSizeWE};
    case 4: return {right, bottom, crSizeNWSE};
    case 5: return {centreX, bottom, crSizeNS};
    case 6: return {left, bottom, crSizeNESW};
    default: return {left, centreY, crSizeWE};
    }
}

} // namespace

const TClassInfo& TControlDesigner::StaticClass()
{
    // The form's own properties as plain storage: loading or editing them
    // never changes the surface window.
    using S = TControlDesigner;
    static const TClassInfo& info = TClassBuilder<TControlDesigner>("TControlDesigner")
        .Prop("BorderIcons", &S::FPubBorderIcons).NoDefault()
        .Prop("BorderStyle", &S::FPubBorderStyle).NoDefault()
        .Prop("Color", &S::Color, &S::SetColor).Default(qint64(clBtnFace))
        .Prop("Enabled", &S::FPubEnabled).NoDefault()
        .Prop("FormStyle", &S::FPubFormStyle).NoDefault()
        .Prop("HelpFile", &S::FPubHelpFile)
        .Prop("KeyPreview", &S::FPubKeyPreview).NoDefault()
        .Prop("PixelsPerInch", &S::FPubPixelsPerInch).NoDefault()
        .Prop("PopupMenu", &S::FPubPopupMenu)
        .Prop("Position", &S::FPubPosition).NoDefault()
        .Prop("PrintScale", &S::FPubPrintScale).NoDefault()
        .Prop("Scaled", &S::FPubScaled).NoDefault()
        .Prop("ShowHint", &S::FPubShowHint).NoDefault()
        .Prop("Visible", &S::FPubVisible).Stored(false)
        .Prop("WindowState", &S::FPubWindowState).NoDefault()
        .Build();
    return info;
}

TControlDesigner::TControlDesigner(TComponent* AOwner) : TForm(AOwner)
{
    // What the surface owns is being designed from the start.
    SetDesigning(true);
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
    for (int i = 0; i < 8; ++i) FHandles[i] = new TBorderPoint(this, i);
    SetDoubleBuffered(true);
    SetAutoScroll(false);
    SetScaled(false);
    FPubBorderIcons = BorderIcons();
    FPubBorderStyle = BorderStyle();
}

void TControlDesigner::SetName(const QString& NewName)
{
    const QString old = Name();
    TForm::SetName(NewName);
    // The surface is an entry of its own list: its designer hears of its
    // new name as of any of its components' (a form's rename goes to its
    // owner, not to the designer of the form itself).
    if (Name() != old)
        if (TDesigner* designer = Designer()) designer->ValidateRename(this, old, Name());
}

TControlDesigner::~TControlDesigner()
{
    DoDestroy();
    Destroying();
    FLines.clear();
    FComponentEditor.reset();
    for (TBorderPoint*& handle : FHandles) {
        delete handle;
        handle = nullptr;
    }
    FSelection.clear();
    if (FInspector) {
        // Only an inspector that serves this surface forgets it.
        if (TInspectorForm* form = FInspector->InspectorForm(); form && form->ActiveSurface() == this) {
            form->ClearComponents();
            form->SetActiveSurface(nullptr);
        }
        if (Designer() == FInspector) {
            SetDesigner(nullptr);
            delete FInspector;
        }
        FInspector = nullptr;
    }
}

void TControlDesigner::SetInspector(TExtDesigner* Designer)
{
    if (Designer == FInspector) return;
    TExtDesigner* old = FInspector;
    FInspector = Designer;
    SetDesigner(Designer);
    // The surface owns its designer: a replaced one goes.
    if (old && old->Form() != this) delete old;
    Activate();
    Invalidate();
}

void TControlDesigner::Activate()
{
    if (!FInspector) return;
    TInspectorForm* form = FInspector->InspectorForm();
    if (form && form->ActiveSurface() == this) return;
    if (form) {
        form->ClearComponents();
        TControlDesigner* previous = form->ActiveSurface();
        if (previous && previous != this) previous->Deactivate();
        form->SetActiveSurface(this);
        SetHandleColor(FHandleColor);
        if (TAlignSizeForm* align = form->AlignForm()) align->SetSurface(this);
    }
    FInspector->InsertAll();
    SelectionToInspector();
}

void TControlDesigner::Deactivate()
{
    SetHandleColor(FInactiveColor);
}

void TControlDesigner::SetGridX(quint8 Value)
{
    if (Value == 0) throw EInvalidOperation("Invalid grid step");
    if (Value == FGridX) return;
    FGridX = Value;
    Invalidate();
}

void TControlDesigner::SetGridY(quint8 Value)
{
    if (Value == 0) throw EInvalidOperation("Invalid grid step");
    if (Value == FGridY) return;
    FGridY = Value;
    Invalidate();
}

// ---------------------------------------------------------------------------
// Selection

TControl* TControlDesigner::GetSelected(int Index) const
{
    TControl* control = ControlOfComponent(FSelection.at(Index));
    return control ? control : const_cast<TControlDesigner*>(this);
}

TComponent* TControlDesigner::ComponentOfControl(TControl* AControl) const
{
    if (const TCapsule* capsule = As<TCapsule>(AControl)) return capsule->Component();
    return AControl;
}

TControl* TControlDesigner::ControlOfComponent(TComponent* AComponent) const
{
    if (!AComponent) return nullptr;
    if (TControl* control = As<TControl>(AComponent)) return control;
    for (int i = 0; i < ControlCount(); ++i)
        if (TCapsule* capsule = As<TCapsule>(Controls(i)))
            if (capsule->Component() == AComponent) return capsule;
    return nullptr;
}

bool TControlDesigner::IsSelected(TControl* AControl) const
{
    const TComponent* component = ComponentOfControl(AControl);
    return component && FSelection.contains(component);
}

bool TControlDesigner::AddToSelection(TComponent* AControl)
{
    TComponent* component = AControl;
    if (const TCapsule* capsule = As<TCapsule>(AControl)) component = capsule->Component();
    if (!component) return false;
    if (FSelection.contains(component)) return FChanged = false;
    // The selection holds siblings of one parent only.
    const TControl* shown = ControlOfComponent(component);
    const TWinControl* parent = shown ? shown->Parent() : nullptr;
    const TUpdateHold hold;
    for (qsizetype i = FSelection.size() - 1; i >= 0; --i) {
        TControl* entry = GetSelected(int(i));
        if (shown && entry->Parent() == parent) continue;
        FSelection.removeAt(i);
        entry->Invalidate();
    }
    FSelection.append(component);
    return FChanged = true;
}

void TControlDesigner::SelectControl(TComponent* AControl)
{
    if (AddToSelection(AControl)) UpdateSelection();
}

void TControlDesigner::SelectOnly(TComponent* AComponent)
{
    ClearSelection();
    const bool cleared = FChanged;
    AddToSelection(AComponent);
    FChanged = FChanged || cleared;
    UpdateSelection();
}

bool TControlDesigner::RemoveFromSelection(TControl* AControl)
{
    TComponent* component = ComponentOfControl(AControl);
    const qsizetype i = component ? FSelection.indexOf(component) : -1;
    if (i < 0) return FChanged = false;
    FSelection.removeAt(i);
    InvalidateEntry(component);
    if (FSelection.size() == 1) InvalidateEntry(FSelection.first());
    return FChanged = true;
}

bool TControlDesigner::ClearSelection()
{
    const bool had = !FSelection.isEmpty();
    const bool several = FSelection.size() > 1;
    const TUpdateHold hold;
    while (!FSelection.isEmpty()) {
        TComponent* component = FSelection.takeLast();
        if (several) InvalidateEntry(component);
    }
    return FChanged = had;
}

void TControlDesigner::UnselectAll()
{
    if (ClearSelection()) UpdateSelection();
}

void TControlDesigner::UpdateSelection()
{
    if (!FChanged) return;
    FChanged = false;
    UpdateHandles();
    SelectionToInspector();
    FComponentEditor.reset();
    if (FSelection.size() == 1) FComponentEditor = GetComponentEditor(FSelection.first(), FInspector);
}

void TControlDesigner::SelectionToInspector()
{
    if (!FInspector) return;
    TComponentList list;
    if (FSelection.isEmpty()) list.Add(this);
    for (TComponent* component : FSelection) list.Add(component);
    FInspector->SelectionChanged(&list);
}

void TControlDesigner::InvalidateEntry(TComponent* AComponent)
{
    if (TControl* control = ControlOfComponent(AComponent)) control->Invalidate();
}

TControl* TControlDesigner::Reference() const
{
    return FSelection.isEmpty() ? nullptr : GetSelected(0);
}

QList<TControl*> TControlDesigner::EditableControls() const
{
    QList<TControl*> controls;
    controls.reserve(FSelection.size());
    for (int i = 0; i < SelectionCount(); ++i)
        if (TControl* control = GetSelected(i); control != this) controls.append(control);
    return controls;
}

void TControlDesigner::Modify()
{
    // The designer's Modified places the handles as well.
    if (FInspector)
        FInspector->Modified();
    else
        UpdateHandles();
}

// ---------------------------------------------------------------------------
// Handles and capsules

void TControlDesigner::UpdateHandles()
{
    if (IsDestroying() || !FHandles[0]) return;
    SetHandlesVisible(false);
    if (FSelection.size() != 1) {
        const TUpdateHold hold;
        for (int i = 0; i < SelectionCount(); ++i) GetSelected(i)->Invalidate();
        return;
    }
    TControl* control = GetSelected(0);
    if (control == this) {
        SetHandleParent(nullptr);
        return;
    }
    SetHandleParent(control->Parent());
    for (TBorderPoint* handle : FHandles) {
        const THandlePlace place = HandlePlace(handle->Index(), control->BoundsRect(), handle->Width(), handle->Height());
        handle->TControl::BringToFront();
        handle->SetBounds(place.X, place.Y, handle->Width(), handle->Height());
        handle->SetCursor(place.Cursor);
    }
    SetHandleColor(FHandleColor);
    SetHandlesVisible(true);
}

void TControlDesigner::SetHandleColor(TColor Value)
{
    for (TBorderPoint* handle : FHandles)
        if (handle) handle->SetColor(Value);
}

void TControlDesigner::SetHandlesVisible(bool Value)
{
    for (TBorderPoint* handle : FHandles)
        if (handle) handle->SetVisible(Value);
}

void TControlDesigner::SetHandleParent(TWinControl* Host)
{
    if (!Host) SetHandlesVisible(false);
    for (TBorderPoint* handle : FHandles)
        if (handle) handle->SetWidgetHost(Host == this ? nullptr : Host);
}

void TControlDesigner::CapsulesToFront()
{
    QList<TCapsule*> capsules;
    for (int i = 0; i < ControlCount(); ++i)
        if (TCapsule* capsule = As<TCapsule>(Controls(i))) capsules.append(capsule);
    for (TCapsule* capsule : capsules) capsule->TControl::BringToFront();
}

void TControlDesigner::CreateCapsules()
{
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* component = Components(i);
        if (As<TControl>(component) || ControlOfComponent(component)) continue;
        if (!FInspector || FInspector->AcceptsComponent(component)) new TCapsule(component, this);
    }
    CapsulesToFront();
}

// ---------------------------------------------------------------------------
// Names, popup, clearing

QString TControlDesigner::MakeUniqueName(const QString& WantedName, const QString& BaseName)
{
    if (!WantedName.isEmpty() && !FindComponent(WantedName)) return WantedName;
    for (qint64 n = 1;; ++n) {
        const QString name = BaseName + QString::number(n);
        if (!FindComponent(name)) return name;
    }
}

void TControlDesigner::SetPopupMenu(TPopupMenu* Menu)
{
    TControl::SetPopupMenu(Menu);
}

void TControlDesigner::ClearAll()
{
    FSelection.clear();
    FChanged = false;
    FComponentEditor.reset();
    SetHandleParent(nullptr);
    // The inspector lets go of the components' rows before they go.
    SelectionToInspector();
    // Freeing a windowed control frees its children, wherever they stand.
    while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
    if (FInspector)
        if (TInspectorForm* form = FInspector->InspectorForm(); form && form->ActiveSurface() == this) {
            form->ClearComponents();
            form->SetActiveSurface(nullptr);
        }
}

// ---------------------------------------------------------------------------
// Z-order

void TControlDesigner::BringToFront()
{
    for (TControl* control : EditableControls()) control->TControl::BringToFront();
    CapsulesToFront();
    if (!FSelection.isEmpty()) Modify();
}

void TControlDesigner::SendToBack()
{
    for (TControl* control : EditableControls()) control->TControl::SendToBack();
    CapsulesToFront();
    if (!FSelection.isEmpty()) Modify();
}

// ---------------------------------------------------------------------------
// Notifications and window messages

void TControlDesigner::Notification(TComponent* AComponent, TOperation Operation)
{
    TForm::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FPubPopupMenu) FPubPopupMenu = nullptr;
    if (FComponentEditor && FComponentEditor->Component() == AComponent) FComponentEditor.reset();
    // Handles never stay in a window that goes.
    if (FHandles[0] && static_cast<TComponent*>(FHandles[0]->WidgetHost()) == AComponent) SetHandleParent(nullptr);
    if (FSelection.removeAll(AComponent) > 0) {
        FChanged = true;
        if (!IsDestroying()) UpdateSelection();
    }
}

void TControlDesigner::Resize()
{
    TForm::Resize();
    if (FInspector && FInspector->InspectorForm()) FInspector->Modified();
}

void TControlDesigner::Moved()
{
    TForm::Moved();
    if (IsDestroying() || !FInspector || !FInspector->InspectorForm()) return;
    // The inspector shows the surface's own place only while it shows the surface.
    if (FSelection.isEmpty() || FSelection.first() == this) FInspector->Modified();
}

QWidget* TopLevelWindowOf(const TControlDesigner* Surface)
{
    QWidget* widget = Surface ? Surface->Widget() : nullptr;
    return widget ? widget->window() : nullptr;
}

} // namespace designer_framework
