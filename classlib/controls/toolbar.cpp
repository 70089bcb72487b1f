#include "classlib/controls/toolbar.h"

#include "classlib/controls/application.h"
#include "classlib/controls/menus.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/edges.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace classlib {

namespace {

// Pixels of an etched edge.
constexpr int EdgeWidth = 2;
// Bounds what a stored form may ask of a button's size.
constexpr int MaxButtonSide = 4096;

} // namespace

// Tells the button when the mouse enters and leaves it, and its bar when
// it is shown or hidden (a hidden button takes no place).
class TToolButton::TTracker : public QObject {
public:
    TTracker(TToolButton* Button) : QObject(Button->Widget()), FButton(Button) {}

protected:
    bool eventFilter(QObject*, QEvent* E) override
    {
        switch (E->type()) {
        case QEvent::Enter:
            CallGuarded(FButton, [this] { FButton->SetHot(FButton->Enabled() && !FButton->IsGap()); });
            break;
        case QEvent::Leave:
            CallGuarded(FButton, [this] { FButton->SetHot(false); });
            break;
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            if (TToolBar* bar = FButton->FToolBar)
                CallGuarded(bar, [bar] { bar->ArrangeButtons(); });
            break;
        default:
            break;
        }
        return false;
    }

private:
    TToolButton* FButton;
};

// ---------------------------------------------------------------------------
// TToolButton

const TClassInfo& TToolButton::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TToolButton>("TToolButton")
        .Prop("AllowAllUp", &TToolButton::AllowAllUp, &TToolButton::SetAllowAllUp).Default(false)
        .Prop("Down", &TToolButton::Down, &TToolButton::SetDown).Default(false)
        .Prop("DropdownMenu", &TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu)
        .Prop("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped).Default(false)
        .Prop("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex).Default(-1)
        .Prop("Style", &TToolButton::Style, &TToolButton::SetStyle).Default(tbsButton)
        .Prop("Wrap", &TToolButton::Wrap, &TToolButton::SetWrap).Default(false)
        .Prop<TNotifyEvent>("OnClick", &TToolButton::OnClick)
        .Prop<TMouseEvent>("OnMouseDown", &TToolButton::OnMouseDown)
        .Prop<TMouseMoveEvent>("OnMouseMove", &TToolButton::OnMouseMove)
        .Prop<TMouseEvent>("OnMouseUp", &TToolButton::OnMouseUp)
        .Build();
    return info;
}

TToolButton::TToolButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    // Its drop-down menu may belong to the same owner.
    SetHearsOwner(true);
    SetControlStyle({csCaptureMouse, csClickEvents, csOpaque});
    SetBounds(0, 0, 23, 22);
    FTracker = new TTracker(this);
    Widget()->installEventFilter(FTracker);
}

TToolButton::~TToolButton()
{
    // The widget outlives this part of the button and may still hear a leave.
    delete FTracker.data();
    if (FToolBar)
        FToolBar->RemoveButton(this);
    SetDropdownMenu(nullptr);
}

void TToolButton::SetStyle(TToolButtonStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    if (IsGap())
        SetHot(false);
    if (FToolBar)
        FToolBar->ArrangeButtons();
    Invalidate();
}

void TToolButton::SetDown(bool Value)
{
    if (Value == FDown)
        return;
    FDown = Value;
    if (FDown && FGrouped && FStyle == tbsCheck && FToolBar) {
        const QList<TToolButton*>& all = FToolBar->FButtons;
        const qsizetype at = all.indexOf(this);
        const auto inGroup = [](const TToolButton* B) { return B->FGrouped && B->FStyle == tbsCheck; };
        for (qsizetype i = at - 1; i >= 0 && inGroup(all[i]); --i)
            all[i]->SetDown(false);
        for (qsizetype i = at + 1; i < all.size() && inGroup(all[i]); ++i)
            all[i]->SetDown(false);
    }
    Invalidate();
}

void TToolButton::SetGrouped(bool Value)
{
    FGrouped = Value;
}

void TToolButton::SetDropdownMenu(TPopupMenu* Value)
{
    if (Value == FDropdownMenu)
        return;
    if (FDropdownMenu)
        FDropdownMenu->RemoveFreeNotification(this);
    FDropdownMenu = Value;
    if (FDropdownMenu)
        FDropdownMenu->FreeNotification(this);
}

void TToolButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDropdownMenu)
        FDropdownMenu = nullptr;
}

