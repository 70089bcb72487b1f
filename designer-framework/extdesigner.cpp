#include "designer-framework/extdesigner.h"

#include "designer-framework/alignsizeform.h"
#include "designer-framework/capsule.h"
#include "designer-framework/controldesigner.h"
#include "designer-framework/inspectorform.h"

#include "classlib/design/selectionlist.h"
#include "classlib/core/componentlist.h"
#include "classlib/core/sysutils.h"

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace designer_framework {

using namespace classlib;

namespace {

// Operations of the interface that the surface does not serve are numbered
// after their place in it.
[[noreturn]] void Unsupported(int Slot)
{
    throw Exception(Format("Internal Error N33 %d", {Slot - 4}));
}

bool IsKeyMessage(unsigned Msg)
{
    return Msg >= WM_KEYDOWN && Msg <= WM_KEYLAST;
}

bool IsMouseMessage(unsigned Msg)
{
    return Msg >= WM_MOUSEMOVE && Msg <= WM_MOUSEWHEEL;
}

} // namespace

// Hears of the inspector form's end: the tool windows and the surfaces'
// hooks go in no fixed order when the designer closes.
class TExtDesigner::TListener : public TComponent {
public:
    explicit TListener(TExtDesigner& Designer) : TComponent(nullptr), FDesigner(Designer) {}

    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == FDesigner.FInspectorForm) FDesigner.FInspectorForm = nullptr;
    }

private:
    TExtDesigner& FDesigner;
};

TExtDesigner::TExtDesigner(TInspectorForm* AInspectorForm)
    : FInspectorForm(AInspectorForm), FListener(std::make_unique<TListener>(*this))
{
    if (FInspectorForm) FInspectorForm->FreeNotification(FListener.get());
}

// The listener's end takes its free notification off the inspector form.
TExtDesigner::~TExtDesigner() = default;

TControlDesigner* TExtDesigner::Surface() const
{
    return As<TControlDesigner>(Form());
}

TAlignSizeForm* TExtDesigner::GetAlignForm() const
{
    return FInspectorForm ? FInspectorForm->AlignForm() : nullptr;
}

void TExtDesigner::SetAlignForm(TAlignSizeForm* AlignForm)
{
    if (!FInspectorForm) return;
    FInspectorForm->SetAlignForm(AlignForm);
    if (AlignForm) AlignForm->SetSurface(Surface());
}

bool TExtDesigner::IsDesignMsg(TControl* Sender, TMessage& Message)
{
    TControlDesigner* surface = Surface();
    // The surface's own messages go to its own handlers.
    if (!surface || !Sender || Sender == surface) return false;
    const unsigned msg = Message.Msg;
    const bool mouse = IsMouseMessage(msg);
    if (!mouse && !IsKeyMessage(msg) && msg != WM_PAINT) return false;
    // A selected control may claim a click for itself.
    if (mouse && surface->IsSelected(Sender) &&
        Sender->Perform(CM_DESIGNHITTEST, Message.WParam, Message.LParam) != 0)
        return false;
    surface->DesignMessage(Sender, Message);
    return true;
}

void TExtDesigner::Modified()
{
    if (FInspectorForm) FInspectorForm->DesignModified();
    if (TControlDesigner* surface = Surface()) surface->UpdateHandles();
}

bool TExtDesigner::Listed(TComponent* AComponent) const
{
    TControlDesigner* surface = Surface();
    return surface && AComponent && (AComponent->Owner() == surface || As<TControlDesigner>(AComponent));
}

void TExtDesigner::Notification(TComponent* AComponent, TOperation Operation)
{
    if (!Listed(AComponent)) return;
    if (FInspectorForm) {
        if (Operation == opInsert)
            FInspectorForm->ComponentInserted(AComponent);
        else
            FInspectorForm->ComponentRemoved(AComponent);
    }
    Encapsulate(AComponent, Operation);
}

void TExtDesigner::InsertAll()
{
    TControlDesigner* surface = Surface();
    if (!surface) return;
    QList<TComponent*> listed{surface};
    listed.reserve(surface->ComponentCount() + 1);
    for (int i = 0; i < surface->ComponentCount(); ++i) listed.append(surface->Components(i));
    if (FInspectorForm) FInspectorForm->ComponentsInserted(listed);
    for (TComponent* c : listed) Encapsulate(c, opInsert);
}

void TExtDesigner::Encapsulate(TComponent* AComponent, TOperation Operation)
{
    TControlDesigner* surface = Surface();
    if (AComponent->Owner() != surface || As<TControl>(AComponent) || surface->IsDestroying()) return;
    if (Operation == opInsert) {
        // A surface being loaded makes up for the capsules afterwards.
        if (surface->IsLoading()) return;
        // A component still being made may yet turn out a control: its
        // capsule waits until it is whole.
        if (AComponent->IsConstructing()) {
            QPointer<QWidget> host = surface->Widget();
            QTimer::singleShot(0, host, [surface, host] {
                if (host && !surface->IsLoading()) surface->CreateCapsules();
            });
            return;
        }
        if (AcceptsComponent(AComponent) && !surface->ControlOfComponent(AComponent)) new TCapsule(AComponent, surface);
    } else {
        // A component that leaves the surface takes its capsule along.
        delete As<TCapsule>(surface->ControlOfComponent(AComponent));
    }
}

