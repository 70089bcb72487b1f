#include "designer-framework/testprogram/selectioninspector.h"

#include "designer-framework/controldesigner.h"

#include "classlib/controls/statictext.h"
#include "classlib/core/componentlist.h"

#include <QStringList>

#include <algorithm>

namespace designer_framework::testprogram {

using namespace classlib;

namespace {

QString Describe(const QList<TComponent*>& Components)
{
    if (Components.size() != 1) {
        QStringList names;
        for (const TComponent* c : Components) names << c->Name();
        return names.join(QStringLiteral(", "));
    }
    const TComponent* c = Components.first();
    QString text = QStringLiteral("%1: %2").arg(c->Name(), c->ClassName());
    // The surface is shown by name alone: its place is the window's.
    if (const TControl* control = As<TControl>(c); control && !As<TControlDesigner>(c))
        text += QStringLiteral(" at %1, %2, %3 x %4")
                    .arg(control->Left())
                    .arg(control->Top())
                    .arg(control->Width())
                    .arg(control->Height());
    return text;
}

} // namespace

TSelectionInspector::TSelectionInspector(TComponent* AOwner) : TInspectorForm(AOwner), FText(new TStaticText(this))
{
    FText->SetAutoSize(false);
    FText->SetParent(this);
    FText->SetBounds(4, 4, 0, 0);
    Resize();
}

const QString& TSelectionInspector::SelectionText() const
{
    return FText->Caption();
}

void TSelectionInspector::Resize()
{
    TInspectorForm::Resize();
    if (FText) FText->SetBounds(4, 4, std::max(ClientWidth() - 8, 0), std::max(ClientHeight() - 8, 0));
}

void TSelectionInspector::ShowComponents(const QList<TComponent*>& Components)
{
    FText->SetCaption(Describe(Components));
}

void TSelectionInspector::ShowSelection(TComponentList* List)
{
    QList<TComponent*> components;
    for (int i = 0; List && i < List->Count(); ++i) components.append(List->Items(i));
    ShowComponents(components);
}

void TSelectionInspector::DesignModified()
{
    // Bounds may have changed: show the active surface's selection again.
    TControlDesigner* surface = ActiveSurface();
    if (!surface) return;
    QList<TComponent*> components;
    for (int i = 0; i < surface->SelectionCount(); ++i) components.append(surface->GetSelectedComponent(i));
    if (components.isEmpty()) components.append(surface);
    ShowComponents(components);
}

void TSelectionInspector::ClearComponents()
{
    FText->SetCaption(QString());
}

void TSelectionInspector::ComponentNameChanged(TComponent*, const QString&) {}
void TSelectionInspector::ComponentInserted(TComponent*) {}
void TSelectionInspector::ComponentRemoved(TComponent*) {}
void TSelectionInspector::SetPropertyRows(TStringList*, TStringList*, TStringList*) {}

} // namespace designer_framework::testprogram
