#include "classlib/controls/form.h"

#include "classlib/controls/application.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/mouse.h"
#include "classlib/controls/screen.h"
#include "classlib/controls/windowkeys.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"

#include <QApplication>
#include <QEventLoop>
#include <QHash>
#include <QScreen>
#include <QScopeGuard>
#include <QTimer>

#include <algorithm>

namespace classlib {

namespace {

QHash<QString, QByteArray>& Resources()
{
    static QHash<QString, QByteArray> resources;
    return resources;
}

} // namespace

void RegisterFormResource(const QString& ClassName, const QByteArray& Stream)
{
    Resources().insert(ClassName, Stream);
}

QByteArray FormResource(const QString& ClassName)
{
    return Resources().value(ClassName);
}

const TClassInfo& TForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TForm>("TForm")
        .Prop("Caption", &TForm::FCaption, &TForm::SetCaption).Type(TypeInfo<TCaption>())
        .Prop("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons)
            .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize}.Mask())
        .Prop("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle).Default(bsSizeable)
        .Prop("Constraints", &TForm::FConstraints, &TForm::SetConstraints)
        .Prop("FormStyle", &TForm::FormStyle, &TForm::SetFormStyle).Default(fsNormal)
        .Prop("HelpContext", &TForm::HelpContext, &TForm::SetHelpContext).Default(0)
        .Prop("HelpFile", &TForm::FHelpFile, &TForm::SetHelpFile)
        .Prop("HorzScrollBar", &TForm::FHorzScrollBar)
        .Prop("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview).Default(false)
        .Prop("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch).Default(96)
        .Prop("Position", &TForm::Position, &TForm::SetPosition).Default(poDesigned)
        .Prop("PrintScale", &TForm::PrintScale, &TForm::SetPrintScale).Default(poProportional)
        .Prop("Scaled", &TForm::Scaled, &TForm::SetScaled).Default(true)
        .Prop("VertScrollBar", &TForm::FVertScrollBar)
        .Prop("WindowState", &TForm::WindowState, &TForm::SetWindowState).Default(wsNormal)
        .Prop("Menu", &TForm::Menu, &TForm::SetMenu)
        .Prop("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl)
        .Prop("OnActivate", &TForm::OnActivate)
        .Prop("OnClose", &TForm::OnClose)
        .Prop("OnCloseQuery", &TForm::OnCloseQuery)
        .Prop("OnCreate", &TForm::OnCreate)
        .Prop("OnDeactivate", &TForm::OnDeactivate)
        .Prop("OnDestroy", &TForm::OnDestroy)
        .Prop("OnShow", &TForm::OnShow)
        .Build();
    return info;
}

TForm::TForm(TComponent* AOwner)
    : TWinControl(AOwner), FHorzScrollBar(new TControlScrollBar(sbHorizontal)),
      FVertScrollBar(new TControlScrollBar(sbVertical)), FConstraints(new TSizeConstraints)
{
    // A form hears its owner, and passes the news on to what it owns.
    SetHearsOwner(true);
    FConstraints->OnChange = [this](TObject*) {
        ApplySizeLimits();
        const TRect r = WindowState() == wsNormal ? BoundsRect() : FNormalRect;
        SetBounds(r.Left, r.Top, r.Width(), r.Height());
    };
    FNormalRect = BoundsRect();
    SetBorderStyle(bsSizeable);
    // A click gives the form the keys (its controls take them only when
    // focused from code), and so it hears when its window loses them.
    Widget()->setFocusPolicy(Qt::ClickFocus);
    // Hidden until shown, as its window is: what is stored of it says so too.
    SetVisible(false);
    Screen()->AddForm(this);
}

// OnDestroy is fired by the most derived destructor (DoDestroy): here the
// handler's form is gone already.
TForm::~TForm()
{
    *FAlive = false;
    if (FMenu) {
        FMenu->SetWindow(nullptr);
        FMenu->RemoveFreeNotification(this);
        FMenu = nullptr;
    }
    Screen()->RemoveForm(this);
    if (FModalLoop)
        FModalLoop->quit();
    if (FActiveControl)
        FActiveControl->RemoveFreeNotification(this);
    if (FDesigner && FDesigner->Form() == this)
        FDesigner->SetForm(nullptr);
    delete FConstraints;
    delete FVertScrollBar;
    delete FHorzScrollBar;
}

void TForm::SetDesigner(TDesigner* Value)
{
    if (Value == FDesigner) return;
    if (FDesigner && FDesigner->Form() == this) FDesigner->SetForm(nullptr);
    FDesigner = nullptr;
    if (Value) {
        if (TForm* other = Value->Form(); other && other != this && other->Designer() == Value) other->SetDesigner(nullptr);
        Value->SetForm(this);
    }
    FDesigner = Value;
}

void TForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FActiveControl)
        FActiveControl = nullptr;
    if (Operation == opRemove && AComponent == FMenu) {
        FMenu = nullptr;
        Realign();
    }
    if (FDesigner)
        FDesigner->Notification(AComponent, Operation);
}

void TForm::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ACTIVATE:
        if (Message.WParam == WA_ACTIVE) {
            Activate();
            if (FActiveControl && !FActiveControl->Focused() && FActiveControl->CanFocus())
                FActiveControl->Widget()->setFocus(Qt::ActiveWindowFocusReason);
            OnActivate(this);
            // The handlers may have changed what the size limits depend on.
            ApplySizeLimits();
        } else {
            OnDeactivate(this);
        }
        break;
    case WM_CLOSE:
        Message.Result = CloseWindow() ? 0 : 1;
        return;
    case WM_MOUSEACTIVATE:
        // A child window is never the window system's active window: a press
        // is what makes it the active one of its kind.
        if (Widget() && !Widget()->isWindow()) {
            Activate();
            OnActivate(this);
        }
        Message.Result = MA_ACTIVATE;
        return;
    default:
        break;
    }
    TWinControl::Dispatch(Message);
}

