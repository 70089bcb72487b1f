#pragma once

// The inspector's small pictures, drawn by our own code: the drop-down
// arrow, the dialog ellipsis and the marker of rows that stand on the
// General page. The bottom-left pixel is the transparent colour.

#include "classlib/graphics/bitmap.h"

#include <memory>

namespace designer_framework {

enum class TInspectorGlyph { Arrow, Ellipsis, General };

std::unique_ptr<classlib::TBitmap> InspectorGlyph(TInspectorGlyph Glyph);

} // namespace designer_framework
