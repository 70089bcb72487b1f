#include "designer/controls/colorselector.h"

#include "classlib/controls/dialogs.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/messages.h"
#include "classlib/controls/mouse.h"
#include "classlib/controls/publishedcontrol.h"
#include "classlib/controls/windowkeys.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/stringlist.h"
#include "classlib/graphics/devicecontext.h"
#include "classlib/graphics/edges.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace designer {

using namespace classlib;

namespace {

// The popup's layout: its width, the inset of the grid, a swatch's side
// and the swatches in a row.
constexpr int PopupWidth = 138;
constexpr int Inset = 5;
constexpr int Swatch = 16;
constexpr int PerRow = 8;

// A top-line bevel between the groups of the popup: a shadow line over a
// highlight line.
class TPopupBevel : public TControl {
public:
    using TControl::TControl;

protected:
    void Paint() override
    {
        TCanvas& c = *Canvas();
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(clBtnFace);
        c.FillRect(ClientRect());
        c.Brush()->SetColor(clBtnShadow);
        c.FillRect(Rect(0, 0, Width(), 1));
        c.Brush()->SetColor(clBtnHighlight);
        c.FillRect(Rect(0, 1, Width(), 2));
    }
};

} // namespace

const std::vector<TNamedColor>& SchemeColors()
{
    static const std::vector<TNamedColor> scheme{
        {QStringLiteral("Black"), MakeColor(0x000000)},  {QStringLiteral("Gray 25%"), MakeColor(0xC0C0C0)},
        {QStringLiteral("Gray 50%"), MakeColor(0x808080)}, {QStringLiteral("Blue"), MakeColor(0xFF0000)},
        {QStringLiteral("Green"), MakeColor(0x008000)},   {QStringLiteral("Red"), MakeColor(0x0000FF)},
        {QStringLiteral("Yellow"), MakeColor(0x00FFFF)},  {QStringLiteral("White"), MakeColor(0xFFFFFF)},
    };
    return scheme;
}

std::vector<TNamedColor>& HistoryColors()
{
    static std::vector<TNamedColor> history;
    return history;
}

// ---------------------------------------------------------------------------
// Popup buttons

namespace {

constexpr bool Inside(const TRect& R, int X, int Y)
{
    return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
}

// The button's tag for "More colors...": extension entries count from 0.
constexpr int MoreColorsTag = -1;

} // namespace

const TClassInfo& TColorSelectorButton::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TColorSelectorButton>("TColorSelectorButton").Build();
    return info;
}

TColorSelectorButton::TColorSelectorButton(TComponent* AOwner) : TSpeedButton(AOwner)
{
    // A flat button shows an edge only under the mouse: repaint on entering and leaving.
    if (Widget()) Widget()->setAttribute(Qt::WA_Hover);
}

void TColorSelectorButton::SetText(const QString& Value)
{
    if (Value == FText) return;
    FText = Value;
    Invalidate();
}

void TColorSelectorButton::Paint()
{
    TCanvas& c = *Canvas();
    const TRect r = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(r);
    TRect edge = r;
    if (Down())
        DrawEdge(c.DC(), edge, BDR_SUNKENOUTER, BF_RECT);
    else if (Enabled() && Widget() && Widget()->underMouse())
        DrawEdge(c.DC(), edge, BDR_RAISEDINNER, BF_RECT);
    const auto* popup = dynamic_cast<const TColorSelectorPopup*>(Owner());
    if (popup && popup->Selected() == this) {
        edge = r;
        DrawEdge(c.DC(), edge, BDR_RAISEDINNER, BF_RECT);
    }
    if (!IsSwatch()) {
        c.SetFont(Font());
        c.Brush()->SetStyle(bsClear);
        c.TextOut(3, 2, FText);
        return;
    }
    c.Brush()->SetColor(TColor(Tag()));
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetColor(clBtnShadow);
    c.Rectangle(2, 2, r.Width() - 2, r.Height() - 2);
}

void TColorSelectorButton::MouseMove(TShiftState Shift, int X, int Y)
{
    if (auto* popup = dynamic_cast<TColorSelectorPopup*>(Owner())) popup->SetSelected(nullptr);
    TSpeedButton::MouseMove(Shift, X, Y);
}

