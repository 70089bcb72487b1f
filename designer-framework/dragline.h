#pragma once

// The segments of a drag outline: the edges of the rectangles being
// dragged, with shared edges merged so that each pixel is drawn once.

#include "designer-framework/export.h"

#include "classlib/graphics/gditypes.h"

#include <QList>

namespace designer_framework {

struct TLine {
    enum : quint8 { Horizontal = 0, Vertical = 1 };
    quint8 Kind = Horizontal;
    int Pos = 0;    // y of a horizontal, x of a vertical segment
    int Start = 0;  // the range along the segment
    int Stop = 0;

    // The ends as drawn, the second excluded: a horizontal segment leaves
    // both corners to the vertical ones, so no pixel is drawn twice.
    classlib::TPoint From() const;
    classlib::TPoint To() const;
    bool operator==(const TLine&) const = default;
};

using TLines = QList<TLine>;

// The four segments of a rectangle, appended to Lines.
QX_DESIGNFW_EXPORT void AddRectLines(TLines& Lines, const classlib::TRect& R);
// Merges segments of one kind and position whose ranges overlap or touch.
QX_DESIGNFW_EXPORT void MergeLines(TLines& Lines);

} // namespace designer_framework
