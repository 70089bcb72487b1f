#pragma once

// Forms: top-level windows. A form's stored component stream (its
// resource) is read at creation with the form as the reader's root, so
// the components it holds are created and its published fields and event
// bindings are filled; OnCreate follows. The stream holds the form's own
// properties and its non-visual components; controls are built by the
// form's code.

#include "classlib/controls/control.h"
#include "classlib/controls/controlscrollbar.h"
#include "classlib/controls/designer.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/sizeconstraints.h"

#include <QByteArray>
#include <QIcon>
#include <QString>

#include <memory>

class QEventLoop;

namespace classlib {

class TMainMenu;

QX_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSet<TBorderIcon>;
QX_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
QX_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter)
QX_ENUM(TPrintScale, poNone, poProportional, poPrintToFit)
QX_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)
QX_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)

using TCloseEvent = TEvent<TObject* /*Sender*/, TCloseAction& /*Action*/>;
using TCloseQueryEvent = TEvent<TObject* /*Sender*/, bool& /*CanClose*/>;

// The limits of a window's size that WM_GETMINMAXINFO asks for, in pixels
// of the form's Width and Height. The form starts with no limit.
struct TMinMaxInfo {
    TPoint ptReserved;
    TPoint ptMaxSize;
    TPoint ptMaxPosition;
    TPoint ptMinTrackSize;
    TPoint ptMaxTrackSize;
};

class TForm : public TWinControl {
    QX_CLASS(TForm, TWinControl)
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);

    // A form is hidden until it is shown. Show makes it visible, fires
    // OnShow when it was hidden, opens its window placed as Position asks,
    // brings it forward and activates it; the ActiveControl, or else the
    // first control in tab order, has the keys once the window is active.
    void Show();
    // What the window's close box does too: asks CloseQuery, then OnClose
    // with caHide; the action then hides the window (caHide), frees the form
    // once the event loop is back (caFree), minimises it or does nothing.
    // A modal form ends with mrCancel instead.
    void Close();
    // OnCloseQuery's answer; true without one.
    virtual bool CloseQuery();
    // Frees the form once the event loop is back (from its own handlers).
    void Release();

    // Shows the form modally through the modal responder and hides it
    // afterwards; its ModalResult (mrCancel when none was set). A form that
    // is shown modally already raises EInvalidOperation.
    TModalResult ShowModal();
    // Setting a non-zero result on a modal form ends it, once CloseQuery
    // and OnClose agree; else the result goes back to mrNone. An OnClose
    // that answers caFree frees the form once the event loop is back.
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value);
    // The event loop of a modal form: what the program's own responder runs.
    TModalResult RunModalLoop();

    // The control that has, or gets when the form is activated, the keys.
    // Set while the window is active, it takes the focus at once; setting it
    // never activates the window. A freed control leaves nil.
    TWinControl* ActiveControl() const { return FActiveControl; }
    // The form's window is the application's active window.
    bool Active() const;
    void SetActiveControl(TWinControl* Value);
    // Told by a control of the form that took the focus.
    void SetFocusedControl(TWinControl* Control);

    // The menu bar at the top of the window; aligned controls go below it.
    // Not owned; a freed menu leaves nil.
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* Value);

    // The owned components that are not controls (menu items inside their menu).
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;

    // The designer while the form is designed; not owned. Insertions and
    // removals of components, renames and, in design state, the grid of a
    // paint are handed to it, and its controls' messages pass it first.
    TDesigner* Designer() const { return FDesigner; }
    // Links both sides: the designer names this form, and a designer that
    // is replaced, or named another form before, forgets the old one.
    void SetDesigner(TDesigner* Value);

    // The form hears the keys of its controls before they do.
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }
    // Kept for callers that set it; forms do not scroll their client area.
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value) { FAutoScroll = Value; }

    // The window follows the border style (bsToolWindow and bsSizeToolWin
    // make a tool window; only bsSizeable and bsSizeToolWin can be sized by
    // the user), the icons of its title bar and the style: fsStayOnTop
    // keeps it above the other windows. A shown window that changes is
    // shown again without being activated. Setting fsStayOnTop again
    // raises the window above the others that stay on top.
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value);
    // The window's state: the user's minimising shows here, and setting it
    // minimises, maximises or restores the window. Restored, the window
    // takes its normal bounds again.
    TWindowState WindowState() const;
    void SetWindowState(TWindowState Value);
    // The bounds of the window in the normal state, also while it is
    // maximised or minimised; bounds set meanwhile become the normal ones.
    TRect NormalBounds() const { return FNormalRect; }
    // NormalBounds into R; false for a form without a window of its own.
    bool GetNormalBounds(TRect& R) const;
    // The window's icon; an empty one shows the application's.
    QIcon Icon() const;
    void SetIcon(const QIcon& Value);
    // The help topic of the window: F1 inside it asks the application's
    // help for it (none while 0).
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int Value);
    // Stored with the form and kept for it; the window does not follow them.
    const QString& HelpFile() const { return FHelpFile; }
    void SetHelpFile(const QString& Value) { FHelpFile = Value; }
    TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar; }
    void SetHorzScrollBar(const TControlScrollBar* Value) { FHorzScrollBar->Assign(Value); }
    TControlScrollBar* VertScrollBar() const { return FVertScrollBar; }
    void SetVertScrollBar(const TControlScrollBar* Value) { FVertScrollBar->Assign(Value); }
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }
    // Where Show places a hidden window: poDesigned at (Left, Top),
    // poScreenCenter in the middle of the screen's work area, the default
    // positions wherever the window system puts it.
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    // Limits of the window's size, for the user's sizing and SetBounds alike.
    TSizeConstraints* Constraints() const { return FConstraints; }
    void SetConstraints(const TSizeConstraints* Value) { FConstraints->Assign(Value); }
    TPrintScale PrintScale() const { return FPrintScale; }
    void SetPrintScale(TPrintScale Value) { FPrintScale = Value; }
    bool Scaled() const { return FScaled; }
    void SetScaled(bool Value) { FScaled = Value; }

    // The size limits of WM_GETMINMAXINFO apply to SetBounds too.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    // The hidden form became visible (Show, ShowModal); its window opens
    // right after.
    TNotifyEvent OnShow;
    // The window became, or stopped being, the active one.
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseQueryEvent OnCloseQuery;
    TCloseEvent OnClose;

