#pragma once

// The frame dialog: which sides of an element carry a bar, how wide and
// in which colour, with a small picture of the sides chosen. OK writes
// the values into Frame; nothing else does.

#include "designer/dialogs/attributedialog.h"

namespace classlib {
class TCheckBox;
class TPaintBox;
class TPanel;
}

namespace runtime {
class TQXFrame;
}

namespace designer {

class TfrmFrameProperty : public TAttributeDialog {
    QX_CLASS(TfrmFrameProperty, TAttributeDialog)
public:
    explicit TfrmFrameProperty(classlib::TComponent* AOwner);
    ~TfrmFrameProperty() override;

    // The frame edited; set before the dialog is shown.
    runtime::TQXFrame* Frame = nullptr;

    classlib::TCheckBox* cbxTop = nullptr;
    classlib::TCheckBox* cbxLeft = nullptr;
    classlib::TCheckBox* cbxRight = nullptr;
    classlib::TCheckBox* cbxBottom = nullptr;
    classlib::TPanel* pnlWhite = nullptr;
    classlib::TPaintBox* pbxFrame = nullptr;
    classlib::TLabel* lblWidth = nullptr;
    classlib::TEdit* edtWidth = nullptr;
    classlib::TLabel* lblColor = nullptr;
    TColorSelector* clrColor = nullptr;

    // --- handlers ---
    void FormShow(classlib::TObject* Sender);
    void cbxSideClick(classlib::TObject* Sender);
    void pbxFramePaint(classlib::TObject* Sender);
    void btnOkClick(classlib::TObject* Sender);

private:
    void UpdateEnabled();
};

} // namespace designer
