#pragma once

// The alignments that elements store under the class library's names: the
// side a parent places an element against, and the horizontal alignment of
// text.

#include "classlib/core/typinfo.h"

namespace runtime {

QX_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)
QX_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)

} // namespace runtime
