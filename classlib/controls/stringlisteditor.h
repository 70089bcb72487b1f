#pragma once

// The string-list editor: the lines in a memo, a count of them above, OK
// and Cancel. Shown modally through the modal responder.

#include "classlib/controls/form.h"

namespace classlib {

class TButton;
class TLabel;
class TMemo;
class TStrings;

class TStringListEditorDlg : public TForm {
    QX_CLASS(TStringListEditorDlg, TForm)
public:
    explicit TStringListEditorDlg(TComponent* AOwner);
    ~TStringListEditorDlg() override;

    TLabel* LineCount = nullptr;
    TMemo* Memo = nullptr;
    TButton* OkButton = nullptr;
    TButton* CancelButton = nullptr;

    void MemoChange(TObject* Sender);

private:
    void UpdateLineCount();
};

// Edits Lines in the dialog; true, with the edited lines in Lines, on OK.
bool EditStringList(TStrings* Lines, const QString& Caption = QString());

} // namespace classlib
