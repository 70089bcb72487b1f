#pragma once

// Group boxes: an etched frame around controls that belong together, with
// the caption set into its top edge. Aligned children keep inside the frame.

#include "classlib/controls/control.h"

namespace classlib {

class TCustomGroupBox : public TCustomControl {
    QX_CLASS(TCustomGroupBox, TCustomControl)
public:
    explicit TCustomGroupBox(TComponent* AOwner);

protected:
    void Paint() override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void TextChanged() override;
    void FontChanged() override;

private:
    // Pixels from the top edge to the frame's top line: half the caption's
    // height, so that the line runs through the caption.
    int FrameTop();
};

class TGroupBox : public TCustomGroupBox {
    QX_CLASS(TGroupBox, TCustomGroupBox)
public:
    using TCustomGroupBox::TCustomGroupBox;
};

} // namespace classlib
