#pragma once

// Page controls: a row of tabs over a stack of tab sheets, of which the
// active one shows. The user changes pages by clicking a tab, by the
// accelerator of a tab's caption ("&General": Alt+G) and by Ctrl+Tab and
// Ctrl+Shift+Tab while the focus is inside; each such change asks
// OnChanging first and tells OnChange after. Changes made from code ask
// and tell nothing.

#include "classlib/controls/control.h"

#include <QList>
#include <QString>

#include <vector>

namespace classlib {

class TPageControl;

class TTabSheet : public TWinControl {
    QX_CLASS(TTabSheet, TWinControl)
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    // The page control the sheet is a page of: its parent, when that is one.
    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* Value);
    void SetParent(TWinControl* AParent) override;

    // The tab's text; "&" marks the accelerator.
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    // A sheet without a tab cannot be chosen by the user; hiding the tab
    // of the active page activates the page whose tab takes its place.
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool Value);
    // The position among the pages (-1 without a page control); setting it
    // moves the sheet and its tab.
    int PageIndex() const;
    void SetPageIndex(int Value);
    // The position among the shown tabs; -1 while the tab is hidden.
    int TabIndex() const;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    QString FCaption;
    bool FTabVisible = true;
};

using TTabChangingEvent = TEvent<TObject* /*Sender*/, bool& /*AllowChange*/>;

class TPageControl : public TCustomControl {
    QX_CLASS(TPageControl, TCustomControl)
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int PageCount() const { return int(FPages.size()); }
    TTabSheet* Pages(int Index) const { return FPages.at(Index); }

    // The page shown, or nil. A sheet of another page control is refused.
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* Page);
    // -1 without an active page; an index out of range activates none.
    int ActivePageIndex() const;
    void SetActivePageIndex(int Value);

    // The page after (or before) CurPage, wrapping round, skipping hidden
    // tabs when CheckTabVisible; nil when there is none.
    TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const;
    // As the user's Ctrl+Tab: asks OnChanging, activates, tells OnChange.
    void SelectNextPage(bool GoForward);

    // Client coordinates: the tab of each shown tab index, the tab at a
    // point (-1 for none), and the area the pages fill.
    TRect TabRect(int TabIndex) const;
    int IndexOfTabAt(int X, int Y) const;
    TRect DisplayRect() const;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    // Whether the active page may change: OnChanging's answer.
    virtual bool CanChange();
    // After the user changed the active page: OnChange.
    virtual void Change();
    void Paint() override;
    void Resize() override;
    void FontChanged() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Dispatch(TMessage& Message) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    void MovePage(TTabSheet* Page, int Index);
    void TabVisibleChanged(TTabSheet* Page, int OldTabIndex);
    // Activates the page whose tab now stands at TabIndex, else the last.
    void ActivateTabNear(int TabIndex);
    // The user's choice of Page: asked, made and told.
    void UserSelect(TTabSheet* Page);
    QList<TTabSheet*> VisibleTabs() const;
    std::vector<TRect> TabRects() const;
    int TabHeight() const;
    void LayoutPages();

    QList<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
    mutable int FTabHeight = -1;  // measured once per font
};

} // namespace classlib
