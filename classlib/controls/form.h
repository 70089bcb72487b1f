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

#include <QByteArray>
#include <QString>

namespace classlib {

QX_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSet<TBorderIcon>;
QX_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
QX_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter)
QX_ENUM(TPrintScale, poNone, poProportional, poPrintToFit)
QX_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)

class TForm : public TWinControl {
    QX_CLASS(TForm, TWinControl)
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);

    // Shows the form as a window at (Left, Top).
    void Show();
    void Close();

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

    // Stored with the form and kept for it; the window does not follow them.
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value) { FBorderIcons = Value; }
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value) { FFormStyle = Value; }
    const QString& HelpFile() const { return FHelpFile; }
    void SetHelpFile(const QString& Value) { FHelpFile = Value; }
    TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar; }
    void SetHorzScrollBar(const TControlScrollBar* Value) { FHorzScrollBar->Assign(Value); }
    TControlScrollBar* VertScrollBar() const { return FVertScrollBar; }
    void SetVertScrollBar(const TControlScrollBar* Value) { FVertScrollBar->Assign(Value); }
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    TPrintScale PrintScale() const { return FPrintScale; }
    void SetPrintScale(TPrintScale Value) { FPrintScale = Value; }
    bool Scaled() const { return FScaled; }
    void SetScaled(bool Value) { FScaled = Value; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState Value) { FWindowState = Value; }

    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;

protected:
    // The form's window became the active one.
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

private:
    QString FCaption;
    bool FDestroyed = false;
    TDesigner* FDesigner = nullptr;
    bool FKeyPreview = false;
    bool FAutoScroll = true;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TFormStyle FFormStyle = fsNormal;
    QString FHelpFile;
    TControlScrollBar* FHorzScrollBar;
    TControlScrollBar* FVertScrollBar;
    int FPixelsPerInch = 96;
    TPosition FPosition = poDesigned;
    TPrintScale FPrintScale = poProportional;
    bool FScaled = true;
    TWindowState FWindowState = wsNormal;
};

// The stored stream of the forms of class ClassName; a later call replaces it.
void RegisterFormResource(const QString& ClassName, const QByteArray& Stream);
// Empty when none is registered.
QByteArray FormResource(const QString& ClassName);

} // namespace classlib
