#pragma once

// The align/size palette: a small tool window whose fifteen picture
// buttons send their command codes to the active surface's AlignSize.

#include "designer-framework/alignsizeform.h"

namespace classlib {
class TControl;
class TImageList;
class TMenuItem;
class TPopupMenu;
class TToolBar;
class TToolButton;
}

namespace designer_framework {

class QX_DESIGNFW_EXPORT TfrmAlign : public TAlignSizeForm {
    QX_CLASS(TfrmAlign, TAlignSizeForm)
public:
    explicit TfrmAlign(classlib::TComponent* AOwner);
    ~TfrmAlign() override;

    // The command code of a button of either bar; 255 for anything else.
    quint8 ButtonCode(const classlib::TControl* Button) const;

    // The check mark of "&Stay on top"; setting another state clicks it.
    bool GetStayOnTop() const;
    void SetStayOnTop(bool Value);

    // Handlers of the stored form.
    void btnClick(classlib::TObject* Sender);
    void FormActivate(classlib::TObject* Sender);
    void pmiStayOnTopClick(classlib::TObject* Sender);
    void pmiHideClick(classlib::TObject* Sender);

    classlib::TToolBar* tbrAlign = nullptr;
    classlib::TToolBar* tbrSize = nullptr;
    classlib::TImageList* imlAlign = nullptr;
    classlib::TImageList* imlHot = nullptr;
    classlib::TPopupMenu* ppmInsp = nullptr;
    classlib::TMenuItem* pmiStayOnTop = nullptr;
    classlib::TMenuItem* pmiHide = nullptr;
    classlib::TToolButton* ToolButton1 = nullptr;
    classlib::TToolButton* ToolButton2 = nullptr;
    classlib::TToolButton* ToolButton3 = nullptr;
    classlib::TToolButton* ToolButton4 = nullptr;
    classlib::TToolButton* ToolButton5 = nullptr;
    classlib::TToolButton* ToolButton6 = nullptr;
    classlib::TToolButton* ToolButton7 = nullptr;
    classlib::TToolButton* ToolButton8 = nullptr;
    classlib::TToolButton* ToolButton9 = nullptr;
    classlib::TToolButton* ToolButton10 = nullptr;
    classlib::TToolButton* ToolButton11 = nullptr;
    classlib::TToolButton* ToolButton12 = nullptr;
    classlib::TToolButton* ToolButton13 = nullptr;
    classlib::TToolButton* ToolButton14 = nullptr;
    classlib::TToolButton* ToolButton15 = nullptr;

private:
    void CreateComponents();
    classlib::TMethod Handler(const char16_t* Name);
};

} // namespace designer_framework
