#pragma once

// The align/size palette's pictures, drawn by our own code: one 24 x 24
// picture per command code (0..14), a normal and a brighter hot face.
// Fuchsia is the transparent colour.

#include "classlib/graphics/bitmap.h"

#include <memory>

namespace designer_framework {

constexpr int AlignGlyphSize = 24;
constexpr int AlignGlyphCount = 15;

// All fifteen pictures side by side, in the order of their command codes.
std::unique_ptr<classlib::TBitmap> AlignGlyphs(bool Hot);

} // namespace designer_framework