bool TToolButton::CheckMenuDropdown()
{
    if (!FDropdownMenu || !Widget())
        return false;
    const TPoint at = ClientToScreen(TPoint{0, Height()});
    FDropdownMenu->SetPopupComponent(this);
    FDropdownMenu->Popup(at.X, at.Y);
    return true;
}

bool TToolButton::OnArrow(int X) const
{
    return FStyle == tbsDropDown && X >= Width() - ToolDropDownWidth;
}

void TToolButton::SetToolBar(TToolBar* Value)
{
    SetParent(Value);
}

void TToolButton::SetParent(TWinControl* AParent)
{
    auto* bar = dynamic_cast<TToolBar*>(AParent);
    if (FToolBar && FToolBar != bar) {
        SetHot(false);
        FToolBar->RemoveButton(this);
    }
    TCustomControl::SetParent(AParent);
    if (bar && FToolBar != bar)
        bar->InsertButton(this);
}

int TToolButton::Index() const
{
    return FToolBar ? int(FToolBar->FButtons.indexOf(const_cast<TToolButton*>(this))) : -1;
}

void TToolButton::SetImageIndex(int Value)
{
    if (Value == FImageIndex)
        return;
    FImageIndex = Value;
    Invalidate();
}

void TToolButton::SetWrap(bool Value)
{
    if (Value == FWrap)
        return;
    FWrap = Value;
    if (FToolBar)
        FToolBar->ArrangeButtons();
}

void TToolButton::SetHot(bool Value)
{
    if (Value && FToolBar && FToolBar->FHotButton && FToolBar->FHotButton != this)
        FToolBar->FHotButton->SetHot(false);
    if (FToolBar && (Value || FToolBar->FHotButton == this))
        FToolBar->FHotButton = Value ? this : nullptr;
    if (Value == FHot)
        return;
    FHot = Value;
    Invalidate();
}

void TToolButton::EnabledChanged()
{
    SetHot(false);
    FPressed = false;
    TCustomControl::EnabledChanged();
}

void TToolButton::Click()
{
    if (FSwallowClick) {
        FSwallowClick = false;
        return;
    }
    if (!Enabled() || IsGap())
        return;
    if (FStyle == tbsCheck && !(FDown && FGrouped && !FAllowAllUp))
        SetDown(!FDown);
    TCustomControl::Click();
}

void TToolButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && Enabled() && OnArrow(X)) {
        // The arrow shows the menu; the button itself is not pressed.
        FArrowPress = true;
        TCustomControl::MouseDown(Button, Shift, X, Y);
        CheckMenuDropdown();
        return;
    }
    if (Button == mbLeft && Enabled() && !IsGap()) {
        FPressed = true;
        FInside = true;
        Repaint();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TToolButton::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FPressed) {
        const TRect r = ClientRect();
        const bool inside = X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom;
        if (inside != FInside) {
            FInside = inside;
            Repaint();
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TToolButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        const TRect r = ClientRect();
        FSwallowClick = FArrowPress && X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom;
        FArrowPress = false;
    }
    if (Button == mbLeft && FPressed) {
        FPressed = false;
        Repaint();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TToolButton::Paint()
{
    TCanvas& c = *Canvas();
    const TRect client = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(FToolBar ? FToolBar->Color() : Color());
    c.FillRect(client);
    if (FStyle == tbsSeparator)
        return;
    if (FStyle == tbsDivider) {
        const int x = client.Width() / 2 - 1;
        TRect line = Rect(x, client.Top + 2, x + 2, client.Bottom - 2);
        DrawEdge(c.DC(), line, EDGE_ETCHED, BF_LEFT);
        return;
    }
    const bool flat = FToolBar && FToolBar->Flat();
    const bool pressed = Pressed();
    const bool down = pressed || FDown;
    // The face: the whole button, less the arrow of a drop-down one.
    TRect face = client;
    if (FStyle == tbsDropDown)
        face.Right = std::max(face.Left, face.Right - ToolDropDownWidth);
    if (FDown && !pressed) {
        // A checked face is lighter than the bar.
        c.Brush()->SetColor(FHot ? clBtnFace : clBtnHighlight);
        c.FillRect(Rect(face.Left + 1, face.Top + 1, face.Right - 1, face.Bottom - 1));
    }
    if (down)
        DrawEdge(c.DC(), face, flat ? BDR_SUNKENOUTER : EDGE_SUNKEN, BF_RECT);
    else if (!flat)
        DrawEdge(c.DC(), face, EDGE_RAISED, BF_RECT);
    else if (FHot)
        DrawEdge(c.DC(), face, BDR_RAISEDINNER, BF_RECT);
    if (FStyle == tbsDropDown) {
        TRect arrow = Rect(face.Right, client.Top, client.Right, client.Bottom);
        if (!flat || FHot)
            DrawEdge(c.DC(), arrow, flat ? BDR_RAISEDINNER : EDGE_RAISED, BF_RECT);
        PaintArrow(c, arrow);
    }
    if (!FToolBar)
        return;
    TCustomImageList* images = FToolBar->Images();
    if (FHot && Enabled() && FToolBar->HotImages() && FImageIndex < FToolBar->HotImages()->Count())
        images = FToolBar->HotImages();
    if (!images || FImageIndex < 0 || FImageIndex >= images->Count())
        return;
    const int shift = down ? 1 : 0;
    const int x = face.Left + (face.Width() - images->Width()) / 2 + shift;
    const int y = face.Top + (face.Height() - images->Height()) / 2 + shift;
    images->Draw(c, x, y, FImageIndex, Enabled());
}

void TToolButton::PaintArrow(TCanvas& C, const TRect& R)
{
    // A small triangle pointing down, centred.
    const int cx = (R.Left + R.Right) / 2;
    const int cy = (R.Top + R.Bottom) / 2 - 1;
    const TColor colour = Enabled() ? clBtnText : clGrayText;
    C.Pen()->SetColor(colour);
    for (int i = 0; i < 3; ++i) {
        C.MoveTo(cx - 2 + i, cy + i);
        C.LineTo(cx + 3 - i, cy + i);
    }
}

// ---------------------------------------------------------------------------
// TToolBar

const TClassInfo& TToolBar::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TToolBar>("TToolBar")
        .Prop("AutoSize", &TToolBar::AutoSize, &TToolBar::SetAutoSize).Default(false)
        .Prop("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight).Default(22)
        .Prop("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth).Default(23)
        .Prop("EdgeBorders", &TToolBar::EdgeBorders, &TToolBar::SetEdgeBorders)
            .Default(TEdgeBorders{ebTop}.Mask())
        .Prop("Flat", &TToolBar::Flat, &TToolBar::SetFlat).Default(false)
        .Prop("HotImages", &TToolBar::HotImages, &TToolBar::SetHotImages)
        .Prop("Images", &TToolBar::Images, &TToolBar::SetImages)
        .Prop("Indent", &TToolBar::Indent, &TToolBar::SetIndent).Default(0)
        .Prop("Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable).Default(true)
        .Prop<TNotifyEvent>("OnClick", &TToolBar::OnClick)
        .Prop<TNotifyEvent>("OnDblClick", &TToolBar::OnDblClick)
        .Prop<TNotifyEvent>("OnResize", &TToolBar::OnResize)
        .Build();
    return info;
}

TToolBar::TToolBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    // Its image lists may belong to the same owner.
    SetHearsOwner(true);
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque});
    SetBounds(0, 0, 150, 29);
    FImagesLink.OnChange = [this](TObject* Sender) { ImagesChanged(Sender); };
    FHotImagesLink.OnChange = [this](TObject* Sender) { ImagesChanged(Sender); };
}

TToolBar::~TToolBar()
{
    // The buttons go with the controls of the base: they leave no bar.
    for (TToolButton* b : FButtons)
        b->FToolBar = nullptr;
    FButtons.clear();
    FHotButton = nullptr;
    SetImages(nullptr);
    SetHotImages(nullptr);
}

void TToolBar::InsertButton(TToolButton* Button)
{
    FButtons.append(Button);
    Button->FToolBar = this;
    ArrangeButtons();
}

void TToolBar::RemoveButton(TToolButton* Button)
{
    FButtons.removeOne(Button);
    if (FHotButton == Button)
        FHotButton = nullptr;
    Button->FToolBar = nullptr;
    if (!IsDestroying())
        ArrangeButtons();
}

void TToolBar::SetButtonWidth(int Value)
{
    Value = std::clamp(Value, 1, MaxButtonSide);
    if (Value == FButtonWidth)
        return;
    FButtonWidth = Value;
    ArrangeButtons();
}

void TToolBar::SetButtonHeight(int Value)
{
    Value = std::clamp(Value, 1, MaxButtonSide);
    if (Value == FButtonHeight)
        return;
    FButtonHeight = Value;
    ArrangeButtons();
}

void TToolBar::SetImageList(TCustomImageList*& Field, TChangeLink& Link, TCustomImageList* Value)
{
    if (Value == Field)
        return;
    if (Field) {
        Field->UnRegisterChanges(&Link);
        // The other list may be the same one, still wanting to hear of its going.
        if (Field != FImages || Field != FHotImages)
            Field->RemoveFreeNotification(this);
    }
    Field = Value;
    if (Field) {
        Field->RegisterChanges(&Link);
        Field->FreeNotification(this);
    }
    ImagesChanged(Value);
}

void TToolBar::SetImages(TCustomImageList* Value)
{
    SetImageList(FImages, FImagesLink, Value);
}

void TToolBar::SetHotImages(TCustomImageList* Value)
{
    SetImageList(FHotImages, FHotImagesLink, Value);
}

void TToolBar::ImagesChanged(TObject*)
{
    for (TToolButton* b : FButtons)
        b->Invalidate();
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    // A list being freed has let its links go, and is a list no more.
    for (auto [field, link] : {std::pair{&FImages, &FImagesLink}, std::pair{&FHotImages, &FHotImagesLink}})
        if (AComponent == static_cast<TComponent*>(*field)) {
            if (!AComponent->IsDestroying())
                (*field)->UnRegisterChanges(link);
            *field = nullptr;
            ImagesChanged(nullptr);
        }
}

void TToolBar::SetFlat(bool Value)
{
    if (Value == FFlat)
        return;
    FFlat = Value;
    Invalidate();
    for (TToolButton* b : FButtons)
        b->Invalidate();
}

void TToolBar::SetWrapable(bool Value)
{
    if (Value == FWrapable)
        return;
    FWrapable = Value;
    ArrangeButtons();
}

void TToolBar::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    ArrangeButtons();
}

