#include "designer-framework/testprogram/surfacetestwindow.h"

#include "designer-framework/testprogram/testclasses.h"

#include "designer-framework/alignpalette.h"
#include "designer-framework/controldesigner.h"
#include "designer-framework/inspectordesigner.h"
#include "designer-framework/inspectorwindow.h"

#include "classlib/controls/menus.h"
#include "classlib/controls/speedbutton.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/bitmapresource.h"

namespace designer_framework::testprogram {

using namespace classlib;

namespace {

// Layout, pixels.
constexpr int Margin = 8;
constexpr int ButtonSize = 28;
constexpr int PaletteHeight = ButtonSize + Margin;
constexpr int SurfaceWidth = 300;
constexpr int SurfaceHeight = 300;
constexpr int InspectorWidth = 301;

} // namespace

const TClassInfo& TSurfaceTestWindow::StaticClass()
{
    using W = TSurfaceTestWindow;
    static const TClassInfo& info = TClassBuilder<W>("TSurfaceTestWindow")
        .Method("SurfaceMouseDown", &W::SurfaceMouseDown)
        .Method("EditPopup", &W::EditPopup)
        .Method("PaletteClick", &W::PaletteClick)
        .Method("CutClick", &W::CutClick)
        .Method("CopyClick", &W::CopyClick)
        .Method("PasteClick", &W::PasteClick)
        .Method("DeleteClick", &W::DeleteClick)
        .Method("BringToFrontClick", &W::BringToFrontClick)
        .Method("SendToBackClick", &W::SendToBackClick)
        .Build();
    return info;
}

TSurfaceTestWindow::TSurfaceTestWindow(TComponent* AOwner) : TForm(AOwner)
{
    RegisterTestClasses();
    SetCaption(QStringLiteral("Design surface test"));
    // Darker than the surfaces, so that their edges show.
    SetColor(clAppWorkSpace);
    const int width = Margin + SurfaceCount * (SurfaceWidth + Margin);
    const int surfacesTop = Margin + PaletteHeight;
    SetBounds(40, 40, width, surfacesTop + SurfaceHeight + Margin);
    CreatePalette();
    CreateEditMenu();

    // Tool windows of their own: the palette below this one, made first so
    // that it is there when the surfaces bind it; the inspector to the right.
    FAlign = new TfrmAlign(nullptr);
    FAlign->SetBounds(Left(), Top() + Height() + 2 * Margin, FAlign->Width(), FAlign->Height());
    FAlign->FreeNotification(this);
    FInspector = new TfrmInspector(nullptr);
    FInspector->SetBounds(Left() + Width() + 2 * Margin, Top(), InspectorWidth, FInspector->Height());
    FInspector->FreeNotification(this);

    // Surfaces sit in the window's widget without being its controls: a
    // control's messages go to the designer of the form at the top of its
    // parents, which must be its surface.
    for (int i = 0; i < SurfaceCount; ++i) {
        auto* surface = new TControlDesigner(nullptr);
        surface->SetName(QStringLiteral("Surface%1").arg(i + 1));
        surface->SetParentWidget(Widget());
        surface->SetBounds(Margin + i * (SurfaceWidth + Margin), surfacesTop, SurfaceWidth, SurfaceHeight);
        surface->SetVisible(true);
        surface->OnMouseDown = Handler("SurfaceMouseDown");
        surface->SetPopupMenu(FEditMenu);
        surface->FreeNotification(this);
        auto* designer = new TInspectorDesigner(FInspector);
        surface->SetInspector(designer);
        designer->SetAlignForm(FAlign);
        FSurfaces[i] = surface;
    }
    FSurfaces[0]->Activate();
}

TSurfaceTestWindow::~TSurfaceTestWindow()
{
    DoDestroy();
    // The surfaces tell the inspector they go, so it goes after them.
    for (TControlDesigner*& surface : FSurfaces) {
        delete surface;
        surface = nullptr;
    }
    delete FInspector;
    FInspector = nullptr;
    delete FAlign;
    FAlign = nullptr;
}

void TSurfaceTestWindow::ShowWindows()
{
    Show();
    if (FInspector) FInspector->Show();
    if (FAlign) FAlign->Show();
}

TMethod TSurfaceTestWindow::Handler(const char* Name)
{
    return TMethod{StaticClass().FindMethod(QString::fromLatin1(Name)), this};
}

void TSurfaceTestWindow::CreatePalette()
{
    QList<const TClassInfo*> classes = PaletteClasses();
    classes.prepend(nullptr);
    for (const TClassInfo* cls : classes) {
        auto* button = new TSpeedButton(this);
        button->SetParent(this);
        button->SetBounds(Margin + int(FPalette.size()) * (ButtonSize + 2), Margin, ButtonSize, ButtonSize);
        TBitmap glyph;
        if (LoadBitmapResource(glyph, cls ? cls->Name : QString::fromLatin1(ArrowGlyphName))) button->SetGlyph(&glyph);
        button->SetHint(cls ? cls->Name : QStringLiteral("Select"));
        button->SetShowHint(true);
        button->OnClick = Handler("PaletteClick");
        FPalette.append(button);
        FPaletteClasses.append(cls);
    }
}

void TSurfaceTestWindow::PaletteClick(TObject* Sender)
{
    const qsizetype i = FPalette.indexOf(static_cast<TSpeedButton*>(Sender));
    if (i >= 0) FChosen = FPaletteClasses.at(i);
}

TMenuItem* TSurfaceTestWindow::AddMenuItem(const QString& Caption, const char* HandlerName)
{
    auto* item = new TMenuItem(this);
    item->SetCaption(Caption);
    if (HandlerName) item->OnClick = Handler(HandlerName);
    FEditMenu->Add(item);
    return item;
}

void TSurfaceTestWindow::CreateEditMenu()
{
    FEditMenu = new TPopupMenu(this);
    FEditMenu->OnPopup = Handler("EditPopup");
    FSelectionItems << AddMenuItem(QStringLiteral("Cu&t"), "CutClick")
                    << AddMenuItem(QStringLiteral("&Copy"), "CopyClick");
    FPasteItem = AddMenuItem(QStringLiteral("&Paste"), "PasteClick");
    FSelectionItems << AddMenuItem(QStringLiteral("&Delete"), "DeleteClick");
    AddMenuItem(QStringLiteral("-"), nullptr);
    FSelectionItems << AddMenuItem(QStringLiteral("&Bring to Front"), "BringToFrontClick")
                    << AddMenuItem(QStringLiteral("&Send to Back"), "SendToBackClick");
}

void TSurfaceTestWindow::Notification(TComponent* AComponent, TOperation Operation)
{
    TForm::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    for (TControlDesigner*& surface : FSurfaces)
        if (surface == AComponent) surface = nullptr;
    if (AComponent == FInspector) FInspector = nullptr;
    if (AComponent == FAlign) FAlign = nullptr;
}

TControlDesigner* TSurfaceTestWindow::PopupSurface() const
{
    TComponent* popup = FEditMenu ? FEditMenu->PopupComponent() : nullptr;
    if (!popup) return nullptr;
    // A control's surface is the form at the top of its parents (a
    // capsule's too); a component's, its owner.
    TComponent* surface = popup;
    if (As<TControlDesigner>(popup))
        surface = popup;
    else if (auto* control = As<TControl>(popup))
        surface = GetParentForm(control);
    else
        surface = popup->Owner();
    for (TControlDesigner* s : FSurfaces)
        if (s && s == surface) return s;
    return nullptr;
}

void TSurfaceTestWindow::SurfaceMouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X, int Y)
{
    auto* surface = As<TControlDesigner>(Sender);
    if (!surface) return;
    surface->Activate();
    if (Button != mbLeft || !FChosen) return;
    // One click inserts one component; the palette goes back to the pointer.
    const TClassInfo* chosen = FChosen;
    FChosen = nullptr;
    surface->CreateComponent(*chosen, Point(X, Y));
}

