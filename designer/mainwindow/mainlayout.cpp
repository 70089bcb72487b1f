// The paper and page centred in their scroll box, the rulers that follow
// them, the rulers' marker lines, the status bar and its hint panel.

#include "designer/mainwindow/mainwindow.h"

#include "designer/document/designinstances.h"
#include "designer/document/designstate.h"
#include "designer/mainwindow/mainglyphs.h"
#include "designer/controls/marker.h"
#include "designer/document/page.h"
#include "designer/document/pagedesigner.h"
#include "designer/document/paper.h"
#include "designer/manager/reportmanager.h"
#include "designer/controls/ruler.h"
#include "designer/controls/statusbars.h"

#include "classlib/controls/application.h"
#include "classlib/controls/hints.h"
#include "classlib/controls/imagelist.h"
#include "classlib/controls/screen.h"
#include "classlib/controls/scrollbox.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/xoroverlay.h"
#include "classlib/graphics/canvas.h"

#include <QCursor>

#include <algorithm>

namespace designer {

using namespace classlib;

void TfrmMain::PaperLayout()
{
    if (FDestroying || !PageDesigner) return;
    // The page designer clamps the zoom against the page now shown.
    PageDesigner->SetZoom(PageDesigner->GetZoom() > 0 ? PageDesigner->GetZoom() : 1.0);
    UpdateZoom();
    if (PageWindow && PaperWindow) {
        const int w = PaperWindow->Width();
        const int h = PaperWindow->Height();
        const int mx = TopLeftMarker->Left();
        const int my = TopLeftMarker->Top();
        const int x = std::max(mx + (sbrPaper->ClientWidth() - w) / 2, mx + 5);
        const int y = std::max(my + (sbrPaper->ClientHeight() - h) / 2, my + 5);
        PageWindow->SetBounds(x + PaperWindow->MarginPixels(0), y + PaperWindow->MarginPixels(1),
                              PageWindow->Width(), PageWindow->Height());
        PaperWindow->SetBounds(x, y, w, h);
        BottomRightMarker->SetBounds(x + w, y + h, BottomRightMarker->Width(), BottomRightMarker->Height());
        if (Manager) Manager->SetDesignProportions(w, h);
    }
    UpdateRulers();
}

void TfrmMain::UpdateRulers()
{
    if (!PaperWindow) return;
    const TPoint paper = PaperWindow->ClientToScreen(TPoint{0, 0});
    const TPoint corner = BottomRightMarker->ClientToScreen(TPoint{0, 0});
    for (TQXRuler* ruler : {TopRuler, LeftRuler}) {
        const bool across = ruler == TopRuler;
        auto along = [&](const TPoint& Screen) {
            const TPoint p = ruler->ScreenToClient(Screen);
            return across ? p.X : p.Y;
        };
        ruler->SetValue(1, along(paper));
        ruler->SetValue(2, along(corner));
        if (PageWindow) {
            const int start = along(PageWindow->ClientToScreen(TPoint{0, 0}));
            ruler->SetValue(4, start);
            ruler->SetValue(5, start + (across ? PageWindow->Width() : PageWindow->Height()));
        }
        // Pixels per 5 mm.
        if (Scale > 0) ruler->SetStep(Scale * 500);
    }
}

void TfrmMain::PaperChange(TObject*)
{
    PaperLayout();
}

void TfrmMain::sbrPaperResize(TObject*)
{
    PaperLayout();
}

void TfrmMain::MarkerMove(TObject*)
{
    UpdateRulers();
}

void TfrmMain::RulerMarker(TObject* Sender, int Position)
{
    // Drawing the same line twice takes it away again.
    auto* ruler = dynamic_cast<TQXRuler*>(Sender);
    if (!ruler) return;
    const TPoint origin = sbrPaper->ClientToScreen(TPoint{0, 0});
    const TRect area{origin.X, origin.Y, origin.X + sbrPaper->ClientWidth(), origin.Y + sbrPaper->ClientHeight()};
    TXorOverlay* overlay = TXorOverlay::Of(this);
    if (!overlay) return;
    // Light grey: it shows over the white page and the grey around it.
    const TColor grey = TColor(12632256);
    if (ruler == TopRuler) {
        const int x = ruler->ClientToScreen(TPoint{Position, 0}).X;
        overlay->Line(TPoint{x, area.Top}, TPoint{x, area.Bottom}, area, grey);
    } else {
        const int y = ruler->ClientToScreen(TPoint{0, Position}).Y;
        overlay->Line(TPoint{area.Left, y}, TPoint{area.Right, y}, area, grey);
    }
}

void TfrmMain::sbrBottomResize(TObject* Sender)
{
    // Also while the bar is being placed, before the form holds it.
    if (auto* bar = dynamic_cast<TStatusBar*>(Sender)) GiveFirstPanelTheRest(bar);
}

void TfrmMain::sbrBottomDrawPanel(TStatusBar* StatusBar, TStatusPanel* Panel, TRect Rect)
{
    const int image = Panel->Index() == 1 ? tgPage : tgZoom;
    TCanvas& canvas = *StatusBar->Canvas();
    imlToolbar->Draw(canvas, Rect.Left, (Rect.Top + Rect.Bottom) / 2 - 8, image);
    canvas.TextOut(Rect.Left + 12, Rect.Top + 1, Panel->Text());
}

void TfrmMain::ApplicationHint(TObject*)
{
    const TPoint cursor{QCursor::pos().x(), QCursor::pos().y()};
    TWinControl* under = FindVCLWindow(cursor);
    TForm* active = Screen()->ActiveForm();
    TForm* form = under ? GetParentForm(under) : active;
    if (!form || !active) return;
    // The bar of the active form; it is looked up each time, so a freed
    // form leaves nothing behind.
    auto* bar = dynamic_cast<TStatusBar*>(active->FindComponent(QStringLiteral("sbrBottom")));
    if (!bar || bar->Panels()->Count() == 0) return;
    bar->Panels()->Items(0)->SetText(form == active ? GetLongHint(Application()->Hint()) : QString());
}

} // namespace designer
