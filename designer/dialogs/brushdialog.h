#pragma once

// The brush dialog: a fill style and colour. OK writes them into Brush;
// nothing else does.

#include "designer/dialogs/stylelistdialog.h"

namespace classlib {
class TBrush;
}

namespace designer {

class TfrmPropBrush : public TStyleListDialog {
    QX_CLASS(TfrmPropBrush, TStyleListDialog)
public:
    explicit TfrmPropBrush(classlib::TComponent* AOwner);
    ~TfrmPropBrush() override;

    // The brush edited; set before the dialog is shown.
    classlib::TBrush* Brush = nullptr;

    // --- handlers ---
    void FormShow(classlib::TObject* Sender);
    void btnOkClick(classlib::TObject* Sender);
};

} // namespace designer