void TForm::ValidateRename(TComponent* AComponent, const QString& CurName, const QString& NewName)
{
    TWinControl::ValidateRename(AComponent, CurName, NewName);
    if (FDesigner)
        FDesigner->ValidateRename(AComponent, CurName, NewName);
}

void TForm::Paint()
{
    TWinControl::Paint();
    if (FDesigner && IsDesigning())
        FDesigner->PaintGrid();
}

void TForm::SetCaption(const QString& Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    if (Widget())
        Widget()->setWindowTitle(Value);
    TextChanged();
}

void TForm::SetHelpContext(int Value)
{
    FHelpContext = Value;
    if (Value != 0)
        detail::InstallWindowKeys();
}

QIcon TForm::Icon() const
{
    const QWidget* w = Widget();
    return w && w->testAttribute(Qt::WA_SetWindowIcon) ? w->windowIcon() : QIcon();
}

void TForm::SetIcon(const QIcon& Value)
{
    if (QWidget* w = Widget())
        w->setWindowIcon(Value);
}

void TForm::InitForm()
{
    const QByteArray stream = FormResource(ClassName());
    if (!stream.isEmpty()) {
        TBytesStream bytes(stream);
        ReadComponentFromStream(bytes, this);
    }
    OnCreate(this);
}

void TForm::DoDestroy()
{
    if (FDestroyed)
        return;
    FDestroyed = true;
    OnDestroy(this);
}

void TForm::Show()
{
    QWidget* w = Widget();
    const bool hidden = !Visible() || (w && w->isWindow() && !w->isVisible());
    SetVisible(true);
    if (hidden) {
        // The handlers see the form visible; one that fails leaves it hidden.
        try {
            OnShow(this);
        } catch (...) {
            SetVisible(false);
            throw;
        }
    }
    w = Widget();
    if (!w || !Visible())
        return;
    // A child window is in place already, inside its parent's border.
    if (w->isWindow() && hidden)
        ApplyPosition();
    ApplySizeLimits();
    const bool open = w->isVisible();
    w->show();
    if (w->isWindow()) {
        // As the platform's own showing does: forward (a window just opened
        // is in front already) and active.
        if (open)
            w->raise();
        w->activateWindow();
        FocusFirstControl();
    }
}

