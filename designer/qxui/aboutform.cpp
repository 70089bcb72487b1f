#include "designer/qxui/aboutform.h"

#include "designer/qxui/formparts.h"

#include "classlib/controls/button.h"
#include "classlib/controls/label.h"
#include "classlib/core/classbuilder.h"

using namespace classlib;

namespace qxui {

const TClassInfo& TfrmAbout::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TfrmAbout>("TfrmAbout").Build();
    return info;
}

TfrmAbout::TfrmAbout(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("frmAbout"));
    SetCaption(QStringLiteral("About Tessary"));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 300, 170);
    lblTitle = MakeLabel(this, QStringLiteral("lblTitle"), QStringLiteral("Tessary"), 20, 16);
    lblTitle->Font()->SetSize(16);
    lblTitle->Font()->SetStyle({fsBold});
    lblVersion = MakeLabel(this, QStringLiteral("lblVersion"), QStringLiteral("Report designer, version 1.12"), 20, 52);
    lblNote = MakeLabel(this, QStringLiteral("lblNote"),
                        QStringLiteral("Designs banded reports for the report runtime."), 20, 74);
    btnOK = MakeButton(this, QStringLiteral("btnOK"), QStringLiteral("OK"), mrOk, 112, 110);
    btnOK->SetDefault(true);
    btnOK->SetCancel(true);
    InitForm();
}

TfrmAbout::~TfrmAbout()
{
    DoDestroy();
}

} // namespace qxui
