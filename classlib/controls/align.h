#pragma once

// The alignments of the class library: the side of its parent a control (or
// a report element) is placed against, and the horizontal alignment of text.
// Header-only over the core layer, so that code without widgets (the report
// elements) can use them.

#include "classlib/core/typinfo.h"

namespace classlib {

QX_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)
QX_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)

} // namespace classlib