void TColorSelectorButton::Click()
{
    TSpeedButton::Click();
    if (auto* popup = dynamic_cast<TColorSelectorPopup*>(Owner()))
        if (auto* selector = dynamic_cast<TColorSelector*>(popup->Owner())) selector->ButtonClick(this);
}

// ---------------------------------------------------------------------------
// The popup

const TClassInfo& TColorSelectorPopup::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TColorSelectorPopup>("TColorSelectorPopup").Build();
    return info;
}

TColorSelectorPopup::TColorSelectorPopup(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetVisible(false);
    if (auto* owner = dynamic_cast<TControl*>(AOwner)) SetParentWidget(owner->Widget());
    if (QWidget* w = Widget()) {
        // Floats above its window at screen coordinates and is never
        // activated, so the selector keeps the focus (and the keys).
        w->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
        w->setAttribute(Qt::WA_ShowWithoutActivating);
        w->setFocusPolicy(Qt::NoFocus);
    }
    SetColor(clBtnFace);
    SetBounds(0, 0, PopupWidth, 100);
}

TColorSelectorPopup::~TColorSelectorPopup()
{
    if (MouseCapture()) SetMouseCapture(false);
}

void TColorSelectorPopup::SetSelected(TControl* Value)
{
    if (Value == FSelected) return;
    if (FSelected) FSelected->Invalidate();
    FSelected = Value;
    if (FSelected) FSelected->Invalidate();
}

void TColorSelectorPopup::KeyDown(unsigned& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    int step = 0;
    if (Key == VK_LEFT || Key == VK_UP) step = -1;
    if (Key == VK_RIGHT || Key == VK_DOWN) step = 1;
    if (step == 0) return;
    Key = 0;
    QList<TControl*> buttons;
    for (int i = 0; i < ControlCount(); ++i)
        if (dynamic_cast<TColorSelectorButton*>(Controls(i))) buttons.append(Controls(i));
    if (buttons.isEmpty()) return;
    const int at = int(buttons.indexOf(FSelected));
    if (at < 0) {
        SetSelected(buttons.first());
        return;
    }
    const int n = int(buttons.size());
    SetSelected(buttons.at((at + step + n) % n));
}

void TColorSelectorPopup::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    DrawEdge(c.DC(), r, EDGE_RAISED, BF_RECT);
}

void TColorSelectorPopup::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        FDragging = true;
        SetMouseCapture(true);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TColorSelectorPopup::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const bool picked = Button == mbLeft && FDragging;
    if (picked) {
        FDragging = false;
        SetMouseCapture(false);
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!picked) return;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* b = dynamic_cast<TColorSelectorButton*>(Controls(i)))
            if (b->Visible() && b->Enabled() && Inside(b->BoundsRect(), X, Y)) {
                b->Click();
                return;
            }
}

// ---------------------------------------------------------------------------
// The selector

const TClassInfo& TColorSelector::StaticClass()
{
    using R = TColorSelector;
    static const TClassInfo& info = PublishWinControl(TClassBuilder<R>("TColorSelector")
        .Prop("Color", &TControl::Color, &TControl::SetColor).Default(clWindow))
        .Prop("RGB", &R::RGB, &R::SetRGB).Default(clWhite)
        .Prop("Extensions", &R::Extensions, &R::SetExtensions)
        .Prop("Text", &R::Text, &R::SetText)
        .Prop("Options", &R::Options, &R::SetOptions).Default(TColorSelectorOptions{csoScheme, csoHistory}.Mask())
        .Prop("ReadOnly", &R::ReadOnly, &R::SetReadOnly).Default(false)
        .Prop("OnChange", &R::OnChange)
        .Prop("OnExtItemClick", &R::OnExtItemClick)
        .Prop("OnColorClick", &R::OnColorClick)
        .Prop("OnPaint", &R::OnPaint)
        .Build();
    return info;
}

