#pragma once

// The shadow dialog: the corner the shadow falls towards, chosen on a
// sample of an element with its shadow bars, its width and its colour or
// "Semitransparent". OK writes the values into Shadow; nothing else does.

#include "designer/dialogs/attributedialog.h"

#include "runtime/attributes.h"

namespace classlib {
class TPanel;
class TRadioButton;
class TShape;
}

namespace designer {

class TfrmShadowProp : public TAttributeDialog {
    QX_CLASS(TfrmShadowProp, TAttributeDialog)
public:
    explicit TfrmShadowProp(classlib::TComponent* AOwner);
    ~TfrmShadowProp() override;

    // The shadow edited; set before the dialog is shown.
    runtime::TQXShadow* Shadow = nullptr;

    // The style the radios choose.
    runtime::TQXShadowStyle Style() const;

    classlib::TPanel* pnlSample = nullptr;
    classlib::TShape* shpRect = nullptr;
    classlib::TShape* shpTop = nullptr;
    classlib::TShape* shpLeft = nullptr;
    classlib::TShape* shpBottom = nullptr;
    classlib::TShape* shpRight = nullptr;
    classlib::TShape* shpLeftTop = nullptr;
    classlib::TShape* shpRightTop = nullptr;
    classlib::TShape* shpLeftBottom = nullptr;
    classlib::TShape* shpRightBottom = nullptr;
    classlib::TRadioButton* rbnNone = nullptr;
    classlib::TRadioButton* rbnLT = nullptr;
    classlib::TRadioButton* rbnRT = nullptr;
    classlib::TRadioButton* rbnLB = nullptr;
    classlib::TRadioButton* rbnRB = nullptr;
    classlib::TLabel* lblWidth = nullptr;
    classlib::TEdit* edtWidth = nullptr;
    classlib::TLabel* lblColor = nullptr;
    TColorSelector* clrColor = nullptr;

    // --- handlers ---
    void FormShow(classlib::TObject* Sender);
    void rbnClick(classlib::TObject* Sender);
    void btnOkClick(classlib::TObject* Sender);

private:
    void UpdateSample();
};

} // namespace designer
