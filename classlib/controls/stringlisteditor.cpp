#include "classlib/controls/stringlisteditor.h"

#include "classlib/controls/button.h"
#include "classlib/controls/label.h"
#include "classlib/controls/memo.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/stringlist.h"

#include <memory>

namespace classlib {

const TClassInfo& TStringListEditorDlg::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStringListEditorDlg>("TStringListEditorDlg")
        .Method("MemoChange", &TStringListEditorDlg::MemoChange)
        .Build();
    return info;
}

TStringListEditorDlg::TStringListEditorDlg(TComponent* AOwner) : TForm(AOwner)
{
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 436, 290);
    SetCaption(QStringLiteral("String List Editor"));
    SetPosition(poScreenCenter);
    LineCount = new TLabel(this);
    LineCount->SetParent(this);
    LineCount->SetBounds(12, 10, 200, 15);
    Memo = new TMemo(this);
    Memo->SetParent(this);
    Memo->SetBounds(12, 30, 412, 210);
    Memo->SetScrollBars(ssBoth);
    Memo->SetWordWrap(false);
    Memo->OnChange = TMethod{StaticClass().FindMethod(u"MemoChange"), this};
    OkButton = new TButton(this);
    OkButton->SetParent(this);
    OkButton->SetBounds(268, 252, 75, 25);
    OkButton->SetCaption(QStringLiteral("OK"));
    OkButton->SetModalResult(mrOk);
    CancelButton = new TButton(this);
    CancelButton->SetParent(this);
    CancelButton->SetBounds(349, 252, 75, 25);
    CancelButton->SetCaption(QStringLiteral("Cancel"));
    CancelButton->SetCancel(true);
    CancelButton->SetModalResult(mrCancel);
    SetActiveControl(Memo);
    InitForm();
    UpdateLineCount();
}

TStringListEditorDlg::~TStringListEditorDlg()
{
    DoDestroy();
}

void TStringListEditorDlg::MemoChange(TObject*)
{
    UpdateLineCount();
}

void TStringListEditorDlg::UpdateLineCount()
{
    const int n = Memo->Lines()->Count();
    LineCount->SetCaption(n == 1 ? QStringLiteral("1 line") : QStringLiteral("%1 lines").arg(n));
}

bool EditStringList(TStrings* Lines, const QString& Caption)
{
    if (!Lines)
        return false;
    const auto dialog = std::make_unique<TStringListEditorDlg>(nullptr);
    if (!Caption.isEmpty())
        dialog->SetCaption(Caption);
    dialog->Memo->Lines()->Assign(Lines);
    if (dialog->ShowModal() != mrOk)
        return false;
    Lines->Assign(dialog->Memo->Lines());
    return true;
}

} // namespace classlib
