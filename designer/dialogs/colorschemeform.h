#pragma once

// The colour-scheme dialog: twelve predefined scheme tiles and the six
// colours of a custom scheme. It holds no scheme data of its own and hands
// nothing back: its caller shows it modally and frees it.

#include "classlib/controls/form.h"

#include <array>

namespace classlib {
class TButton;
class TCanvas;
class TGroupBox;
class TLabel;
class TPageControl;
class TPanel;
class TTabSheet;
}

namespace designer {

class TColorSelector;
class TItemSelector;

class TfrmColorScheme : public classlib::TForm {
    QX_CLASS(TfrmColorScheme, classlib::TForm)
public:
    explicit TfrmColorScheme(classlib::TComponent* AOwner);
    ~TfrmColorScheme() override;

    classlib::TPageControl* pclMain = nullptr;
    classlib::TTabSheet* tshStandard = nullptr;
    classlib::TTabSheet* tshCustom = nullptr;
    classlib::TLabel* lblStandard = nullptr;
    TItemSelector* ItemSelector1 = nullptr;
    classlib::TGroupBox* grbColors = nullptr;
    // Background, Text, Frame, Shadow, Band, Inverted Band.
    std::array<TColorSelector*, 6> ColorSelectors{};
    std::array<classlib::TLabel*, 6> ColorLabels{};
    classlib::TButton* btnAll = nullptr;
    classlib::TButton* btnApply = nullptr;
    classlib::TButton* btnCancel = nullptr;
    classlib::TPanel* pnlSample = nullptr;

    // --- handlers ---
    void ItemSelector1DrawItem(classlib::TObject* Sender, int Item, classlib::TCanvas* Canvas, classlib::TRect r,
                               bool Selected);
};

} // namespace designer
