#pragma once

// The tool bar's button images, drawn here: 0 print, 1 first, 2 previous,
// 3 next, 4 last, 5 zoom in, 6 zoom out.

#include <QImage>

namespace demo {

constexpr int ToolGlyphCount = 7;

// 16 x 16; the bottom-left pixel is the transparent colour. A null image
// outside 0 .. ToolGlyphCount - 1.
QImage ToolGlyph(int Index);

} // namespace demo
