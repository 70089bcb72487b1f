#pragma once

// The designer's pictures, drawn here: the Standard bar's 16-pixel strip
// (with the page and zoom pictures of the status bar), the component
// palette's 24-pixel strip (the selection arrow, then one picture per
// placeable class, labelled with its short name) and the preview window's
// 16-pixel strip.

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

// Indexes into the preview window's strip; the stale Refresh picture
// tells that the pages are older than the document.
enum TPreviewGlyph {
    pgZoomIn, pgZoomOut, pgPrint, pgSheet, pgFirst, pgPrevious, pgNext, pgLast, pgRefresh, pgRefreshStale,
    pgPage, pgZoom, pgCount
};

std::unique_ptr<classlib::TBitmap> ToolGlyphs();
std::unique_ptr<classlib::TBitmap> PreviewGlyphs();
// The arrow, then a picture for each name in order.
std::unique_ptr<classlib::TBitmap> PaletteGlyphs(const QStringList& Names);

} // namespace designer
