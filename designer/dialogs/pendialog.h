#pragma once

// The pen dialog: a line style and colour. OK writes them into Pen;
// nothing else does. The width is shown but never offered.

#include "designer/dialogs/stylelistdialog.h"

namespace classlib {
class TPen;
}

namespace designer {

class TfrmPropPen : public TStyleListDialog {
    QX_CLASS(TfrmPropPen, TStyleListDialog)
public:
    explicit TfrmPropPen(classlib::TComponent* AOwner);
    ~TfrmPropPen() override;

    // The pen edited; set before the dialog is shown.
    classlib::TPen* Pen = nullptr;

    classlib::TLabel* lblWidth = nullptr;
    classlib::TEdit* edtWidth = nullptr;

    // --- handlers ---
    void FormShow(classlib::TObject* Sender);
    void btnOkClick(classlib::TObject* Sender);
};

} // namespace designer
