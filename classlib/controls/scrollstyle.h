#pragma once

// Which scroll bars a scrolling control shows.

#include "classlib/core/typinfo.h"

namespace classlib {

QX_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)

} // namespace classlib
