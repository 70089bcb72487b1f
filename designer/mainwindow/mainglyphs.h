#pragma once

// The designer's pictures, drawn here: the Standard bar's 16-pixel strip
// (with the page and zoom pictures of the status bar), the component
// palette's 24-pixel strip (the selection arrow, then one picture per
// placeable class, labelled with its short name), and the 16-pixel strips
// of the preview window, the report manager and its print order.

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

// Indexes into the report manager's strip; 7 to 9 are unused.
enum TManagerGlyph { mgNew, mgDelete, mgProperties, mgCut, mgCopy, mgPaste, mgPreview, mgPageCount = 10, mgCount };

// Indexes into the print order's strip.
enum TOrderGlyph { ogPageEntry, ogGroup, ogCount };

std::unique_ptr<classlib::TBitmap> ToolGlyphs();
std::unique_ptr<classlib::TBitmap> PreviewGlyphs();
std::unique_ptr<classlib::TBitmap> ManagerGlyphs();
std::unique_ptr<classlib::TBitmap> OrderGlyphs();
// The arrow, then a picture for each name in order.
std::unique_ptr<classlib::TBitmap> PaletteGlyphs(const QStringList& Names);

} // namespace designer
