#include "runtime/previewcommands.h"

#include "classlib/controls/imagelist.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/statusbar.h"
#include "classlib/graphics/canvas.h"

#include <cmath>

using namespace classlib;

namespace runtime {

namespace {

constexpr double ZoomInLimit = 328;
const char* const PresetCaptions[ZoomPresetCount] = {"200%", "150%", "100%", "75%", "50%"};

// Halves to the even neighbour.
long PerCent(double Zoom)
{
    return long(std::nearbyint(Zoom * 100));
}

} // namespace

const double ZoomPresets[ZoomPresetCount] = {2.0, 1.5, 1.0, 0.75, 0.5};

void AddZoomPresetItems(TComponent* Owner, TMenuItem* Parent, TZoomPresetItems& Items, const QString& Prefix,
                        const TMethod& Click)
{
    for (int i = 0; i < ZoomPresetCount; ++i) {
        auto* item = new TMenuItem(Owner);
        const QString caption = QString::fromLatin1(PresetCaptions[i]);
        item->SetName(Prefix + caption.chopped(1));
        item->SetCaption(caption);
        item->SetRadioItem(true);
        item->OnClick = Click;
        Parent->Add(item);
        Items[i] = item;
    }
    Items[2]->SetChecked(true);
}

void CheckZoomPresets(const TZoomPresetItems& Items, double Zoom)
{
    const long percent = PerCent(Zoom);
    for (int i = 0; i < ZoomPresetCount; ++i) Items[i]->SetChecked(percent == PerCent(ZoomPresets[i]));
}

std::optional<double> ZoomPresetOf(const TObject* Sender, const TZoomPresetItems& Items)
{
    for (int i = 0; i < ZoomPresetCount; ++i)
        if (Sender == Items[i]) return ZoomPresets[i];
    return std::nullopt;
}

double ZoomedIn(double Zoom)
{
    return Zoom < ZoomInLimit ? Zoom * 1.5 : Zoom;
}

QString ZoomStatusText(double Zoom)
{
    return QStringLiteral("%1%").arg(PerCent(Zoom));
}

QString PageStatusText(int CurrentPage, int PageCount)
{
    return QStringLiteral("%1 of %2").arg(PageCount > 0 ? CurrentPage + 1 : 0).arg(PageCount);
}

void DrawStatusPanel(TStatusBar& StatusBar, const TStatusPanel& Panel, const TRect& Rect, const TImageList& Images,
                     int Image)
{
    TCanvas& canvas = *StatusBar.Canvas();
    Images.Draw(canvas, Rect.Left, (Rect.Top + Rect.Bottom) / 2 - 8, Image);
    canvas.TextOut(Rect.Left + 12, Rect.Top + 1, Panel.Text());
}

} // namespace runtime
