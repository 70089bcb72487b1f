#pragma once

// Holds the repaints that controls ask for while many of them change one
// after another (a selection of a thousand controls moved, marked or
// unmarked). While a hold lives, a control's Invalidate adds its bounds to
// one rectangle kept for the widget that holds it; when the last hold ends,
// each such widget repaints that rectangle once, its children with it.
// Qt walks every sibling of each widget that it repaints on its own, so a
// repaint per control costs time in the square of their number.

class QWidget;

namespace classlib {

class TUpdateHold {
public:
    TUpdateHold();
    ~TUpdateHold();
    TUpdateHold(const TUpdateHold&) = delete;
    TUpdateHold& operator=(const TUpdateHold&) = delete;

    static bool Active();
    // Takes the repaint of Widget into its parent's held rectangle; false
    // when there is no hold or Widget is a window, which repaints alone.
    static bool Hold(QWidget* Widget);
};

} // namespace classlib