void TExtDesigner::PaintGrid()
{
    TControlDesigner* surface = Surface();
    if (!surface) return;
    const int stepX = surface->GridX();
    const int stepY = surface->GridY();
    // A step of 1 means no grid; 0 is no step at all.
    if (stepX <= 1 || stepY <= 1) return;
    TCanvas* canvas = surface->Canvas();
    const int columns = surface->ClientWidth() / stepX;
    const int rows = surface->ClientHeight() / stepY;
    // One row of dots, clear between them, drawn once for every row: a fill
    // for each dot takes milliseconds on a large surface.
    const TColorRef ink = ColorToRGB(clWindowText);
    QImage row(columns * stepX + 1, 1, QImage::Format_ARGB32_Premultiplied);
    row.fill(Qt::transparent);
    for (int i = 0; i <= columns; ++i) row.setPixel(i * stepX, 0, qRgb(GetRValue(ink), GetGValue(ink), GetBValue(ink)));
    for (int j = 0; j <= rows; ++j) canvas->StretchDrawImage(Bounds(0, j * stepY, row.width(), 1), row);
}

void TExtDesigner::ValidateRename(TComponent* AComponent, const QString&, const QString& NewName)
{
    if (FInspectorForm) FInspectorForm->ComponentNameChanged(AComponent, NewName);
}

TMethod TExtDesigner::CreateMethod(const QString&, const TTypeInfo*)
{
    Unsupported(5);
}

QString TExtDesigner::GetMethodName(const TMethod&)
{
    Unsupported(6);
}

void TExtDesigner::GetMethods(const TTypeInfo*, const TGetStrProc&)
{
    Unsupported(7);
}

QString TExtDesigner::GetPrivateDirectory()
{
    Unsupported(8);
}

void TExtDesigner::GetSelections(TDesignerSelectionList* List)
{
    TControlDesigner* surface = Surface();
    if (!List || !surface) return;
    const int count = surface->SelectionCount();
    if (count == 0) {
        List->Add(surface);
        return;
    }
    for (int i = 0; i < count; ++i) List->Add(surface->GetSelectedComponent(i));
}

bool TExtDesigner::MethodExists(const QString&)
{
    Unsupported(10);
}

void TExtDesigner::RenameMethod(const QString&, const QString&)
{
    Unsupported(11);
}

void TExtDesigner::SelectComponent(TComponent* Instance)
{
    TControlDesigner* surface = Surface();
    if (!surface) return;
    surface->ClearSelection();
    surface->SelectControl(Instance);
}

void TExtDesigner::SetSelections(TDesignerSelectionList*)
{
    Unsupported(13);
}

void TExtDesigner::ShowMethod(const QString&)
{
    Unsupported(14);
}

QString TExtDesigner::UniqueName(const QString& BaseName)
{
    for (qint64 n = 1;; ++n) {
        const QString name = BaseName + QString::number(n);
        if (!GetComponent(name)) return name;
    }
}

void TExtDesigner::GetComponentNames(const TTypeInfo* TypeData, const TGetStrProc& Proc)
{
    TControlDesigner* surface = Surface();
    const TClassInfo* cls = TypeData ? TypeData->ClassType() : nullptr;
    if (!surface || !cls || !Proc) return;
    for (int i = 0; i < surface->ComponentCount(); ++i) {
        TComponent* c = surface->Components(i);
        if (c->InheritsFrom(cls)) Proc(c->Name());
    }
}

TComponent* TExtDesigner::GetComponent(const QString& Name)
{
    TControlDesigner* surface = Surface();
    return surface ? surface->FindComponent(Name) : nullptr;
}

QString TExtDesigner::GetComponentName(TComponent* Component)
{
    return Component ? Component->Name() : QString();
}

TPersistent* TExtDesigner::GetObject(const QString&)
{
    Unsupported(19);
}

QString TExtDesigner::GetObjectName(TPersistent*)
{
    Unsupported(20);
}

void TExtDesigner::GetObjectNames(const TTypeInfo*, const TGetStrProc&)
{
    Unsupported(21);
}

bool TExtDesigner::MethodFromAncestor(const TMethod&)
{
    Unsupported(22);
}

TComponent* TExtDesigner::CreateComponent(const TClassInfo&, TComponent*, int, int, int, int)
{
    Unsupported(23);
}

bool TExtDesigner::IsComponentLinkable(TComponent*)
{
    Unsupported(24);
}

void TExtDesigner::MakeComponentLinkable(TComponent*)
{
    Unsupported(25);
}

TComponent* TExtDesigner::GetRoot()
{
    Unsupported(26);
}

void TExtDesigner::Revert(TPersistent*, const TPropInfo*)
{
    Unsupported(27);
}

bool TExtDesigner::GetIsDormant()
{
    Unsupported(28);
}

bool TExtDesigner::HasInterface()
{
    Unsupported(29);
}

bool TExtDesigner::HasInterfaceMember(const QString&)
{
    Unsupported(30);
}

void TExtDesigner::AddInterfaceMember(const QString&)
{
    Unsupported(31);
}

void TExtDesigner::SelectionChanged(TComponentList*) {}

bool TExtDesigner::AcceptsComponent(TComponent*)
{
    return true;
}

bool TExtDesigner::AcceptsClass(const TClassInfo&)
{
    return true;
}

} // namespace designer_framework
