#pragma once

namespace classlib {
class TStatusBar;
}

namespace designer {

// Makes the bar as high as its font's "Wg" plus 6 pixels.
void FitStatusBar(classlib::TStatusBar* Bar);

} // namespace designer
