#pragma once

// The picture editor: the picture shown centred, "Load..." to take one
// from a file (bitmap, JPEG, metafile), "Clear" to empty it, OK and
// Cancel. A file that does not load is reported and changes nothing.

#include "classlib/controls/form.h"

namespace classlib {

class TButton;
class TImage;
class TOpenDialog;
class TPanel;
class TPicture;

class TPictureEditorDlg : public TForm {
    QX_CLASS(TPictureEditorDlg, TForm)
public:
    explicit TPictureEditorDlg(TComponent* AOwner);
    ~TPictureEditorDlg() override;

    TPanel* Frame = nullptr;
    TImage* Image = nullptr;
    TButton* LoadButton = nullptr;
    TButton* ClearButton = nullptr;
    TButton* OkButton = nullptr;
    TButton* CancelButton = nullptr;
    TOpenDialog* OpenDialog = nullptr;

    void LoadClick(TObject* Sender);
    void ClearClick(TObject* Sender);
};

// Edits Picture in the dialog; true, with the new picture in Picture, on OK.
bool EditPicture(TPicture* Picture);

} // namespace classlib
