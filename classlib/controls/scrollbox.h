#pragma once

// Scroll boxes: an area whose children scroll under two scroll bars.
// HorzScrollBar and VertScrollBar tell how far the children are scrolled
// (Position) and how far they reach (Range, in unscrolled pixels). While
// AutoScroll is on, Range follows the children: the right and bottom edges
// of the visible ones plus Margin. A bar shows while its range exceeds the
// client area (and its Visible allows it); the client area lies inside the
// border and the shown bars. Widgets of parentless controls placed in the box
// (a form shown inside it as a child window) scroll and count too.

#include "classlib/controls/control.h"
#include "classlib/controls/controlscrollbar.h"

#include <QPointer>
#include <QScrollBar>

namespace classlib {

namespace detail { class TScrollBoxWatcher; }

class TScrollBox : public TWinControl {
    QX_CLASS(TScrollBox, TWinControl)
public:
    explicit TScrollBox(TComponent* AOwner);
    ~TScrollBox() override;

    TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar; }
    void SetHorzScrollBar(const TControlScrollBar* Value) { FHorzScrollBar->Assign(Value); }
    TControlScrollBar* VertScrollBar() const { return FVertScrollBar; }
    void SetVertScrollBar(const TControlScrollBar* Value) { FVertScrollBar->Assign(Value); }
    // Off: Range is what was set.
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value);

    // Scrolls as little as needed to bring the control (a child, or a
    // control further down) into the client area; where it does not fit,
    // its left and top edges come first.
    void ScrollInView(TControl* AControl);

    TRect ClientRect() const override;

protected:
    void Resize() override;

private:
    friend class TControlScrollBar;
    friend class detail::TScrollBoxWatcher;

    // Ranges, shown bars and positions after a change of the children, the
    // size or the bars' settings.
    void UpdateScrollBars();
    // Position of Bar := Value, clamped to what its range allows; the
    // children move by the difference.
    void ScrollTo(TControlScrollBar* Bar, int Value);
    void ScrollChildren(int DeltaX, int DeltaY);
    int AutoRange(bool Horizontal) const;
    // The widgets that scroll: every child widget but the bars.
    QList<QWidget*> ScrolledWidgets() const;
    // Pixels between the widget's edge and the client area.
    int ClientSpace(bool Horizontal) const;
    void ApplyBar(TControlScrollBar* Bar, QScrollBar* Widget, bool Shown, int Client);

    TControlScrollBar* FHorzScrollBar;
    TControlScrollBar* FVertScrollBar;
    QPointer<QScrollBar> FHorzBar;
    QPointer<QScrollBar> FVertBar;
    detail::TScrollBoxWatcher* FWatcher;
    bool FAutoScroll = true;
    bool FHorzShown = false;
    bool FVertShown = false;
    bool FUpdating = false;
};

} // namespace classlib
