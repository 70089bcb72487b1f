#include "fakes.h"

#include "designer-framework/capsule.h"

#include "classlib/core/componentlist.h"

namespace designer_framework::test {

QString NameOf(const TComponent* C)
{
    return C ? C->Name() : QString("<nil>");
}

TFakeSurface::TFakeSurface(QStringList& Log) : TControlDesigner(nullptr), FLog(Log)
{
    SetName("Surface");
    SetDesigning(true);
}

void TFakeSurface::DesignMessage(TControl* Sender, TMessage& Message)
{
    FLog << QString("design %1 0x%2").arg(NameOf(Sender)).arg(Message.Msg, 0, 16);
}

void TFakeSurface::SetSelection(const QList<TComponent*>& Components)
{
    ClearSelection();
    for (TComponent* c : Components) AddToSelection(c);
}

QList<TComponent*> TFakeSurface::Selection() const
{
    QList<TComponent*> list;
    for (int i = 0; i < SelectionCount(); ++i) list.append(GetSelectedComponent(i));
    return list;
}

int TFakeSurface::CapsuleCount() const
{
    int n = 0;
    for (int i = 0; i < ControlCount(); ++i)
        if (As<TCapsule>(Controls(i))) ++n;
    return n;
}

void TFakeInspector::DesignModified()
{
    FLog << "inspector modified";
}

void TFakeInspector::ComponentNameChanged(TComponent* AComponent, const QString& NewName)
{
    FLog << QString("inspector rename %1 %2").arg(NameOf(AComponent), NewName);
}

void TFakeInspector::ComponentInserted(TComponent* AComponent)
{
    FLog << "inspector insert " + NameOf(AComponent);
}

void TFakeInspector::ComponentRemoved(TComponent* AComponent)
{
    FLog << "inspector remove " + NameOf(AComponent);
}

void TFakeInspector::ClearComponents()
{
    FLog << "inspector clear";
}

void TFakeInspector::ShowSelection(TComponentList* List)
{
    FLog << QString("inspector selection %1").arg(List ? List->Count() : -1);
}

void TFakeInspector::SetPropertyRows(TStringList*, TStringList*, TStringList*)
{
    FLog << "inspector rows";
}

TClaimingControl::TClaimingControl(TComponent* AOwner, TWinControl* AParent, QStringList& Log)
    : TCustomControl(AOwner), FLog(Log)
{
    SetParent(AParent);
    SetBounds(10, 10, 40, 20);
}

void TClaimingControl::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DESIGNHITTEST) {
        Message.Result = Claims ? 1 : 0;
        return;
    }
    FLog << QString("control 0x%1").arg(Message.Msg, 0, 16);
}

} // namespace designer_framework::test
