#pragma once

// The designer's about box: its name, version and an OK button.

#include "classlib/controls/form.h"

namespace classlib {
class TButton;
class TLabel;
} // namespace classlib

namespace qxui {

class TfrmAbout : public classlib::TForm {
    QX_CLASS(TfrmAbout, classlib::TForm)
public:
    explicit TfrmAbout(classlib::TComponent* AOwner);
    ~TfrmAbout() override;

    classlib::TLabel* lblTitle = nullptr;
    classlib::TLabel* lblVersion = nullptr;
    classlib::TLabel* lblNote = nullptr;
    classlib::TButton* btnOK = nullptr;
};

} // namespace qxui