TColorSelector::TColorSelector(TComponent* AOwner)
    : TCustomControl(AOwner), FButtonWidth(GetSystemMetrics(SM_CXVSCROLL)), FExtensions(new TStringList)
{
    SetControlStyle({csOpaque, csReplicatable});
    SetParentColor(false);
    SetColor(clWindow);
    // A client edge with Ctl3D, a plain border without.
    SetBorderStyle(bsSingle);
    if (Widget()) Widget()->setFocusPolicy(Qt::StrongFocus);
    SetBounds(Left(), Top(), 145, 22);
}

TColorSelector::~TColorSelector()
{
    StopTracking();
    delete FPopup;
    FPopup = nullptr;
    delete FExtensions;
}

void TColorSelector::SetRGB(TColor Value)
{
    if (Value == FRGB) return;
    FRGB = Value;
    Invalidate();
}

void TColorSelector::SetText(const QString& Value)
{
    if (Value == FText) return;
    FText = Value;
    Invalidate();
}

void TColorSelector::SetExtensions(const TStrings* Value)
{
    RequestClose();
    FExtensions->Assign(Value);
}

void TColorSelector::RequestClose()
{
    PostMessage(this, CM_CANCELMODE, 0, 0);
}

bool TColorSelector::ChooseColor(TColor Color)
{
    bool apply = true;
    if (OnColorClick) OnColorClick(this, Color, apply);
    if (!apply || Color == FRGB) return apply;
    FRGB = Color;
    auto& history = HistoryColors();
    if (std::none_of(history.begin(), history.end(), [Color](const TNamedColor& E) { return E.Color == Color; }))
        history.push_back({QString(), Color});
    Invalidate();
    if (OnChange) OnChange(this);
    return apply;
}

// ---------------------------------------------------------------------------
// Opening and closing

namespace {

// Runs Proc when the scope ends, also on an exception.
template <class F>
struct TFinally {
    F Proc;
    ~TFinally() { Proc(); }
};
template <class F>
TFinally(F) -> TFinally<F>;

} // namespace

void TColorSelector::BuildPopup()
{
    auto* p = new TColorSelectorPopup(this);
    FPopup = p;
    p->SetFont(Font());
    const int cw = p->ClientWidth();
    int x = Inset;
    int y = Inset;
    const auto grid = [&](const std::vector<TNamedColor>& List, bool Hints) {
        x = Inset;
        for (size_t i = 0; i < List.size(); ++i) {
            auto* b = new TColorSelectorButton(p);
            b->SetBounds(x, y, Swatch, Swatch);
            b->SetTag(int(List[i].Color));
            if (Hints) {
                b->SetHint(List[i].Name);
                b->SetShowHint(true);
            }
            b->SetParent(p);
            if (i % PerRow == PerRow - 1) {
                x = Inset;
                y += Swatch;
            } else {
                x += Swatch;
            }
        }
        if (List.size() % PerRow != 0) y += Swatch;
        auto* bevel = new TPopupBevel(p);
        bevel->SetBounds(3, y + 2, cw - 6, 3);
        bevel->SetParent(p);
    };
    if (FOptions.Contains(csoScheme) && !SchemeColors().empty()) {
        grid(SchemeColors(), true);
        y += 8;
    }
    if (FOptions.Contains(csoHistory) && !HistoryColors().empty()) {
        grid(HistoryColors(), false);
        y += 6;
    }
    const int h = p->MeasureCanvas().TextHeight(QStringLiteral("Wg")) + 6;
    const auto textButton = [&](const QString& Text, int Tag) {
        auto* b = new TColorSelectorButton(p);
        b->SetBounds(Inset, y, cw - 2 * Inset, h);
        b->SetText(Text);
        b->SetFont(p->Font());
        b->SetTag(Tag);
        b->SetParent(p);
        return b;
    };
    TColorSelectorButton* last = textButton(QStringLiteral("More colors..."), MoreColorsTag);
    for (int i = 0; i < FExtensions->Count(); ++i) {
        y += last->Height();
        last = textButton(FExtensions->Get(i), i);
    }
    p->SetBounds(p->Left(), p->Top(), p->Width(), last->Top() + last->Height() + Inset);
}

