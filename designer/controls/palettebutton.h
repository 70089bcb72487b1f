#pragma once

// A button of the designer's component palette: a tool button that, while
// it is down and marked sticky, shows a frame inside itself, telling that
// its tool stays selected after an insertion.

#include "classlib/controls/toolbar.h"

namespace designer {

class TPaletteButton : public classlib::TToolButton {
    QX_CLASS(TPaletteButton, classlib::TToolButton)
public:
    explicit TPaletteButton(classlib::TComponent* AOwner);

    classlib::TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(classlib::TColor Value);
    bool Sticky() const { return FSticky; }
    void SetSticky(bool Value);

protected:
    void Paint() override;

private:
    classlib::TColor FFrameColor = classlib::clBlue;
    bool FSticky = false;
};

} // namespace designer