void TForm::FocusFirstControl()
{
    if (!FActiveControl || !FActiveControl->CanFocus())
        SetFocusedControl(FirstTabControl());
    // Taken at once in an active window, else when the window is activated.
    if (Active() && FActiveControl && FActiveControl->CanFocus() && !FActiveControl->Focused())
        FActiveControl->Widget()->setFocus(Qt::ActiveWindowFocusReason);
}

TWinControl* TForm::FirstTabControl() const
{
    QWidget* w = Widget();
    if (!w)
        return nullptr;
    // The tab order is the window's focus chain.
    for (QWidget* next = w->nextInFocusChain(); next && next != w; next = next->nextInFocusChain()) {
        if (!(next->focusPolicy() & Qt::TabFocus) || next->window() != w->window())
            continue;
        auto* control = dynamic_cast<TWinControl*>(detail::ControlOfWidget(next));
        if (control && control != this && GetParentForm(control) == this && control->CanFocus())
            return control;
    }
    return nullptr;
}

void TForm::ApplyPosition()
{
    QWidget* w = Widget();
    if (WindowState() != wsNormal)
        return;
    switch (FPosition) {
    case poDefault:
    case poDefaultPosOnly:
        // The window system's choice.
        return;
    case poScreenCenter: {
        const QWidget* main = Application()->MainForm() && Application()->MainForm() != this
                                  ? Application()->MainForm()->Widget()
                                  : nullptr;
        QScreen* screen = main && main->screen() ? main->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            break;
        const QRect area = screen->availableGeometry();
        SetBounds(area.x() + (area.width() - Width()) / 2, area.y() + (area.height() - Height()) / 2, Width(),
                  Height());
        break;
    }
    default:
        break;
    }
    w->move(Left(), Top());
    NoteNormalBounds();
}

