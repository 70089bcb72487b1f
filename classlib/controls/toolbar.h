#pragma once

// Tool bars: rows of tool buttons of one size, each showing a picture of
// the bar's image list. A button under the mouse shows its picture from
// the hot image list (when the bar has one) and, on a flat bar, a raised
// frame; a pressed one sinks while the mouse stays on it, and a release on
// it clicks it. Buttons take their places in the order they joined the
// bar: left to right, a new row after a button marked Wrap and, on a
// wrapable bar, before a button that would cross the right edge.
//
// A button's Style makes it a push button, a check button (a click
// toggles Down; grouped neighbours let one be down at a time), a button
// with a drop-down arrow at its right end (a press on the arrow shows its
// DropdownMenu below it), or a gap between buttons (a divider draws a
// line in it). Descendants may draw more over the button by overriding
// Paint after calling this class's.

#include "classlib/controls/control.h"
#include "classlib/controls/imagelist.h"

#include <QList>
#include <QPointer>

namespace classlib {

QX_ENUM(TEdgeBorder, ebLeft, ebTop, ebRight, ebBottom)
using TEdgeBorders = TSet<TEdgeBorder>;
QX_ENUM(TToolButtonStyle, tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider)

class TToolBar;
class TPopupMenu;

// Pixels of a separator or divider, and of the arrow of a drop-down button.
constexpr int ToolSeparatorWidth = 8;
constexpr int ToolDropDownWidth = 14;

class TToolButton : public TCustomControl {
    QX_CLASS(TToolButton, TCustomControl)
public:
    explicit TToolButton(TComponent* AOwner);
    ~TToolButton() override;

    // The bar the button is on: its parent, when that is one.
    TToolBar* ToolBar() const { return FToolBar; }
    void SetToolBar(TToolBar* Value);
    void SetParent(TWinControl* AParent) override;
    // The position among the bar's buttons, -1 off a bar.
    int Index() const;

    // The picture of the bar's image lists; -1 for none.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // The next button starts a new row.
    bool Wrap() const { return FWrap; }
    void SetWrap(bool Value);

    TToolButtonStyle Style() const { return FStyle; }
    void SetStyle(TToolButtonStyle Value);
    // Drawn pressed; a click of a check button toggles it.
    bool Down() const { return FDown; }
    // Setting a grouped check button down lets its group's others up.
    void SetDown(bool Value);
    // The neighbouring grouped check buttons form a group.
    bool Grouped() const { return FGrouped; }
    void SetGrouped(bool Value);
    // A click may let the down button of a group up.
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
    // Shown by the arrow of a drop-down button; not owned, a freed menu leaves nil.
    TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
    void SetDropdownMenu(TPopupMenu* Value);
    // Shows the drop-down menu below the button; false without one.
    bool CheckMenuDropdown();

    // Under the mouse (and enabled); one button of a bar at a time.
    bool Hot() const { return FHot; }
    // Pressed with the left button and the mouse still on it: drawn sunken.
    // (Down is left for the state of a check button.)
    bool Pressed() const { return FPressed && FInside; }
    // Runs OnClick when enabled, after a check button toggled Down.
    void Click() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void EnabledChanged() override;

private:
    friend class TToolBar;
    class TTracker;
    void SetHot(bool Value);
    bool IsGap() const { return FStyle == tbsSeparator || FStyle == tbsDivider; }
    // Whether client point X is on the arrow of a drop-down button.
    bool OnArrow(int X) const;
    void PaintArrow(TCanvas& C, const TRect& R);

    TToolBar* FToolBar = nullptr;
    QPointer<QObject> FTracker;
    int FImageIndex = -1;
    TToolButtonStyle FStyle = tbsButton;
    bool FDown = false;
    bool FGrouped = false;
    bool FAllowAllUp = false;
    TPopupMenu* FDropdownMenu = nullptr;
    bool FWrap = false;
    // A press on the arrow, and the click its release makes, which is not the button's.
    bool FArrowPress = false;
    bool FSwallowClick = false;
    bool FHot = false;
    bool FPressed = false;
    bool FInside = false;
};

class TToolBar : public TCustomControl {
    QX_CLASS(TToolBar, TCustomControl)
public:
    explicit TToolBar(TComponent* AOwner);
    ~TToolBar() override;

    int ButtonCount() const { return int(FButtons.size()); }
    TToolButton* Buttons(int Index) const { return FButtons.at(Index); }

    // The size of every button, at least 1 pixel.
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int Value);
    int ButtonHeight() const { return FButtonHeight; }
    void SetButtonHeight(int Value);
    // The pictures of the buttons, and those of the button under the mouse.
    // Not owned; a freed list leaves nil.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TCustomImageList* HotImages() const { return FHotImages; }
    void SetHotImages(TCustomImageList* Value);
    // Flat: only the button under the mouse or pressed shows a frame.
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    // Buttons that would cross the right edge start a new row.
    bool Wrapable() const { return FWrapable; }
    void SetWrapable(bool Value);
    // The bar's height follows its rows of buttons.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    // Etched edges (2 pixels) on these sides, inside the client area.
    TEdgeBorders EdgeBorders() const { return FEdgeBorders; }
    void SetEdgeBorders(TEdgeBorders Value);
    // Pixels before the first button of each row.
    int Indent() const { return FIndent; }
    void SetIndent(int Value);

    // The button under the mouse, or nil.
    TToolButton* HotButton() const { return FHotButton; }
    // The rows the buttons take; 0 without a visible button.
    int RowCount() const { return FRowCount; }
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void Paint() override;
    void Resize() override;

private:
    friend class TToolButton;
    void InsertButton(TToolButton* Button);
    void RemoveButton(TToolButton* Button);
    void ImagesChanged(TObject* Sender);
    void SetImageList(TCustomImageList*& Field, TChangeLink& Link, TCustomImageList* Value);
    // Places the buttons and, with AutoSize, sizes the bar; again when
    // the sizing (through the parent's aligning) changed the bar's width.
    void ArrangeButtons();
    void PlaceButtons();
    // The width the button takes in its row.
    int ButtonExtent(const TToolButton* Button) const;

    QList<TToolButton*> FButtons;
    TToolButton* FHotButton = nullptr;
    int FButtonWidth = 23;
    int FButtonHeight = 22;
    TCustomImageList* FImages = nullptr;
    TCustomImageList* FHotImages = nullptr;
    TChangeLink FImagesLink;
    TChangeLink FHotImagesLink;
    bool FFlat = false;
    bool FWrapable = true;
    bool FAutoSize = false;
    TEdgeBorders FEdgeBorders{ebTop};
    int FIndent = 0;
    int FRowCount = 0;
    bool FArranging = false;
    bool FArrangeAgain = false;
};

} // namespace classlib
