#include "classlib/controls/pagecontrol.h"

#include "classlib/controls/windowkeys.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/drawtext.h"
#include "classlib/graphics/edges.h"
#include "classlib/graphics/gdiconsts.h"

#include <algorithm>

namespace classlib {

namespace {

// Pixels: the tab row starts this far from the top and the left; a tab
// has this much room around its caption; the selected tab stands out by
// this much; the pages keep this far inside the frame.
constexpr int TabRowTop = 2;
constexpr int TabRowLeft = 2;
constexpr int TabPaddingX = 6;
constexpr int TabPaddingY = 3;
constexpr int SelectedRise = 2;
constexpr int PageMargin = 4;

} // namespace

// ---------------------------------------------------------------------------
// TTabSheet

const TClassInfo& TTabSheet::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TTabSheet>("TTabSheet")
        .Prop("Caption", &TTabSheet::FCaption, &TTabSheet::SetCaption)
        .Prop("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex).Stored(false)
        .Prop("TabVisible", &TTabSheet::FTabVisible, &TTabSheet::SetTabVisible).Default(true)
        .Build();
    return info;
}

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle({csAcceptsControls});
    SetVisible(false);
}

TTabSheet::~TTabSheet()
{
    if (FPageControl)
        FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* Value)
{
    SetParent(Value);
}

void TTabSheet::SetParent(TWinControl* AParent)
{
    auto* pc = dynamic_cast<TPageControl*>(AParent);
    if (FPageControl && FPageControl != pc)
        FPageControl->RemovePage(this);
    TWinControl::SetParent(AParent);
    if (pc && FPageControl != pc)
        pc->InsertPage(this);
}

void TTabSheet::SetCaption(const QString& Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    if (FPageControl)
        FPageControl->Invalidate();
}

void TTabSheet::SetTabVisible(bool Value)
{
    if (Value == FTabVisible)
        return;
    const int old = TabIndex();
    FTabVisible = Value;
    if (FPageControl)
        FPageControl->TabVisibleChanged(this, old);
}

int TTabSheet::PageIndex() const
{
    return FPageControl ? int(FPageControl->FPages.indexOf(const_cast<TTabSheet*>(this))) : -1;
}

void TTabSheet::SetPageIndex(int Value)
{
    if (FPageControl)
        FPageControl->MovePage(this, Value);
}

int TTabSheet::TabIndex() const
{
    return FPageControl && FTabVisible ? int(FPageControl->VisibleTabs().indexOf(const_cast<TTabSheet*>(this))) : -1;
}

// ---------------------------------------------------------------------------
// TPageControl

const TClassInfo& TPageControl::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPageControl>("TPageControl")
        .Prop("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
        .Prop("OnChange", &TPageControl::OnChange)
        .Prop("OnChanging", &TPageControl::OnChanging)
        .Build();
    return info;
}

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle({csDoubleClicks, csOpaque});
    SetBounds(0, 0, 289, 193);
    detail::InstallWindowKeys();
}

void TPageControl::FontChanged()
{
    FTabHeight = -1;
    LayoutPages();
    TCustomControl::FontChanged();
}

TPageControl::~TPageControl()
{
    // The sheets go with the controls of the base: they leave no page control.
    for (TTabSheet* page : FPages)
        page->FPageControl = nullptr;
    FPages.clear();
    FActivePage = nullptr;
}

QList<TTabSheet*> TPageControl::VisibleTabs() const
{
    QList<TTabSheet*> tabs;
    for (TTabSheet* page : FPages)
        if (page->TabVisible())
            tabs << page;
    return tabs;
}

void TPageControl::InsertPage(TTabSheet* Page)
{
    FPages.append(Page);
    Page->FPageControl = this;
    const TRect r = DisplayRect();
    Page->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    Page->SetVisible(false);
    // A page control with pages shows one, as soon as one has a tab.
    if (!FActivePage && Page->TabVisible())
        SetActivePage(Page);
    Invalidate();
}

void TPageControl::RemovePage(TTabSheet* Page)
{
    const int tab = Page->TabIndex();
    FPages.removeOne(Page);
    Page->FPageControl = nullptr;
    if (Page == FActivePage) {
        FActivePage = nullptr;
        ActivateTabNear(tab);
    }
    Invalidate();
}

void TPageControl::MovePage(TTabSheet* Page, int Index)
{
    const qsizetype from = FPages.indexOf(Page);
    if (from < 0)
        return;
    FPages.move(from, std::clamp<qsizetype>(Index, 0, FPages.size() - 1));
    Invalidate();
}

void TPageControl::TabVisibleChanged(TTabSheet* Page, int OldTabIndex)
{
    if (Page == FActivePage && !Page->TabVisible())
        ActivateTabNear(OldTabIndex);
    else if (!FActivePage && Page->TabVisible())
        SetActivePage(Page);
    Invalidate();
}

void TPageControl::ActivateTabNear(int TabIndex)
{
    const QList<TTabSheet*> tabs = VisibleTabs();
    if (tabs.isEmpty()) {
        SetActivePage(nullptr);
        return;
    }
    SetActivePage(tabs.at(std::clamp<qsizetype>(TabIndex, 0, tabs.size() - 1)));
}

void TPageControl::SetActivePage(TTabSheet* Page)
{
    if (Page && Page->FPageControl != this)
        return;
    if (Page == FActivePage)
        return;
    TTabSheet* old = FActivePage;
    FActivePage = Page;
    if (Page) {
        const TRect r = DisplayRect();
        Page->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        Page->BringToFront();
        Page->SetVisible(true);
    }
    if (old)
        old->SetVisible(false);
    Invalidate();
}