protected:
    // The form's window became the active one (OnActivate follows); for a
    // form shown as a child window, a press inside it (WM_MOUSEACTIVATE).
    virtual void Activate() {}
    // Called at the end of the most derived constructor: reads the stream
    // registered for this form's class, then fires OnCreate. A stream that
    // does not read raises, and the constructor with it.
    void InitForm();
    // Called at the start of the most derived destructor: fires OnDestroy
    // (once) while the whole form still exists. A form whose construction
    // failed never fires it.
    void DoDestroy();
    void ValidateRename(TComponent* AComponent, const QString& CurName, const QString& NewName) override;
    void Paint() override;
    // The window's frame is the window system's: no border inside it.
    int BorderWidth() const override { return 0; }
    void BorderChanged() override;
    void Resize() override;
    void Moved() override;
    void AlignControls(TControl* AControl, TRect& Rect) override;

private:
    // Closing as the close box and Close do: true when the window went.
    bool CloseWindow();
    // CloseQuery and OnClose of a modal form: false when either refuses.
    bool CloseModal();
    void ApplyWindowFlags();
    void ApplySizeLimits();
    // The window's client rectangle on the screen; false without a window.
    bool WindowRect(TRect& R) const;
    // After the user sized the window: WM_SIZING, and the window takes the
    // handler's rectangle.
    void TrackUserSizing();
    // Places a window about to be shown as Position asks.
    void ApplyPosition();
    // The ActiveControl, or the first control in tab order when there is
    // none, takes the focus now or when the window is activated.
    void FocusFirstControl();
    // The first enabled, showing control of the form that Tab reaches.
    TWinControl* FirstTabControl() const;
    // Notes the bounds as the normal ones while the window is normal.
    void NoteNormalBounds();

    QString FCaption;
    TModalResult FModalResult = mrNone;
    bool FModal = false;
    // OnClose of the modal run answered caFree.
    bool FReleaseAfterModal = false;
    QEventLoop* FModalLoop = nullptr;
    // False once the form is freed: what a modal run checks when it is back.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
    TWinControl* FActiveControl = nullptr;
    bool FApplyingLimits = false;
    bool FSettingBounds = false;
    bool FSizingPosted = false;
    // The window's rectangle when no drag was under way.
    TRect FSettledRect;
    bool FDestroyed = false;
    TDesigner* FDesigner = nullptr;
    TMainMenu* FMenu = nullptr;
    bool FKeyPreview = false;
    bool FAutoScroll = true;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TFormStyle FFormStyle = fsNormal;
    QString FHelpFile;
    int FHelpContext = 0;
    TControlScrollBar* FHorzScrollBar;
    TControlScrollBar* FVertScrollBar;
    TSizeConstraints* FConstraints;
    TRect FNormalRect{0, 0, 0, 0};
    int FPixelsPerInch = 96;
    TPosition FPosition = poDesigned;
    TPrintScale FPrintScale = poProportional;
    bool FScaled = true;
};

// The stored stream of the forms of class ClassName; a later call replaces it.
void RegisterFormResource(const QString& ClassName, const QByteArray& Stream);
// Empty when none is registered.
QByteArray FormResource(const QString& ClassName);

} // namespace classlib
