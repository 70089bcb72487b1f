#pragma once

// What the preview windows around a TQXPreview share: the five zoom
// presets and their radio items, the Zoom In step, and the texts and
// drawing of the page and zoom panels of their status bars.

#include "classlib/core/typinfo.h"
#include "classlib/graphics/gditypes.h"

#include <QString>

#include <optional>

namespace classlib {
class TComponent;
class TImageList;
class TMenuItem;
class TObject;
class TStatusBar;
class TStatusPanel;
}

namespace runtime {

inline constexpr int ZoomPresetCount = 5;
// 2.0, 1.5, 1.0, 0.75 and 0.5, in the menus' order.
extern const double ZoomPresets[ZoomPresetCount];
using TZoomPresetItems = classlib::TMenuItem* [ZoomPresetCount];

// The five presets under Parent as radio items "200%" .. "50%", named
// Prefix followed by the number, each clicking Click; 100% checked.
void AddZoomPresetItems(classlib::TComponent* Owner, classlib::TMenuItem* Parent, TZoomPresetItems& Items,
                        const QString& Prefix, const classlib::TMethod& Click);
// Checks exactly the item whose percentage is the zoom's, rounded.
void CheckZoomPresets(const TZoomPresetItems& Items, double Zoom);
// The preset of Sender when it is one of Items.
std::optional<double> ZoomPresetOf(const classlib::TObject* Sender, const TZoomPresetItems& Items);

// Zoom In: one and a half times, only while the factor is below 328, where
// a page stops being a page on screen; above it the zoom stays.
double ZoomedIn(double Zoom);

// The zoom panel's text: the per cent, rounded, followed by "%".
QString ZoomStatusText(double Zoom);
// The page panel's text "n of count": n the current page from 1, 0 when
// there is no page.
QString PageStatusText(int CurrentPage, int PageCount);
// An owner-drawn panel: the image at its left edge, centred, the text
// 12 pixels right of that edge.
void DrawStatusPanel(classlib::TStatusBar& StatusBar, const classlib::TStatusPanel& Panel,
                     const classlib::TRect& Rect, const classlib::TImageList& Images, int Image);

} // namespace runtime