void TColorSelector::DropDown()
{
    if (FPopup) return;
    BuildPopup();
    QWidget* w = Widget();
    const QPoint at = w ? w->mapToGlobal(QPoint(0, 0)) : QPoint();
    int y = at.y() + Height();
    const QScreen* screen = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (screen && y + FPopup->Height() > screen->geometry().bottom() + 1) y = at.y() - FPopup->Height();
    FPopup->SetBounds(at.x(), y, FPopup->Width(), FPopup->Height());
    FPopup->Show();
    Invalidate();
}

void TColorSelector::ClosePopup()
{
    if (!FPopup) return;
    if (FClicking > 0) {
        RequestClose();
        return;
    }
    if (TControl* captured = GetCaptureControl()) captured->Perform(WM_CANCELMODE);
    TColorSelectorPopup* p = FPopup;
    FPopup = nullptr;
    delete p;
    Invalidate();
}

void TColorSelector::ShowPopupAgain()
{
    if (FPopup) FPopup->Show();
}

void TColorSelector::ButtonClick(TColorSelectorButton* Button)
{
    // The button's popup must outlive its click, whatever the handlers do.
    ++FClicking;
    TFinally done{[this] { --FClicking; }};
    if (Button->IsSwatch()) {
        if (ChooseColor(TColor(Button->Tag()))) RequestClose();
    } else if (Button->Tag() == MoreColorsTag) {
        RunColorDialog();
    } else {
        RunExtension(Button->Tag());
    }
}


void TColorSelector::RunColorDialog()
{
    FInDialog = true;
    TColorDialog dialog(nullptr);
    TFinally done{[this] { FInDialog = false; }};
    dialog.SetOptions({cdAnyColor});
    dialog.SetColor(FRGB);
    dialog.CustomColors()->Clear();
    const auto& scheme = SchemeColors();
    for (size_t i = 0; i < scheme.size() && i < 16; ++i)
        dialog.CustomColors()->Add(QStringLiteral("Color%1=%2")
                                       .arg(QChar(u'A' + int(i)))
                                       .arg(QString::number(quint32(scheme[i].Color), 16).toUpper()));
    if (FPopup) FPopup->Hide();
    if (dialog.Execute() && ChooseColor(dialog.Color()))
        RequestClose();
    else
        ShowPopupAgain();
}

void TColorSelector::RunExtension(int Index)
{
    if (!OnExtItemClick) return;
    FInDialog = true;
    if (FPopup) FPopup->Hide();
    bool close = false;
    TFinally done{[this, &close] {
        if (close)
            RequestClose();
        else
            ShowPopupAgain();
        FInDialog = false;
    }};
    OnExtItemClick(this, Index, close);
}

// ---------------------------------------------------------------------------
// Painting

TRect TColorSelector::ButtonRect() const
{
    return Rect(ClientWidth() - FButtonWidth, 0, ClientWidth(), ClientHeight());
}

void TColorSelector::DrawDropButton(TCanvas& C, const TRect& R)
{
    const bool pushed = Enabled() && (FButtonPressed || FPopup);
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(clBtnFace);
    C.FillRect(R);
    TRect edge = R;
    if (pushed) {
        C.Brush()->SetColor(clBtnShadow);
        C.FillRect(Rect(R.Left, R.Top, R.Right, R.Top + 1));
        C.FillRect(Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom));
        C.FillRect(Rect(R.Left, R.Top, R.Left + 1, R.Bottom));
        C.FillRect(Rect(R.Right - 1, R.Top, R.Right, R.Bottom));
    } else {
        DrawEdge(C.DC(), edge, EDGE_RAISED, BF_RECT);
    }
    // A downward arrow of four rows, one pixel down and right when pushed.
    const int shift = pushed ? 1 : 0;
    const int cx = (R.Left + R.Right) / 2 + shift;
    const int cy = (R.Top + R.Bottom) / 2 - 2 + shift;
    const auto arrow = [&](int DX, TColor Color) {
        C.Brush()->SetColor(Color);
        for (int k = 0; k < 4; ++k) C.FillRect(Rect(cx - 3 + k + DX, cy + k + DX, cx + 4 - k + DX, cy + k + 1 + DX));
    };
    if (Enabled()) {
        arrow(0, clBtnText);
    } else {
        arrow(1, clBtnHighlight);
        arrow(0, clBtnShadow);
    }
}

