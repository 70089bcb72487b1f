#pragma once

// The status bars of the designer's windows: a text panel that takes what
// the owner-drawn panels after it leave, and a height that follows the font.

#include "classlib/core/typinfo.h"

#include <initializer_list>

namespace classlib {
class TStatusBar;
class TWinControl;
}

namespace designer {

// A bar aligned to the bottom of Parent: a text panel of TextWidth, then
// owner-drawn panels of the given widths. The handlers are bound before
// the bar is placed, as placing it sizes it.
classlib::TStatusBar* MakeStatusBar(classlib::TWinControl* Parent, int TextWidth,
                                    std::initializer_list<int> OwnerDrawnWidths, const classlib::TMethod& DrawPanel,
                                    const classlib::TMethod& Resize);
// The first panel takes the bar's width less the other panels (at least 0).
void GiveFirstPanelTheRest(classlib::TStatusBar* Bar);
// Makes the bar as high as its font's "Wg" plus 6 pixels.
void FitStatusBar(classlib::TStatusBar* Bar);

} // namespace designer