void TToolBar::SetEdgeBorders(TEdgeBorders Value)
{
    if (Value == FEdgeBorders)
        return;
    FEdgeBorders = Value;
    ArrangeButtons();
    Invalidate();
}

void TToolBar::SetIndent(int Value)
{
    Value = std::clamp(Value, 0, MaxButtonSide);
    if (Value == FIndent)
        return;
    FIndent = Value;
    ArrangeButtons();
}

void TToolBar::Resize()
{
    ArrangeButtons();
    TCustomControl::Resize();
}

void TToolBar::ArrangeButtons()
{
    if (FArranging) {
        FArrangeAgain = true;
        return;
    }
    FArranging = true;
    for (int pass = 0; pass < 3; ++pass) {
        FArrangeAgain = false;
        PlaceButtons();
        if (!FArrangeAgain)
            break;
    }
    FArranging = false;
}

void TToolBar::PlaceButtons()
{
    const int left = FEdgeBorders.Contains(ebLeft) ? EdgeWidth : 0;
    const int top = FEdgeBorders.Contains(ebTop) ? EdgeWidth : 0;
    const int right = ClientWidth() - (FEdgeBorders.Contains(ebRight) ? EdgeWidth : 0);
    const int bottom = FEdgeBorders.Contains(ebBottom) ? EdgeWidth : 0;
    const int rowStart = left + FIndent;
    int x = rowStart;
    int y = top;
    int rows = 0;
    bool breakBefore = false;
    for (TToolButton* b : FButtons) {
        if (!b->Visible())
            continue;
        if (rows == 0) {
            rows = 1;
        } else if (breakBefore || (FWrapable && x > rowStart && x + ButtonExtent(b) > right)) {
            x = rowStart;
            y += FButtonHeight;
            ++rows;
        }
        const int width = ButtonExtent(b);
        b->SetBounds(x, y, width, FButtonHeight);
        x += width;
        breakBefore = b->Wrap();
    }
    FRowCount = rows;
    if (FAutoSize) {
        const int height = top + std::max(rows, 1) * FButtonHeight + bottom;
        if (height != Height())
            SetBounds(Left(), Top(), Width(), height);
    }
}

int TToolBar::ButtonExtent(const TToolButton* Button) const
{
    switch (Button->Style()) {
    case tbsSeparator:
    case tbsDivider:
        return ToolSeparatorWidth;
    case tbsDropDown:
        return FButtonWidth + ToolDropDownWidth;
    default:
        return FButtonWidth;
    }
}

void TToolBar::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    unsigned sides = 0;
    if (FEdgeBorders.Contains(ebLeft)) sides |= BF_LEFT;
    if (FEdgeBorders.Contains(ebTop)) sides |= BF_TOP;
    if (FEdgeBorders.Contains(ebRight)) sides |= BF_RIGHT;
    if (FEdgeBorders.Contains(ebBottom)) sides |= BF_BOTTOM;
    if (sides)
        DrawEdge(c.DC(), r, EDGE_ETCHED, sides);
}

} // namespace classlib
