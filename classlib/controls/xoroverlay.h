#pragma once

// Feedback drawn "in exclusive-or" over a window: outlines, rubber bands,
// corner marks. Qt paints no widget from outside its paint event, so the
// shapes are state of a transparent widget laid over the top-level window,
// and drawing a shape that is already there removes it, as a second
// exclusive-or draw restores the screen. Focus rectangles invert the
// pixels below; marks are filled.

#include "classlib/graphics/color.h"
#include "classlib/graphics/gditypes.h"

#include <QList>
#include <QWidget>

namespace classlib {

class TControl;

class TXorOverlay : public QWidget {
public:
    // The overlay of the top-level window that shows Control, made on
    // first use and freed with the window; nil for a control without widget.
    static TXorOverlay* Of(const TControl* Control);

    // Screen coordinates. A line goes from From up to, not including, To;
    // the clip (screen, empty: none) limits where it shows but is no part
    // of the shape. It inverts the pixels below, or with a colour takes
    // them exclusive-or that colour.
    void Line(const TPoint& From, const TPoint& To, const TRect& Clip = TRect{}, TColor Color = clNone);
    // The dotted rectangle of a focus.
    void FocusRect(const TRect& R);
    void Mark(const TRect& R, TColor Color);

    int ShapeCount() const { return int(FShapes.size()); }
    void Clear();

protected:
    void paintEvent(QPaintEvent* E) override;

private:
    enum class TKind { Line, Focus, Mark };
    struct TShape {
        TKind Kind;
        TPoint A, B;  // line ends, or a rectangle's corners
        TColor Color;
        TRect Clip;
        bool operator==(const TShape& O) const
        {
            return Kind == O.Kind && A == O.A && B == O.B && Color == O.Color;
        }
    };

    explicit TXorOverlay(QWidget* Window);
    void Toggle(const TShape& Shape);
    bool eventFilter(QObject* Watched, QEvent* E) override;

    QList<TShape> FShapes;
};

} // namespace classlib
