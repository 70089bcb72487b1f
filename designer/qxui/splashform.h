#pragma once

// The splash form: a frameless window in the middle of the screen while
// the designer starts.

#include "classlib/controls/form.h"

namespace classlib {
class TLabel;
class TPanel;
} // namespace classlib

namespace qxui {

class TfrmSplash : public classlib::TForm {
    QX_CLASS(TfrmSplash, classlib::TForm)
public:
    explicit TfrmSplash(classlib::TComponent* AOwner);
    ~TfrmSplash() override;

    classlib::TPanel* pnlFrame = nullptr;
    classlib::TLabel* lblTitle = nullptr;
    classlib::TLabel* lblLoading = nullptr;
};

} // namespace qxui
