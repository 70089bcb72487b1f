#pragma once

// The alignments that elements store under the class library's names; they
// live in the class library (classlib/controls/align.h).

#include "classlib/controls/align.h"

namespace runtime {

using classlib::TAlign;
using classlib::alNone;
using classlib::alTop;
using classlib::alBottom;
using classlib::alLeft;
using classlib::alRight;
using classlib::alClient;

using classlib::TAlignment;
using classlib::taLeftJustify;
using classlib::taRightJustify;
using classlib::taCenter;

} // namespace runtime
