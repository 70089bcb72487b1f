#include "designer/document/pagedesigner.h"

#include "designer/document/designinstances.h"
#include "designer/elements/designpaint.h"
#include "designer/elements/elementclasses.h"
#include "designer/document/designstate.h"
#include "designer/document/page.h"
#include "designer/document/paper.h"

#include "runtime/fills.h"

#include "classlib/graphics/canvas.h"
#include "classlib/graphics/devicecontext.h"
#include "classlib/graphics/font.h"

#include <algorithm>
#include <cmath>

namespace designer {

using namespace classlib;

double ClampZoom(double Z)
{
    if (!(Z >= 0.3)) Z = 0.3;  // also NaN
    if (Z > 3.0) Z = 3.0;
    if (PageWindow) {
        const double width = PageWindow->PageWidth(), height = PageWindow->PageHeight();
        if (width > 0 && width * Z < 5000) Z = 5000 / width;
        if (height > 0 && height * Z < 5000) Z = 5000 / height;
    }
    return Z;
}

// ---------------------------------------------------------------------------
// TQXDesigner

TQXDesigner::TQXDesigner(designer_framework::TInspectorForm* AInspectorForm) : TInspectorDesigner(AInspectorForm)
{
    delete NameFont;
    NameFont = new TFont;
    NameFont->SetColor(OutlineColor);
    NameFont->SetSize(8);
    ShowGrid = true;
}

TQXDesigner::~TQXDesigner()
{
    delete NameFont;
    NameFont = nullptr;
}

double TQXDesigner::GetZoom() const
{
    return Zoom;
}

void TQXDesigner::SetZoom(double Z)
{
    Z = ClampZoom(Z);
    if (Z == Zoom) return;
    Zoom = Z;
    Scale = ScreenPixelsPerInch * Zoom / 2540;
    {
        TScaleLock lock;
        RescaleAll();
    }
    if (Surface()) RefreshInspector();
}

void TQXDesigner::RescaleAll()
{
    GridStep = Scale * 500;
    if (PaperWindow) PaperWindow->Relayout();
}

void TQXDesigner::Modified()
{
    TInspectorDesigner::Modified();
    if (!ScaleUnlocked()) return;
    IsModified = true;
    if (OnModified) OnModified(nullptr);
}

void TQXDesigner::RefreshInspector()
{
    TInspectorDesigner::Modified();
}

void TQXDesigner::Refresh()
{
    if (OnRefresh) OnRefresh(nullptr);
    if (designer_framework::TControlDesigner* surface = Surface()) {
        InvalidateAll(surface);
        RefreshInspector();
    }
}

namespace {

void PaintPageGrid(TCanvas& Canvas, int W, int H)
{
    const double g = GridStep;
    if (!(2 * g > 10)) return;
    const bool fine = g > 10;
    const double step = fine ? g : 2 * g;
    Canvas.Pen()->SetWidth(1);
    Canvas.Pen()->SetColor(GridColor);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(clWhite);
    // Multiples of the step, counted, so that the lines never drift.
    for (int axis = 0; axis < 2; ++axis) {
        const int extent = axis == 0 ? W : H;
        for (qint64 i = 1;; ++i) {
            const double at = double(i) * step;
            if (at >= extent) break;
            Canvas.Pen()->SetStyle(fine && i % 2 == 1 ? psDot : psSolid);
            const int p = int(std::nearbyint(at));
            if (axis == 0) {
                Canvas.MoveTo(p, 0);
                Canvas.LineTo(p, H);
            } else {
                Canvas.MoveTo(0, p);
                Canvas.LineTo(W, p);
            }
        }
    }
}

} // namespace

void TQXDesigner::PaintGrid()
{
    auto* page = dynamic_cast<TQXPageBase*>(Surface());
    if (!page || !page->Canvas()) return;
    TCanvas& canvas = *page->Canvas();
    const int W = page->Width(), H = page->Height();
    const runtime::TQXShadow& shadow = *page->Shadow();
    PaintShadowBars(canvas, TRect{0, 0, W, H}, shadow);
    if (shadow.Shape() != runtime::ssNone) {
        const int w = ToPixels(shadow.Width());
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(page->Color());
        canvas.Pen()->SetStyle(psSolid);
        canvas.Pen()->SetColor(page->Color());
        const bool diagonal = shadow.Shape() == runtime::ssLeftTop || shadow.Shape() == runtime::ssRightBottom;
        if (diagonal) {
            canvas.Rectangle(W - w, 0, W, w);
            canvas.Rectangle(0, H - w, w, H);
        } else {
            canvas.Rectangle(0, 0, w, w);
            canvas.Rectangle(W - w, H - w, W, H);
        }
    }
    const TRect c = page->ClientRect();
    PaintFrameBars(canvas, c, *page->Frame());

    TDeviceContext* dc = canvas.Handle();
    const int saved = dc->SaveDC();
    dc->IntersectClipRect(c);
    canvas.Refresh();
    TRect clip;
    dc->GetClipBox(clip);
    const runtime::TQXBackground& bg = *page->Background();
    if (bg.IsGradient()) {
        runtime::DrawGradientPart(canvas, c, clip, bg.Color2, bg.Color1, bg.ShadingStyle,
                                  bg.VariantStyle == runtime::bvsBackward, bg.Density);
    } else if (bg.IsPicture()) {
        if (const TGraphic* g = bg.Picture()->Graphic(); g && !g->Empty()) canvas.StretchDraw(page->GetPictureRect(), g);
    } else if (bg.IsTexture()) {
        PaintTexture(canvas, c, clip, bg);
    }
    if (ShowGrid) PaintPageGrid(canvas, W, H);
    if (bg.IsSemiTransparent()) runtime::FillSemiTransparent(canvas, c);
    dc->RestoreDC(saved);
    canvas.Refresh();
}

bool TQXDesigner::AcceptsClass(const TClassInfo& AClass)
{
    // By identity: the runtime's classes bear the same names.
    return std::ranges::find(DesignElementClasses(), &AClass) != DesignElementClasses().end();
}

// ---------------------------------------------------------------------------
// TPaperDesigner

TPaperDesigner::TPaperDesigner(designer_framework::TInspectorForm* AInspectorForm) : TInspectorDesigner(AInspectorForm)
{
    ShowGrid = true;
}

void TPaperDesigner::PaintGrid()
{
    auto* paper = dynamic_cast<TQXPaperBase*>(Surface());
    if (!paper || !paper->Canvas() || !paper->Page()) return;
    TCanvas& canvas = *paper->Canvas();
    const TQXPage* page = paper->Page();
    const TPoint at = paper->ScreenToClient(page->ClientToScreen(TPoint{0, 0}));
    canvas.Pen()->SetStyle(psDot);
    canvas.Pen()->SetColor(clBlack);
    canvas.Pen()->SetWidth(1);
    canvas.Brush()->SetStyle(bsClear);
    canvas.Rectangle(at.X - 1, at.Y - 1, SatAdd(SatAdd(at.X, page->Width()), 1),
                     SatAdd(SatAdd(at.Y, page->Height()), 1));
}

} // namespace designer