void TColorSelector::Paint()
{
    TCanvas& c = *Canvas();
    const int w = ClientWidth();
    const int h = ClientHeight();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    DrawDropButton(c, ButtonRect());
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    TRect r = Rect(0, 0, w - FButtonWidth, h);
    c.FillRect(r);
    r = Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
    if (Enabled()) {
        if (!FText.isEmpty()) {
            c.SetFont(Font());
            c.Brush()->SetStyle(bsClear);
            c.TextOut(2, 2, FText);
        } else if (OnPaint) {
            OnPaint(this, &c);
        } else {
            c.Brush()->SetColor(FRGB);
            c.Pen()->SetStyle(psSolid);
            c.Pen()->SetColor(clWindowText);
            c.Rectangle(2, 2, w - FButtonWidth - 2, h - 2);
        }
    }
    r = Rect(r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1);
    if (FFocused && !FPopup) c.DrawFocusRect(r);
}

void TColorSelector::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    Invalidate();
}

// ---------------------------------------------------------------------------
// Messages, mouse and keys

void TColorSelector::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SETFOCUS:
        FFocused = true;
        Invalidate();
        break;
    case WM_KILLFOCUS:
        // The colour dialog and the extension handlers take the focus for
        // a while; the popup waits for them.
        if (!FInDialog) {
            FFocused = false;
            Invalidate();
            ClosePopup();
        }
        break;
    case CM_CANCELMODE: {
        const auto* sender = reinterpret_cast<const TControl*>(Message.LParam);
        const bool ours = sender && (sender == this || sender == FPopup || (FPopup && sender->Owner() == FPopup));
        if (!ours) ClosePopup();
        break;
    }
    case WM_CANCELMODE:
        StopTracking();
        break;
    case CM_WANTSPECIALKEY:
        // Enter and Escape belong to the open popup, not to the dialog.
        if (FPopup) {
            Message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

void TColorSelector::UpdatePressed(int X, int Y)
{
    const bool pressed = Inside(ButtonRect(), X, Y);
    if (pressed == FButtonPressed) return;
    FButtonPressed = pressed;
    Invalidate();
}

void TColorSelector::StopTracking()
{
    FTracking = false;
    if (FButtonPressed) {
        FButtonPressed = false;
        Invalidate();
    }
    if (MouseCapture()) SetMouseCapture(false);
}

void TColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        if (!Focused()) return;
        if (FPopup) {
            ClosePopup();
        } else {
            SetMouseCapture(true);
            FTracking = true;
            UpdatePressed(X, Y);
            DropDown();
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TColorSelector::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FTracking) {
        UpdatePressed(X, Y);
        if (FPopup && FPopup->Visible()) {
            const TPoint p = FPopup->ScreenToClient(ClientToScreen(Point(X, Y)));
            if (Inside(FPopup->ClientRect(), p.X, p.Y)) {
                StopTracking();
                FPopup->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(p.X, p.Y));
                return;
            }
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TColorSelector::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    StopTracking();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TColorSelector::KeyDown(unsigned& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    const bool vertical = Key == VK_UP || Key == VK_DOWN;
    if (vertical && Shift.Contains(ssAlt)) {
        if (FPopup)
            ClosePopup();
        else
            DropDown();
        Key = 0;
        return;
    }
    if (!FPopup) {
        if (vertical) Key = 0;
        return;
    }
    switch (Key) {
    case VK_RETURN:
    case VK_SPACE:
        Key = 0;
        if (auto* b = dynamic_cast<TColorSelectorButton*>(FPopup->Selected())) b->Click();
        break;
    case VK_ESCAPE:
        Key = 0;
        ClosePopup();
        break;
    case 0:
        break;
    default:
        FPopup->KeyDown(Key, Shift);
        break;
    }
}

} // namespace designer
