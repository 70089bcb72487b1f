#include "designer/qxui/splashform.h"

#include "designer/qxui/formparts.h"

#include "classlib/controls/label.h"
#include "classlib/controls/panel.h"
#include "classlib/core/classbuilder.h"

using namespace classlib;

namespace qxui {

const TClassInfo& TfrmSplash::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TfrmSplash>("TfrmSplash").Build();
    return info;
}

TfrmSplash::TfrmSplash(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("frmSplash"));
    SetBorderStyle(bsNone);
    SetFormStyle(fsStayOnTop);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 320, 140);
    pnlFrame = new TPanel(this);
    pnlFrame->SetName(QStringLiteral("pnlFrame"));
    pnlFrame->SetParent(this);
    pnlFrame->SetAlign(alClient);
    pnlFrame->SetBevelInner(bvLowered);
    lblTitle = MakeLabel(this, QStringLiteral("lblTitle"), QStringLiteral("Tessary"), 24, 30);
    lblTitle->SetParent(pnlFrame);
    lblTitle->Font()->SetSize(20);
    lblTitle->Font()->SetStyle({fsBold});
    lblLoading = MakeLabel(this, QStringLiteral("lblLoading"), QStringLiteral("Starting the report designer..."), 24, 86);
    lblLoading->SetParent(pnlFrame);
    InitForm();
}

TfrmSplash::~TfrmSplash()
{
    DoDestroy();
}

} // namespace qxui
