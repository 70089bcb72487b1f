#include "ide/host/hostinspector.h"

#include "designer-framework/inspectordesigner.h"
#include "designer-framework/inspectorgrid.h"

#include "classlib/controls/application.h"
#include "classlib/controls/pagecontrol.h"
#include "classlib/controls/memo.h"
#include "classlib/core/classbuilder.h"

using namespace classlib;
using namespace designer_framework;

namespace idehost {

const TClassInfo& THostInspector::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<THostInspector>("THostInspector")
        .Method("dwgControlEventDblClick", &THostInspector::dwgControlEventDblClick)
        .Build();
    return info;
}

THostInspector::THostInspector(TComponent* AOwner) : TfrmInspector(AOwner)
{
    SetName("HostInspector");
    SetCaption("Object Inspector");
    tabGeneral->SetCaption("&Properties");
    TabEvent->SetCaption("&Events");
    tabAll->SetTabVisible(false);
    dwgControlEvent->OnDblClick = TMethod{StaticClass().FindMethod(u"dwgControlEventDblClick"), this};
}

void THostInspector::ShowEvents(bool Value)
{
    pgcInspector->SetActivePage(Value ? TabEvent : tabGeneral);
    pgcInspectorChange(this);
}

QStringList THostInspector::RowNames() const
{
    QStringList names;
    if (const TStringList* rows = ActiveRows())
        for (int i = 0; i < rows->Count(); ++i) names << rows->Get(i);
    return names;
}

bool THostInspector::SelectProperty(const QString& Name)
{
    const int i = RowNames().indexOf(Name);
    if (i < 0) return false;
    ActiveGrid()->SetRow(i);
    return true;
}

QString THostInspector::ValueOf(const QString& Name) const
{
    const TStringList* rows = ActiveRows();
    const int i = RowNames().indexOf(Name);
    if (!rows || i < 0) return {};
    return static_cast<TPropItem*>(rows->Objects(i))->GetValue();
}

void THostInspector::dwgControlEventDblClick(TObject*)
{
    TPropItem* row = RowItem(ActiveGrid()->Row());
    if (!row) return;
    try {
        row->Editor->Edit();
    } catch (const EAbort&) {
        return;
    } catch (const Exception& E) {
        // The status panel tells what went wrong, as for a refused value.
        memStatus->Lines()->SetText(E.Message);
        return;
    }
    DesignModified();
}

} // namespace idehost
