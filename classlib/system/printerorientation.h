#pragma once

#include "classlib/core/typinfo.h"

namespace classlib {

QX_ENUM(TPrinterOrientation, poPortrait, poLandscape)

} // namespace classlib