void TSurfaceTestWindow::EditPopup(TObject*)
{
    TControlDesigner* surface = PopupSurface();
    if (surface) surface->Activate();
    const bool editable = surface && surface->SelectionCount() > 0 && surface->GetSelected(0) != surface;
    for (TMenuItem* item : FSelectionItems) item->SetEnabled(editable);
    FPasteItem->SetEnabled(surface && surface->CanPaste());
}

void TSurfaceTestWindow::CutClick(TObject*)
{
    if (TControlDesigner* surface = PopupSurface()) surface->CutSelection();
}

void TSurfaceTestWindow::CopyClick(TObject*)
{
    if (TControlDesigner* surface = PopupSurface()) surface->CopySelection();
}

void TSurfaceTestWindow::PasteClick(TObject*)
{
    if (TControlDesigner* surface = PopupSurface()) surface->PasteFromClipboard();
}

void TSurfaceTestWindow::DeleteClick(TObject*)
{
    if (TControlDesigner* surface = PopupSurface()) surface->DeleteSelection();
}

void TSurfaceTestWindow::BringToFrontClick(TObject*)
{
    if (TControlDesigner* surface = PopupSurface()) surface->BringToFront();
}

void TSurfaceTestWindow::SendToBackClick(TObject*)
{
    if (TControlDesigner* surface = PopupSurface()) surface->SendToBack();
}

} // namespace designer_framework::testprogram
