#pragma once

// The classes the test program designs: a shape, a panel that holds
// controls and a non-visual timer, registered for streams, each with the
// glyph its palette button (and the timer's capsule) shows, and what the
// object inspector shows of each.

#include <QList>

namespace classlib {
class TClassInfo;
}

namespace designer_framework::testprogram {

// The name of the pointer button's glyph: no class, just selecting.
inline constexpr char ArrowGlyphName[] = "Arrow";

// Registers the classes and the glyphs; a second call changes nothing.
void RegisterTestClasses();
// The classes of the palette, in button order.
QList<const classlib::TClassInfo*> PaletteClasses();

} // namespace designer_framework::testprogram
