#include "designer/qxui/optionsform.h"

#include "designer/qxui/formparts.h"

#include "classlib/controls/button.h"
#include "classlib/controls/checkbox.h"
#include "classlib/core/classbuilder.h"

using namespace classlib;

namespace qxui {

const TClassInfo& TfrmOptions::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TfrmOptions>("TfrmOptions").Build();
    return info;
}

TfrmOptions::TfrmOptions(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("frmOptions"));
    SetCaption(QStringLiteral("Designer Options"));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 300, 190);
    chkShowGrid = MakeCheckBox(this, QStringLiteral("chkShowGrid"), QStringLiteral("Show &grid"), 16, 16);
    chkShowCaptions =
        MakeCheckBox(this, QStringLiteral("chkShowCaptions"), QStringLiteral("Show band &captions"), 16, 42);
    chkConfirmDelete =
        MakeCheckBox(this, QStringLiteral("chkConfirmDelete"), QStringLiteral("Confirm &deletion"), 16, 68);
    chkAutoPreview =
        MakeCheckBox(this, QStringLiteral("chkAutoPreview"), QStringLiteral("&Automatic preview"), 16, 94);
    btnOK = MakeButton(this, QStringLiteral("btnOK"), QStringLiteral("OK"), mrOk, 124, 130);
    btnOK->SetDefault(true);
    btnCancel = MakeButton(this, QStringLiteral("btnCancel"), QStringLiteral("Cancel"), mrCancel, 208, 130);
    btnCancel->SetCancel(true);
    InitForm();
}

TfrmOptions::~TfrmOptions()
{
    DoDestroy();
}

bool TfrmOptions::Edit(bool& ShowGrid, bool& ShowCaptions, bool& ConfirmDelete, bool& AutoPreview)
{
    chkShowGrid->SetChecked(ShowGrid);
    chkShowCaptions->SetChecked(ShowCaptions);
    chkConfirmDelete->SetChecked(ConfirmDelete);
    chkAutoPreview->SetChecked(AutoPreview);
    if (ShowModal() != mrOk)
        return false;
    ShowGrid = chkShowGrid->Checked();
    ShowCaptions = chkShowCaptions->Checked();
    ConfirmDelete = chkConfirmDelete->Checked();
    AutoPreview = chkAutoPreview->Checked();
    return true;
}

} // namespace qxui