int TPageControl::ActivePageIndex() const
{
    return FActivePage ? int(FPages.indexOf(FActivePage)) : -1;
}

void TPageControl::SetActivePageIndex(int Value)
{
    SetActivePage(Value >= 0 && Value < PageCount() ? FPages.at(Value) : nullptr);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const
{
    const int count = PageCount();
    if (count == 0)
        return nullptr;
    int start = int(FPages.indexOf(CurPage));
    if (start < 0)
        start = GoForward ? count - 1 : 0;
    int i = start;
    do {
        i = GoForward ? (i + 1) % count : (i + count - 1) % count;
        if (!CheckTabVisible || FPages.at(i)->TabVisible())
            return FPages.at(i);
    } while (i != start);
    return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward)
{
    UserSelect(FindNextPage(FActivePage, GoForward, true));
}

void TPageControl::UserSelect(TTabSheet* Page)
{
    if (!Page || Page == FActivePage || !CanChange())
        return;
    // OnChanging may have freed or moved the page.
    if (!FPages.contains(Page) || !Page->TabVisible())
        return;
    SetActivePage(Page);
    Change();
}

bool TPageControl::CanChange()
{
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    return allow;
}

void TPageControl::Change()
{
    if (OnChange)
        OnChange(this);
}

int TPageControl::TabHeight() const
{
    if (FTabHeight < 0) {
        // Measured on a scratch bitmap: the control's canvas draws only in Paint.
        TBitmap scratch;
        scratch.SetSize(1, 1);
        TCanvas& c = scratch.Canvas();
        c.SetFont(Font());
        FTabHeight = c.TextHeight(QStringLiteral("Wg")) + 2 * TabPaddingY;
    }
    return FTabHeight;
}

std::vector<TRect> TPageControl::TabRects() const
{
    TBitmap scratch;
    scratch.SetSize(1, 1);
    TCanvas& c = scratch.Canvas();
    c.SetFont(Font());
    const int h = TabHeight();
    std::vector<TRect> rects;
    int x = TabRowLeft;
    for (TTabSheet* page : VisibleTabs()) {
        TRect measured{0, 0, 0, 0};
        if (!page->Caption().isEmpty())
            DrawText(c, page->Caption(), measured, DT_CALCRECT | DT_SINGLELINE);
        const int w = measured.Width() + 2 * TabPaddingX;
        rects.push_back(Rect(x, TabRowTop, x + w, TabRowTop + h));
        x += w;
    }
    return rects;
}

TRect TPageControl::TabRect(int TabIndex) const
{
    const std::vector<TRect> rects = TabRects();
    if (TabIndex < 0 || TabIndex >= int(rects.size()))
        return Rect(0, 0, 0, 0);
    return rects[size_t(TabIndex)];
}

int TPageControl::IndexOfTabAt(int X, int Y) const
{
    const std::vector<TRect> rects = TabRects();
    for (size_t i = 0; i < rects.size(); ++i) {
        const TRect& r = rects[i];
        if (X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom)
            return int(i);
    }
    return -1;
}

TRect TPageControl::DisplayRect() const
{
    const TRect client = ClientRect();
    const int top = TabRowTop + TabHeight() + PageMargin;
    return Rect(PageMargin, top, std::max(client.Right - PageMargin, PageMargin),
                std::max(client.Bottom - PageMargin, top));
}

void TPageControl::LayoutPages()
{
    const TRect r = DisplayRect();
    for (TTabSheet* page : FPages)
        page->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

void TPageControl::Resize()
{
    LayoutPages();
    TCustomControl::Resize();
}

void TPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    const int tab = IndexOfTabAt(X, Y);
    if (tab >= 0)
        UserSelect(VisibleTabs().at(tab));
}

void TPageControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_DIALOGKEY:
        // Sent only while the focus is here or inside.
        if (Message.WParam == VK_TAB) {
            const TShiftState shift = TShiftState::FromMask(quint32(Message.LParam));
            if (shift.Contains(ssCtrl)) {
                SelectNextPage(!shift.Contains(ssShift));
                Message.Result = 1;
                return;
            }
        }
        break;
    case CM_DIALOGCHAR:
        if (!Showing() || !Enabled())
            break;
        for (TTabSheet* page : VisibleTabs())
            if (IsAccel(unsigned(Message.WParam), page->Caption())) {
                UserSelect(page);
                Message.Result = 1;
                return;
            }
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

void TPageControl::Paint()
{
    TCanvas& c = *Canvas();
    const TRect client = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(client);

    const int h = TabHeight();
    TRect body = Rect(client.Left, TabRowTop + h, client.Right, client.Bottom);
    DrawEdge(c.DC(), body, EDGE_RAISED, BF_RECT);

    const std::vector<TRect> rects = TabRects();
    const QList<TTabSheet*> tabs = VisibleTabs();
    c.Font()->Assign(Font());
    for (size_t i = 0; i < rects.size(); ++i) {
        TTabSheet* page = tabs.at(qsizetype(i));
        const bool selected = page == FActivePage;
        TRect r = rects[i];
        TRect text = r;
        if (selected) {
            // Rises above its neighbours and opens into the body below.
            r = Rect(r.Left - SelectedRise, r.Top - SelectedRise, r.Right + SelectedRise, r.Bottom + 2);
            text = Rect(text.Left, text.Top - 1, text.Right, text.Bottom - 1);
        }
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(Color());
        c.FillRect(r);
        TRect edge = r;
        DrawEdge(c.DC(), edge, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT);
        c.Brush()->SetStyle(bsClear);
        c.Font()->SetColor(Enabled() ? clBtnText : clGrayText);
        DrawText(c, page->Caption(), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
}

} // namespace classlib
