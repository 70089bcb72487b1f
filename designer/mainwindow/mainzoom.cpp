// Zoom steps and the view options: which bars, rulers and status bar show.

#include "designer/mainwindow/mainwindow.h"

#include "designer/document/designinstances.h"
#include "designer/document/pagedesigner.h"
#include "designer/controls/ruler.h"

#include "classlib/controls/coolbar.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/toolbar.h"

#include <cmath>
#include <vector>

namespace designer {

using namespace classlib;

namespace {

// The zoom of a percentage item: its caption.
double ZoomOfItem(const TMenuItem* Item)
{
    QString text = Item->Caption();
    text.remove(QLatin1Char('%'));
    return text.toDouble() / 100.0;
}

} // namespace

void TfrmMain::SetZoom(double Z)
{
    if (PageDesigner) PageDesigner->SetZoom(Z);
    UpdateCaptions();
}

void TfrmMain::ZoomClick(TObject* Sender)
{
    if (auto* item = dynamic_cast<TMenuItem*>(Sender)) SetZoom(ZoomOfItem(item));
}

void TfrmMain::ZoomInClick(TObject*)
{
    if (PageDesigner) SetZoom(PageDesigner->GetZoom() * 1.25);
}

void TfrmMain::ZoomOutClick(TObject*)
{
    if (PageDesigner) SetZoom(PageDesigner->GetZoom() * 0.8);
}

void TfrmMain::UpdateZoom()
{
    const double zoom = PageDesigner ? PageDesigner->GetZoom() : 1.0;
    // Halves go to the even neighbour: 62.5 shows as 62.
    const auto percentOf = [](double Zoom) { return static_cast<long>(std::nearbyint(Zoom * 100)); };
    const long percent = percentOf(zoom);
    for (TMenuItem* item : {mmiZoom200, mmiZoom150, mmiZoom100, mmiZoom75, mmiZoom50, pmiZoom[0], pmiZoom[1],
                            pmiZoom[2], pmiZoom[3], pmiZoom[4]})
        item->SetChecked(percentOf(ZoomOfItem(item)) == percent);
    sbrBottom->Panels()->Items(2)->SetText(QStringLiteral("%1%").arg(percent));
}

void TfrmMain::mmiViewClick(TObject*)
{
    UpdateCaptions();
}

void TfrmMain::mnuZoomPopup(TObject*)
{
    UpdateCaptions();
}

void TfrmMain::mnuToolbarsPopup(TObject*)
{
    UpdateCaptions();
    pmiRuler->SetChecked(mmiRuler->Checked());
}

void TfrmMain::ToggleStandard(TObject*)
{
    mmiStandard->SetChecked(!mmiStandard->Checked());
    ApplyViewOptions();
}

void TfrmMain::TogglePalette(TObject*)
{
    mmiPalette->SetChecked(!mmiPalette->Checked());
    ApplyViewOptions();
}

void TfrmMain::ToggleRuler(TObject*)
{
    mmiRuler->SetChecked(!mmiRuler->Checked());
    ApplyViewOptions();
}

void TfrmMain::ToggleStatusbar(TObject*)
{
    mmiStatusbar->SetChecked(!mmiStatusbar->Checked());
    ApplyViewOptions();
}

void TfrmMain::ApplyViewOptions()
{
    // A non-zero tag switches a toolbar off.
    tbrComponents->SetTag(mmiPalette->Checked() ? 0 : 1);
    tbrStandard->SetTag(mmiStandard->Checked() ? 0 : 1);
    cbrMain->SetVisible(mmiPalette->Checked() || mmiStandard->Checked());
    if (cbrMain->Visible()) {
        TCoolBands* bands = cbrMain->Bands();
        std::vector<int> widths;
        for (int i = 0; i < bands->Count(); ++i) widths.push_back(bands->Items(i)->Width());
        for (int i = 0; i < bands->Count(); ++i) {
            TCoolBand* band = bands->Items(i);
            band->SetVisible(band->Control() && band->Control()->Tag() == 0);
        }
        for (int i = 0; i < bands->Count(); ++i) bands->Items(i)->SetWidth(widths[size_t(i)]);
    }
    TopRuler->SetVisible(mmiRuler->Checked());
    LeftRuler->SetVisible(mmiRuler->Checked());
    sbrBottom->SetVisible(mmiStatusbar->Checked());
    UpdateCaptions();
}

} // namespace designer
