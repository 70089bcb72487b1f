#include "ide/documentdialog.h"

#include "ide/reportbridge.h"

#include "runtime/preview.h"
#include "runtime/report.h"

#include "classlib/controls/application.h"
#include "classlib/controls/button.h"
#include "classlib/controls/filedialogs.h"
#include "classlib/controls/groupbox.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/stringlist.h"
#include "classlib/design/propertyeditorregistry.h"

#include <memory>

using namespace classlib;
using namespace runtime;

namespace ide {

namespace {

template <class T>
T* Place(T* Control, const char* Name, TWinControl* Parent, int L, int T_, int W, int H)
{
    Control->SetName(QString::fromLatin1(Name));
    Control->SetParent(Parent);
    Control->SetBounds(L, T_, W, H);
    return Control;
}

// Runs Action, then ResetInterface whatever Action did.
template <class F>
void ThenReset(TfrmQXDocument& Dialog, F&& Action)
{
    try {
        Action();
    } catch (...) {
        Dialog.ResetInterface();
        throw;
    }
    Dialog.ResetInterface();
}

} // namespace

const TClassInfo& TfrmQXDocument::StaticClass()
{
    using F = TfrmQXDocument;
    static const TClassInfo& info = TClassBuilder<TfrmQXDocument>("TfrmQXDocument")
                                        .Method("FormShow", &F::FormShow)
                                        .Method("btnLoadClick", &F::btnLoadClick)
                                        .Method("btnSaveClick", &F::btnSaveClick)
                                        .Method("btnEditClick", &F::btnEditClick)
                                        .Method("btnClearClick", &F::btnClearClick)
                                        .Build();
    return info;
}

TMethod TfrmQXDocument::Handler(const char16_t* Name)
{
    return TMethod{StaticClass().FindMethod(Name), this};
}

TfrmQXDocument::TfrmQXDocument(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("frmQXDocument"));
    SetCaption(QStringLiteral("Report Editor"));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(Left(), Top(), 423, 238);
    OnShow = Handler(u"FormShow");

    Report = new TQXReport(this);
    Report->SetName(QStringLiteral("Report"));

    grbReport = Place(new TGroupBox(this), "grbReport", this, 8, 4, 321, 226);
    grbReport->SetCaption(QStringLiteral("Report"));
    QXPreview1 = Place(new TQXPreview(this), "QXPreview1", grbReport, 8, 16, 305, 170);
    QXPreview1->SetPreviewStyle(psLayout);
    QXPreview1->SetRows(1);
    QXPreview1->SetColumns(1);
    QXPreview1->SetZoom(1.0);
    QXPreview1->SetReport(Report);
    struct {
        TButton* TfrmQXDocument::*Field;
        const char* Name;
        const char* Caption;
        const char16_t* Click;
    } const buttons[] = {
        {&TfrmQXDocument::btnLoad, "btnLoad", "Load", u"btnLoadClick"},
        {&TfrmQXDocument::btnSave, "btnSave", "Save", u"btnSaveClick"},
        {&TfrmQXDocument::btnEdit, "btnEdit", "Edit", u"btnEditClick"},
        {&TfrmQXDocument::btnClear, "btnClear", "Clear", u"btnClearClick"},
    };
    int left = 8;
    for (const auto& b : buttons) {
        TButton* button = Place(new TButton(this), b.Name, grbReport, left, 192, 71, 25);
        button->SetCaption(QString::fromLatin1(b.Caption));
        button->OnClick = Handler(b.Click);
        this->*b.Field = button;
        left += 77;
    }
    btnOk = Place(new TButton(this), "btnOk", this, 340, 10, 75, 25);
    btnOk->SetCaption(QStringLiteral("OK"));
    btnOk->SetDefault(true);
    btnOk->SetModalResult(mrOk);
    btnCancel = Place(new TButton(this), "btnCancel", this, 340, 40, 75, 25);
    btnCancel->SetCaption(QStringLiteral("Cancel"));
    btnCancel->SetCancel(true);
    btnCancel->SetModalResult(mrCancel);

    dlgOpen = new TOpenDialog(this);
    dlgOpen->SetName(QStringLiteral("dlgOpen"));
    dlgOpen->SetDefaultExt(QStringLiteral("qxf"));
    dlgSave = new TSaveDialog(this);
    dlgSave->SetName(QStringLiteral("dlgSave"));
    dlgSave->SetDefaultExt(QStringLiteral("qxf"));
}

TfrmQXDocument::~TfrmQXDocument()
{
    DoDestroy();
    // The preview lets go of the working copy before it goes.
    QXPreview1->SetReport(nullptr);
}

void TfrmQXDocument::ResetInterface()
{
    const bool hasDoc = Report->IsLoaded();
    btnSave->SetEnabled(hasDoc);
    btnClear->SetEnabled(hasDoc);
    if (btnLoad->CanFocus()) btnLoad->SetFocus();
    btnEdit->SetCaption(hasDoc ? QStringLiteral("Edit") : QStringLiteral("New"));
}

void TfrmQXDocument::FormShow(TObject*)
{
    ResetInterface();
}

void TfrmQXDocument::btnLoadClick(TObject*)
{
    ThenReset(*this, [this] {
        dlgOpen->SetOptions({ofHideReadOnly, ofPathMustExist, ofFileMustExist});
        dlgOpen->SetTitle(QStringLiteral("Open Report"));
        dlgOpen->SetFilter(QStringLiteral("Reports (*.qxf)|*.qxf|All Files (*.*)|*.*"));
        if (!dlgOpen->Execute()) Abort();
        Report->LoadFromFile(dlgOpen->FileName());
        Report->Events()->Clear();
        Report->DesignPrepare();
    });
}

void TfrmQXDocument::btnSaveClick(TObject*)
{
    ThenReset(*this, [this] {
        dlgSave->SetOptions({ofOverwritePrompt, ofHideReadOnly, ofPathMustExist});
        dlgSave->SetTitle(QStringLiteral("Save Report As"));
        dlgSave->SetFilter(QStringLiteral("Reports (*.qxf)|*.qxf"));
        if (!dlgSave->Execute()) Abort();
        Report->SaveToFile(dlgSave->FileName());
    });
}

void TfrmQXDocument::btnEditClick(TObject*)
{
    ThenReset(*this, [this] {
        EditReport(Report);
        Report->DesignPrepare();
    });
}

void TfrmQXDocument::btnClearClick(TObject*)
{
    ThenReset(*this, [this] {
        Report->Reset();
        Report->Events()->Clear();
    });
}

TPropertyAttributes TQXDocumentProperty::GetAttributes()
{
    return {TPropertyAttribute::paDialog, TPropertyAttribute::paReadOnly};
}

void TQXDocumentProperty::Edit()
{
    auto* report = dynamic_cast<TQXReport*>(GetObjValue());
    if (!report) return;
    std::unique_ptr<TfrmQXDocument> dialog(new TfrmQXDocument(Application()));
    CloseControlsEditor(report);
    dialog->Report->Assign(report);
    dialog->Report->DesignPrepare();
    if (dialog->ShowModal() == mrOk) {
        report->Assign(dialog->Report);
        // The setter ignores the value; setting it marks the form modified.
        SetObjValue(report);
    }
}

namespace Frepprop {

void Register()
{
    RegisterPropertyEditor(TypeInfo<TQXReport*>(), &TQXReport::StaticClass(), QStringLiteral("Document"),
                           PropertyEditorClass<TQXDocumentProperty>());
}

} // namespace Frepprop

} // namespace ide
