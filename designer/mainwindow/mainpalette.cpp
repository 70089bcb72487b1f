// The component palette: a button and a "&Component" item for every
// placeable class, and the insertion of the chosen class on the page.

#include "designer/mainwindow/mainwindow.h"

#include "designer/document/designinstances.h"
#include "designer/mainwindow/mainglyphs.h"
#include "designer/controls/marker.h"
#include "designer/document/page.h"
#include "designer/document/pagedesigner.h"
#include "designer/controls/palettebutton.h"

#include "designer-framework/designregistry.h"

#include "classlib/controls/imagelist.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/scrollbox.h"
#include "classlib/controls/toolbar.h"
#include "classlib/graphics/bitmap.h"

namespace designer {

using namespace classlib;
using designer_framework::DesignerPages;
using designer_framework::TDesignerPage;

namespace {

TDesignerPage* PalettePage()
{
    return DesignerPages().Count() > 0 ? DesignerPages().GetPage(0) : nullptr;
}

} // namespace

// Tags count from 1 into the registry's first page, which only grows.
const TClassInfo* TfrmMain::ClassOfTag(int Tag) const
{
    TDesignerPage* page = PalettePage();
    if (!page || Tag < 1 || Tag > page->Count()) return nullptr;
    return page->GetItem(Tag - 1)->ComponentClass();
}

void TfrmMain::BuildPalette()
{
    TDesignerPage* page = PalettePage();
    const int count = page ? page->Count() : 0;
    QStringList names;
    for (int i = 0; i < count; ++i) names << page->GetItem(i)->Name().mid(3);
    imlComponents->Clear();
    imlComponents->AddMasked(PaletteGlyphs(names).get(), clFuchsia);
    for (int i = 0; i < count; ++i) {
        const QString& name = names.at(i);
        auto* button = new TPaletteButton(tbrComponents);
        button->SetTag(i + 1);
        button->SetShowHint(true);
        button->SetHint(name + QStringLiteral("|Allows to insert this component at the page"));
        button->OnClick = Handler(u"PaletteClick");
        button->OnMouseDown = Handler(u"PaletteMouseDown");
        button->SetStyle(tbsCheck);
        button->SetImageIndex(i + 1);
        button->SetToolBar(tbrComponents);

        auto* item = new TMenuItem(this);
        item->SetCaption(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        item->SetTag(i + 1);
        item->SetHint(QStringLiteral("Inserts this component at the page"));
        item->OnClick = Handler(u"ComponentMenuClick");
        mmiComponent->Insert(i, item);
    }
}

void TfrmMain::PaletteClick(TObject* Sender)
{
    auto* clicked = dynamic_cast<TToolButton*>(Sender);
    InsertClass = clicked ? ClassOfTag(clicked->Tag()) : nullptr;
    for (int i = 0; i < tbrComponents->ButtonCount(); ++i) {
        TToolButton* button = tbrComponents->Buttons(i);
        if (auto* palette = dynamic_cast<TPaletteButton*>(button)) palette->SetSticky(StickyInsert);
        if (button->Style() != tbsDivider && button->Style() != tbsSeparator) button->SetDown(button == clicked);
    }
    if (clicked == tbnComponent || !InsertClass) StickyInsert = false;
}

void TfrmMain::PaletteMouseDown(TObject*, TMouseButton, TShiftState Shift, int, int)
{
    StickyInsert = Shift.Contains(ssShift);
}

void TfrmMain::PageMouseDown(TObject*, TMouseButton Button, TShiftState, int X, int Y)
{
    if (!InsertClass || Button != mbLeft) return;
    InsertAt(TPoint{X, Y});
}

void TfrmMain::InsertAt(const TPoint& At)
{
    if (!PageWindow || !InsertClass) return;
    PageWindow->CreateComponent(*InsertClass, At);
    PageDesigner->Modified();
    if (!StickyInsert) PaletteClick(tbnComponent);
}

void TfrmMain::ComponentMenuClick(TObject* Sender)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    const TClassInfo* cls = item ? ClassOfTag(item->Tag()) : nullptr;
    if (!cls || !PageWindow) return;
    InsertClass = cls;
    TPoint at{0, 0};
    if (PageWindow->SelectionCount() > 0) {
        TControl* selected = PageWindow->GetSelected(0);
        if (selected && selected != PageWindow && selected->Parent())
            at = PageWindow->ScreenToClient(selected->Parent()->ClientToScreen(TPoint{selected->Left(), selected->Top()}));
    }
    InsertAt(at);
}

void TfrmMain::PageCreate(TObject*)
{
    if (!PageWindow) return;
    sbrPaper->ScrollInView(TopLeftMarker);
    PageWindow->SetPopupMenu(mnuPaper);
    PageWindow->OnMouseDown = Handler(u"PageMouseDown");
}

} // namespace designer
