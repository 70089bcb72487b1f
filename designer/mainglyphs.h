#pragma once

// The main window's pictures, drawn here: the Standard bar's 16-pixel
// strip (with the page and zoom pictures of the status bar) and the
// component palette's 24-pixel strip (the selection arrow, then one
// picture per placeable class, labelled with its short name).

#include <QStringList>

#include <memory>

namespace classlib {
class TBitmap;
}

namespace designer {

inline constexpr int ToolGlyphSize = 16;
inline constexpr int PaletteGlyphSize = 24;

// Indexes into the tool strip.
enum TToolGlyph {
    tgNew, tgOpen, tgSave, tgPrint, tgZoom, tgPage, tgCut, tgCopy, tgPaste, tgPages, tgPreview,
    tgInspector, tgAlign, tgZoomIn, tgZoomOut, tgCount
};

std::unique_ptr<classlib::TBitmap> ToolGlyphs();
// The arrow, then a picture for each name in order.
std::unique_ptr<classlib::TBitmap> PaletteGlyphs(const QStringList& Names);

} // namespace designer