void TForm::Close()
{
    CloseWindow();
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

bool TForm::CloseWindow()
{
    if (FModal) {
        SetModalResult(mrCancel);
        return false;
    }
    if (!CloseQuery())
        return false;
    TCloseAction action = caHide;
    OnClose(this, action);
    switch (action) {
    case caNone:
        return false;
    case caMinimize:
        SetWindowState(wsMinimized);
        return false;
    case caHide:
    case caFree:
        Hide();
        if (Widget())
            Widget()->hide();
        if (action == caFree)
            Release();
        return true;
    }
    return false;
}

void TForm::Release()
{
    const QPointer<QWidget> alive(Widget());
    QTimer::singleShot(0, qApp, [this, alive] {
        if (alive)
            delete this;
    });
}

bool TForm::CloseModal()
{
    if (!CloseQuery())
        return false;
    TCloseAction action = caHide;
    OnClose(this, action);
    FReleaseAfterModal = action == caFree;
    return action != caNone;
}

void TForm::SetModalResult(TModalResult Value)
{
    FModalResult = Value;
    if (!FModal || Value == mrNone)
        return;
    // A handler that refuses, or fails, keeps the form open.
    bool closes = false;
    const auto refused = qScopeGuard([&] {
        if (!closes)
            FModalResult = mrNone;
    });
    closes = CloseModal();
    if (!closes)
        return;
    if (FModalLoop)
        FModalLoop->quit();
}

TModalResult TForm::ShowModal()
{
    QWidget* w = Widget();
    if (FModal || !w || w->isVisible())
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    FModal = true;
    FModalResult = mrNone;
    FReleaseAfterModal = false;
    const auto end = [this] {
        FModal = false;
        Hide();
        if (QWidget* w = Widget()) {
            w->hide();
            w->setWindowModality(Qt::NonModal);
        }
    };
    // Gone on the way out, once the form is hidden again.
    const TActivationKeeper keeper;
    // The form may be freed while it runs (by a handler or the script).
    const std::shared_ptr<bool> alive = FAlive;
    TModalResult answer = mrCancel;
    try {
        w->setWindowModality(Qt::ApplicationModal);
        Show();
        TModalRequest request;
        request.Kind = TModalKind::Form;
        request.Caption = FCaption;
        request.Form = this;
        answer = RunModal(request);
    } catch (...) {
        if (*alive)
            end();
        throw;
    }
    if (!*alive)
        return answer == mrNone ? mrCancel : answer;
    end();
    if (FModalResult == mrNone)
        FModalResult = answer == mrNone ? mrCancel : answer;
    // Freed once the caller has the result, as the handler asked.
    if (FReleaseAfterModal)
        Release();
    return FModalResult;
}

TModalResult TForm::RunModalLoop()
{
    const std::shared_ptr<bool> alive = FAlive;
    QEventLoop loop;
    FModalLoop = &loop;
    if (FModalResult == mrNone)
        loop.exec(QEventLoop::DialogExec);
    if (!*alive)
        return mrCancel;
    FModalLoop = nullptr;
    return FModalResult != mrNone ? FModalResult : mrCancel;
}

void TForm::SetActiveControl(TWinControl* Value)
{
    // Set again, it takes back the focus that went to a widget of no control.
    if (Value == FActiveControl && (!Value || Value->Focused() || !Value->CanFocus()))
        return;
    const bool loading = ComponentState().Contains(csLoading);
    if (Value && !loading && (Value == this || GetParentForm(Value) != this))
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    SetFocusedControl(Value);
    // An inactive window keeps it until it is activated: setting it never
    // takes the activation from another window.
    if (Value && !loading && Widget() && Widget()->isVisible()) {
        if (!Value->CanFocus())
            throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
        if (Active())
            Value->Widget()->setFocus(Qt::OtherFocusReason);
    }
}

bool TForm::Active() const
{
    const QWidget* w = Widget();
    return w && w->isVisible() && QApplication::activeWindow() == w->window();
}

void TForm::SetFocusedControl(TWinControl* Control)
{
    if (Control == FActiveControl)
        return;
    if (FActiveControl)
        FActiveControl->RemoveFreeNotification(this);
    FActiveControl = Control;
    if (Control)
        Control->FreeNotification(this);
}

void TForm::SetBorderIcons(TBorderIcons Value)
{
    FBorderIcons = Value;
    ApplyWindowFlags();
}

void TForm::SetFormStyle(TFormStyle Value)
{
    const bool again = Value == fsStayOnTop && FFormStyle == fsStayOnTop;
    FFormStyle = Value;
    ApplyWindowFlags();
    if (again && Widget() && Widget()->isVisible())
        Widget()->raise();
}

TWindowState TForm::WindowState() const
{
    const Qt::WindowStates state = Widget() ? Widget()->windowState() : Qt::WindowNoState;
    if (state & Qt::WindowMinimized)
        return wsMinimized;
    if (state & Qt::WindowMaximized)
        return wsMaximized;
    return wsNormal;
}

void TForm::SetWindowState(TWindowState Value)
{
    QWidget* w = Widget();
    if (!w)
        return;
    if (WindowState() == wsNormal)
        NoteNormalBounds();
    const bool restoring = Value == wsNormal && WindowState() != wsNormal;
    Qt::WindowStates state = w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (Value == wsMinimized)
        state |= Qt::WindowMinimized;
    else if (Value == wsMaximized)
        state |= Qt::WindowMaximized;
    w->setWindowState(state);
    if (restoring) {
        // Not every window system gives the old bounds back by itself.
        const TRect r = FNormalRect;
        SetBounds(r.Left, r.Top, r.Width(), r.Height());
        if (w->isWindow() && w->isVisible())
            w->move(r.Left, r.Top);
    }
}

void TForm::NoteNormalBounds()
{
    if (WindowState() != wsNormal)
        return;
    const QWidget* w = Widget();
    if (w && w->isWindow() && w->isVisible())
        FNormalRect = Bounds(w->x(), w->y(), w->width(), w->height());
    else
        FNormalRect = BoundsRect();
}

bool TForm::GetNormalBounds(TRect& R) const
{
    const QWidget* w = Widget();
    if (!w || !w->isWindow())
        return false;
    R = FNormalRect;
    return true;
}

void TForm::BorderChanged()
{
    TWinControl::BorderChanged();
    ApplyWindowFlags();
    ApplySizeLimits();
}

void TForm::ApplyWindowFlags()
{
    QWidget* w = Widget();
    if (!w || !w->isWindow())
        return;  // a form inside another control has no window of its own
    const TBorderStyle border = BorderStyle();
    Qt::WindowFlags flags = Qt::Window;
    if (border == bsToolWindow || border == bsSizeToolWin)
        flags = Qt::Tool;
    else if (border == bsDialog)
        flags = Qt::Dialog;
    if (border == bsNone) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (FBorderIcons.Contains(biSystemMenu)) {
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
            // Only plain and sizeable frames have minimise and maximise boxes.
            if (border == bsSingle || border == bsSizeable) {
                if (FBorderIcons.Contains(biMinimize))
                    flags |= Qt::WindowMinimizeButtonHint;
                if (FBorderIcons.Contains(biMaximize))
                    flags |= Qt::WindowMaximizeButtonHint;
            }
            if (border == bsDialog && FBorderIcons.Contains(biHelp))
                flags |= Qt::WindowContextHelpButtonHint;
        }
    }
    if (FFormStyle == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    // A tool window serves the active window: its hints show meanwhile.
    w->setAttribute(Qt::WA_AlwaysShowToolTips, (flags & Qt::WindowType_Mask) == Qt::Tool);
    if (flags == w->windowFlags())
        return;
    // New flags hide a window: one that was shown comes back where it was,
    // without taking the activation from the window that has it.
    const bool shown = w->isVisible();
    const bool quiet = w->testAttribute(Qt::WA_ShowWithoutActivating);
    w->setWindowFlags(flags);
    if (shown) {
        w->setAttribute(Qt::WA_ShowWithoutActivating, true);
        w->show();
        w->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
    }
}

namespace {

bool Sizeable(TBorderStyle Border)
{
    return Border == bsSizeable || Border == bsSizeToolWin;
}

TMinMaxInfo AskMinMaxInfo(TForm& Form)
{
    TMinMaxInfo info{};
    const TSizeConstraints& limits = *Form.Constraints();
    info.ptMinTrackSize = TPoint{limits.MinWidth(), limits.MinHeight()};
    info.ptMaxTrackSize = TPoint{limits.ClampWidth(QWIDGETSIZE_MAX), limits.ClampHeight(QWIDGETSIZE_MAX)};
    Form.Perform(WM_GETMINMAXINFO, 0, qintptr(&info));
    info.ptMinTrackSize.X = std::clamp(info.ptMinTrackSize.X, 0, QWIDGETSIZE_MAX);
    info.ptMinTrackSize.Y = std::clamp(info.ptMinTrackSize.Y, 0, QWIDGETSIZE_MAX);
    info.ptMaxTrackSize.X = std::clamp(info.ptMaxTrackSize.X, info.ptMinTrackSize.X, QWIDGETSIZE_MAX);
    info.ptMaxTrackSize.Y = std::clamp(info.ptMaxTrackSize.Y, info.ptMinTrackSize.Y, QWIDGETSIZE_MAX);
    return info;
}

} // namespace

void TForm::ApplySizeLimits()
{
    QWidget* w = Widget();
    if (!w || FApplyingLimits)
        return;
    FApplyingLimits = true;
    const auto done = qScopeGuard([this] { FApplyingLimits = false; });
    if (!w->isWindow()) {
        // Limits are the window's: a child window takes its bounds as set.
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (w->size() != QSize(Width(), Height()))
            w->resize(Width(), Height());
        return;
    }
    if (!Sizeable(BorderStyle())) {
        w->setFixedSize(Width(), Height());
        return;
    }
    const TMinMaxInfo info = AskMinMaxInfo(*this);
    w->setMinimumSize(info.ptMinTrackSize.X, info.ptMinTrackSize.Y);
    w->setMaximumSize(info.ptMaxTrackSize.X, info.ptMaxTrackSize.Y);
}

void TForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AWidth = FConstraints->ClampWidth(AWidth);
    AHeight = FConstraints->ClampHeight(AHeight);
    QWidget* w = Widget();
    if (w && w->isWindow() && WindowState() != wsNormal) {
        // The window keeps its state; the bounds are those it takes when restored.
        FNormalRect = Bounds(ALeft, ATop, std::max(AWidth, 0), std::max(AHeight, 0));
        return;
    }
    if (w && !FApplyingLimits) {
        if (w->isWindow() && Sizeable(BorderStyle())) {
            const TMinMaxInfo info = AskMinMaxInfo(*this);
            AWidth = std::clamp(AWidth, info.ptMinTrackSize.X, info.ptMaxTrackSize.X);
            AHeight = std::clamp(AHeight, info.ptMinTrackSize.Y, info.ptMaxTrackSize.Y);
        }
        // Free first, or the old limits would hold the window back.
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    {
        FSettingBounds = true;
        const auto done = qScopeGuard([this] { FSettingBounds = false; });
        const bool moved = ALeft != Left() || ATop != Top();
        TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
        // A shown window goes where new bounds say, as Show puts it.
        if (moved && w && w->isWindow() && w->isVisible())
            w->move(Left(), Top());
    }
    ApplySizeLimits();
    if (!WindowRect(FSettledRect))
        FSettledRect = BoundsRect();
    if (!FApplyingLimits)
        NoteNormalBounds();
}

void TForm::Resize()
{
    // The user's sizing is looked at once Qt has told the widget of both
    // the move and the resize, which come in either order.
    if (!FSettingBounds && !FSizingPosted && Widget() && Widget()->isWindow()) {
        FSizingPosted = true;
        QTimer::singleShot(0, Widget(), [this] {
            FSizingPosted = false;
            CallGuarded(this, [this] { TrackUserSizing(); });
        });
    }
    TWinControl::Resize();
    ApplySizeLimits();
    NoteNormalBounds();
}

void TForm::Moved()
{
    TWinControl::Moved();
    NoteNormalBounds();
    // A move that keeps the size is no drag of an edge.
    TRect now;
    if (WindowRect(now) && now.Width() == FSettledRect.Width() && now.Height() == FSettledRect.Height())
        FSettledRect = now;
}

bool TForm::WindowRect(TRect& R) const
{
    const QWidget* w = Widget();
    if (!w || !w->isWindow())
        return false;
    const QRect g = w->geometry();
    R = Bounds(g.x(), g.y(), g.width(), g.height());
    return true;
}

void TForm::TrackUserSizing()
{
    TRect now;
    if (!WindowRect(now))
        return;
    if (now.Width() == FSettledRect.Width() && now.Height() == FSettledRect.Height()) {
        FSettledRect = now;
        return;
    }
    // The edge dragged: the one that moved while the opposite one stayed.
    const TRect& was = FSettledRect;
    unsigned horz = 0, vert = 0;
    if (now.Width() != was.Width())
        horz = now.Left != was.Left && now.Right == was.Right ? WMSZ_LEFT : WMSZ_RIGHT;
    if (now.Height() != was.Height())
        vert = now.Top != was.Top && now.Bottom == was.Bottom ? WMSZ_TOP : WMSZ_BOTTOM;
    // The corners are the sums: WMSZ_TOPLEFT = WMSZ_TOP + WMSZ_LEFT, ...
    TRect wanted = now;
    Perform(WM_SIZING, vert + horz, qintptr(&wanted));
    FSettledRect = wanted;
    // Moved by the difference: how a window's position maps to its frame
    // is the window system's affair.
    QWidget* w = Widget();
    if (wanted.Left != now.Left || wanted.Top != now.Top)
        w->move(w->pos() + QPoint(wanted.Left - now.Left, wanted.Top - now.Top));
    if (wanted.Width() != now.Width() || wanted.Height() != now.Height())
        w->resize(std::max(wanted.Width(), 0), std::max(wanted.Height(), 0));
}

void TForm::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*)
{
    // Menu items are written inside their menu.
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* c = Components(i);
        if (dynamic_cast<TControl*>(c))
            continue;
        if (auto* item = dynamic_cast<TMenuItem*>(c); item && (item->Menu() || item->Parent()))
            continue;
        Proc(c);
    }
}

void TForm::SetMenu(TMainMenu* Value)
{
    if (Value == FMenu)
        return;
    if (FMenu) {
        FMenu->SetWindow(nullptr);
        FMenu->RemoveFreeNotification(this);
    }
    FMenu = Value;
    if (FMenu) {
        FMenu->FreeNotification(this);
        FMenu->SetWindow(this);
    }
    Realign();
}

void TForm::AlignControls(TControl* AControl, TRect& Rect)
{
    if (FMenu)
        Rect.Top = std::min(Rect.Top + FMenu->BarHeight(), Rect.Bottom);
    TWinControl::AlignControls(AControl, Rect);
}

} // namespace classlib
