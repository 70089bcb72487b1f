#pragma once

// The "Document" pseudo-property of the report: the dialog "Report Editor",
// which previews a working copy of the document and offers Load, Save,
// Edit (or New) and Clear, committing the copy only on OK.

#include "classlib/controls/form.h"
#include "classlib/design/classproperty.h"

namespace classlib {
class TButton;
class TGroupBox;
class TOpenDialog;
class TSaveDialog;
}

namespace runtime {
class TQXPreview;
class TQXReport;
}

namespace ide {

class TfrmQXDocument : public classlib::TForm {
    QX_CLASS(TfrmQXDocument, classlib::TForm)
public:
    explicit TfrmQXDocument(classlib::TComponent* AOwner);
    ~TfrmQXDocument() override;

    // Save and Clear follow the working copy's document; Edit reads "New"
    // without one.
    void ResetInterface();

    classlib::TGroupBox* grbReport = nullptr;
    runtime::TQXPreview* QXPreview1 = nullptr;
    classlib::TButton *btnLoad = nullptr, *btnSave = nullptr, *btnEdit = nullptr, *btnClear = nullptr;
    classlib::TButton *btnOk = nullptr, *btnCancel = nullptr;
    classlib::TOpenDialog* dlgOpen = nullptr;
    classlib::TSaveDialog* dlgSave = nullptr;
    // The working copy.
    runtime::TQXReport* Report = nullptr;

    void FormShow(classlib::TObject* Sender);
    void btnLoadClick(classlib::TObject* Sender);
    void btnSaveClick(classlib::TObject* Sender);
    void btnEditClick(classlib::TObject* Sender);
    void btnClearClick(classlib::TObject* Sender);

private:
    classlib::TMethod Handler(const char16_t* Name);
};

class TQXDocumentProperty : public classlib::TClassProperty {
public:
    using TClassProperty::TClassProperty;
    classlib::TPropertyAttributes GetAttributes() override;
    void Edit() override;
};

namespace Frepprop {
void Register();
}

} // namespace ide
