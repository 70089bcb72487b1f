#include "designer/controls/statusbars.h"

#include "classlib/controls/statusbar.h"
#include "classlib/graphics/canvas.h"

#include <algorithm>

namespace designer {

using namespace classlib;

TStatusBar* MakeStatusBar(TWinControl* Parent, int TextWidth, std::initializer_list<int> OwnerDrawnWidths,
                          const TMethod& DrawPanel, const TMethod& Resize)
{
    auto* bar = new TStatusBar(Parent);
    bar->SetName(QStringLiteral("sbrBottom"));
    bar->Panels()->Add()->SetWidth(TextWidth);
    for (int width : OwnerDrawnWidths) {
        TStatusPanel* panel = bar->Panels()->Add();
        panel->SetStyle(psOwnerDraw);
        panel->SetWidth(width);
    }
    bar->OnDrawPanel = DrawPanel;
    bar->OnResize = Resize;
    bar->SetParent(Parent);
    bar->SetAlign(alBottom);
    return bar;
}

void GiveFirstPanelTheRest(TStatusBar* Bar)
{
    TStatusPanels* panels = Bar->Panels();
    int rest = Bar->Width();
    for (int i = 1; i < panels->Count(); ++i) rest -= panels->Items(i)->Width();
    panels->Items(0)->SetWidth(std::max(0, rest));
}

void FitStatusBar(TStatusBar* Bar)
{
    Bar->SetHeight(Bar->MeasureCanvas().TextHeight(QStringLiteral("Wg")) + 6);
}

} // namespace designer
