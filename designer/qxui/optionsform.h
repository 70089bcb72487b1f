#pragma once

// The designer options dialog: four check boxes, OK and Cancel.

#include "classlib/controls/form.h"

namespace classlib {
class TButton;
class TCheckBox;
} // namespace classlib

namespace qxui {

class TfrmOptions : public classlib::TForm {
    QX_CLASS(TfrmOptions, classlib::TForm)
public:
    explicit TfrmOptions(classlib::TComponent* AOwner);
    ~TfrmOptions() override;

    // Shows the four options; on OK writes the boxes back and gives true,
    // else leaves them as they were and gives false.
    bool Edit(bool& ShowGrid, bool& ShowCaptions, bool& ConfirmDelete, bool& AutoPreview);

    classlib::TCheckBox* chkShowGrid = nullptr;
    classlib::TCheckBox* chkShowCaptions = nullptr;
    classlib::TCheckBox* chkConfirmDelete = nullptr;
    classlib::TCheckBox* chkAutoPreview = nullptr;
    classlib::TButton* btnOK = nullptr;
    classlib::TButton* btnCancel = nullptr;
};

} // namespace qxui
