#include "classlib/controls/pictureeditor.h"

#include "classlib/controls/button.h"
#include "classlib/controls/filedialogs.h"
#include "classlib/controls/image.h"
#include "classlib/controls/panel.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/picture.h"

#include <memory>

namespace classlib {

const TClassInfo& TPictureEditorDlg::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPictureEditorDlg>("TPictureEditorDlg")
        .Method("LoadClick", &TPictureEditorDlg::LoadClick)
        .Method("ClearClick", &TPictureEditorDlg::ClearClick)
        .Build();
    return info;
}

namespace {

TButton* MakeButton(TForm* Form, const QString& Caption, int Left, int Top)
{
    auto* b = new TButton(Form);
    b->SetParent(Form);
    b->SetBounds(Left, Top, 75, 25);
    b->SetCaption(Caption);
    return b;
}

} // namespace

TPictureEditorDlg::TPictureEditorDlg(TComponent* AOwner) : TForm(AOwner)
{
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 370, 290);
    SetCaption(QStringLiteral("Picture Editor"));
    SetPosition(poScreenCenter);
    Frame = new TPanel(this);
    Frame->SetParent(this);
    Frame->SetBounds(12, 12, 258, 266);
    Frame->SetBevelOuter(bvLowered);
    Image = new TImage(this);
    Image->SetParent(Frame);
    Image->SetBounds(2, 2, 254, 262);
    Image->SetCenter(true);
    LoadButton = MakeButton(this, QStringLiteral("&Load..."), 282, 12);
    LoadButton->OnClick = TMethod{StaticClass().FindMethod(u"LoadClick"), this};
    ClearButton = MakeButton(this, QStringLiteral("&Clear"), 282, 43);
    ClearButton->OnClick = TMethod{StaticClass().FindMethod(u"ClearClick"), this};
    OkButton = MakeButton(this, QStringLiteral("OK"), 282, 222);
    OkButton->SetDefault(true);
    OkButton->SetModalResult(mrOk);
    CancelButton = MakeButton(this, QStringLiteral("Cancel"), 282, 253);
    CancelButton->SetCancel(true);
    CancelButton->SetModalResult(mrCancel);
    OpenDialog = new TOpenDialog(this);
    OpenDialog->SetTitle(QStringLiteral("Load picture"));
    OpenDialog->SetFilter(GraphicFilter());
    OpenDialog->SetOptions({ofHideReadOnly, ofPathMustExist, ofFileMustExist});
    SetActiveControl(LoadButton);
    InitForm();
}

TPictureEditorDlg::~TPictureEditorDlg()
{
    DoDestroy();
}

void TPictureEditorDlg::LoadClick(TObject*)
{
    if (!OpenDialog->Execute())
        return;
    // Read aside first: a file that fails leaves the shown picture alone.
    TPicture loaded;
    loaded.LoadFromFile(OpenDialog->FileName());
    Image->SetPicture(&loaded);
}

void TPictureEditorDlg::ClearClick(TObject*)
{
    Image->SetPicture(nullptr);
}

bool EditPicture(TPicture* Picture)
{
    if (!Picture)
        return false;
    const auto dialog = std::make_unique<TPictureEditorDlg>(nullptr);
    dialog->Image->SetPicture(Picture);
    if (dialog->ShowModal() != mrOk)
        return false;
    Picture->Assign(dialog->Image->Picture());
    return true;
}

} // namespace classlib
